// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <tuple>

#include "study/ScoreDecline.h"
#include "tests/StudyFixture.h"

namespace {

constexpr KanjiCode kKanji = 0x3021;
constexpr std::int16_t kTopLevel = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kDay = 86400;

class ScoringTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(10);
    profile.CreateDefaultProfile();
    profile.settings.useAutoIntroduce = false;
    random.Seed(2024);
  }
  KanjiProgress& Entry() { return *profile.FindProgress(kKanji); }
  KanjiCode Select() { return profile.SelectNextKanji(false, false); }
};

// A card result (in delta) moves the score by the weighted average; a reveal costs one level but
// never two.
TEST_F(ScoringTest, ScoreChangesClampScoreAndLevelAndMoveTheLevelAcrossTheThreshold) {
  enum Step { kCard, kAdjust, kPromote, kDecrease, kReveal, kRevealKeepingLevels };
  const struct {
    const char* name;
    Step step;
    bool jumps;
    float score;
    std::int16_t level;
    float delta, newScore;
    std::int16_t newLevel;
    int times = 1;
    std::uint16_t inertia = 4;
  } cases[] = {
      {"card crossing up: jumps to 100", kCard, true, 88, 2, 100, 100, 3},
      {"card crossing up without the jump", kCard, false, 88, 2, 100, 91, 3},
      {"card falling below the threshold", kCard, true, 92, 2, 0, 69, 1},
      {"card at level 0 stays 0", kCard, true, 92, 0, 0, 69, 0},
      {"card mastered and staying mastered", kCard, true, 100, 5, 80, 95, 5},
      {"inertia 0 from a hand-edited file acts as 1", kCard, true, 20, 0, 70, 70, 0, 1, 0},
      // (just below 90 + 90) / 2 lies below 90 in double but rounds to 90.0f.
      {"mastery judged before rounding to 32 bits", kCard, true, std::nextafter(90.0f, 0.0f), 0, 90,
       90, 0, 1, 2},
      {"above 100 from mastered: no new level", kAdjust, true, 95, 3, 20, 100, 3},
      {"above 100 from unmastered: one level", kAdjust, true, 85, 3, 20, 100, 4},
      {"below 0", kAdjust, true, 10, 0, -20, 0, 0},
      {"out of mastery", kAdjust, true, 91, 3, -5, 86, 2},
      {"not a number changes nothing", kAdjust, true, 60, 1,
       std::numeric_limits<float>::quiet_NaN(), 60, 1},
      {"infinite delta clamps", kAdjust, true, 60, 1, -std::numeric_limits<float>::infinity(), 0,
       1},
      {"mastered at the top level", kAdjust, true, 89, kTopLevel, 5, 100, kTopLevel},
      {"promotion jumps to 100", kPromote, true, 95, 4, 0, 100, 5},
      {"promotion without the jump reaches the threshold", kPromote, false, 40, 0, 0, 90, 1},
      {"promotion without the jump keeps a higher score", kPromote, false, 95, 0, 0, 95, 1},
      {"levels stop at the top instead of wrapping", kPromote, true, 100, kTopLevel - 1, 0, 100,
       kTopLevel, 5000},
      {"decreasing keeps the score and stops at zero", kDecrease, true, 95, 1, 0, 95, 0, 2},
      {"reveal, staying mastered", kReveal, true, 100, 3, 100, 100, 2},
      {"reveal, falling below the threshold", kReveal, true, 92, 3, 0, 69, 2},
      {"reveal, not mastered", kReveal, true, 50, 2, 0, 37.5f, 1},
      {"reveal, becoming mastered", kReveal, true, 88, 2, 100, 100, 2},
      {"reveal at level 0", kReveal, true, 50, 0, 0, 37.5f, 0},
      {"reveal without the setting", kRevealKeepingLevels, true, 100, 3, 100, 100, 3},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    profile.settings.scoreInertia = c.inertia;
    profile.settings.masteryJumpsTo100 = c.jumps;
    profile.settings.revealDropsMasteryLevel = c.step != kRevealKeepingLevels;
    std::tie(Entry().score, Entry().masteryLevel) = std::tuple(c.score, c.level);
    const auto result = static_cast<std::int16_t>(c.step == kAdjust ? 0 : c.delta);
    for (int i = 0; i < c.times; ++i) {
      if (c.step == kCard) profile.RecordCardResult(kKanji, result);
      if (c.step == kAdjust) profile.AdjustScore(kKanji, c.delta);
      if (c.step == kPromote) profile.PromoteKanji(kKanji);
      if (c.step == kDecrease) profile.DecreaseMasteryLevel(kKanji);
      if (c.step >= kReveal) profile.RecordRevealedCard(kKanji, result);
    }
    EXPECT_FLOAT_EQ(Entry().score, c.newScore);
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
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(std::pair(profile.progress[i].score, profile.progress[i].masteryLevel),
              std::pair(before[i].score, before[i].masteryLevel));
  }
}

TEST_F(ScoringTest, PercentMasteredIsTruncated) {
  EXPECT_EQ(profile.PercentMastered(), 0);
  Activate({{0x3021, 95}, {0x3022, 90}, {0x3023, 50}});
  EXPECT_EQ(profile.PercentMastered(), 66);
}

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

// Hand-edited schedules must neither divide by zero nor index outside.
TEST(ScoreDeclineTest, LowersActiveScoresTowardsTheBaseline) {
  const struct {
    const char* name;
    float score;
    std::int16_t level;
    std::uint16_t days;
    float newScore;
    bool active = true;
    std::vector<std::uint16_t> schedule = StudySettings::DefaultDeclineSchedule();
    std::uint16_t higher = 360, baseline = 50;
  } cases[] = {
      {"level 0, 4 of 8 days", 100, 0, 4, 75},
      {"level 0, far past the baseline", 100, 0, 200, 50},
      {"level 9 uses the higher-level days", 100, 9, 30, 100.0f - 50.0f * 30 / 360},
      {"inactive", 100, 0, 4, 100, false},
      {"below the baseline", 20, 0, 4, 20},
      {"negative level from a hand-edited file uses level 0", 100, -5, 4, 75},
      {"level kept below mastery", 92, 3, 5, 85.75f, true, {8, 8, 8, 40}},
      {"a schedule entry of 0", 100, 0, 1, 50, true, {0}},
      {"a schedule entry of 0, baseline 0", 100, 0, 1, 0, true, {0}, 360, 0},
      {"an empty schedule", 100, -1, 1, 50, true, {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    StudySettings settings;
    settings.declineSchedule = c.schedule;
    settings.declineDaysHigherLevels = c.higher;
    settings.scoreBaseline = c.baseline;
    KanjiProgress record{0x3021, c.score, c.level, c.active};
    ApplyScoreDecline(record, c.days, settings);
    EXPECT_FLOAT_EQ(record.score, c.newScore);
    EXPECT_EQ(record.masteryLevel, c.level);
  }
}

TEST(RandomGeneratorTest, GivesTheClassicLinearCongruentialSequence) {
  RandomGenerator random;
  random.Seed(1);
  for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(random.Next(), expected);
}

TEST_F(ScoringTest, SelectionDrawsByWeightAsTheRunningSumReachesTheTarget) {
  // With exponent 1 the weights are 100 / score: 1, 2 and 4, total 7.
  profile.settings.selectionDistribution = 1.0f;
  Activate({{0x3021, 100}, {0x3022, 50}, {0x3023, 25}});
  for (std::uint32_t seed = 1; seed < 200; ++seed) {
    SCOPED_TRACE(seed);
    profile.lastPickPosition = -1;
    random.Seed(seed);
    RandomGenerator copy = random;
    const float target = static_cast<float>(copy.Next()) * (1.0f / 32767.0f) * 7.0f;
    const KanjiCode expected = target <= 1.0f ? 0x3021 : target <= 3.0f ? 0x3022 : 0x3023;
    EXPECT_EQ(profile.SelectNextKanji(false, true), expected);
  }
}

TEST_F(ScoringTest, SelectionFollowsTheDrillsWishesOrTakesAllActiveKanjiWhenNoneMatch) {
  Activate({{0x3021, 95}, {0x3022, 50}, {0x3023, 40}, {0x3024, 92}});
  std::set<KanjiCode> unmastered, kept, onlyMastered, noneMatch;
  for (int i = 0; i < 200; ++i) {
    unmastered.insert(profile.SelectNextKanji(false, false));
    kept.insert(profile.SelectNextKanji(false, true));
    onlyMastered.insert(profile.SelectNextKanji(true, false));
  }
  EXPECT_EQ(unmastered, (std::set<KanjiCode>{0x3022, 0x3023}));
  EXPECT_EQ(kept, (std::set<KanjiCode>{0x3021, 0x3022, 0x3023, 0x3024}));
  EXPECT_EQ(onlyMastered, (std::set<KanjiCode>{0x3021, 0x3024}));
  for (const std::int32_t index : profile.activeList) profile.progress[index].score = 10;
  for (int i = 0; i < 200; ++i) noneMatch.insert(profile.SelectNextKanji(true, true));
  EXPECT_EQ(noneMatch.size(), 4u);
}

TEST_F(ScoringTest, SelectionReturnsASingleCandidateWithoutDrawingAndNeverRepeatsAPosition) {
  Activate({{0x3025, 50}, {0x3026, 95}});  // the only unmastered candidate is 0x3025
  const std::uint32_t state = random.state;
  EXPECT_EQ(Select(), 0x3025);
  EXPECT_EQ(random.state, state);
  // 0x3025 becomes mastered and leaves; 0x3024 now stands at position 0 of the candidates.
  Activate({{0x3024, 50}, {0x3023, 50}});
  profile.FindProgress(0x3025)->score = 95;
  for (int i = 0; i < 10; ++i) {
    profile.lastPickPosition = 0;
    EXPECT_EQ(Select(), 0x3023);
  }
}

TEST_F(ScoringTest, SelectionAlwaysEndsWhateverTheScoresAndExponent) {
  const struct {
    float distribution;
    std::vector<std::pair<KanjiCode, float>> kanji;
    std::int16_t lastPick;
  } cases[] = {
      // The first weight swallows the second in 32-bit sums: only position 0 is reachable.
      {8.0f, {{0x3021, 0.5f}, {0x3022, 100}}, 0},
      {4.5f, {{0x3021, 1e30f}, {0x3022, 1e30f}, {0x3023, 1e30f}}, 0},  // all weights zero
      {1e30f, {{0x3021, 0.5f}, {0x3022, 0.5f}}, 0},                    // infinite weights
      {1e30f, {{0x3021, 200}, {0x3022, 300}}, 1},                      // not-a-number weights
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.distribution);
    profile.activeList.clear();
    profile.activeSet.clear();
    for (auto& entry : profile.progress) entry.active = false;
    Activate(c.kanji);
    profile.settings.selectionDistribution = c.distribution;
    profile.lastPickPosition = c.lastPick;
    const KanjiCode chosen = profile.SelectNextKanji(false, true);
    EXPECT_NE(chosen, static_cast<KanjiCode>(0x3021 + c.lastPick));
    EXPECT_NE(chosen, 0);
  }
}

TEST_F(ScoringTest, SelectionIntroducesKanjiFirstWhenNoneAreActiveOrEnoughAreMastered) {
  profile.settings.introduceCount = 2;
  WriteStudyList({0x3023, 0x3021, 0x3022, 0x3024});
  profile.LoadStudyList();
  // Nothing active yet: introduced even without auto-introduction.
  const KanjiCode chosen = Select();
  EXPECT_TRUE(chosen == 0x3023 || chosen == 0x3021);
  ExpectOneMessage("Introduced 2 kanji.");

  profile.settings.useAutoIntroduce = true;
  for (const std::int32_t index : profile.activeList) profile.progress[index].score = 95;
  Select();
  EXPECT_EQ(profile.activeList.size(), 4u);
  EXPECT_EQ(system.messages.back().text, "Introduced 2 kanji.");
}

TEST_F(ScoringTest, NothingToStudyGivesNoKanjiAndOneClearMessage) {
  jis.Insert(0x4F21, 0x6000);  // kanji the data set does not hold
  jis.Insert(0x4F22, 0x6001);
  WriteStudyListUnits({0x6000, 0x6001});
  profile.LoadStudyList();
  ASSERT_EQ(profile.studyList.size(), 2u);
  EXPECT_EQ(Select(), 0);
  EXPECT_EQ(profile.SelectNextKanji(true, true), 0);
  ExpectOneMessage("There are no kanji to study: none of the kanji on the study list "
                   "(\"study_list.vls\") is in the kanji data.");
  EXPECT_TRUE(profile.activeList.empty());
}

}  // namespace
