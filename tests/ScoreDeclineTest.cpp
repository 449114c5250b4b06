#include "study/ScoreDecline.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int64_t kDay = 86400;

TEST(ScoreDeclineTest, CountsWholeDaysSinceTheLastDecline) {
  struct Case {
    const char* name;
    std::int64_t last;
    std::int64_t now;
    std::uint16_t days;
  };
  const std::int64_t t = 1'700'000'000;
  const Case cases[] = {
      {"just under a day", t, t + kDay - 1, 0},
      {"exactly four days", t, t + 4 * kDay, 4},
      {"stored time in the future", t + 5 * kDay, t, 0},
      {"stored time 0", 0, t, static_cast<std::uint16_t>(t / kDay)},
      {"more days than 16 bits hold", -100'000 * kDay, t, 65535},
      {"extreme times", INT64_MIN, INT64_MAX, 65535},
      {"after 2038", 2'200'000'000LL, 2'200'000'000LL + 3 * kDay, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ElapsedDeclineDays(c.last, c.now), c.days);
  }
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

TEST(ScoreDeclineTest, KeepsTheMasteryLevelWhenTheScoreFallsBelowTheThreshold) {
  KanjiProgress record{0x3021, 92.0f, 3, true};
  StudySettings settings;
  settings.declineSchedule = {8, 8, 8, 40};  // 40 days at level 3: 92 - 50 * 5 / 40 = 85.75
  ApplyScoreDecline(record, 5, settings);
  EXPECT_FLOAT_EQ(record.score, 85.75f);
  EXPECT_EQ(record.masteryLevel, 3);
}

TEST(ScoreDeclineTest, HandEditedSchedulesNeitherDivideByZeroNorIndexOutside) {
  StudySettings settings;
  settings.declineSchedule = {0};
  KanjiProgress zeroDays{0x3021, 100.0f, 0, true};
  ApplyScoreDecline(zeroDays, 1, settings);
  EXPECT_EQ(zeroDays.score, 50.0f);

  settings.scoreBaseline = 0;
  KanjiProgress zeroBaseline{0x3021, 100.0f, 0, true};
  ApplyScoreDecline(zeroBaseline, 1, settings);
  EXPECT_EQ(zeroBaseline.score, 0.0f);

  settings.scoreBaseline = 50;
  settings.declineSchedule.clear();
  settings.declineDaysHigherLevels = 0;
  KanjiProgress noSchedule{0x3021, 100.0f, -1, true};
  ApplyScoreDecline(noSchedule, 1, settings);
  EXPECT_EQ(noSchedule.score, 50.0f);
}

}  // namespace
