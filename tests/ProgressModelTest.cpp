// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ProgressModel.h"

#include "tests/StudyFixture.h"

namespace {

constexpr std::int32_t kDay = 19676;  // 2023-11-15, a Wednesday
constexpr std::int32_t kTokyo = 9 * 3600;

// UTC seconds of a local time on a day number, in a zone of the given offset.
std::int64_t LocalTime(std::int32_t day, int hour, int minute, std::int32_t offset = kTokyo) {
  return std::int64_t{day} * 86400 + hour * 3600 + minute * 60 - offset;
}

ReviewRecord Card(std::int64_t time, KanjiCode kanji,
                  ReviewOutcome outcome = ReviewOutcome::Complete, float before = 50,
                  float after = 50, std::uint16_t wrongTries = 0) {
  return {.time = time, .kanji = kanji, .outcome = outcome, .scoreBefore = before,
          .scoreAfter = after, .wrongTries = wrongTries};
}

// Day, count and count of a day's or week's totals.
using Totals = std::tuple<std::int32_t, std::uint32_t, std::uint32_t>;

// The fields a test compares, one tuple per element.
template <typename T, typename Fields>
auto Each(const std::vector<T>& items, Fields fields) {
  std::vector<decltype(fields(items[0]))> out;
  for (const T& item : items) out.push_back(fields(item));
  return out;
}

TEST(LocalTimeZoneTest, DaysBeginAtLocalMidnightAndWeeksOnMonday) {
  const struct {
    const char* name;
    std::int64_t utc;
    std::int32_t offset;
    std::int32_t day;
  } cases[] = {
      {"one second before Tokyo midnight", LocalTime(kDay, 23, 59) + 59, kTokyo, kDay},
      {"Tokyo midnight", LocalTime(kDay + 1, 0, 0), kTokyo, kDay + 1},
      {"late evening west of Greenwich", LocalTime(kDay, 22, 0, -5 * 3600), -5 * 3600, kDay},
      {"before 1970", -1, 0, -1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LocalTimeZone(c.offset).DayOf(c.utc), c.day);
  }
  // A table of changes applies the last one at or before the time, the first one before all.
  const LocalTimeZone summer({{0, 3600}, {LocalTime(kDay, 1, 0, 0), 0}, {-86400, 7200}});
  EXPECT_EQ(summer.OffsetAt(-100000), 7200);
  EXPECT_EQ(summer.DayOf(LocalTime(kDay, 1, 0, 0) - 1), kDay);
  EXPECT_EQ(summer.OffsetAt(LocalTime(kDay, 1, 0, 0)), 0);

  EXPECT_EQ(WeekStartOf(kDay), kDay - 2);
  EXPECT_EQ(WeekStartOf(kDay - 2), kDay - 2);
  EXPECT_EQ(WeekStartOf(-1), -3);  // a Wednesday before 1970
}

TEST(StudyDaysTest, StreaksCountStudyDaysInARow) {
  const struct {
    const char* name;
    std::vector<std::int32_t> days;
    int current, longest;
  } cases[] = {
      {"no history", {}, 0, 0},
      {"today not yet studied keeps yesterday's run", {kDay - 2, kDay - 1}, 2, 2},
      {"a day missed ends the run", {kDay - 5, kDay - 4, kDay - 3, kDay - 1, kDay}, 2, 3},
      {"two days ago is over", {kDay - 3, kDay - 2}, 0, 2},
      {"days after today are no part of it", {kDay, kDay + 1, kDay + 2}, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<DayTotals> days;
    for (const std::int32_t day : c.days) AddCardToDays(days, day, true);
    const Streaks streaks = FindStreaks(days, kDay);
    EXPECT_EQ(std::pair(streaks.current, streaks.longest), std::pair(c.current, c.longest));
  }
  // Cards out of order land on their day.
  std::vector<DayTotals> days;
  for (const std::int32_t day : {kDay, kDay - 3, kDay, kDay - 1, kDay - 3}) {
    AddCardToDays(days, day, day == kDay);
  }
  EXPECT_EQ(Each(LastDays(days, kDay, 4),
                 [](const DayTotals& d) { return Totals(d.day, d.cards, d.firstTryRight); }),
            (std::vector<Totals>{
                {kDay - 3, 2, 0}, {kDay - 2, 0, 0}, {kDay - 1, 1, 0}, {kDay, 2, 2}}));
  EXPECT_TRUE(LastDays(days, kDay, 0).empty());
}

class ProgressModelTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(12);
    profile.CreateDefaultProfile();
  }

  LocalTimeZone tokyo{kTokyo};
  ProgressModel model{profile, tokyo};
};

// Without a history the figures are the profile's alone.
TEST_F(ProgressModelTest, StatesFollowTheStudyListWithBandsByScoreAndLevel) {
  // Scores on the edges of the bands, and the mastery threshold itself.
  Activate({{0x3022, 10}, {0x3023, 25}, {0x3024, 50}, {0x3025, 75}, {0x3026, 90},
            {0x3027, 95}, {0x3028, 100}, {0x3029, 99}});
  const std::int16_t levels[] = {0, 0, 0, 0, 0, 2, 3, 9};
  for (std::size_t i = 0; i < 8; ++i) profile.progress[i + 1].masteryLevel = levels[i];
  // A duplicate and a kanji outside the data set are left out.
  profile.studyList = {0x3029, 0x3021, 0x3022, 0x3023, 0x3024, 0x3022, 0x7F7F,
                       0x3025, 0x3026, 0x3027, 0x3028};
  model.Compute({}, LocalTime(kDay, 12, 0));
  using S = KanjiStage;
  using Standing = std::tuple<KanjiCode, KanjiStage, int>;
  EXPECT_EQ(Each(model.Kanji(),
                 [](const KanjiStanding& k) { return Standing(k.code, k.stage, k.band); }),
            (std::vector<Standing>{{0x3029, S::Mastered, 3}, {0x3021, S::NotIntroduced, 0},
                                   {0x3022, S::Active, 0},   {0x3023, S::Active, 1},
                                   {0x3024, S::Active, 2},   {0x3025, S::Active, 3},
                                   {0x3026, S::Mastered, 0}, {0x3027, S::Mastered, 1},
                                   {0x3028, S::Mastered, 2}}));
  EXPECT_EQ(model.CountIn(KanjiStage::Mastered), 4u);
  EXPECT_EQ(model.Find(0x302A), nullptr);
  EXPECT_EQ(Each(model.KanjiOverTime(),
                 [](const KanjiCounts& k) { return Totals(k.day, k.active, k.mastered); }),
            (std::vector<Totals>{{kDay, 8, 4}}));
}

TEST_F(ProgressModelTest, CardsAreCountedOnTheLearnersLocalDays) {
  Activate({{0x3021, 50}, {0x3022, 50}});
  profile.studyList = {0x3021, 0x3022};
  // A session from 23:50 to 00:10 in Tokyo studies on two days (both the same UTC day).
  const std::int64_t lateEvening = LocalTime(kDay - 1, 23, 50);
  const std::int64_t afterMidnight = LocalTime(kDay, 0, 10);
  model.Compute({Card(lateEvening - 60, 0x3021, ReviewOutcome::Introduced),
                 Card(lateEvening, 0x3021, ReviewOutcome::Complete),
                 Card(lateEvening + 60, 0x3022, ReviewOutcome::Wrong),
                 Card(afterMidnight, 0x3021, ReviewOutcome::Right, 50, 52, 1),
                 Card(afterMidnight + 60, 0x3021, ReviewOutcome::LevelDown)},
                LocalTime(kDay, 23, 59));
  // The card after midnight was right, but after a wrong try.
  EXPECT_EQ(Each(model.Days(),
                 [](const DayTotals& d) { return Totals(d.day, d.cards, d.firstTryRight); }),
            (std::vector<Totals>{{kDay - 1, 2, 1}, {kDay, 1, 0}}));
  EXPECT_EQ(model.StudyStreaks().current, 2);
  EXPECT_EQ(std::tuple(model.TotalCards(), model.Find(0x3021)->lastSeen),
            std::tuple(3u, afterMidnight));
  EXPECT_FLOAT_EQ(model.ScoreHistory(0x3021)[2].score, 52);
  // Today is the learner's too: two Tokyo days later (the UTC day after) the run is over.
  model.Compute({Card(lateEvening, 0x3021), Card(afterMidnight, 0x3021)},
                LocalTime(kDay + 2, 0, 0));
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
  std::vector<ReviewRecord> reviews = {Card(LocalTime(kDay - 3, 9, 0), 0x3021)};  // a Sunday
  for (const auto& o : outcomes) {
    reviews.push_back(Card(LocalTime(kDay - 2, 9, 0), 0x3021, o.outcome, 50, 50, o.wrongTries));
    EXPECT_EQ(ProgressModel::IsFirstTryRight(reviews.back()), o.right)
        << ReviewOutcomeName(o.outcome);
  }
  model.Compute(reviews, LocalTime(kDay, 12, 0));
  EXPECT_EQ(Each(model.Weeks(),
                 [](const WeekTotals& w) { return Totals(w.firstDay, w.cards, w.firstTryRight); }),
            (std::vector<Totals>{{kDay - 9, 1, 1}, {kDay - 2, 8, 3}}));
}

TEST_F(ProgressModelTest, ActiveAndMasteredKanjiAreReplayedDayByDay) {
  Activate({{0x3021, 40}, {0x3022, 50}, {0x3023, 50}});
  const auto at = [](std::int32_t day) { return LocalTime(day, 20, 0); };
  model.Compute({Card(at(kDay - 3), 0x3021, ReviewOutcome::Introduced),
                 Card(at(kDay - 3), 0x3022, ReviewOutcome::Introduced),
                 Card(at(kDay - 2), 0x3021, ReviewOutcome::Complete, 50, 92),
                 Card(at(kDay - 2), 0x3023, ReviewOutcome::Complete, 50, 95),  // introduced earlier
                 Card(at(kDay - 1), 0x3023, ReviewOutcome::Reveal, 95, 70)},
                at(kDay));
  EXPECT_EQ(Each(model.KanjiOverTime(),
                 [](const KanjiCounts& k) { return Totals(k.day, k.active, k.mastered); }),
            // Today's point is the profile's.
            (std::vector<Totals>{
                {kDay - 3, 2, 0}, {kDay - 2, 3, 2}, {kDay - 1, 3, 1}, {kDay, 3, 0}}));
}

TEST_F(ProgressModelTest, LeechesAreTheRecentMissesAndFalls) {
  Activate({{0x3021, 20}, {0x3022, 50}, {0x3023, 50}, {0x3024, 50}, {0x3025, 50}});
  std::vector<ReviewRecord> reviews;
  std::int64_t time = LocalTime(kDay - 5, 8, 0);
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
  model.Compute(reviews, time);
  // Whole-number falls and scores: exact comparison is safe.
  using L = std::tuple<KanjiCode, std::uint32_t, std::uint32_t, float, float>;
  EXPECT_EQ(Each(model.Leeches(),
                 [](const Leech& l) { return L(l.code, l.cards, l.misses, l.scoreFall, l.score); }),
            (std::vector<L>{
                {0x3021, 3, 2, 40, 20},  // two misses and a fall
                {0x3022, 2, 2, 8, 50},
                {0x3023, 1, 0, 10, 50},  // no miss, but a fall
            }));
}

}  // namespace
