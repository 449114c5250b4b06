#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "drills/FillInDrill.h"
#include "drills/Keys.h"
#include "drills/ReadingsDrill.h"
#include "study/ReviewLog.h"
#include "study/StudyHistory.h"
#include "tests/DrillFixture.h"

namespace {

// Keeps what it is given; ids count from 1.
class FakeReviewLog : public ReviewLog {
 public:
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

// 日 with one ON and one KUN reading (2 readings: 6 attempts on the Readings card) and one
// regular word for the Fill-in drill.
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
  struct Case {
    const char* name;
    ReviewDrill drill;
    std::function<void(Drill&)> play;
    std::vector<ReviewOutcome> recorded;
    std::uint16_t attemptsUsed;
    std::uint16_t wrongTries;
  };
  using O = ReviewOutcome;
  const Case cases[] = {
      {"all readings found", ReviewDrill::Readings,
       [](Drill& d) { Answer(d, "nichi"), Answer(d, "\thi"); }, {O::Complete}, 2, 0},
      {"Reveal after a wrong answer", ReviewDrill::Readings,
       [](Drill& d) { Answer(d, "ka"), d.OnCommand(Drill::CmdReveal); }, {O::Reveal}, 6, 1},
      {"attempts used up", ReviewDrill::Readings,
       [](Drill& d) { for (const char* a : {"ka", "ki", "ku", "ke", "ko", "sa"}) Answer(d, a); },
       {O::AttemptsOut}, 6, 6},
      {"Study", ReviewDrill::Readings, [](Drill& d) { d.OnKeyDown(vk::kF8); }, {O::Study}, 0, 0},
      {"Mastered on an open card", ReviewDrill::Readings,
       [](Drill& d) { d.OnCommand(Drill::CmdMastered); }, {O::Mastered}, 0, 0},
      {"Mastered after completing", ReviewDrill::Readings,
       [](Drill& d) { Answer(d, "nichi"), Answer(d, "\thi"), d.OnKeyDown(vk::kF5); },
       {O::Complete, O::Mastered}, 2, 0},
      {"Study on a finished card does nothing", ReviewDrill::Readings,
       [](Drill& d) { d.OnCommand(Drill::CmdReveal), d.OnCommand(Drill::CmdStudy); },
       {O::Reveal}, 6, 0},
      {"Next drops an open card unrecorded", ReviewDrill::Readings,
       [](Drill& d) { Answer(d, "nichi"), d.OnKeyDown(vk::kF9); }, {}, 0, 0},
      {"right first answer", ReviewDrill::FillIn, [](Drill& d) { Answer(d, "nichi"); },
       {O::Right}, 1, 0},
      {"right third answer", ReviewDrill::FillIn,
       [](Drill& d) { Answer(d, "ka"), Answer(d, "ki"), Answer(d, "nichi"); }, {O::Right}, 3, 2},
      {"three wrong answers", ReviewDrill::FillIn,
       [](Drill& d) { Answer(d, "ka"), Answer(d, "ki"), Answer(d, "ku"); }, {O::Wrong}, 3, 3},
      {"Reveal", ReviewDrill::FillIn, [](Drill& d) { d.OnKeyDown(vk::kF12); }, {O::Wrong}, 3, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    log.records.clear();
    Progress("日") = {Code("日"), 50.0f, 1, true};
    Drill& drill = c.drill == ReviewDrill::Readings ? static_cast<Drill&>(readings) : fillIn;
    drill.NextCard();
    c.play(drill);

    ASSERT_EQ(log.records.size(), c.recorded.size());
    for (std::size_t i = 0; i < c.recorded.size(); ++i) {
      EXPECT_EQ(log.records[i].outcome, c.recorded[i]) << i;
      EXPECT_EQ(log.records[i].drill, c.drill);
      EXPECT_EQ(log.records[i].kanji, Code("日"));
      EXPECT_EQ(log.records[i].time, 1'800'000'000);
    }
    if (c.recorded.empty()) continue;
    // The first record starts from the card's standing; the last ends at the profile's.
    EXPECT_EQ(log.records.front().scoreBefore, 50.0f);
    EXPECT_EQ(log.records.front().levelBefore, 1);
    EXPECT_EQ(log.records.back().scoreAfter, Progress("日").score);
    EXPECT_EQ(log.records.back().levelAfter, Progress("日").masteryLevel);
    EXPECT_EQ(log.records.front().attemptsUsed, c.attemptsUsed);
    EXPECT_EQ(log.records.front().wrongTries, c.wrongTries);
    EXPECT_EQ(drill.lastReviewId, static_cast<std::int64_t>(log.records.size()));
  }
}

TEST_F(ReviewRecordingTest, CardResultsAreTheDrillsOwn) {
  readings.NextCard();
  Answer(readings, "ka");  // one attempt beyond the two readings: 12.5 / 2 percent off
  Answer(readings, "nichi");
  Answer(readings, "\thi");
  fillIn.NextCard();
  Answer(fillIn, "ka");
  fillIn.OnKeyDown(vk::kF12);
  ASSERT_EQ(log.records.size(), 2u);
  EXPECT_EQ(log.records[0].cardScore, 94.0f);
  EXPECT_EQ(log.records[1].cardScore, -1.5f);
}

TEST_F(ReviewRecordingTest, WithoutMasteryEffectTheFillInCardIsRecordedWithItsScoreUnchanged) {
  profile.settings.fillInNoMasteryEffect = true;
  fillIn.NextCard();
  Answer(fillIn, "nichi");
  ASSERT_EQ(log.records.size(), 1u);
  EXPECT_EQ(log.records[0].cardScore, 1.5f);
  EXPECT_EQ(log.records[0].scoreBefore, log.records[0].scoreAfter);
}

TEST_F(ReviewRecordingTest, DecreaseMasteryLevelIsRecordedOnlyWhenTheLevelFalls) {
  Progress("日").masteryLevel = 1;
  fillIn.NextCard();
  fillIn.DecreaseMasteryLevel();
  fillIn.DecreaseMasteryLevel();  // already 0
  ASSERT_EQ(log.records.size(), 1u);
  EXPECT_EQ(log.records[0].outcome, ReviewOutcome::LevelDown);
  EXPECT_EQ(log.records[0].drill, ReviewDrill::FillIn);
  EXPECT_EQ(log.records[0].levelBefore, 1);
  EXPECT_EQ(log.records[0].levelAfter, 0);
}

TEST_F(ReviewRecordingTest, EachIntroducedKanjiIsRecordedAtTheBaseline) {
  AddKanji("月", {Reading("ゲツ")}, {});
  AddKanji("火", {Reading("カ")}, {});
  for (const char* kanji : {"月", "火"}) {
    Progress(kanji).active = false;
    Progress(kanji).score = 0.0f;
    profile.activeSet.erase(Code(kanji));
  }
  profile.activeList.resize(1);
  profile.studyList = {Code("日"), Code("月"), Code("火")};
  profile.settings.scoreBaseline = 30;
  profile.IntroduceKanji(false);
  ASSERT_EQ(log.records.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(log.records[i].kanji, profile.studyList[i + 1]);
    EXPECT_EQ(log.records[i].outcome, ReviewOutcome::Introduced);
    EXPECT_EQ(log.records[i].scoreBefore, 0.0f);
    EXPECT_EQ(log.records[i].scoreAfter, 30.0f);
  }
}

TEST_F(ReviewRecordingTest, AHistoryThatCannotRecordLeavesTheCardAndTheProfileAlone) {
  WriteBytes(dir / StudyHistory::kFileName, std::string(4096, 'x'));
  StudyHistory history(dir.path(), system);
  profile.reviewLog = &history;
  readings.NextCard();
  Answer(readings, "nichi");
  Answer(readings, "\thi");
  EXPECT_TRUE(readings.complete);
  EXPECT_EQ(Progress("日").score, 62.5f);
  EXPECT_EQ(readings.lastReviewId, 0);
  EXPECT_FALSE(std::filesystem::exists(dir / UserProfile::kProfileFileName));
}

}  // namespace
