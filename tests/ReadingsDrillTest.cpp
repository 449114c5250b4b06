#include "drills/ReadingsDrill.h"

#include <gtest/gtest.h>

#include "drills/Keys.h"
#include "tests/DrillFixture.h"

namespace {

using Kind = RecordingPainter::Kind;

// The kanji 日 with 2 ON and 2 KUN readings and a few example words.
class ReadingsTest : public DrillTest {
 protected:
  ReadingsTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ", "ひ．"), Reading("か")},
             "day, sun, Japan");
    AddExample("日本", {"に（にち）", "ほん"}, "Japan", 10);
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    AddExample("日", {"ひ"}, "sun", 5);
    AddExample("二日", {}, "second day of the month", 3, "ふつか");
    drill.CreateControls();
  }

  void Start() {
    drill.NextCard();
    ASSERT_EQ(drill.cardKanji, &database.kanji[0]);
  }

  ReadingsDrill drill{Host(kReadingsWindow)};
};

TEST_F(ReadingsTest, CreatesFourButtonsInPlace) {
  ASSERT_EQ(drill.buttons.size(), 5u);
  EXPECT_EQ(drill.buttons[0], kNoWindow);
  const FakeButtons::Button* next = buttons.WithCommand(Drill::CmdNext);
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->label, "Next (Space)");
  EXPECT_EQ(next->parent, kReadingsWindow);
  EXPECT_EQ((std::array{next->x, next->y, next->width, next->height}),
            (std::array{280, 100, 105, 30}));
  EXPECT_EQ(buttons.WithCommand(Drill::CmdMastered)->x, 390);
  EXPECT_EQ(buttons.WithCommand(Drill::CmdStudy)->label, "Study (F8)");
  EXPECT_EQ(buttons.WithCommand(Drill::CmdReveal)->y, 135);
}

TEST_F(ReadingsTest, FreshCardHasThreeAttemptsPerReadingInKatakanaAndShowsTheNote) {
  profile.notes[0].text.assign(KanjiNote::kTextUnits, 0);
  profile.notes[0].text[0] = u'x';
  Start();
  EXPECT_EQ(drill.attemptsLeft, 12);
  EXPECT_TRUE(drill.converter.katakana);
  EXPECT_TRUE(drill.TakesInput());
  EXPECT_EQ(drill.pool.size(), 4u);
  EXPECT_TRUE(drill.shownExamples.empty());
  EXPECT_TRUE(drill.hasSpecialReadings);  // the irregular 二日
  EXPECT_EQ(windows.focused, kReadingsWindow);
  EXPECT_EQ(profile.notesKanji, Code("日"));
  EXPECT_EQ(notesWindow.text, u"x");
}

TEST_F(ReadingsTest, NextCardTakesTheNoteBeingEditedBeforeShowingTheNext) {
  Start();
  notesWindow.text = u"remember the sun";
  drill.OnKeyDown(vk::kF9);
  ASSERT_TRUE(profile.notes[0].HasText());
  EXPECT_EQ(std::u16string(profile.notes[0].text.data()), u"remember the sun");
  EXPECT_EQ(notesWindow.text, u"remember the sun");  // the same kanji's note again
}

TEST_F(ReadingsTest, AllReadingsInSixAttemptsScore94) {
  Start();
  Answer(drill, "nichi");
  EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusKnown);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kOnReading);
  EXPECT_EQ(drill.shownExamples.size(), 2u);  // 日本 and 毎日
  EXPECT_FALSE(buttons.Enabled(Drill::CmdNext));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdStudy));
  EXPECT_TRUE(buttons.Enabled(Drill::CmdReveal));
  Answer(drill, "jitsu");
  drill.OnChar('\t');
  EXPECT_FALSE(drill.converter.katakana);
  Answer(drill, "ta");
  Answer(drill, "ta");  // a repeat costs nothing
  Answer(drill, "te");
  EXPECT_EQ(drill.wrongCount, 2);
  Answer(drill, "hi");
  EXPECT_FALSE(drill.complete);
  Answer(drill, "ka");

  EXPECT_TRUE(drill.complete);
  EXPECT_EQ(drill.attemptsUsed, 6);
  EXPECT_EQ(drill.percentFound, 100);
  EXPECT_EQ(drill.penalty, 6);
  EXPECT_EQ(drill.cardScore, 94);
  EXPECT_TRUE(drill.meaningsRevealed);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f * 3 / 4 + 94.0f / 4);
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdStudy));
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  EXPECT_TRUE(buttons.Enabled(Drill::CmdMastered));
  EXPECT_NE(Painted(drill).FindText("Score: 94%  (100% - 6%)"), nullptr);
  EXPECT_NE(Painted(drill).FindText("Complete!"), nullptr);
}

TEST_F(ReadingsTest, RevealAfterTwoOfFourScores25AndDropsTheLevel) {
  Progress("日").masteryLevel = 2;
  Start();
  Answer(drill, "nichi");
  Answer(drill, "jitsu");
  drill.OnCommand(Drill::CmdReveal);
  EXPECT_EQ(drill.attemptsUsed, 12);
  EXPECT_EQ(drill.percentFound, 50);
  EXPECT_EQ(drill.penalty, 25);
  EXPECT_EQ(drill.cardScore, 25);
  EXPECT_EQ(drill.kunStatus[0], ReadingsDrill::StatusRevealed);
  EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusKnown);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f * 3 / 4 + 25.0f / 4);
  EXPECT_EQ(Progress("日").masteryLevel, 1);  // the reveal rule
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdMastered));
  EXPECT_FALSE(drill.TakesInput());
}

TEST_F(ReadingsTest, RevealOnAFreshCardScoresZeroAndRunningOutOfAttemptsReveals) {
  Start();
  drill.OnKeyDown(vk::kF12);
  EXPECT_EQ(drill.penalty, 25);
  EXPECT_EQ(drill.cardScore, 0);

  drill.OnKeyDown(vk::kF9);
  ASSERT_TRUE(drill.TakesInput());
  const char* wrong[] = {"a", "i", "u", "e", "o", "ka", "ki", "ku", "ke", "ko", "sa", "si"};
  for (const char* answer : wrong) Answer(drill, answer);
  EXPECT_TRUE(drill.scoreShown);
  EXPECT_EQ(drill.attemptsUsed, 12);
  EXPECT_EQ(drill.cardScore, 0);
  EXPECT_EQ(drill.kunStatus[1], ReadingsDrill::StatusRevealed);
}

TEST_F(ReadingsTest, UnlimitedGuessesCountOnWithoutWrappingAndScoreStaysInRange) {
  profile.settings.allowUnlimitedGuesses = true;
  Start();
  EXPECT_NE(Painted(drill).FindText("Unlimited Attempts"), nullptr);
  for (const char* answer :
       {"a", "i", "u", "e", "o", "ka", "ki", "ku", "ke", "ko", "sa", "si", "su", "se"}) {
    Answer(drill, answer);
  }
  EXPECT_EQ(drill.attemptsLeft, 12);
  EXPECT_EQ(drill.attemptsUsed, 14);
  EXPECT_TRUE(drill.TakesInput());

  drill.attemptsUsed = UINT16_MAX - 1;
  drill.wrongCount = UINT16_MAX;
  Answer(drill, "so");
  Answer(drill, "ta");
  EXPECT_EQ(drill.attemptsUsed, UINT16_MAX);
  EXPECT_EQ(drill.wrongCount, UINT16_MAX);
  Answer(drill, "nichi");
  drill.OnKeyDown(vk::kF12);
  EXPECT_EQ(drill.penalty, static_cast<std::int32_t>(12.5 / 4 * (UINT16_MAX - 4)));
  EXPECT_EQ(drill.cardScore, 0);
}

TEST_F(ReadingsTest, TypingEditsTheAnswer) {
  Start();
  Type(drill, "aiueoky");
  EXPECT_EQ(drill.typedCount, 5u);
  EXPECT_STREQ(drill.pendingRomaji, "ky");
  Type(drill, "a");  // two kana do not fit
  EXPECT_EQ(drill.typedCount, 5u);
  Type(drill, "ak");
  EXPECT_EQ(drill.typedCount, 6u);
  EXPECT_STREQ(drill.pendingRomaji, "");  // a full answer takes no more letters

  drill.ClearAnswer();
  Type(drill, "KAk");  // upper case is typed as lower case
  EXPECT_EQ(drill.TypedAnswer(), Codes("カ"));
  drill.OnChar(27);
  EXPECT_STREQ(drill.pendingRomaji, "");
  EXPECT_EQ(drill.typedCount, 1u);  // Escape keeps the kana
  Type(drill, "ky\b");
  EXPECT_STREQ(drill.pendingRomaji, "k");
  Type(drill, "\b\b\b");
  EXPECT_EQ(drill.typedCount, 0u);
}

TEST_F(ReadingsTest, EmptyEnterCountsNothingButLocksStudyNextAndMastered) {
  Start();
  drill.OnChar('\r');
  EXPECT_EQ(drill.attemptsLeft, 12);
  EXPECT_EQ(drill.wrongCount, 0);
  EXPECT_FALSE(buttons.Enabled(Drill::CmdNext));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdMastered));
  drill.OnKeyDown(vk::kSpace);  // Next is disabled
  EXPECT_EQ(drill.attemptsLeft, 12);
}

TEST_F(ReadingsTest, StudyAndMasteredEndTheCardWithoutScore) {
  Start();
  Type(drill, "ni");
  drill.OnKeyDown(vk::kF8);
  EXPECT_EQ(drill.kunStatus[1], ReadingsDrill::StatusKnown);
  EXPECT_FALSE(drill.scoreShown);
  EXPECT_EQ(drill.typedCount, 0u);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f);
  EXPECT_FALSE(buttons.Enabled(Drill::CmdMastered));
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));

  drill.OnKeyDown(vk::kF9);
  drill.OnCommand(Drill::CmdMastered);
  EXPECT_EQ(Progress("日").masteryLevel, 1);
  EXPECT_FLOAT_EQ(Progress("日").score, 100.0f);
  EXPECT_TRUE(buttons.Enabled(Drill::CmdMastered));
  drill.OnKeyDown(vk::kF5);  // promotes again
  EXPECT_EQ(Progress("日").masteryLevel, 2);
  EXPECT_FALSE(drill.complete);
}

TEST_F(ReadingsTest, KeysOfDisabledButtonsStillClearTheAnswer) {
  Start();
  Answer(drill, "ta");
  Type(drill, "nik");
  drill.OnKeyDown(vk::kF5);
  EXPECT_EQ(drill.typedCount, 0u);
  EXPECT_STREQ(drill.pendingRomaji, "");
  EXPECT_EQ(Progress("日").masteryLevel, 0);
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
  const int before = static_cast<int>(windows.repainted.size());
  drill.OnChar('\r');  // next card
  EXPECT_TRUE(drill.TakesInput());
  EXPECT_EQ(drill.onStatus[0], ReadingsDrill::StatusHidden);
  EXPECT_EQ(static_cast<int>(windows.repainted.size()), before);
}

TEST_F(ReadingsTest, ArrowsCycleThroughTheReadingsAndSwitchTheScript) {
  Start();
  Type(drill, "ni");
  drill.OnKeyDown(vk::kLeft);  // from nothing to the last KUN reading
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kKunReading);
  EXPECT_EQ(drill.selectedIndex, 1);
  EXPECT_FALSE(drill.converter.katakana);
  EXPECT_EQ(drill.typedCount, 0u);  // the script changed
  drill.OnKeyDown(vk::kPeriod);     // around to ON 0
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kOnReading);
  EXPECT_EQ(drill.selectedIndex, 0);
  EXPECT_TRUE(drill.converter.katakana);
  drill.OnKeyDown(vk::kRight);
  drill.OnKeyDown(vk::kRight);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kKunReading);
  EXPECT_EQ(drill.selectedIndex, 0);
  drill.OnKeyDown(vk::kComma);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kOnReading);
  EXPECT_EQ(drill.selectedIndex, 1);
  drill.OnKeyDown(vk::kNumpad0);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kSpecialReadings);
  EXPECT_EQ(drill.shownExamples.size(), 1u);  // 二日
  drill.OnKeyDown(vk::kRight);                // from the special readings to the first
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kOnReading);
  EXPECT_EQ(drill.selectedIndex, 0);
}

TEST_F(ReadingsTest, ExamplesStepAndWrapByKeyAndClick) {
  Start();
  drill.OnClick(25, 135);  // ON 0
  ASSERT_EQ(drill.shownExamples.size(), 2u);
  drill.OnKeyDown(vk::kUp);
  EXPECT_EQ(drill.exampleIndex, 1u);
  drill.OnKeyDown(vk::kCloseBracket);
  EXPECT_EQ(drill.exampleIndex, 0u);
  drill.OnClick(300, 300);
  EXPECT_EQ(drill.exampleIndex, 1u);
  drill.OnClick(300, 300);
  EXPECT_EQ(drill.exampleIndex, 0u);
}

TEST_F(ReadingsTest, ClicksHitTheirTargetsInOrder) {
  Start();
  drill.OnClick(155, 160);  // KUN 1
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kKunReading);
  EXPECT_EQ(drill.selectedIndex, 1);
  EXPECT_FALSE(drill.converter.katakana);
  drill.OnClick(20, 182);  // below the last ON box: nothing
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kKunReading);
  drill.OnClick(100, 20);
  EXPECT_TRUE(drill.meaningsRevealed);
  drill.OnClick(290, 370);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kSpecialReadings);
  EXPECT_EQ(windows.repainted.back(), kReadingsWindow);
}

TEST_F(ReadingsTest, SingleReadingReselectsFromTheFirstExample) {
  database.kanji.clear();
  profile.progress.clear();
  profile.activeList.clear();
  profile.notes.clear();
  AddKanji("本", {}, {Reading("もと")});
  AddExample("本", {"もと"}, "origin", 5);
  AddExample("山本", {"やま", "もと"}, "Yamamoto", 4);
  Start();
  drill.OnKeyDown(vk::kRight);
  drill.OnKeyDown(vk::kDown);
  EXPECT_EQ(drill.exampleIndex, 1u);
  drill.OnKeyDown(vk::kLeft);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kKunReading);
  EXPECT_EQ(drill.exampleIndex, 0u);
}

TEST_F(ReadingsTest, KanjiWithoutReadingsTakesNoTypingAndRevealsToZero) {
  database.kanji[0].onReadings.clear();
  database.kanji[0].kunReadings.clear();
  Start();
  EXPECT_FALSE(drill.TakesInput());
  EXPECT_FALSE(drill.converter.katakana);
  drill.OnKeyDown(vk::kRight);
  EXPECT_EQ(drill.selectedKind, ReadingsDrill::kNoSelection);
  drill.OnKeyDown(vk::kF12);
  EXPECT_TRUE(drill.scoreShown);
  EXPECT_EQ(drill.cardScore, 0);
  EXPECT_EQ(drill.percentFound, 0);
}

TEST_F(ReadingsTest, WithoutKanjiTheFaceIsEmptyAndOnlyNextActs) {
  profile.activeList.clear();
  profile.activeSet.clear();
  profile.progress[0].active = false;
  drill.NextCard();
  EXPECT_EQ(drill.cardKanji, nullptr);
  EXPECT_FALSE(drill.TakesInput());
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  Answer(drill, "nichi");
  drill.OnKeyDown(vk::kRight);
  drill.OnKeyDown(vk::kF12);
  drill.OnClick(290, 370);
  drill.DecreaseMasteryLevel();
  const RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.FindText("Grade: 1"), nullptr);
  EXPECT_NE(painter.FindText("Active Kanji:"), nullptr);
  EXPECT_TRUE(painter.GlyphsOn(67).empty());

  // Once kanji are introduced, Next finds a card.
  profile.activeList.push_back(0);
  profile.progress[0].active = true;
  drill.OnCommand(Drill::CmdNext);
  EXPECT_EQ(drill.cardKanji, &database.kanji[0]);
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

TEST_F(ReadingsTest, DecreaseMasteryLevelStopsAtZeroAndRepaints) {
  Start();
  Progress("日").masteryLevel = 1;
  drill.DecreaseMasteryLevel();
  drill.DecreaseMasteryLevel();
  EXPECT_EQ(Progress("日").masteryLevel, 0);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f);
  EXPECT_EQ(windows.repainted, (std::vector<WindowHandle>{kReadingsWindow, kReadingsWindow}));
}

// --- The face ---

TEST_F(ReadingsTest, FreshFacePaintsTheSharedElements) {
  Start();
  const RecordingPainter painter = Painted(drill);
  const auto kanji = painter.GlyphsOn(67);
  ASSERT_EQ(kanji.size(), 1u);
  EXPECT_EQ(kanji[0].glyph, u'日');
  EXPECT_EQ(kanji[0].rect, (Rect{13, 13, 67, 67}));
  EXPECT_EQ(kanji[0].font, fonts.mincho54.handle);
  EXPECT_EQ(painter.Find(Kind::Fill, {11, 11, 69, 69})->colour, Rgb(255, 238, 238));
  EXPECT_EQ(painter.FindText("Grade: 1")->rect, (Rect{0, 75, 80, 95}));
  const auto* hint = painter.FindText("Click here or press F3 to reveal meanings.");
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->rect, (Rect{125, 11, 305, 47}));
  EXPECT_EQ(hint->font, fonts.timesFont);
  EXPECT_EQ(painter.FindText("Attempts Left: 12")->rect, (Rect{210, 54, 345, 74}));
  EXPECT_NE(painter.FindText("[katakana]"), nullptr);
  EXPECT_EQ(painter.FindText("Mastery Score:")->rect, (Rect{355, 5, 545, 25}));
  EXPECT_EQ(painter.FindText("50%")->rect, (Rect{465, 5, 545, 25}));
  EXPECT_EQ(painter.FindText("Pct. Mastered:")->rect, (Rect{355, 53, 545, 73}));
  EXPECT_EQ(painter.FindText("Examples")->rect, (Rect{280, 180, 500, 200}));
  EXPECT_EQ(painter.FindText("Incorrect Tries")->rect, (Rect{512, 2, 632, 19}));
  EXPECT_EQ(painter.Find(Kind::Fill, {510, 0, 632, 400})->colour, Rgb(238, 238, 238));
  EXPECT_EQ(painter.Find(Kind::Fill, {20, 132, 130, 152})->colour, Rgb(85, 51, 170));
  EXPECT_EQ(painter.Find(Kind::Frame, {10, 100, 140, 380})->colour, Rgb(255, 0, 119));
  EXPECT_EQ(painter.Find(Kind::Frame, {140, 100, 270, 380}), nullptr);
  EXPECT_EQ(painter.Find(Kind::Fill, {280, 360, 400, 380})->colour, Rgb(208, 224, 255));
  EXPECT_EQ(painter.FindText("Score: 0%  (0% - 0%)"), nullptr);
  EXPECT_EQ(painter.selected, kNoFont);  // the font it found is selected again
  // Focused and open: the input box is blue with a caret under the first cell.
  EXPECT_EQ(painter.Find(Kind::Fill, {86, 51, 199, 74})->colour, Rgb(239, 239, 255));
  EXPECT_NE(painter.Find(Kind::Line, {90, 72, 106, 72}), nullptr);
}

TEST_F(ReadingsTest, FoundReadingsExamplesAndWrongTriesArePaintedInPlace) {
  Start();
  Answer(drill, "ta");
  Type(drill, "nichi");
  Type(drill, "k");
  RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.TextOn(70), u"ニチ");
  EXPECT_EQ(painter.FindText("k")->rect, (Rect{126, 55, 151, 70}));
  EXPECT_EQ(painter.TextOn(45), u"タ");
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, kBlack);  // the highlighted latest entry
  EXPECT_EQ(painter.Find(Kind::Fill, {515, 27, 627, 46})->colour, Rgb(255, 51, 51));

  drill.OnChar('\r');
  painter = Painted(drill);
  EXPECT_EQ(painter.Find(Kind::Fill, {20, 132, 130, 152})->colour, Rgb(238, 255, 238));
  const auto known = painter.GlyphsOn(150);
  ASSERT_EQ(known.size(), 2u);
  EXPECT_EQ(known[1].rect.left, 40);
  EXPECT_EQ(painter.FindAll(Kind::Frame, Rect{20, 132, 130, 152}.Inflated(3)).size(), 1u);
  EXPECT_NE(painter.FindText("Example 1 of 2:"), nullptr);
  EXPECT_EQ(painter.TextOn(234), u"日本");
  EXPECT_EQ(painter.TextOn(257), u"にほん");
  EXPECT_EQ(painter.FindText("Japan")->rect, (Rect{285, 269, 495, 347}));
  EXPECT_EQ(painter.TextOn(426), u"ニチ");
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, Rgb(204, 0, 0));  // no longer highlighted
  EXPECT_NE(painter.Find(Kind::Frame, {515, 27, 627, 46}), nullptr);
}

TEST_F(ReadingsTest, MeaningsShowWhenRevealedOrKeptRevealed) {
  profile.settings.meaningsStayRevealed = true;
  Start();
  EXPECT_EQ(Painted(drill).FindText("day, sun, Japan")->rect, (Rect{90, 10, 340, 45}));
  profile.settings.meaningsStayRevealed = false;
  EXPECT_EQ(Painted(drill).FindText("day, sun, Japan"), nullptr);
  drill.OnKeyDown(vk::kF3);
  EXPECT_NE(Painted(drill).FindText("day, sun, Japan"), nullptr);
}

TEST_F(ReadingsTest, HiddenReadingListsWordsWithoutReadingsOrMeanings) {
  Start();
  drill.OnClick(155, 135);  // KUN 0, hidden
  windows.focused = kMainWindow;
  const RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.TextOn(234), u"日");
  EXPECT_TRUE(painter.GlyphsOn(257).empty());
  EXPECT_EQ(painter.FindText("sun"), nullptr);
  EXPECT_TRUE(painter.GlyphsOn(426).empty());
  EXPECT_EQ(painter.Find(Kind::Frame, {140, 100, 270, 380})->colour, Rgb(255, 0, 119));
  // Without the focus the input box is grey and has no caret.
  EXPECT_EQ(painter.Find(Kind::StockFill, {86, 51, 199, 74})->brush, StockBrush::LightGrey);
  EXPECT_EQ(painter.Find(Kind::Line, {90, 72, 106, 72}), nullptr);
}

}  // namespace
