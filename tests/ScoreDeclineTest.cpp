// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ScoreDecline.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kDay = 86400;

TEST(ScoreDeclineTest, CountsWholeDaysSinceTheLastDecline) {
  const std::int64_t t = 1'700'000'000;
  const struct {
    std::int64_t last, now;
    std::uint16_t days;
  } cases[] = {
      {t, t + kDay - 1, 0},         {t, t + 4 * kDay, 4},
      {t + 5 * kDay, t, 0},         {0, t, static_cast<std::uint16_t>(t / kDay)},
      {-100'000 * kDay, t, 65535},  {INT64_MIN, INT64_MAX, 65535},
      {2'200'000'000LL, 2'200'000'000LL + 3 * kDay, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(ElapsedDeclineDays(c.last, c.now), c.days) << c.last;
}

TEST(ScoreDeclineTest, LowersActiveScoresTowardsTheBaseline) {
  struct Case {
    const char* name;
    KanjiProgress record;
    std::uint16_t days;
    float score;
  };
  const Case cases[] = {
      {"level 0, 4 of 8 days", {0x3021, 100.0f, 0, true}, 4, 75.0f},
      {"level 0, far past the baseline", {0x3021, 100.0f, 0, true}, 200, 50.0f},
      {"level 9 uses the higher-level days",
       {0x3021, 100.0f, 9, true},
       30,
       static_cast<float>(100.0 - 50.0 * (30.0 / 360.0))},
      {"no days", {0x3021, 100.0f, 0, true}, 0, 100.0f},
      {"inactive", {0x3021, 100.0f, 0, false}, 4, 100.0f},
      {"below the baseline", {0x3021, 20.0f, 0, true}, 4, 20.0f},
      {"negative level from a hand-edited file uses level 0", {0x3021, 100.0f, -5, true}, 4, 75.0f},
  };
  const StudySettings settings;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    KanjiProgress record = c.record;
    ApplyScoreDecline(record, c.days, settings);
    EXPECT_FLOAT_EQ(record.score, c.score);
    EXPECT_EQ(record.masteryLevel, c.record.masteryLevel);
  }
}

TEST(ScoreDeclineTest, HandEditedSchedulesNeitherDivideByZeroNorIndexOutside) {
  const struct {
    std::vector<std::uint16_t> schedule;
    std::uint16_t higher, baseline;
    std::int16_t level;
    float score;
  } cases[] = {
      {{8, 8, 8, 40}, 360, 50, 3, 85.75f},  // 92 - 50 * 5 / 40, the level kept below mastery
      {{0}, 360, 50, 0, 50.0f},
      {{0}, 360, 0, 0, 0.0f},
      {{}, 0, 50, -1, 50.0f},
  };
  for (const auto& c : cases) {
    StudySettings settings;
    settings.declineSchedule = c.schedule;
    settings.declineDaysHigherLevels = c.higher;
    settings.scoreBaseline = c.baseline;
    KanjiProgress record{0x3021, c.level == 3 ? 92.0f : 100.0f, c.level, true};
    ApplyScoreDecline(record, c.level == 3 ? 5 : 1, settings);
    EXPECT_FLOAT_EQ(record.score, c.score);
    EXPECT_EQ(record.masteryLevel, c.level);
  }
}

}  // namespace
