// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/ReadingsDrill.h"

#include <gtest/gtest.h>

#include "drills/Keys.h"
#include "platform/StrokeOrderWindow.h"
#include "tests/DrillFixture.h"

namespace {

using Kind = RecordingPainter::Kind;

// The kanji 日 with 2 ON and 2 KUN readings and a few example words; three of them read ニチ,
// so that stepping forward and back through them differ.
class ReadingsTest : public DrillTest {
 protected:
  ReadingsTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ", "ひ．"), Reading("か")},
             "day, sun, Japan");
    AddExample("日本", {"に（にち）", "ほん"}, "Japan", 10);
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    AddExample("日曜", {"にち", "よう"}, "Sunday", 6);
    AddExample("日", {"ひ"}, "sun", 5);
    AddExample("二日", {}, "second day of the month", 3, "ふつか");
    drill.CreateControls();
  }

  void Start() {
    drill.NextCard();
    ASSERT_EQ(drill.cardKanji, &database.kanji[0]);
  }

  void AnswerAll(std::initializer_list<const char*> answers) {
    for (const char* answer : answers) Answer(drill, answer);
  }

  ReadingsDrill drill{Host(kReadingsWindow)};
};

TEST_F(ReadingsTest, FreshCardHasThreeAttemptsPerReadingAndPaintsTheSharedElements) {
  profile.notes[0].text.assign(KanjiNote::kTextUnits, 0);
  profile.notes[0].text[0] = u'x';
  Start();
  EXPECT_EQ(std::tuple(drill.attemptsLeft, drill.converter.katakana, drill.hasSpecialReadings),
            std::tuple(12, true, true));  // special: the irregular 二日
  EXPECT_EQ(windows.focused, kReadingsWindow);
  EXPECT_EQ(notesWindow.text, u"x");
  const RecordingPainter painter = Painted(drill);
  const auto kanji = painter.GlyphsOn(67);
  ASSERT_EQ(kanji.size(), 1u);
  EXPECT_EQ(kanji[0].font, fonts.mincho54.handle);
  for (const char* text : {"Grade: 1", "Attempts Left: 12", "[katakana]", "50%",
                           "Click here or press F3 to reveal meanings."}) {
    EXPECT_NE(painter.FindText(text), nullptr) << text;
  }
  EXPECT_EQ(painter.FindText("Score: 0%  (0% - 0%)"), nullptr);
  EXPECT_EQ(painter.FindText("day, sun, Japan"), nullptr);
  EXPECT_EQ(painter.selected, kNoFont);  // the font it found is selected again
  EXPECT_NE(painter.Find(Kind::Line, {90, 72, 106, 72}), nullptr);  // the caret, focused
  drill.OnKeyDown(vk::kF3);
  EXPECT_NE(Painted(drill).FindText("day, sun, Japan"), nullptr);

  // The next card takes the note being edited before showing its own; meanings may stay.
  notesWindow.text = u"remember the sun";
  profile.settings.meaningsStayRevealed = true;
  drill.OnKeyDown(vk::kF9);
  EXPECT_EQ(std::u16string(profile.notes[0].text.data()), u"remember the sun");
  EXPECT_EQ(notesWindow.text, u"remember the sun");
  EXPECT_NE(Painted(drill).FindText("day, sun, Japan"), nullptr);
}

TEST_F(ReadingsTest, AllReadingsInSixAttemptsScore94UnlessTheWrongScriptIsForgiven) {
  profile.settings.revealMeaningsOnComplete = false;
  Start();
  AnswerAll({"nichi", "jitsu", "\t", "hi", "ka"});
  EXPECT_TRUE(drill.complete);
  EXPECT_FALSE(drill.meaningsRevealed);
  profile.settings.revealMeaningsOnComplete = true;
  const struct {
    bool forgive;
    int wrong;
    const char *shown, *score;
  } cases[] = {
      {false, 2, "That is an ON reading; this column wants KUN. Press Tab to switch to katakana.",
       "Score: 94%  (100% - 6%)"},
      {true, 1, "Not counted:", "Score: 97%  (100% - 3%)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.forgive);
    drill.OnKeyDown(vk::kF9);
    drill.forgiveOtherKind = c.forgive;
    const float before = Progress("日").score;
    Answer(drill, "nichi");
    EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusKnown);
    EXPECT_EQ(drill.shownExamples.size(), 3u);  // 日本, 毎日 and 日曜
    EXPECT_FALSE(buttons.Enabled(Drill::CmdNext) || buttons.Enabled(Drill::CmdStudy));
    Answer(drill, "jitsu");
    drill.OnChar('\t');
    EXPECT_FALSE(drill.converter.katakana);
    AnswerAll({"ta", "ta", "nichi"});  // a repeat costs nothing; にち is in the wrong script
    EXPECT_NE(Painted(drill).FindText(c.shown), nullptr);
    EXPECT_EQ(drill.wrongCount, c.wrong);
    AnswerAll({"hi", "ka"});

    EXPECT_TRUE(drill.complete);
    EXPECT_EQ(drill.attemptsUsed, 4 + c.wrong);
    EXPECT_TRUE(drill.meaningsRevealed);
    EXPECT_FLOAT_EQ(Progress("日").score, before * 3 / 4 + drill.cardScore / 4.0f);
    EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
    EXPECT_TRUE(buttons.Enabled(Drill::CmdMastered));
    const RecordingPainter painter = Painted(drill);
    EXPECT_NE(painter.FindText(c.score), nullptr);
    EXPECT_NE(painter.FindText("Complete!"), nullptr);
  }
}

TEST_F(ReadingsTest, NearMissOfAHiddenReadingIsNamedOnlyOnceTheCardEnds) {
  Start();
  drill.forgiveOtherKind = true;  // a near miss is still a miss
  Answer(drill, "nicchi");
  EXPECT_EQ(drill.attemptsLeft, 11);
  EXPECT_EQ(Painted(drill).FindText("A small tsu apart."), nullptr);
  drill.OnKeyDown(vk::kF12);
  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("Close to"), nullptr);
  EXPECT_NE(painter.FindText("A small tsu apart."), nullptr);
}

TEST_F(ReadingsTest, RevealAfterTwoOfFourScores25AndDropsTheLevelAndRunningOutScoresZero) {
  Progress("日").masteryLevel = 2;
  Start();
  AnswerAll({"nichi", "jitsu"});
  drill.OnCommand(Drill::CmdReveal);
  EXPECT_EQ(std::tuple(drill.percentFound, drill.penalty, drill.cardScore), std::tuple(50, 25, 25));
  EXPECT_EQ(drill.kunStatus[0], ReadingsDrill::StatusRevealed);
  EXPECT_EQ(Painted(drill).TextOn(175), u"ジツか");  // the second row, found and revealed
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f * 3 / 4 + 25.0f / 4);
  EXPECT_EQ(Progress("日").masteryLevel, 1);  // the reveal rule
  EXPECT_FALSE(buttons.Enabled(Drill::CmdMastered));
  EXPECT_FALSE(drill.TakesInput());
  // Running out of attempts reveals with score 0.
  drill.OnKeyDown(vk::kF9);
  AnswerAll({"a", "i", "u", "e", "o", "ka", "ki", "ku", "ke", "ko", "sa", "si"});
  EXPECT_TRUE(drill.scoreShown);
  EXPECT_EQ(std::tuple(drill.penalty, drill.cardScore), std::tuple(25, 0));
  EXPECT_EQ(drill.kunStatus[1], ReadingsDrill::StatusRevealed);
}

TEST_F(ReadingsTest, UnlimitedGuessesCountOnWithoutWrappingAndScoreStaysInRange) {
  profile.settings.allowUnlimitedGuesses = true;
  Start();
  EXPECT_NE(Painted(drill).FindText("Unlimited Attempts"), nullptr);
  AnswerAll({"a", "i", "u", "e", "o", "ka", "ki", "ku", "ke", "ko", "sa", "si", "su", "se"});
  EXPECT_EQ(drill.attemptsUsed, 14);
  EXPECT_TRUE(drill.TakesInput());

  drill.attemptsUsed = UINT16_MAX - 1;
  drill.wrongCount = UINT16_MAX;
  AnswerAll({"so", "ta"});
  EXPECT_EQ(std::tuple(drill.attemptsUsed, drill.wrongCount), std::tuple(UINT16_MAX, UINT16_MAX));
  Answer(drill, "nichi");
  drill.OnKeyDown(vk::kF12);
  EXPECT_EQ(std::tuple(drill.penalty, drill.cardScore),
            std::tuple(static_cast<std::int32_t>(12.5 / 4 * (UINT16_MAX - 4)), 0));
}

TEST_F(ReadingsTest, TypingEditsTheAnswerAndEmptyOrDisabledKeysCountNothing) {
  Start();
  Type(drill, "aiueokya");  // two kana do not fit
  EXPECT_EQ(drill.typedCount, 5u);
  Type(drill, "ak");
  EXPECT_EQ(drill.typedCount, 6u);
  EXPECT_STREQ(drill.pendingRomaji, "");  // a full answer takes no more letters

  drill.ClearAnswer();
  Type(drill, "KAk");  // upper case is typed as lower case
  EXPECT_EQ(drill.TypedAnswer(), Codes("カ"));
  drill.OnChar(27);  // Escape drops the letters and keeps the kana
  EXPECT_EQ(std::tuple(std::string(drill.pendingRomaji), drill.typedCount), std::tuple("", 1u));
  Type(drill, "ky\b\b\b");
  EXPECT_EQ(drill.typedCount, 0u);
  // An empty Enter counts nothing; the key of a disabled button only clears the answer.
  drill.OnChar('\r');
  EXPECT_EQ(drill.wrongCount, 0);
  drill.OnKeyDown(vk::kSpace);  // Next is disabled
  EXPECT_EQ(drill.attemptsLeft, 12);
  Type(drill, "nik");
  drill.OnKeyDown(vk::kF5);
  EXPECT_EQ(std::tuple(drill.typedCount, std::string(drill.pendingRomaji)), std::tuple(0u, ""));
  EXPECT_EQ(Progress("日").masteryLevel, 0);
}

TEST_F(ReadingsTest, StudyAndMasteredEndTheCardWithoutScore) {
  Start();
  Type(drill, "ni");
  drill.OnKeyDown(vk::kF8);
  EXPECT_EQ(drill.kunStatus[1], ReadingsDrill::StatusKnown);
  EXPECT_EQ(std::tuple(drill.meaningsRevealed, drill.scoreShown), std::tuple(true, false));
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f);
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));

  drill.OnKeyDown(vk::kF9);
  drill.OnCommand(Drill::CmdMastered);
  EXPECT_EQ(std::tuple(Progress("日").masteryLevel, Progress("日").score), std::tuple(1, 100.0f));
  drill.OnKeyDown(vk::kF5);  // promotes again
  EXPECT_EQ(Progress("日").masteryLevel, 2);
  windows.repainted.clear();
  for (int i = 0; i < 3; ++i) drill.DecreaseMasteryLevel();
  EXPECT_EQ(Progress("日").masteryLevel, 0);  // stops at zero
  EXPECT_EQ(windows.repainted.size(), 3u);
}

TEST_F(ReadingsTest, SwappedSpaceAndEnter) {
  profile.settings.reverseSpaceEnter = true;
  Start();
  Painted(drill);
  EXPECT_EQ(buttons.WithCommand(Drill::CmdNext)->label, "Next (Enter)");
  Type(drill, "nichi");
  drill.OnKeyDown(vk::kSpace);
  EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusKnown);
  drill.OnKeyDown(vk::kF12);
  drill.OnChar('\r');  // next card
  EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusHidden);
}

TEST_F(ReadingsTest, ArrowsCycleThroughTheReadingsAndSwitchTheScript) {
  Start();
  Type(drill, "ni");
  drill.OnKeyDown(vk::kLeft);  // from nothing to the last KUN reading
  EXPECT_EQ(std::tuple(drill.selectedKind, drill.selectedIndex),
            std::tuple(ReadingsDrill::kKunReading, 1));
  EXPECT_FALSE(drill.converter.katakana);
  EXPECT_EQ(drill.typedCount, 0u);  // the script changed
  drill.OnKeyDown(vk::kPeriod);     // around to ON 0, in katakana
  EXPECT_EQ(std::tuple(drill.selectedKind, drill.converter.katakana),
            std::tuple(ReadingsDrill::kOnReading, true));
  drill.OnKeyDown(vk::kNumpad0);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kSpecialReadings);
  EXPECT_EQ(drill.shownExamples.size(), 1u);  // 二日
  drill.OnKeyDown(vk::kRight);                // from the special readings to the first
  EXPECT_EQ(std::tuple(drill.selectedKind, drill.selectedIndex),
            std::tuple(ReadingsDrill::kOnReading, 0));
}

TEST_F(ReadingsTest, ClicksSelectReadingsAndStepExamples) {
  Start();
  drill.OnChar('\t');
  drill.OnClick(25, 135);  // ON 0, back in katakana
  EXPECT_TRUE(drill.converter.katakana);
  ASSERT_EQ(drill.shownExamples.size(), 3u);
  drill.OnClick(20, 182);  // below the last ON box: not the examples box
  EXPECT_EQ(drill.exampleIndex, 0u);
  drill.OnKeyDown(vk::kUp);
  EXPECT_EQ(drill.exampleIndex, 2u);  // back, wrapped
  drill.OnClick(300, 300);
  EXPECT_EQ(drill.exampleIndex, 0u);  // forward, wrapped
  drill.OnClick(300, 300);
  EXPECT_EQ(drill.exampleIndex, 1u);
  drill.OnClick(155, 160);  // KUN 1, in hiragana
  EXPECT_EQ(std::tuple(drill.selectedKind, drill.selectedIndex, drill.converter.katakana),
            std::tuple(ReadingsDrill::kKunReading, 1, false));
  EXPECT_TRUE(Painted(drill).GlyphsOn(426).empty());  // a hidden reading's full form is not shown
  drill.OnClick(100, 20);
  EXPECT_TRUE(drill.meaningsRevealed);
  drill.OnClick(290, 370);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kSpecialReadings);
  EXPECT_TRUE(Painted(drill).GlyphsOn(426).empty());  // and the special readings have none
  EXPECT_EQ(windows.repainted.back(), kReadingsWindow);
}

TEST_F(ReadingsTest, KanjiWithoutReadingsTakesNoTypingAndRevealsToZero) {
  database.kanji[0].onReadings.clear();
  database.kanji[0].kunReadings.clear();
  Start();
  EXPECT_FALSE(drill.TakesInput());
  drill.OnKeyDown(vk::kRight);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kNoSelection);
  drill.OnKeyDown(vk::kF12);
  EXPECT_EQ(std::tuple(drill.scoreShown, drill.cardScore), std::tuple(true, 0));
}

TEST_F(ReadingsTest, WithoutKanjiTheFaceIsEmptyAndOnlyNextActs) {
  struct : StrokeOrderWindow {
    void ShowKanji(char16_t kanji) override { shown.push_back(kanji); }
    std::u16string shown;
  } strokeOrder;
  drill.strokeOrder = &strokeOrder;
  profile.activeList.clear();
  profile.activeSet.clear();
  profile.progress[0].active = false;
  drill.NextCard();
  EXPECT_EQ(drill.cardKanji, nullptr);
  EXPECT_FALSE(drill.TakesInput());
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal) || buttons.Enabled(Drill::CmdStudy) ||
               buttons.Enabled(Drill::CmdMastered));
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  Answer(drill, "nichi");
  drill.OnKeyDown(vk::kF12);
  drill.OnClick(290, 370);
  drill.OnClick(300, 300);  // the examples box, with no examples to step
  EXPECT_EQ(drill.exampleIndex, 0u);
  drill.DecreaseMasteryLevel();
  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("Active Kanji:"), nullptr);
  EXPECT_TRUE(painter.GlyphsOn(67).empty());
  // Once kanji are introduced, Next finds a card; the stroke order window follows.
  profile.activeList.push_back(0);
  profile.progress[0].active = true;
  drill.OnCommand(Drill::CmdNext);
  EXPECT_EQ(drill.cardKanji, &database.kanji[0]);
  EXPECT_EQ(strokeOrder.shown, std::u16string(u"\0日", 2));
}

TEST_F(ReadingsTest, MissingRecordOrProgressIsFatal) {
  ExpectFatal(
      system, [&] { drill.SetUpReadingsCard(Code("本")); }, "Tried to get nonexistant kanji data.",
      "Fatal Error");
  EXPECT_EQ(system.messages.back().owner, kMainWindow);
  profile.progress.clear();
  ExpectFatal(
      system, [&] { drill.SetUpReadingsCard(Code("日")); },
      "Tried to get nonexistant user data for kanji.", "Fatal Error");
}

TEST_F(ReadingsTest, FoundReadingsExamplesAndWrongTriesArePaintedInPlace) {
  Start();
  Answer(drill, "ta");
  Type(drill, "nichik");
  RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.TextOn(70), u"ニチ");
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, kBlack);  // the highlighted latest entry
  drill.OnChar('\r');
  painter = Painted(drill);
  EXPECT_EQ(painter.TextOn(150), u"ニチ");
  EXPECT_NE(painter.FindText("Example 1 of 3:"), nullptr);
  EXPECT_EQ(painter.TextOn(234), u"日本");
  EXPECT_EQ(painter.TextOn(257), u"にほん");
  EXPECT_EQ(painter.TextOn(426), u"ニチ");  // the found reading's full form
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, Rgb(204, 0, 0));  // no longer highlighted
}

}  // namespace
