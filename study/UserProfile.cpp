// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/UserProfile.h"

#include <utility>

#include "platform/Clock.h"
#include "study/ReviewLog.h"

UserProfile::UserProfile(const KanjiDatabase& database, const JisTable& jis, System& system,
                         Clock& clock, RandomGenerator& random, NotesWindow& notesWindow,
                         std::filesystem::path directory)
    : database_(database),
      jis_(jis),
      system_(system),
      clock_(clock),
      random_(random),
      notesWindow_(notesWindow),
      directory_(std::move(directory)) {}

KanjiProgress* UserProfile::FindProgress(KanjiCode code) {
  for (KanjiProgress& entry : progress) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

const KanjiProgress* UserProfile::FindProgress(KanjiCode code) const {
  for (const KanjiProgress& entry : progress) {
    if (entry.code == code) return &entry;
  }
  return nullptr;
}

bool UserProfile::FindProgressIndex(KanjiCode code, std::int32_t& index) const {
  for (std::size_t i = 0; i < progress.size(); ++i) {
    if (progress[i].code == code) {
      index = static_cast<std::int32_t>(i);
      return true;
    }
  }
  return false;
}

void UserProfile::AddProgress(const KanjiProgress& entry) {
  progress.push_back(entry);
}

std::int64_t UserProfile::RecordReview(ReviewRecord record) {
  if (reviewLog == nullptr) return 0;
  record.time = clock_.SecondsSince1970();
  return reviewLog->Record(record);
}

std::size_t UserProfile::RecordReviews(std::vector<ReviewRecord> records) {
  if (reviewLog == nullptr || records.empty()) return 0;
  const std::int64_t now = clock_.SecondsSince1970();
  for (ReviewRecord& record : records) record.time = now;
  return reviewLog->RecordBatch(records);
}
