// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "tests/StudyFixture.h"

namespace {

TEST(RandomGeneratorTest, GivesTheClassicLinearCongruentialSequence) {
  RandomGenerator random;
  random.Seed(1);
  for (const int expected : {41, 18467, 6334, 26500, 19169}) EXPECT_EQ(random.Next(), expected);
}

class KanjiSelectionTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(10);
    profile.CreateDefaultProfile();
    profile.settings.useAutoIntroduce = false;
    random.Seed(2024);
  }
  KanjiCode Select() { return profile.SelectNextKanji(false, false); }
};

TEST_F(KanjiSelectionTest, DrawsByWeightAsTheRunningSumReachesTheTarget) {
  // With exponent 1 the weights are 100 / score: 1, 2 and 4, total 7.
  profile.settings.selectionDistribution = 1.0f;
  Activate({{0x3021, 100}, {0x3022, 50}, {0x3023, 25}});
  profile.settings.keepMasteredInReadings = true;
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

TEST_F(KanjiSelectionTest, TheRepeatRuleForbidsAPositionNotAKanji) {
  Activate({{0x3021, 50}, {0x3022, 50}, {0x3023, 50}});
  profile.lastPickPosition = 0;
  // 0x3021 becomes mastered and leaves the candidates; 0x3022 now stands at position 0.
  profile.FindProgress(0x3021)->score = 95;
  for (int i = 0; i < 10; ++i) {
    profile.lastPickPosition = 0;
    EXPECT_EQ(Select(), 0x3023);
  }
}

TEST_F(KanjiSelectionTest, CandidatesFollowTheDrillsWishesOrAreAllActiveKanjiWhenNoneMatch) {
  Activate({{0x3021, 95}, {0x3022, 50}, {0x3023, 40}, {0x3024, 92}});
  std::set<KanjiCode> unmastered, kept, onlyMastered;
  for (int i = 0; i < 200; ++i) {
    unmastered.insert(profile.SelectNextKanji(false, false));
    kept.insert(profile.SelectNextKanji(false, true));
    onlyMastered.insert(profile.SelectNextKanji(true, false));
  }
  EXPECT_EQ(unmastered, (std::set<KanjiCode>{0x3022, 0x3023}));
  EXPECT_EQ(kept, (std::set<KanjiCode>{0x3021, 0x3022, 0x3023, 0x3024}));
  EXPECT_EQ(onlyMastered, (std::set<KanjiCode>{0x3021, 0x3024}));

  // Without matching candidates all active kanji are candidates.
  for (const std::int32_t index : profile.activeList) profile.progress[index].score = 10;
  std::set<KanjiCode> noneMastered;
  for (int i = 0; i < 200; ++i) noneMastered.insert(profile.SelectNextKanji(true, true));
  EXPECT_EQ(noneMastered.size(), 4u);
}

TEST_F(KanjiSelectionTest, ASingleKanjiIsReturnedWithoutDrawing) {
  Activate({{0x3025, 50}});
  const std::uint32_t state = random.state;
  EXPECT_EQ(Select(), 0x3025);
  EXPECT_EQ(Select(), 0x3025);

  Activate({{0x3026, 95}});  // the only unmastered candidate is 0x3025
  EXPECT_EQ(Select(), 0x3025);
  EXPECT_EQ(random.state, state);
}

TEST_F(KanjiSelectionTest, AlwaysEndsWhateverTheScoresAndExponent) {
  const struct {
    float distribution;
    std::vector<float> scores;
    std::int16_t lastPick;
  } cases[] = {
      // The first weight swallows the second in 32-bit sums: only position 0 is reachable.
      {8.0f, {0.5f, 100}, 0},
      {4.5f, {1e30f, 1e30f, 1e30f}, 0},  // all weights zero
      {1e30f, {0.5f, 0.5f}, 0},          // infinite weights
      {1e30f, {200, 300}, 1},            // not-a-number weights
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.distribution);
    profile.activeList.clear();
    profile.activeSet.clear();
    for (auto& entry : profile.progress) entry.active = false;
    std::vector<std::pair<KanjiCode, float>> kanji;
    for (std::size_t i = 0; i < c.scores.size(); ++i) {
      kanji.push_back({static_cast<KanjiCode>(0x3021 + i), c.scores[i]});
    }
    Activate(kanji);
    profile.settings.selectionDistribution = c.distribution;
    profile.lastPickPosition = c.lastPick;
    const KanjiCode chosen = profile.SelectNextKanji(false, true);
    EXPECT_NE(chosen, static_cast<KanjiCode>(0x3021 + c.lastPick));
    EXPECT_NE(chosen, 0);
  }
}

TEST_F(KanjiSelectionTest, IntroductionComesBeforeTheChoice) {
  profile.settings.introduceCount = 2;
  WriteStudyList({0x3023, 0x3021, 0x3022, 0x3024});
  profile.LoadStudyList();
  // Nothing active yet: introduced even without auto-introduction.
  const KanjiCode chosen = Select();
  EXPECT_TRUE(chosen == 0x3023 || chosen == 0x3021);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "Introduced 2 kanji.");

  profile.settings.useAutoIntroduce = true;
  for (const std::int32_t index : profile.activeList) profile.progress[index].score = 95;
  Select();
  EXPECT_EQ(profile.activeList.size(), 4u);
  EXPECT_EQ(system.messages.back().text, "Introduced 2 kanji.");
}

TEST_F(KanjiSelectionTest, NothingToStudyGivesNoKanjiAndOneClearMessage) {
  jis.Insert(0x4F21, 0x6000);  // kanji the data set does not hold
  jis.Insert(0x4F22, 0x6001);
  WriteStudyListUnits({0x6000, 0x6001});
  profile.LoadStudyList();
  ASSERT_EQ(profile.studyList.size(), 2u);
  EXPECT_EQ(Select(), 0);
  EXPECT_EQ(profile.SelectNextKanji(true, true), 0);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
  EXPECT_NE(system.messages[0].text.find("no kanji to study"), std::string::npos);
  EXPECT_TRUE(profile.activeList.empty());
}

}  // namespace
