// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/CardUndo.h"

#include <gtest/gtest.h>

#include <map>
#include <string_view>
#include <vector>

#include "drills/FillInDrill.h"
#include "drills/Keys.h"
#include "drills/ReadingsDrill.h"
#include "study/StudyHistory.h"
#include "tests/DrillFixture.h"

// Float for float: a score put back must be the very value it was.
static bool operator==(const KanjiProgress& a, const KanjiProgress& b) {
  return a.code == b.code && a.score == b.score && a.masteryLevel == b.masteryLevel &&
         a.active == b.active;
}

namespace {

// 日 (ニチ ジツ / ひ か) just under mastery at level 2, beside 本 (ホン / もと), which no card
// here may touch; a real history in the test's folder.
class UndoTest : public DrillTest {
 protected:
  UndoTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ"), Reading("か")});
    AddKanji("本", {Reading("ホン")}, {Reading("もと")});
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    AddExample("本", {"ほん"}, "book", 5);
    profile.settings.masteryThreshold = 90;
    profile.settings.revealDropsMasteryLevel = true;
    Progress("日") = {Code("日"), 89.3f, 2, true};
    Progress("本") = {Code("本"), 95.1f, 4, true};
    profile.reviewLog = &history;
    for (Drill* drill : {static_cast<Drill*>(&readings), static_cast<Drill*>(&fillIn)}) {
      drill->CreateControls();
      drill->undo = &undo;
    }
  }

  // Everything a card end may change.
  struct Standing {
    std::vector<KanjiProgress> progress;
    std::int16_t lastPick;
    unsigned percentMastered;
    std::size_t historyRows;
    bool operator==(const Standing&) const = default;
  };
  Standing Now() const {
    return {profile.progress, profile.lastPickPosition, profile.PercentMastered(),
            history.ReadReviews().size()};
  }

  // Plays a card: each step is a key name, "-" (Decrease Mastery Level) or an answer.
  static void Play(Drill& drill, std::initializer_list<const char*> steps) {
    const std::map<std::string_view, int> keys{
        {"F5", vk::kF5}, {"F8", vk::kF8}, {"F9", vk::kF9}, {"F12", vk::kF12}};
    for (const std::string_view step : steps) {
      if (keys.contains(step)) {
        drill.OnKeyDown(keys.at(step));
      } else if (step == "-") {
        drill.DecreaseMasteryLevel();
      } else {
        Answer(drill, step);
      }
    }
  }

  StudyHistory history{dir.path(), system};
  CardUndo undo;
  ReadingsDrill readings{Host(kReadingsWindow)};
  FillInDrill fillIn{Host(kFillInWindow)};
};

TEST_F(UndoTest, EveryCardEndIsTakenBackAndTheSameCardShownAfresh) {
  enum { kReadings, kFillIn, kFillInWithoutMasteryEffect };
  const struct {
    const char* name;
    int drill;
    std::initializer_list<const char*> steps;
  } cases[] = {
      {"complete (promoted)", kReadings, {"nichi", "jitsu", "\t", "hi", "ka"}},
      {"complete, Mastered twice", kReadings, {"nichi", "jitsu", "\t", "hi", "ka", "F5", "F5"}},
      {"reveal (level drop)", kReadings, {"ta", "F12"}},
      {"attempts used up", kReadings,
       {"ta", "chi", "tsu", "te", "to", "na", "nu", "ne", "no", "ha", "fu", "he"}},
      {"study", kReadings, {"F8"}},
      {"mastered", kReadings, {"F5"}},
      {"level lowered, next card", kReadings, {"F12", "-", "F9"}},
      {"fill-in right", kFillIn, {"nichi"}},
      {"fill-in right at the third try", kFillIn, {"ta", "te", "nichi"}},
      {"fill-in wrong", kFillIn, {"ta", "te", "to"}},
      {"fill-in revealed", kFillIn, {"F12"}},
      {"fill-in right, score kept", kFillInWithoutMasteryEffect, {"nichi"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const bool isFillIn = c.drill != kReadings;
    profile.settings.fillInNoMasteryEffect = c.drill == kFillInWithoutMasteryEffect;
    Drill& drill = isFillIn ? static_cast<Drill&>(fillIn) : readings;
    ASSERT_TRUE(isFillIn ? fillIn.TryCard(Code("日")) : readings.SetUpReadingsCard(Code("日")));
    const Standing before = Now();
    Play(drill, c.steps);
    ASSERT_NE(Now(), before);
    EXPECT_FALSE((isFillIn ? static_cast<Drill&>(readings) : fillIn).CanUndoLastCard());

    EXPECT_TRUE(drill.UndoLastCard());
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(drill.cardKanji->code, Code("日"));
    EXPECT_EQ(std::tuple(drill.attemptsLeft, drill.cardFinished),
              std::tuple(isFillIn ? 3 : 12, false));
    EXPECT_EQ(readings.onStatus, (std::vector<std::int16_t>{0, 0}));
    EXPECT_TRUE(!isFillIn || fillIn.example.word == Codes("毎日"));  // the same word
    EXPECT_FALSE(drill.UndoLastCard());  // one step back only
  }
}

TEST_F(UndoTest, OnlyTheNewestCardOfEitherDrillIsTakenBack) {
  readings.SetUpReadingsCard(Code("日"));
  readings.OnKeyDown(vk::kF12);
  ASSERT_TRUE(fillIn.TryCard(Code("本")));
  const Standing beforeFillIn = Now();
  Answer(fillIn, "hon");
  EXPECT_FALSE(readings.CanUndoLastCard());
  EXPECT_TRUE(fillIn.UndoLastCard());
  EXPECT_EQ(Now(), beforeFillIn);  // 日's revealed card stays counted
  EXPECT_FALSE(readings.UndoLastCard());
}

TEST_F(UndoTest, SavedProfileHoldsTheUndoneStateEvenAfterASaveInBetween) {
  const auto saved = [&] {
    EXPECT_TRUE(profile.SaveProfile());
    return ReadBytes(dir.path() / UserProfile::kProfileFileName);
  };
  readings.SetUpReadingsCard(Code("日"));
  const std::string beforeCard = saved();
  Play(readings, {"nichi", "jitsu", "\t", "hi", "ka"});
  profile.settings.masteryThreshold = 80;  // as the Options dialog's OK changes and saves
  EXPECT_NE(saved(), beforeCard);
  ASSERT_TRUE(readings.UndoLastCard());
  profile.settings.masteryThreshold = 90;
  EXPECT_EQ(saved(), beforeCard);
}

}  // namespace
