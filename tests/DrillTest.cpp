// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "drills/CardFace.h"
#include "drills/CardUndo.h"
#include "drills/DarkColours.h"
#include "drills/FaceZoom.h"
#include "drills/FillInDrill.h"
#include "drills/GlyphFont.h"
#include "drills/Keys.h"
#include "drills/MissReason.h"
#include "drills/ReadingsDrill.h"
#include "drills/ZoomedPainter.h"
#include "platform/FontScaler.h"
#include "platform/StrokeOrderWindow.h"
#include "study/StudyHistory.h"
#include "tests/DrillFixture.h"

// Float for float: a score put back must be the very value it was.
static bool operator==(const KanjiProgress& a, const KanjiProgress& b) {
  return a.code == b.code && a.score == b.score && a.masteryLevel == b.masteryLevel &&
         a.active == b.active;
}

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
  for (const char* text : {"Grade: 1", "Attempts Left: 12", "[katakana]", "50%"}) {
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

// Mastered and lowering the level are scored and recorded in the study tests.
TEST_F(ReadingsTest, StudyEndsTheCardWithoutScoreAndLoweringTheLevelRepaints) {
  Start();
  Type(drill, "ni");
  drill.OnKeyDown(vk::kF8);
  EXPECT_EQ(drill.kunStatus[1], ReadingsDrill::StatusKnown);
  EXPECT_EQ(std::tuple(drill.meaningsRevealed, drill.scoreShown), std::tuple(true, false));
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f);
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  windows.repainted.clear();
  drill.DecreaseMasteryLevel();  // already zero: nothing falls, the face is still repainted
  EXPECT_EQ(windows.repainted, std::vector<WindowHandle>{kReadingsWindow});
}

// Enter as Next and the button's label are shared with fill-in and tested there.
TEST_F(ReadingsTest, SwappedSpaceSubmits) {
  profile.settings.reverseSpaceEnter = true;
  Start();
  Type(drill, "nichi");
  drill.OnKeyDown(vk::kSpace);
  EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusKnown);
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
  EXPECT_EQ(painter.TextOn(257), u"にほん");
  EXPECT_EQ(painter.TextOn(426), u"ニチ");  // the found reading's full form
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, Rgb(204, 0, 0));  // no longer highlighted
}

// The kanji 日 with 4 readings and one regular word, 毎日 (まい/にち), beside an irregular one.
class FillInTest : public DrillTest {
 protected:
  FillInTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ"), Reading("か")},
             "day, sun, Japan");
    drill.CreateControls();
  }

  void Start() {
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    AddExample("二日", {}, "second day of the month", 3, "ふつか");
    drill.NextCard();
    ASSERT_EQ(drill.cardKanji, &database.kanji[0]);
  }

  FillInDrill drill{Host(kFillInWindow)};
};

TEST_F(FillInTest, FreshCardBlanksTheReadingAndARightFirstAnswerWithFourReadingsGains0750) {
  drill.converter.katakana = true;
  Start();
  EXPECT_EQ(std::tuple(drill.expected, drill.attemptsLeft), std::tuple(Codes("にち"), 3));
  Type(drill, "\t");  // answers are always hiragana
  EXPECT_FALSE(drill.converter.katakana);
  EXPECT_EQ(windows.focused, kFillInWindow);
  RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.TextOn(180), u"毎日");
  EXPECT_EQ(painter.TextOn(250), u"まい＿＿");
  EXPECT_EQ(painter.GlyphsOn(250)[0].rect.left, 310 - 17 * 4);  // centred
  Answer(drill, "nichi");
  EXPECT_TRUE(drill.complete);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.75f);
  EXPECT_EQ(sound.played, std::vector<std::filesystem::path>{FillInDrill::SoundFile()});
  EXPECT_EQ(std::tuple(drill.meaningsRevealed, drill.glossRevealed), std::tuple(true, false));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  painter = Painted(drill);
  EXPECT_NE(painter.FindText("Score: +0.750%"), nullptr);
  EXPECT_EQ(painter.TextOn(250), u"まいにち");
  EXPECT_EQ(painter.TextOn(370), u"にち");            // the answer stays
  EXPECT_NE(painter.FindText("every day"), nullptr);  // the gloss shows once complete
}

TEST_F(FillInTest, CardsEndWithOneSoundAndTheirScore) {
  Start();
  const struct {
    std::vector<const char*> answers;
    bool noMasteryEffect;
    const char* scoreText;
    float scoreAfter;
  } cases[] = {
      {{"nichi"}, true, "Score: +0.750%", 50.0f},  // without mastery effect it only shows
      {{"a", "i", "u"}, false, "Score: -0.750%", 49.25f},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scoreText);
    Progress("日").score = 50.0f;
    profile.settings.fillInNoMasteryEffect = c.noMasteryEffect;
    sound.played.clear();
    drill.NextCard();
    for (const char* answer : c.answers) Answer(drill, answer);
    EXPECT_EQ(drill.glossRevealed, c.answers.size() == 3);
    EXPECT_EQ(sound.played.size(), 1u);
    EXPECT_FLOAT_EQ(Progress("日").score, c.scoreAfter);
    EXPECT_NE(Painted(drill).FindText(c.scoreText), nullptr);
  }
  EXPECT_EQ(Painted(drill).GlyphsOn(250)[2].colour, Rgb(204, 0, 0));  // revealed after wrong
}

TEST_F(FillInTest, RevealCostsWithoutSoundAndScoresOnceAndMeaningsRevealWithoutScoring) {
  Start();
  drill.OnKeyDown(vk::kF4);
  EXPECT_TRUE(drill.glossRevealed);
  drill.OnClick(100, 10);
  EXPECT_EQ(std::tuple(drill.meaningsRevealed, drill.scoreShown), std::tuple(true, false));
  EXPECT_NE(Painted(drill).FindText("every day"), nullptr);
  Type(drill, "ni");
  drill.OnKeyDown(vk::kF12);
  EXPECT_FLOAT_EQ(drill.scoreDelta, -0.75f);
  EXPECT_TRUE(sound.played.empty());
  EXPECT_EQ(drill.typedCount, 0u);
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  drill.OnKeyDown(vk::kF12);  // disabled now: scores nothing twice
  EXPECT_FLOAT_EQ(Progress("日").score, 49.25f);
}

TEST_F(FillInTest, SwappedSpaceAndEnterAndAKanjiWithoutReadings) {
  profile.settings.reverseSpaceEnter = true;
  Start();
  Type(drill, "nichi");
  drill.OnKeyDown(vk::kSpace);
  EXPECT_TRUE(drill.complete);
  drill.OnChar('\r');
  EXPECT_FALSE(drill.complete);
  Painted(drill);
  EXPECT_EQ(buttons.WithCommand(Drill::CmdNext)->label, "Next (Enter)");
  // A kanji without readings gets a finite change of either sign.
  profile.settings.reverseSpaceEnter = false;
  database.kanji[0].onReadings.clear();
  database.kanji[0].kunReadings.clear();
  drill.OnKeyDown(vk::kF9);
  Answer(drill, "nichi");
  EXPECT_FLOAT_EQ(drill.scoreDelta, 3.0f);
  drill.OnKeyDown(vk::kF9);
  drill.OnKeyDown(vk::kF12);
  EXPECT_FLOAT_EQ(drill.scoreDelta, -3.0f);
}

TEST_F(FillInTest, ReadingTypeFilterDecidesByMarkAndBaseReading) {
  const struct {
    std::int16_t readingType;
    const char *part, *expected;  // nullptr: refused
  } cases[] = {
      {1, "＜ひ", nullptr},   {1, "び（ひ）", "び"},       {1, "にち", nullptr},
      {-1, "＞にち", nullptr}, {-1, "にち", "にち"},         {-1, "＜にっ（にち）", "にっ"},
      {0, "＆か", "か"},      {0, "＜", nullptr},  // nothing to type is refused
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.part);
    database.examples.clear();
    AddExample("毎日", {"まい", c.part}, "every day", 8);
    profile.settings.fillInReadingType = c.readingType;
    EXPECT_EQ(drill.TryCard(Code("日")), c.expected != nullptr);
    if (c.expected) {
      EXPECT_EQ(drill.expected, Codes(c.expected));
    }
  }
}

TEST_F(FillInTest, NoUsableWordTellsTheLearnerWithoutEndingAndNextRecovers) {
  AddExample("二日", {}, "second day", 3, "ふつか");
  AddExample("毎日", {"まい"}, "parts short of the kanji", 8);
  drill.NextCard();  // must not end the process
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text,
            "Failing to find acceptable example for fill-in drill.  Examples set may be too small "
            "or corrupted.");
  EXPECT_EQ(std::tuple(system.messages[0].caption, system.messages[0].owner),
            std::tuple("Error", kMainWindow));
  EXPECT_EQ(drill.cardKanji, nullptr);
  EXPECT_FALSE(drill.TakesInput());
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  Answer(drill, "nichi");
  drill.OnKeyDown(vk::kF12);
  EXPECT_TRUE(sound.played.empty());
  EXPECT_TRUE(Painted(drill).GlyphsOn(180).empty());

  AddExample("毎日", {"まい", "にち"}, "every day", 8);
  drill.OnCommand(Drill::CmdNext);
  EXPECT_EQ(drill.cardKanji, &database.kanji[0]);
}

TEST_F(FillInTest, SentencesOfTheWordOpenInTheSentencesWindow) {
  const std::string longJapanese(3000, 'x');
  WriteUtf16File(dir / KanjiDatabase::kSentencesFileName,
                 "A: 毎日です。\tEvery day, café.\r\nB: 毎日 です\r\n"
                 "A: " +
                     longJapanese + "\tLong.\r\nB: 毎日\r\n");
  database.LoadSentencesFile();
  Start();
  EXPECT_EQ(Painted(drill).FindText("Sentences")->rect, (Rect{450, 410, 550, 430}));
  drill.OnClick(455, 415);
  EXPECT_TRUE(system.messages.empty());
  EXPECT_TRUE(sentences.shown);
  EXPECT_TRUE(sentences.onTop);
  const std::u16string expected = u"毎日です。\r\nEvery day, caf\u00e9.\r\n\r\n" +
                                  std::u16string(3000, u'x') + u"\r\nLong.\r\n\r\n";
  EXPECT_EQ(sentences.text, expected);
}

TEST_F(FillInTest, KunReadingBeforeTheRightAnswerCostsAnAttemptOnlyWhenNotForgiven) {
  Start();
  for (const bool forgive : {false, true}) {
    SCOPED_TRACE(forgive);
    drill.NextCard();
    drill.forgiveOtherKind = forgive;
    Answer(drill, "hi");
    EXPECT_NE(Painted(drill).FindText("That is a KUN reading; this word wants ON."), nullptr);
    Answer(drill, "nichi");
    EXPECT_FLOAT_EQ(drill.scoreDelta, forgive ? 0.75f : 0.375f);  // first or second attempt
  }
}

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
      {"reveal (level drop)", kReadings, {"ta", "F12"}},
      {"attempts used up", kReadings,
       {"ta", "chi", "tsu", "te", "to", "na", "nu", "ne", "no", "ha", "fu", "he"}},
      {"study", kReadings, {"F8"}},
      {"mastered", kReadings, {"F5"}},
      {"level lowered, next card", kReadings, {"F12", "-", "F9"}},
      {"fill-in right", kFillIn, {"nichi"}},
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

struct MissCase {
  const char* typed;
  std::int16_t wanted;  // the column (script) or the word's kind
  MissKind kind;
  const char* reading;  // the reading named, "" for none
  bool givesAway;
};

void ExpectReasons(const std::vector<MissTarget>& targets, std::initializer_list<MissCase> cases) {
  for (const MissCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const MissReason reason = ExplainMiss(Codes(c.typed), targets, c.wanted);
    EXPECT_EQ(reason.kind, c.kind);
    EXPECT_EQ(reason.reading, Codes(c.reading));
    EXPECT_EQ(reason.givesAnswerAway, c.givesAway);
  }
}

TEST(MissReasonTest, ReadingsAnswersAgainstTheCardsReadings) {
  // 日 十 学 本 as one card; ジツ is found, the rest hidden.
  std::vector<MissTarget> targets;
  for (const char* on : {"ニチ", "ジツ", "ジュウ", "ジッ", "ガク", "ホン"}) {
    targets.push_back({Codes(on), kMissOn, true, std::string(on) == "ジツ"});
  }
  for (const char* kun : {"ひ", "か", "とお", "もと"}) {
    targets.push_back({Codes(kun), kMissKun, true, false});
  }
  using enum MissKind;
  ExpectReasons(targets, {
      {"た", kMissKun, None, "", false},  // the worked example's misses
      {"て", kMissKun, None, "", false},
      {"ジツ", kMissOn, None, "", false},  // right: no miss
      {"", kMissOn, None, "", false},            {"ヒ", kMissOn, WrongScript, "ひ", false},
      {"にち", kMissKun, WrongScript, "ニチ", false}, {"ジュ", kMissOn, LongVowel, "ジュウ", true},
      {"ジュー", kMissOn, LongVowel, "ジュウ", true}, {"とう", kMissKun, LongVowel, "とお", true},
      {"じゅ", kMissKun, LongVowel, "ジュウ", true}, {"ヒイ", kMissOn, LongVowel, "ひ", true},
      {"ニッチ", kMissOn, SmallTsu, "ニチ", true},   {"カク", kMissOn, VoicedMark, "ガク", true},
      {"ポン", kMissOn, VoicedMark, "ホン", true},
      {"ジヅ", kMissOn, VoicedMark, "ジツ", false},  // found: named at once
      {"ホ", kMissOn, SyllabicN, "ホン", true},      {"ジジツ", kMissOn, None, "", false},
      {"カコ", kMissOn, None, "", false},  // two slips
  });
}

TEST(MissReasonTest, FillInAnswersAgainstTheWordAndTheKanjisOtherReadings) {
  // 毎日 reads the kanji にち (ON); the kanji's readings are no answer here.
  const std::vector<MissTarget> targets{{Codes("にち"), kMissOn, true, false},
                                        {Codes("じつ"), kMissOn, false, true},
                                        {Codes("ひ"), kMissKun, false, true}};
  using enum MissKind;
  ExpectReasons(targets, {{"ひ", kMissOn, OtherKind, "ひ", false},
                          {"じつ", kMissOn, OtherReading, "じつ", false},
                          {"ひ", 0, OtherReading, "ひ", false},
                          {"にっ", kMissOn, SmallTsu, "にち", true},
                          {"まい", kMissOn, None, "", false}});
  EXPECT_EQ(MissReasonText({OtherKind, kMissKun, kMissOn, Codes("ひ"), false}, "word", false),
            "That is a KUN reading; this word wants ON.");
  EXPECT_EQ(MissReasonText({WrongScript, kMissOn, kMissOn, Codes("ニチ"), false}, "word", false),
            "Right reading, wrong script. Type it in katakana.");
  EXPECT_EQ(MissReasonText({WrongScript, kMissKun, kMissKun, Codes("ひ"), false}, "word", false),
            "Right reading, wrong script. Type it in hiragana.");
}

class GlyphFontTest : public DrillTest {
 protected:
  RecordingPainter painter;
};

TEST_F(GlyphFontTest, GlyphsFillExactlyTheirCellsAndAdvanceByTheCallersStep) {
  painter.SelectFont(fonts.timesFont);
  fonts.mincho54.PaintGlyph(painter, jis, 0x467C, 100, 200, Rgb(1, 2, 3));
  ASSERT_EQ(painter.calls.size(), 1u);
  EXPECT_EQ(painter.calls[0].rect, (Rect{100, 146, 154, 200}));
  EXPECT_EQ(painter.calls[0].glyph, u'日');
  EXPECT_EQ(painter.calls[0].font, fonts.mincho54.handle);
  EXPECT_EQ(painter.selected, fonts.timesFont);
  // A code without Unicode shows the placeholder.
  fonts.gothic16.PaintGlyph(painter, jis, 0x7F7F, 0, 16, kBlack);
  EXPECT_EQ(painter.calls.back().glyph, GlyphFont::kMissingGlyph);
  // The next glyph goes the caller's step on; whole rows are checked on the faces.
  int x = 5;
  PaintCodeAt(CodeString{0x2422, 0x467C}, 1, painter, jis, fonts.gothic32, x, 40, 34, kBlack);
  EXPECT_EQ(x, 39);
  EXPECT_EQ(painter.calls.back().glyph, u'日');
}

TEST(CardFaceTest, InputPositionWrapsOncePast600) {
  const face::TextPosition kept = face::AdvanceInput({582, 70});
  const face::TextPosition wrapped = face::AdvanceInput({583, 70});
  EXPECT_EQ(std::tuple(kept.x, kept.y, wrapped.x, wrapped.y), std::tuple(600, 70, 0, 89));
}

TEST_F(GlyphFontTest, IncorrectTriesListTheLast19AndBoxTheNewest) {
  std::array<CodeString, 19> tries;
  for (int i = 0; i < 19; ++i) tries[i] = CodeString{static_cast<std::uint16_t>(0x2421 + i)};
  // 23 stored: the ring wrapped, the newest sits in slot 3.
  face::PaintIncorrectTries(painter, jis, fonts, 100, {tries, 23, 4, false});
  int glyphs = 0;
  for (const auto& call : painter.calls) glyphs += call.kind == Kind::Glyph;
  EXPECT_EQ(glyphs, 19);
  EXPECT_NE(painter.Find(Kind::Frame, {515, 84, 627, 103}), nullptr);
  EXPECT_EQ(painter.Find(Kind::Fill, {515, 84, 627, 103}), nullptr);

  // Nothing stored: nothing listed, nothing boxed.
  RecordingPainter empty;
  face::PaintIncorrectTries(empty, jis, fonts, 100, {tries, 0, 0, false});
  EXPECT_EQ(empty.Find(Kind::Frame, {515, 369, 627, 388}), nullptr);
  EXPECT_TRUE(empty.GlyphsOn(45).empty());
}

// Font f at p percent is handle f * 1000 + p.
struct NumberingScaler : FontScaler {
  FontHandle ScaledFont(FontHandle font, int percent) override {
    return font == kNoFont ? kNoFont : font * 1000 + static_cast<FontHandle>(percent);
  }
};

TEST(FaceZoomTest, StepsGoUpAndDownAndStopAtTheEnds) {
  const struct {
    int from, up, down;
  } cases[] = {{100, 125, 100}, {125, 150, 100}, {175, 200, 150}, {200, 250, 175},
               {250, 250, 200}, {130, 150, 125}, {90, 100, 100},  {300, 250, 250}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    EXPECT_EQ(FaceZoom::StepUp(c.from), c.up);
    EXPECT_EQ(FaceZoom::StepDown(c.from), c.down);
  }
  EXPECT_TRUE(FaceZoom::IsStep(175));
  EXPECT_FALSE(FaceZoom::IsStep(130));
}

TEST(FaceZoomTest, DevicePixelsMapBackAndShapesCoverEachOnceAndGlyphsGetScaledFonts) {
  EXPECT_EQ(FaceZoom{250}.Scale(Rect{10, 10, 70, 70}), (Rect{25, 25, 175, 175}));
  EXPECT_EQ(FaceZoom{175}.Scale(-3), -5);
  for (const int percent : FaceZoom::kSteps) {
    SCOPED_TRACE(percent);
    const FaceZoom zoom{percent};
    for (int d = -40; d < 1700; ++d) {  // every device pixel to the face pixel drawn there
      const int v = zoom.Unscale(d);
      ASSERT_LE(zoom.Scale(v), d) << d;
      ASSERT_LT(d, zoom.Scale(v + 1)) << d;
    }
    RecordingPainter target;
    NumberingScaler scaler;
    ZoomedPainter painter(target, {percent}, scaler);
    // A box, its frame, and lines along its bottom and right edges' outside, drawn backwards.
    painter.FillRect({11, 11, 69, 69}, StockBrush::White);
    painter.FrameRect({10, 10, 70, 70}, kBlack);
    painter.DrawLine(69, 70, 9, 70, kBlack);
    painter.DrawLine(70, 70, 70, 9, kBlack);
    std::map<std::pair<int, int>, int> covered;
    for (const auto& call : target.calls) {
      ASSERT_NE(call.kind, Kind::Line);
      for (int y = call.rect.top; y < call.rect.bottom; ++y) {
        for (int x = call.rect.left; x < call.rect.right; ++x) ++covered[{x, y}];
      }
    }
    const Rect outer = zoom.Scale(Rect{10, 10, 71, 71});
    EXPECT_EQ(covered.size(),
              static_cast<std::size_t>((outer.right - outer.left) * (outer.bottom - outer.top)));
    for (const auto& [pixel, count] : covered) {
      EXPECT_TRUE(outer.Contains(pixel.first, pixel.second));
      EXPECT_EQ(count, 1);
    }

    EXPECT_EQ(painter.SelectFont(7), kNoFont);
    EXPECT_EQ(target.selected, 7000u + static_cast<FontHandle>(percent));
    EXPECT_EQ(painter.SelectFont(kNoFont), 7u);  // the caller gets its own handle back
    painter.DrawGlyph(u'日', {13, 13, 67, 67}, 5, kBlack);
    EXPECT_EQ(target.calls.back().rect, zoom.Scale(Rect{13, 13, 67, 67}));
    EXPECT_EQ(target.calls.back().font, 5000u + static_cast<FontHandle>(percent));
  }
}

struct Pair {
  Colour ink, ground;
  friend bool operator==(const Pair&, const Pair&) = default;
};

std::string Name(const Pair& pair) {
  const auto rgb = [](Colour c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
  };
  return rgb(pair.ink) + " on " + rgb(pair.ground);
}

// Hue in degrees of a colour with some saturation.
double Hue(Colour c) {
  return std::atan2(std::sqrt(3.0) * (c.green - c.blue), 2.0 * c.red - c.green - c.blue) * 180.0 /
         3.14159265358979;
}

// Both faces in the states that bring out every colour, recorded as each text and glyph on
// the ground below it (the last fill under its middle, or the window's ground).
class DarkFacesTest : public DrillTest {
 protected:
  DarkFacesTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ"), Reading("か")},
             "day, sun, Japan");
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    AddExample("日本", {"に（にち）", "ほん"}, "Japan", 10);
  }

  void Collect(Drill& drill) {
    const RecordingPainter painter = Painted(drill);
    for (std::size_t i = 0; i < painter.calls.size(); ++i) {
      const auto& call = painter.calls[i];
      if (call.kind != Kind::Text && call.kind != Kind::Glyph) continue;
      const int x = (call.rect.left + call.rect.right) / 2;
      const int y = (call.rect.top + call.rect.bottom) / 2;
      Colour ground = kFaceGround;
      for (std::size_t j = 0; j < i; ++j) {
        const auto& fill = painter.calls[j];
        if (!fill.rect.Contains(x, y)) continue;
        if (fill.kind == Kind::Fill) ground = fill.colour;
        if (fill.kind == Kind::StockFill) {
          ground = fill.brush == StockBrush::White ? kStockWhite : kStockLightGrey;
        }
      }
      const Pair pair{call.colour, ground};
      if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end()) pairs.push_back(pair);
    }
  }

  std::vector<Pair> pairs;
};

TEST_F(DarkFacesTest, EveryTextOfBothFacesReadsAtLeastFourAndAHalfToOneOnItsGround) {
  ReadingsDrill readings(Host(kReadingsWindow));
  readings.CreateControls();
  windows.focused = kReadingsWindow;
  readings.NextCard();
  Collect(readings);
  Answer(readings, "ta");
  Type(readings, "nichik");
  Collect(readings);  // the latest wrong try highlighted
  readings.OnChar('\r');
  readings.OnClick(100, 20);
  Collect(readings);  // a found reading, its examples, the meanings
  readings.OnCommand(Drill::CmdReveal);
  Collect(readings);  // revealed readings and the score

  FillInDrill fillIn(Host(kFillInWindow));
  fillIn.CreateControls();
  windows.focused = kFillInWindow;
  fillIn.NextCard();
  Answer(fillIn, "ka");
  Answer(fillIn, "hi");
  Collect(fillIn);  // wrong tries, one highlighted
  Answer(fillIn, fillIn.expected == Codes("にち") ? "nichi" : "hon");
  Collect(fillIn);  // the right answer, the gloss
  fillIn.NextCard();
  fillIn.OnCommand(Drill::CmdReveal);
  Collect(fillIn);  // the revealed answer

  // Every ground and ink of both faces was met, in each of these pairs at least.
  for (const Pair& expected :
       {Pair{face::kWrong, face::kTriesPanel}, Pair{kBlack, face::kScoreBox},
        Pair{kBlack, face::kLatestWrongFill}, Pair{kBlack, face::kKnownReading},
        Pair{face::kRight, kFaceGround}, Pair{face::kWrong, kFaceGround},
        Pair{face::kCardKanjiInWord, kFaceGround}, Pair{kBlack, kStockWhite},
        Pair{kBlack, kStockLightGrey}, Pair{kBlack, face::kInputActive}}) {
    EXPECT_NE(std::find(pairs.begin(), pairs.end(), expected), pairs.end()) << Name(expected);
  }
  for (const Pair& pair : pairs) {
    EXPECT_GE(ContrastRatio(DarkColour(pair.ink), DarkColour(pair.ground)), 4.5) << Name(pair);
  }
}

TEST(DarkColoursTest, ColoursKeepTheirHueAndOthersHaveTheirLightnessTurnedRound) {
  for (const Colour colour :
       {face::kKanjiBoxInside, face::kInputActive, face::kScoreBox, face::kLatestWrongFill,
        face::kLinkBox, face::kScriptFrame, face::kHiddenReading, face::kKnownReading,
        face::kCardKanjiInWord, face::kWrong, face::kRight}) {
    SCOPED_TRACE(Name({colour, colour}));
    const Colour dark = DarkColour(colour);
    EXPECT_NE(dark, colour);
    EXPECT_NEAR(std::remainder(Hue(dark) - Hue(colour), 360.0), 0.0, 25.0);
  }
  EXPECT_EQ(DarkColour(Rgb(250, 250, 250)), Rgb(5, 5, 5));
  EXPECT_EQ(DarkColour(Rgb(10, 20, 30)), Rgb(225, 235, 245));
  EXPECT_EQ(DarkColour(Rgb(255, 0, 0)), Rgb(255, 0, 0));
  EXPECT_NEAR(ContrastRatio(kBlack, kStockWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Rgb(118, 118, 118), kStockWhite), 4.54, 0.01);
}

}  // namespace
