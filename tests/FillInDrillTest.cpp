// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/FillInDrill.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drills/Keys.h"
#include "tests/DrillFixture.h"

namespace {

using Kind = RecordingPainter::Kind;

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
  const auto word = painter.GlyphsOn(180);
  ASSERT_EQ(word.size(), 2u);
  EXPECT_EQ(word[0].rect, (Rect{258, 132, 306, 180}));  // centred
  EXPECT_EQ(word[1].colour, Rgb(0, 0, 255));
  EXPECT_EQ(painter.TextOn(250), u"まい＿＿");
  EXPECT_EQ(painter.GlyphsOn(250)[0].rect.left, 310 - 17 * 4);
  EXPECT_NE(painter.FindText("Click here or press F4 to reveal gloss."), nullptr);

  Type(drill, "ni");
  EXPECT_EQ(Painted(drill).TextOn(370), u"に");
  Answer(drill, "chi");
  EXPECT_TRUE(drill.complete);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.75f);
  EXPECT_EQ(sound.played, std::vector<std::filesystem::path>{FillInDrill::SoundFile()});
  EXPECT_EQ(std::tuple(drill.meaningsRevealed, drill.glossRevealed), std::tuple(true, false));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  painter = Painted(drill);
  EXPECT_NE(painter.FindText("Complete!"), nullptr);
  EXPECT_NE(painter.FindText("Score: +0.750%"), nullptr);
  EXPECT_EQ(painter.TextOn(250), u"まいにち");
  EXPECT_EQ(painter.GlyphsOn(250)[2].colour, Rgb(0, 204, 0));
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
      {{"a", "i", "nichi"}, false, "Score: +0.250%", 50.25f},
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

TEST_F(FillInTest, RepeatedWrongAnswerCostsNothingAndKeepsTheHighlightOnTheLatest) {
  Start();
  for (const char* answer : {"a", "i", "a"}) Answer(drill, answer);
  EXPECT_EQ(std::tuple(drill.attemptsLeft, drill.wrongCount, drill.wrongPos), std::tuple(1, 2, 2));
  const RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.Find(Kind::Fill, {515, 46, 627, 65})->colour, Rgb(255, 51, 51));
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, Rgb(204, 0, 0));
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

}  // namespace
