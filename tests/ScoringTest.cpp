// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "tests/StudyFixture.h"

namespace {

constexpr KanjiCode kKanji = 0x3021;

class ScoringTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(8);
    profile.CreateDefaultProfile();
  }
  KanjiProgress& Entry() { return *profile.FindProgress(kKanji); }
  void Set(float score, std::int16_t level) {
    Entry().score = score;
    Entry().masteryLevel = level;
  }
};

TEST_F(ScoringTest, CardResultsMoveTheScoreByTheWeightedAverage) {
  const struct {
    const char* name;
    std::uint16_t inertia;
    bool jumps;
    float score;
    std::int16_t level, result;
    float newScore;
    std::int16_t newLevel;
  } cases[] = {
      {"from the baseline", 4, true, 50, 0, 100, 62.5f, 0},
      {"crossing up jumps to 100", 4, true, 88, 2, 100, 100.0f, 3},
      {"crossing up without the jump", 4, false, 88, 2, 100, 91.0f, 3},
      {"falling below the threshold", 4, true, 92, 2, 0, 69.0f, 1},
      {"level 0 stays 0", 4, true, 92, 0, 0, 69.0f, 0},
      {"mastered and staying mastered", 4, true, 100, 5, 80, 95.0f, 5},
      {"inertia 0 from a hand-edited file acts as 1", 0, true, 20, 0, 70, 70.0f, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    profile.settings.scoreInertia = c.inertia;
    profile.settings.masteryJumpsTo100 = c.jumps;
    Set(c.score, c.level);
    profile.RecordCardResult(kKanji, c.result);
    EXPECT_FLOAT_EQ(Entry().score, c.newScore);
    EXPECT_EQ(Entry().masteryLevel, c.newLevel);
  }
}

TEST_F(ScoringTest, MasteryIsJudgedBeforeTheScoreIsRoundedTo32Bits) {
  // (just below 90 + 90) / 2 lies below 90 in double but rounds to 90.0f.
  profile.settings.scoreInertia = 2;
  Set(std::nextafter(90.0f, 0.0f), 0);
  profile.RecordCardResult(kKanji, 90);
  EXPECT_EQ(Entry().score, 90.0f);
  EXPECT_EQ(Entry().masteryLevel, 0);
}

TEST_F(ScoringTest, AdjustmentsAreClampedToZeroAndOneHundred) {
  const struct {
    const char* name;
    float score;
    std::int16_t level;
    float delta, newScore;
    std::int16_t newLevel;
  } cases[] = {
      {"small step", 50, 0, 2.5f, 52.5f, 0},
      {"above 100 from mastered: no new level", 95, 3, 20, 100, 3},
      {"above 100 from unmastered: one level", 85, 3, 20, 100, 4},
      {"below 0", 10, 0, -20, 0, 0},
      {"out of mastery", 91, 3, -5, 86, 2},
      {"not a number changes nothing", 60, 1, std::numeric_limits<float>::quiet_NaN(), 60, 1},
      {"infinite delta clamps", 60, 1, -std::numeric_limits<float>::infinity(), 0, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Set(c.score, c.level);
    profile.AdjustScore(kKanji, c.delta);
    EXPECT_FLOAT_EQ(Entry().score, c.newScore);
    EXPECT_EQ(Entry().masteryLevel, c.newLevel);
  }
}

TEST_F(ScoringTest, PromotionRaisesTheLevelUpToItsTypesTopAndDemotionKeepsTheScore) {
  Set(95, 4);
  profile.PromoteKanji(kKanji);
  EXPECT_EQ(Entry().masteryLevel, 5);
  EXPECT_EQ(Entry().score, 100.0f);

  profile.settings.masteryJumpsTo100 = false;
  Set(40, 0);
  profile.PromoteKanji(kKanji);
  EXPECT_EQ(Entry().score, 90.0f);
  Set(95, 0);
  profile.PromoteKanji(kKanji);
  EXPECT_EQ(Entry().score, 95.0f);

  // Decreasing keeps the score and stops at zero.
  Set(95, 1);
  profile.DecreaseMasteryLevel(kKanji);
  profile.DecreaseMasteryLevel(kKanji);
  EXPECT_EQ(Entry().masteryLevel, 0);
  EXPECT_EQ(Entry().score, 95.0f);
  // Levels stop at the top of their type instead of wrapping.
  Set(100, std::numeric_limits<std::int16_t>::max() - 1);
  for (int i = 0; i < 5000; ++i) profile.PromoteKanji(kKanji);
  EXPECT_EQ(Entry().masteryLevel, std::numeric_limits<std::int16_t>::max());
  Set(89, std::numeric_limits<std::int16_t>::max());
  profile.AdjustScore(kKanji, 5);
  EXPECT_EQ(Entry().masteryLevel, std::numeric_limits<std::int16_t>::max());
}

TEST_F(ScoringTest, ARevealCostsOneLevelButNeverTwo) {
  const struct {
    const char* name;
    bool drops;
    float score;
    std::int16_t level, result, newLevel;
  } cases[] = {
      {"stays mastered", true, 100, 3, 100, 2}, {"falls below the threshold", true, 92, 3, 0, 2},
      {"was not mastered", true, 50, 2, 0, 1},  {"becomes mastered", true, 88, 2, 100, 2},
      {"at level 0", true, 50, 0, 0, 0},        {"without the setting", false, 100, 3, 100, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    profile.settings.revealDropsMasteryLevel = c.drops;
    Set(c.score, c.level);
    profile.RecordRevealedCard(kKanji, c.result);
    EXPECT_EQ(Entry().masteryLevel, c.newLevel);
  }
}

TEST_F(ScoringTest, OperationsOnAnUnknownKanjiChangeNothing) {
  const auto before = profile.progress;
  profile.RecordCardResult(0x7777, 100);
  profile.RecordRevealedCard(0x7777, 100);
  profile.AdjustScore(0x7777, 10);
  profile.PromoteKanji(0x7777);
  profile.DecreaseMasteryLevel(0x7777);
  ASSERT_EQ(profile.progress.size(), before.size());
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(std::pair(profile.progress[i].score, profile.progress[i].masteryLevel),
              std::pair(before[i].score, before[i].masteryLevel));
  }
}

TEST_F(ScoringTest, PercentMasteredIsTruncated) {
  EXPECT_EQ(profile.PercentMastered(), 0);
  Activate({{0x3021, 95}, {0x3022, 90}, {0x3023, 50}});
  EXPECT_EQ(profile.PercentMastered(), 66);
  Activate({{0x3024, 100}, {0x3025, 100}, {0x3026, 100}, {0x3027, 100}, {0x3028, 100}});
  EXPECT_EQ(profile.PercentMastered(), 87);
}

}  // namespace
