// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// From UTC second `from` on, local time is UTC plus `offset` seconds.
struct UtcOffsetChange {
  std::int64_t from = 0;
  std::int32_t offset = 0;
};

// The learner's time zone as a table of offsets, so that study days begin at the learner's own
// midnight. The program fills it from the system's zone; tests write the table they need.
class LocalTimeZone {
 public:
  // A zone with one offset for all time (0: UTC).
  explicit LocalTimeZone(std::int32_t offset = 0);
  // changes in any order; before the earliest one its offset holds.
  explicit LocalTimeZone(std::vector<UtcOffsetChange> changes);

  std::int32_t OffsetAt(std::int64_t utc) const;
  // Days since 1970-01-01 of the local date at utc (negative before it).
  std::int32_t DayOf(std::int64_t utc) const;

 private:
  std::vector<UtcOffsetChange> changes_;  // sorted by from, never empty
};

// Monday 0 .. Sunday 6 of a day number of DayOf.
int WeekdayOf(std::int32_t day);
// The Monday that begins day's week.
std::int32_t WeekStartOf(std::int32_t day);
