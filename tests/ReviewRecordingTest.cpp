// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "drills/FillInDrill.h"
#include "drills/Keys.h"
#include "drills/ReadingsDrill.h"
#include "study/ReviewLog.h"
#include "tests/DrillFixture.h"

namespace {

// Keeps what it is given; ids count from 1.
struct FakeReviewLog : ReviewLog {
  std::int64_t Record(const ReviewRecord& record) override {
    records.push_back(record);
    return static_cast<std::int64_t>(records.size());
  }
  std::size_t RecordBatch(const std::vector<ReviewRecord>& batch) override {
    records.insert(records.end(), batch.begin(), batch.end());
    return batch.size();
  }
  bool Remove(std::int64_t) override { return false; }
  std::vector<ReviewRecord> records;
};

// 日 with one ON and one KUN reading (6 attempts on a Readings card) and one Fill-in word.
class ReviewRecordingTest : public DrillTest {
 protected:
  ReviewRecordingTest() {
    AddKanji("日", {Reading("ニチ")}, {Reading("ひ")});
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    profile.reviewLog = &log;
    clock.seconds = 1'800'000'000;
    readings.CreateControls();
    fillIn.CreateControls();
  }

  FakeReviewLog log;
  ReadingsDrill readings{Host(kReadingsWindow)};
  FillInDrill fillIn{Host(kFillInWindow)};
};

TEST_F(ReviewRecordingTest, EveryCardEndOfBothDrillsMapsToOneOutcome) {
  using O = ReviewOutcome;
  const struct {
    const char* name;
    bool fillInDrill;
    std::function<void(Drill&)> play;
    std::vector<ReviewOutcome> recorded;
    float cardScore;
    std::uint16_t attemptsUsed, wrongTries;
  } cases[] = {
      {"all found", false, [](Drill& d) { Answer(d, "nichi"), Answer(d, "\thi"); }, {O::Complete},
       100, 2, 0},
      {"Reveal", false, [](Drill& d) { Answer(d, "ka"), d.OnCommand(Drill::CmdReveal); },
       {O::Reveal}, 0, 6, 1},
      {"attempts used up", false,
       [](Drill& d) { for (const char* a : {"ka", "ki", "ku", "ke", "ko", "sa"}) Answer(d, a); },
       {O::AttemptsOut}, 0, 6, 6},
      {"Study", false, [](Drill& d) { d.OnKeyDown(vk::kF8); }, {O::Study}, 0, 0, 0},
      {"Mastered", false, [](Drill& d) { d.OnCommand(Drill::CmdMastered); }, {O::Mastered}, 0, 0,
       0},
      {"Mastered after all found", false,
       [](Drill& d) { Answer(d, "nichi"), Answer(d, "\thi"), d.OnKeyDown(vk::kF5); },
       {O::Complete, O::Mastered}, 100, 2, 0},
      {"Study after Reveal", false,
       [](Drill& d) { d.OnCommand(Drill::CmdReveal), d.OnCommand(Drill::CmdStudy); }, {O::Reveal},
       0, 6, 0},
      {"left open for the next card", false, [](Drill& d) { Answer(d, "nichi"), d.NextCard(); },
       {}, 0, 0, 0},
      {"right first answer", true, [](Drill& d) { Answer(d, "nichi"); }, {O::Right}, 1.5f, 1, 0},
      {"right third answer", true,
       [](Drill& d) { Answer(d, "ka"), Answer(d, "ki"), Answer(d, "nichi"); }, {O::Right}, 0.5f,
       3, 2},
      {"three wrong answers", true,
       [](Drill& d) { Answer(d, "ka"), Answer(d, "ki"), Answer(d, "ku"); }, {O::Wrong}, -1.5f, 3,
       3},
      {"Reveal", true, [](Drill& d) { d.OnKeyDown(vk::kF12); }, {O::Wrong}, -1.5f, 3, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    log.records.clear();
    Progress("日") = {Code("日"), 50.0f, 1, true};
    Drill& drill = c.fillInDrill ? static_cast<Drill&>(fillIn) : readings;
    drill.NextCard();
    c.play(drill);

    ASSERT_EQ(log.records.size(), c.recorded.size());
    if (c.recorded.empty()) continue;
    for (std::size_t i = 0; i < c.recorded.size(); ++i) {
      const ReviewRecord& r = log.records[i];
      EXPECT_EQ(r.outcome, c.recorded[i]) << i;
      EXPECT_EQ(r.drill, c.fillInDrill ? ReviewDrill::FillIn : ReviewDrill::Readings);
      EXPECT_EQ((std::tuple{r.kanji, r.time}), (std::tuple{Code("日"), 1'800'000'000}));
    }
    const ReviewRecord& first = log.records.front();
    EXPECT_EQ((std::tuple{first.cardScore, first.attemptsUsed, first.wrongTries}),
              (std::tuple{c.cardScore, c.attemptsUsed, c.wrongTries}));
    // The first record starts from the card's standing; the last ends at the profile's.
    EXPECT_EQ((std::tuple{first.scoreBefore, first.levelBefore}), (std::tuple{50.0f, 1}));
    EXPECT_EQ(log.records.back().scoreAfter, Progress("日").score);
    EXPECT_EQ(log.records.back().levelAfter, Progress("日").masteryLevel);
    EXPECT_EQ(drill.lastReviewId, static_cast<std::int64_t>(log.records.size()));
  }
}

TEST_F(ReviewRecordingTest, AFillInCardWithoutMasteryEffectIsStillRecorded) {
  profile.settings.fillInNoMasteryEffect = true;
  fillIn.NextCard();
  Answer(fillIn, "nichi");
  ASSERT_EQ(log.records.size(), 1u);
  EXPECT_EQ(log.records[0].scoreBefore, log.records[0].scoreAfter);
}

TEST_F(ReviewRecordingTest, DecreaseMasteryLevelIsRecordedOnlyWhenTheLevelFalls) {
  Progress("日").masteryLevel = 1;
  fillIn.NextCard();
  fillIn.DecreaseMasteryLevel();
  fillIn.DecreaseMasteryLevel();  // already 0
  ASSERT_EQ(log.records.size(), 1u);
  const ReviewRecord& r = log.records[0];
  EXPECT_EQ((std::tuple{r.outcome, r.drill, r.levelBefore, r.levelAfter}),
            (std::tuple{ReviewOutcome::LevelDown, ReviewDrill::FillIn, 1, 0}));
}

TEST_F(ReviewRecordingTest, EachIntroducedKanjiIsRecordedAtTheBaseline) {
  AddKanji("月", {Reading("ゲツ")}, {});
  AddKanji("火", {Reading("カ")}, {});
  profile.activeList.resize(1);
  profile.activeSet = {Code("日")};
  profile.studyList = {Code("日"), Code("月"), Code("火")};
  profile.settings.scoreBaseline = 30;
  profile.IntroduceKanji(false);
  ASSERT_EQ(log.records.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const ReviewRecord& r = log.records[i];
    EXPECT_EQ((std::tuple{r.kanji, r.outcome, r.scoreBefore, r.scoreAfter}),
              (std::tuple{profile.studyList[i + 1], ReviewOutcome::Introduced, 50.0f, 30.0f}));
  }
}

}  // namespace
