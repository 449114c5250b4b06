// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// The cards of one local day.
struct DayTotals {
  std::int32_t day = 0;  // days since 1970-01-01, local
  std::uint32_t cards = 0;
  std::uint32_t firstTryRight = 0;  // cards answered right without a wrong try
};

struct Streaks {
  int current = 0;  // study days in a row up to today, or up to yesterday while today is empty
  int longest = 0;
};

// The cards of one week, Monday to Sunday.
struct WeekTotals {
  std::int32_t firstDay = 0;  // its Monday
  std::uint32_t cards = 0;
  std::uint32_t firstTryRight = 0;
};

// Adds one card of day to days (sorted by day, one entry per day with cards). Cards mostly
// arrive in time order, so the last entry is tried first.
void AddCardToDays(std::vector<DayTotals>& days, std::int32_t day, bool firstTryRight);

// Every day of the count days that end with today, oldest first, days without cards included.
std::vector<DayTotals> LastDays(const std::vector<DayTotals>& days, std::int32_t today, int count);

// Days after today (a clock set back) belong to no streak.
Streaks FindStreaks(const std::vector<DayTotals>& days, std::int32_t today);

// The weeks that have cards, oldest first.
std::vector<WeekTotals> WeeksOf(const std::vector<DayTotals>& days);
