// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/LocalTimeZone.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;

// Division that rounds towards minus infinity, so times before 1970 fall on the day before.
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

LocalTimeZone::LocalTimeZone(std::int32_t offset) : changes_{{0, offset}} {}

LocalTimeZone::LocalTimeZone(std::vector<UtcOffsetChange> changes) : changes_(std::move(changes)) {
  if (changes_.empty()) changes_.push_back({0, 0});
  std::stable_sort(changes_.begin(), changes_.end(),
                   [](const UtcOffsetChange& a, const UtcOffsetChange& b) { return a.from < b.from; });
}

std::int32_t LocalTimeZone::OffsetAt(std::int64_t utc) const {
  // The last change at or before utc; the first one also covers everything before it.
  auto after = std::upper_bound(changes_.begin(), changes_.end(), utc,
                                [](std::int64_t t, const UtcOffsetChange& c) { return t < c.from; });
  return after == changes_.begin() ? changes_.front().offset : std::prev(after)->offset;
}

std::int32_t LocalTimeZone::DayOf(std::int64_t utc) const {
  return static_cast<std::int32_t>(FloorDiv(utc + OffsetAt(utc), kSecondsPerDay));
}

int WeekdayOf(std::int32_t day) {
  // 1970-01-01 was a Thursday.
  const std::int64_t sinceMonday = static_cast<std::int64_t>(day) + 3;
  return static_cast<int>(sinceMonday - 7 * FloorDiv(sinceMonday, 7));
}

std::int32_t WeekStartOf(std::int32_t day) {
  return day - WeekdayOf(day);
}
