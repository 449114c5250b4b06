// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "study/ReviewRecord.h"

// Where the study model and the drills report what happened to a kanji, as it happens. The
// learner's history implements it; tests fake it. Recording is best effort: a log that cannot
// record says so to the learner itself and never stops the study.
class ReviewLog {
 public:
  virtual ~ReviewLog() = default;

  // Keeps record and returns its id (greater than 0), or 0 when nothing was recorded.
  virtual std::int64_t Record(const ReviewRecord& record) = 0;
  // Keeps records together, all or none (a large introduction); how many were kept.
  virtual std::size_t RecordBatch(const std::vector<ReviewRecord>& records) = 0;
  // Takes back the record with id (an undone card). False when there was nothing to take back
  // or the log cannot change.
  virtual bool Remove(std::int64_t id) = 0;
};
