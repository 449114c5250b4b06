// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ProgressModel.h"

#include "tests/StudyFixture.h"

namespace {

constexpr std::int32_t kDay = 19676;  // 2023-11-15, a Wednesday
constexpr std::int32_t kTokyo = 9 * 3600;

// UTC seconds of a local time on a day number, in a zone of the given offset.
std::int64_t LocalTime(std::int32_t day, int hour, int minute, std::int32_t offset) {
  return std::int64_t{day} * 86400 + hour * 3600 + minute * 60 - offset;
}

ReviewRecord Card(std::int64_t time, KanjiCode kanji, ReviewOutcome outcome = ReviewOutcome::Complete,
                  float before = 50, float after = 50, std::uint16_t wrongTries = 0) {
  ReviewRecord review;
  review.time = time;
  review.kanji = kanji;
  review.outcome = outcome;
  review.scoreBefore = before;
  review.scoreAfter = after;
  review.wrongTries = wrongTries;
  return review;
}

TEST(LocalTimeZoneTest, DaysBeginAtLocalMidnight) {
  const LocalTimeZone summer({{0, 3600}, {LocalTime(kDay, 1, 0, 0), 0}, {-86400, 7200}});
  const struct {
    const char* name;
    std::int64_t utc;
    std::int32_t offset;
    std::int32_t day;
  } cases[] = {
      {"one second before Tokyo midnight", LocalTime(kDay, 23, 59, kTokyo) + 59, kTokyo, kDay},
      {"Tokyo midnight", LocalTime(kDay + 1, 0, 0, kTokyo), kTokyo, kDay + 1},
      {"late evening west of Greenwich", LocalTime(kDay, 22, 0, -5 * 3600), -5 * 3600, kDay},
      {"before 1970", -1, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LocalTimeZone(c.offset).DayOf(c.utc), c.day);
  }
  // A table of changes applies the last one at or before the time, the first one before all.
  EXPECT_EQ(summer.OffsetAt(-100000), 7200);
  EXPECT_EQ(summer.OffsetAt(10), 3600);
  EXPECT_EQ(summer.DayOf(LocalTime(kDay, 0, 30, 3600)), kDay);
  EXPECT_EQ(summer.DayOf(LocalTime(kDay, 1, 0, 0) - 1), kDay);
  EXPECT_EQ(summer.OffsetAt(LocalTime(kDay, 1, 0, 0)), 0);
}

TEST(LocalTimeZoneTest, WeeksBeginOnMonday) {
  EXPECT_EQ(WeekdayOf(0), 3);  // a Thursday
  EXPECT_EQ(WeekdayOf(kDay), 2);
  EXPECT_EQ(WeekStartOf(kDay), kDay - 2);
  EXPECT_EQ(WeekStartOf(kDay - 2), kDay - 2);
  EXPECT_EQ(WeekStartOf(-1), -3);  // a Wednesday before 1970
}

TEST(StudyDaysTest, StreaksCountStudyDaysInARow) {
  const struct {
    const char* name;
    std::vector<std::int32_t> days;
    Streaks expected;
  } cases[] = {
      {"no history", {}, {0, 0}},
      {"studied today only", {kDay}, {1, 1}},
      {"today not yet studied keeps yesterday's run", {kDay - 2, kDay - 1}, {2, 2}},
      {"a day missed ends the run", {kDay - 5, kDay - 4, kDay - 3, kDay - 1, kDay}, {2, 3}},
      {"two days ago is over", {kDay - 3, kDay - 2}, {0, 2}},
      {"days after today are no part of it", {kDay, kDay + 1, kDay + 2}, {1, 1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<DayTotals> days;
    for (const std::int32_t day : c.days) AddCardToDays(days, day, true);
    const Streaks streaks = FindStreaks(days, kDay);
    EXPECT_EQ(streaks.current, c.expected.current);
    EXPECT_EQ(streaks.longest, c.expected.longest);
  }
}

TEST(StudyDaysTest, CardsOutOfOrderLandOnTheirDay) {
  std::vector<DayTotals> days;
  for (const std::int32_t day : {kDay, kDay - 3, kDay, kDay - 1, kDay - 3}) {
    AddCardToDays(days, day, day == kDay);
  }
  const std::vector<DayTotals> last = LastDays(days, kDay, 4);
  ASSERT_EQ(last.size(), 4u);
  const std::uint32_t cards[] = {2, 0, 1, 2};
  for (std::size_t i = 0; i < last.size(); ++i) {
    EXPECT_EQ(last[i].day, kDay - 3 + static_cast<std::int32_t>(i));
    EXPECT_EQ(last[i].cards, cards[i]);
  }
  EXPECT_EQ(last[3].firstTryRight, 2u);
  EXPECT_TRUE(LastDays(days, kDay, 0).empty());
}

class ProgressModelTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(12);
    profile.CreateDefaultProfile();
  }

  void Compute(std::vector<ReviewRecord> reviews, std::int64_t now) {
    model.Compute(std::move(reviews), now);
  }

  LocalTimeZone tokyo{kTokyo};
  ProgressModel model{profile, tokyo};
};

TEST_F(ProgressModelTest, EmptyHistoryShowsTheProfileAlone) {
  Activate({{0x3021, 95}});
  profile.studyList = {0x3021, 0x3022};
  Compute({}, LocalTime(kDay, 12, 0, kTokyo));
  EXPECT_EQ(model.TotalCards(), 0u);
  EXPECT_TRUE(model.Days().empty());
  EXPECT_TRUE(model.Leeches().empty());
  EXPECT_TRUE(model.Weeks().empty());
  EXPECT_EQ(model.StudyStreaks().longest, 0);
  EXPECT_EQ(model.LastDays(30).size(), 30u);
  ASSERT_EQ(model.KanjiOverTime().size(), 1u);
  EXPECT_EQ(model.KanjiOverTime()[0].active, 1u);
  EXPECT_EQ(model.KanjiOverTime()[0].mastered, 1u);
  EXPECT_EQ(model.Kanji().size(), 2u);
  EXPECT_EQ(model.Kanji()[1].lastSeen, 0);
}

TEST_F(ProgressModelTest, StatesFollowTheStudyListWithBandsByScoreAndLevel) {
  // Scores on the edges of the bands, and the mastery threshold itself.
  Activate({{0x3022, 10}, {0x3023, 25}, {0x3024, 50}, {0x3025, 75}, {0x3026, 90},
            {0x3027, 95}, {0x3028, 100}, {0x3029, 99}});
  const std::int16_t levels[] = {0, 0, 0, 0, 0, 2, 3, 9};
  for (int i = 0; i < 8; ++i) profile.progress[static_cast<std::size_t>(i + 1)].masteryLevel = levels[i];
  // A duplicate and a kanji outside the data set are left out.
  profile.studyList = {0x3029, 0x3021, 0x3022, 0x3023, 0x3024, 0x3022, 0x7F7F,
                       0x3025, 0x3026, 0x3027, 0x3028};
  Compute({}, LocalTime(kDay, 12, 0, kTokyo));
  const struct {
    KanjiCode code;
    KanjiStage stage;
    int band;
  } expected[] = {
      {0x3029, KanjiStage::Mastered, 3}, {0x3021, KanjiStage::NotIntroduced, 0},
      {0x3022, KanjiStage::Active, 0},   {0x3023, KanjiStage::Active, 1},
      {0x3024, KanjiStage::Active, 2},   {0x3025, KanjiStage::Active, 3},
      {0x3026, KanjiStage::Mastered, 0}, {0x3027, KanjiStage::Mastered, 1},
      {0x3028, KanjiStage::Mastered, 2},
  };
  ASSERT_EQ(model.Kanji().size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(model.Kanji()[i].code, expected[i].code);
    EXPECT_EQ(model.Kanji()[i].stage, expected[i].stage);
    EXPECT_EQ(model.Kanji()[i].band, expected[i].band);
  }
  EXPECT_EQ(model.CountIn(KanjiStage::Mastered), 4u);
  EXPECT_EQ(model.Find(0x3023), &model.Kanji()[3]);
  EXPECT_EQ(model.Find(0x302A), nullptr);
}

TEST_F(ProgressModelTest, CardsAreCountedOnTheLearnersLocalDays) {
  Activate({{0x3021, 50}, {0x3022, 50}});
  profile.studyList = {0x3021, 0x3022};
  // A session from 23:50 to 00:10 in Tokyo studies on two days (both the same UTC day).
  const std::int64_t lateEvening = LocalTime(kDay - 1, 23, 50, kTokyo);
  const std::int64_t afterMidnight = LocalTime(kDay, 0, 10, kTokyo);
  Compute({Card(lateEvening - 60, 0x3021, ReviewOutcome::Introduced),
           Card(lateEvening, 0x3021, ReviewOutcome::Complete),
           Card(lateEvening + 60, 0x3022, ReviewOutcome::Wrong),
           Card(afterMidnight, 0x3021, ReviewOutcome::Right, 50, 52, 1),
           Card(afterMidnight + 60, 0x3021, ReviewOutcome::LevelDown)},
          LocalTime(kDay, 23, 59, kTokyo));
  ASSERT_EQ(model.Days().size(), 2u);
  EXPECT_EQ(model.Days()[0].day, kDay - 1);
  EXPECT_EQ(model.Days()[0].cards, 2u);
  EXPECT_EQ(model.Days()[0].firstTryRight, 1u);
  EXPECT_EQ(model.Days()[1].cards, 1u);
  EXPECT_EQ(model.Days()[1].firstTryRight, 0u);  // right, but after a wrong try
  EXPECT_EQ(model.StudyStreaks().current, 2);
  EXPECT_EQ(model.TotalCards(), 3u);
  EXPECT_EQ(model.Find(0x3021)->timesSeen, 2u);
  EXPECT_EQ(model.Find(0x3021)->lastSeen, afterMidnight);
  EXPECT_EQ(model.ScoreHistory(0x3021).size(), 4u);
  EXPECT_FLOAT_EQ(model.ScoreHistory(0x3021)[2].score, 52);
  // The next day in Tokyo, the streak is still alive until it ends.
  Compute({Card(lateEvening, 0x3021), Card(afterMidnight, 0x3021)}, LocalTime(kDay + 1, 23, 0, kTokyo));
  EXPECT_EQ(model.StudyStreaks().current, 2);
  Compute({Card(lateEvening, 0x3021), Card(afterMidnight, 0x3021)}, LocalTime(kDay + 2, 0, 0, kTokyo));
  EXPECT_EQ(model.StudyStreaks().current, 0);
}

TEST_F(ProgressModelTest, FirstTryRightIsSharedOutPerWeek) {
  const struct {
    ReviewOutcome outcome;
    std::uint16_t wrongTries;
    bool right;
  } outcomes[] = {
      {ReviewOutcome::Complete, 0, true},     {ReviewOutcome::Complete, 2, false},
      {ReviewOutcome::Right, 0, true},        {ReviewOutcome::Mastered, 0, true},
      {ReviewOutcome::Reveal, 0, false},      {ReviewOutcome::Study, 0, false},
      {ReviewOutcome::AttemptsOut, 0, false}, {ReviewOutcome::Wrong, 0, false},
  };
  std::vector<ReviewRecord> reviews;
  for (const auto& o : outcomes) {
    ReviewRecord review = Card(LocalTime(kDay - 2, 9, 0, kTokyo), 0x3021, o.outcome, 50, 50, o.wrongTries);
    EXPECT_EQ(ProgressModel::IsFirstTryRight(review), o.right) << ReviewOutcomeName(o.outcome);
    reviews.push_back(review);
  }
  reviews.push_back(Card(LocalTime(kDay - 3, 9, 0, kTokyo), 0x3021));  // the Sunday before
  std::sort(reviews.begin(), reviews.end(),
            [](const ReviewRecord& a, const ReviewRecord& b) { return a.time < b.time; });
  Compute(reviews, LocalTime(kDay, 12, 0, kTokyo));
  ASSERT_EQ(model.Weeks().size(), 2u);
  EXPECT_EQ(model.Weeks()[0].firstDay, kDay - 9);
  EXPECT_EQ(model.Weeks()[1].firstDay, kDay - 2);
  EXPECT_EQ(model.Weeks()[1].cards, 8u);
  EXPECT_EQ(model.Weeks()[1].firstTryRight, 3u);
}

TEST_F(ProgressModelTest, ActiveAndMasteredKanjiAreReplayedDayByDay) {
  Activate({{0x3021, 40}, {0x3022, 50}, {0x3023, 50}});
  const auto at = [](std::int32_t day) { return LocalTime(day, 20, 0, kTokyo); };
  Compute({Card(at(kDay - 3), 0x3021, ReviewOutcome::Introduced),
           Card(at(kDay - 3), 0x3022, ReviewOutcome::Introduced),
           Card(at(kDay - 2), 0x3021, ReviewOutcome::Complete, 50, 92),
           Card(at(kDay - 2), 0x3023, ReviewOutcome::Complete, 50, 95),  // introduced earlier
           Card(at(kDay - 1), 0x3023, ReviewOutcome::Reveal, 95, 70)},
          at(kDay));
  const std::vector<KanjiCounts>& counts = model.KanjiOverTime();
  const KanjiCounts expected[] = {
      {kDay - 3, 2, 0}, {kDay - 2, 3, 2}, {kDay - 1, 3, 1}, {kDay, 3, 0}};  // today: the profile
  ASSERT_EQ(counts.size(), std::size(expected));
  for (std::size_t i = 0; i < counts.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(counts[i].day, expected[i].day);
    EXPECT_EQ(counts[i].active, expected[i].active);
    EXPECT_EQ(counts[i].mastered, expected[i].mastered);
  }
}

TEST_F(ProgressModelTest, LeechesAreTheRecentMissesAndFalls) {
  Activate({{0x3021, 20}, {0x3022, 50}, {0x3023, 50}, {0x3024, 50}, {0x3025, 50}});
  std::vector<ReviewRecord> reviews;
  std::int64_t time = LocalTime(kDay - 5, 8, 0, kTokyo);
  // Old misses of 0x3025 fall out of the window of recent cards.
  for (int i = 0; i < 5; ++i) reviews.push_back(Card(time++, 0x3025, ReviewOutcome::Wrong));
  for (int i = 0; i < 193; ++i) reviews.push_back(Card(time++, 0x3024, ReviewOutcome::Complete));
  reviews.push_back(Card(time++, 0x3025, ReviewOutcome::Wrong));
  reviews.push_back(Card(time++, 0x3021, ReviewOutcome::Reveal, 60, 40));
  reviews.push_back(Card(time++, 0x3022, ReviewOutcome::AttemptsOut, 50, 45));
  reviews.push_back(Card(time++, 0x3021, ReviewOutcome::Introduced, 20, 20));  // not a card
  reviews.push_back(Card(time++, 0x3022, ReviewOutcome::Study, 45, 42));
  reviews.push_back(Card(time++, 0x3021, ReviewOutcome::Complete, 40, 30, 1));
  reviews.push_back(Card(time++, 0x3023, ReviewOutcome::Right, 80, 70));
  reviews.push_back(Card(time++, 0x3021, ReviewOutcome::Right, 30, 20));
  Compute(reviews, time);
  const std::vector<Leech>& leeches = model.Leeches();
  const Leech expected[] = {
      {0x3021, 3, 2, 40, 20},  // two misses and a fall
      {0x3022, 2, 2, 8, 50},
      {0x3023, 1, 0, 10, 50},  // no miss, but a fall
  };
  ASSERT_EQ(leeches.size(), std::size(expected));
  for (std::size_t i = 0; i < leeches.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(leeches[i].code, expected[i].code);
    EXPECT_EQ(leeches[i].cards, expected[i].cards);
    EXPECT_EQ(leeches[i].misses, expected[i].misses);
    EXPECT_FLOAT_EQ(leeches[i].scoreFall, expected[i].scoreFall);
    EXPECT_FLOAT_EQ(leeches[i].score, expected[i].score);
  }
}

}  // namespace
