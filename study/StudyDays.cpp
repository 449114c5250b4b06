// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/StudyDays.h"

#include <algorithm>

#include "study/LocalTimeZone.h"

void AddCardToDays(std::vector<DayTotals>& days, std::int32_t day, bool firstTryRight) {
  auto place = days.end();
  if (days.empty() || days.back().day < day) {
    place = days.insert(days.end(), DayTotals{day, 0, 0});
  } else if (days.back().day == day) {
    place = std::prev(days.end());
  } else {
    place = std::lower_bound(days.begin(), days.end(), day,
                             [](const DayTotals& d, std::int32_t wanted) { return d.day < wanted; });
    if (place == days.end() || place->day != day) place = days.insert(place, DayTotals{day, 0, 0});
  }
  ++place->cards;
  if (firstTryRight) ++place->firstTryRight;
}

std::vector<DayTotals> LastDays(const std::vector<DayTotals>& days, std::int32_t today, int count) {
  std::vector<DayTotals> out;
  if (count <= 0) return out;
  const std::int32_t first = today - count + 1;
  out.reserve(static_cast<std::size_t>(count));
  for (std::int32_t day = first; day <= today; ++day) out.push_back({day, 0, 0});
  auto from = std::lower_bound(days.begin(), days.end(), first,
                               [](const DayTotals& d, std::int32_t wanted) { return d.day < wanted; });
  for (auto it = from; it != days.end() && it->day <= today; ++it) {
    out[static_cast<std::size_t>(it->day - first)] = *it;
  }
  return out;
}

Streaks FindStreaks(const std::vector<DayTotals>& days, std::int32_t today) {
  Streaks streaks;
  int run = 0;
  std::int32_t previous = 0;
  for (const DayTotals& d : days) {
    if (d.day > today) break;
    if (d.cards == 0) continue;
    run = (run > 0 && d.day == previous + 1) ? run + 1 : 1;
    previous = d.day;
    streaks.longest = std::max(streaks.longest, run);
  }
  // A streak stays current through a day not yet studied.
  if (run > 0 && previous >= today - 1) streaks.current = run;
  return streaks;
}

std::vector<WeekTotals> WeeksOf(const std::vector<DayTotals>& days) {
  std::vector<WeekTotals> weeks;
  for (const DayTotals& d : days) {
    if (d.cards == 0) continue;
    const std::int32_t monday = WeekStartOf(d.day);
    if (weeks.empty() || weeks.back().firstDay != monday) weeks.push_back({monday, 0, 0});
    weeks.back().cards += d.cards;
    weeks.back().firstTryRight += d.firstTryRight;
  }
  return weeks;
}
