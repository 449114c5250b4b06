#include "drills/FillInDrill.h"

#include <gtest/gtest.h>

#include <string>

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

  void Start(std::string_view part = "にち") {
    AddExample("毎日", {"まい", part}, "every day", 8);
    AddExample("二日", {}, "second day of the month", 3, "ふつか");
    drill.NextCard();
    ASSERT_EQ(drill.cardKanji, &database.kanji[0]);
  }

  FillInDrill drill{Host(kFillInWindow)};
};

TEST_F(FillInTest, FreshCardBlanksTheKanjisReading) {
  Start();
  EXPECT_EQ(drill.expected, Codes("にち"));
  EXPECT_EQ(drill.blankIndex, 1);
  EXPECT_EQ(drill.attemptsLeft, 3);
  EXPECT_FALSE(drill.converter.katakana);
  EXPECT_EQ(windows.focused, kFillInWindow);
  EXPECT_EQ(profile.notesKanji, Code("日"));
  const FakeButtons::Button* next = buttons.WithCommand(Drill::CmdNext);
  EXPECT_EQ((std::array{next->x, next->y, next->width, next->height}),
            (std::array{85, 60, 125, 30}));
  EXPECT_EQ(buttons.WithCommand(Drill::CmdReveal)->x, 220);
  EXPECT_EQ(buttons.WithCommand(Drill::CmdStudy), nullptr);

  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("Attempts Left: 3"), nullptr);
  const auto word = painter.GlyphsOn(180);
  ASSERT_EQ(word.size(), 2u);
  EXPECT_EQ(word[0].rect, (Rect{258, 132, 306, 180}));
  EXPECT_EQ(word[0].colour, kBlack);
  EXPECT_EQ(word[1].rect.left, 310);
  EXPECT_EQ(word[1].colour, Rgb(0, 0, 255));
  EXPECT_EQ(painter.TextOn(250), u"まい＿＿");
  EXPECT_EQ(painter.GlyphsOn(250)[0].rect.left, 310 - 17 * 4);
  EXPECT_EQ(painter.GlyphsOn(250)[3].rect.left, 310 - 17 * 4 + 3 * 34);
  EXPECT_EQ(painter.GlyphsOn(250)[3].colour, kBlack);
  EXPECT_EQ(painter.FindText("Click here or press F4 to reveal gloss.")->rect,
            (Rect{150, 278, 470, 325}));
  EXPECT_EQ(painter.Find(Kind::Fill, {510, 0, 632, 100})->colour, Rgb(238, 238, 238));
  EXPECT_EQ(painter.Find(Kind::Fill, {251, 351, 364, 374})->colour, Rgb(239, 239, 255));
}

TEST_F(FillInTest, RightFirstAnswerWithFourReadingsGains0750) {
  Start();
  Type(drill, "ni");
  EXPECT_EQ(Painted(drill).TextOn(370), u"に");
  Answer(drill, "chi");
  EXPECT_TRUE(drill.complete);
  EXPECT_FLOAT_EQ(drill.scoreDelta, 0.75f);
  EXPECT_FLOAT_EQ(Progress("日").score, 50.75f);
  EXPECT_EQ(sound.played.size(), 1u);
  EXPECT_EQ(sound.played[0], FillInDrill::SoundFile());
  EXPECT_TRUE(drill.meaningsRevealed);
  EXPECT_FALSE(drill.glossRevealed);
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));

  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("Complete!"), nullptr);
  EXPECT_EQ(painter.FindText("Score: +0.750%")->rect, (Rect{355, 72, 495, 95}));
  EXPECT_EQ(painter.TextOn(250), u"まいにち");
  EXPECT_EQ(painter.GlyphsOn(250)[2].colour, Rgb(0, 204, 0));
  EXPECT_EQ(painter.TextOn(370), u"にち");            // the answer stays
  EXPECT_NE(painter.FindText("every day"), nullptr);  // the gloss shows once complete
}

TEST_F(FillInTest, ThreeWrongAnswersRevealAndLose0750) {
  Start();
  Answer(drill, "a");
  Answer(drill, "i");
  EXPECT_TRUE(sound.played.empty());
  Answer(drill, "u");
  EXPECT_TRUE(drill.scoreShown);
  EXPECT_TRUE(drill.meaningsRevealed);
  EXPECT_TRUE(drill.glossRevealed);
  EXPECT_FLOAT_EQ(drill.scoreDelta, -0.75f);
  EXPECT_FLOAT_EQ(Progress("日").score, 49.25f);
  EXPECT_EQ(sound.played.size(), 1u);
  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("Score: -0.750%"), nullptr);
  EXPECT_EQ(painter.GlyphsOn(250)[2].colour, Rgb(204, 0, 0));
  EXPECT_EQ(painter.TextOn(250), u"まいにち");
}

TEST_F(FillInTest, RightOnTheThirdAttemptEndsThroughTheReveal) {
  Start();
  Answer(drill, "a");
  Answer(drill, "i");
  Answer(drill, "nichi");
  EXPECT_TRUE(drill.complete);
  EXPECT_TRUE(drill.glossRevealed);
  EXPECT_FLOAT_EQ(drill.scoreDelta, 0.25f);
  EXPECT_NE(Painted(drill).FindText("Score: +0.250%"), nullptr);
}

TEST_F(FillInTest, RepeatedWrongAnswerCostsNothingAndKeepsTheHighlightOnTheLatest) {
  Start();
  Answer(drill, "a");
  Answer(drill, "i");
  Answer(drill, "a");
  EXPECT_EQ(drill.attemptsLeft, 1);
  EXPECT_EQ(drill.wrongCount, 2);
  EXPECT_EQ(drill.wrongPos, 2);
  EXPECT_TRUE(drill.lastTryWrong);
  const RecordingPainter painter = Painted(drill);
  EXPECT_EQ(painter.Find(Kind::Fill, {515, 46, 627, 65})->colour, Rgb(255, 51, 51));
  EXPECT_EQ(painter.GlyphsOn(64)[0].glyph, u'い');
  EXPECT_EQ(painter.GlyphsOn(45)[0].colour, Rgb(204, 0, 0));
}

TEST_F(FillInTest, RevealCostsWithoutSoundAndKeysOfDisabledButtonsClear) {
  Start();
  Type(drill, "ni");
  drill.OnKeyDown(vk::kF12);
  EXPECT_FLOAT_EQ(drill.scoreDelta, -0.75f);
  EXPECT_TRUE(sound.played.empty());
  EXPECT_EQ(drill.typedCount, 0u);
  drill.OnKeyDown(vk::kF12);  // disabled now: scores nothing twice
  EXPECT_FLOAT_EQ(Progress("日").score, 49.25f);
}

TEST_F(FillInTest, WithoutMasteryEffectTheScoreShowsButDoesNotMove) {
  profile.settings.fillInNoMasteryEffect = true;
  Start();
  Answer(drill, "nichi");
  EXPECT_FLOAT_EQ(Progress("日").score, 50.0f);
  EXPECT_NE(Painted(drill).FindText("Score: +0.750%"), nullptr);
}

TEST_F(FillInTest, AnswersAreAlwaysHiragana) {
  drill.converter.katakana = true;
  Start();
  EXPECT_FALSE(drill.converter.katakana);
  Type(drill, "ni\t");
  EXPECT_FALSE(drill.converter.katakana);
  EXPECT_EQ(drill.typedCount, 1u);
}

TEST_F(FillInTest, MeaningsAndGlossRevealByKeyAndClickWithoutScoring) {
  Start();
  drill.OnKeyDown(vk::kF4);
  EXPECT_TRUE(drill.glossRevealed);
  drill.OnClick(100, 10);
  EXPECT_TRUE(drill.meaningsRevealed);
  EXPECT_FALSE(drill.scoreShown);
  EXPECT_EQ(windows.repainted.back(), kFillInWindow);
  EXPECT_EQ(Painted(drill).FindText("every day")->rect, (Rect{115, 277, 505, 323}));
}

TEST_F(FillInTest, SwappedSpaceAndEnter) {
  profile.settings.reverseSpaceEnter = true;
  Start();
  Type(drill, "nichi");
  drill.OnKeyDown(vk::kSpace);
  EXPECT_TRUE(drill.complete);
  drill.OnChar('\r');
  EXPECT_FALSE(drill.complete);
  EXPECT_EQ(buttons.WithCommand(Drill::CmdNext)->label, "Next (Space)");
  Painted(drill);
  EXPECT_EQ(buttons.WithCommand(Drill::CmdNext)->label, "Next (Enter)");
}

TEST_F(FillInTest, KanjiWithoutReadingsGetsAFiniteSignedChange) {
  database.kanji[0].onReadings.clear();
  database.kanji[0].kunReadings.clear();
  Start();
  Answer(drill, "nichi");
  EXPECT_FLOAT_EQ(drill.scoreDelta, 3.0f);
  drill.OnKeyDown(vk::kF9);
  drill.OnKeyDown(vk::kF12);
  EXPECT_FLOAT_EQ(drill.scoreDelta, -3.0f);
}

struct FilterCase {
  const char* name;
  std::int16_t readingType;
  const char* part;
  bool accepted;
  const char* expected;
};

TEST_F(FillInTest, ReadingTypeFilterDecidesByMarkAndBaseReading) {
  const FilterCase cases[] = {
      {"all takes any part", 0, "＜ぜ", true, "ぜ"},
      {"KUN only refuses an ON mark", 1, "＜ひ", false, ""},
      {"KUN only takes a KUN reading", 1, "ひ", true, "ひ"},
      {"KUN only matches the base reading", 1, "び（ひ）", true, "び"},
      {"KUN only refuses an ON reading", 1, "にち", false, ""},
      {"ON only refuses a KUN mark", -1, "＞にち", false, ""},
      {"ON only compares in hiragana", -1, "にち", true, "にち"},
      {"ON only with a mark and base", -1, "＜にっ（にち）", true, "にっ"},
      {"ON only refuses a KUN reading", -1, "ひ", false, ""},
      {"special mark is dropped", 0, "＆か", true, "か"},
      {"nothing to type is refused", 0, "＜", false, ""},
  };
  for (const FilterCase& c : cases) {
    SCOPED_TRACE(c.name);
    database.examples.clear();
    AddExample("毎日", {"まい", c.part}, "every day", 8);
    profile.settings.fillInReadingType = c.readingType;
    EXPECT_EQ(drill.TryCard(Code("日")), c.accepted);
    if (c.accepted) {
      EXPECT_EQ(drill.expected, Codes(c.expected));
    }
  }
}

TEST_F(FillInTest, WordsWithoutARegularPartForTheKanjiAreRejected) {
  AddExample("二日", {}, "second day", 3, "ふつか");
  EXPECT_FALSE(drill.TryCard(Code("日")));
  AddExample("毎日", {"まい"}, "parts short of the kanji", 8);
  EXPECT_FALSE(drill.TryCard(Code("日")));
}

TEST_F(FillInTest, NoUsableWordTellsTheLearnerWithoutEndingAndNextRecovers) {
  AddExample("二日", {}, "second day", 3, "ふつか");
  drill.NextCard();  // ends the process in the original; must not here
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text,
            "Failing to find acceptable example for fill-in drill.  Examples set may be too small "
            "or corrupted.");
  EXPECT_EQ(system.messages[0].caption, "Error");
  EXPECT_EQ(system.messages[0].owner, kMainWindow);
  EXPECT_EQ(drill.cardKanji, nullptr);
  EXPECT_FALSE(drill.TakesInput());
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  EXPECT_FALSE(buttons.Enabled(Drill::CmdReveal));
  Answer(drill, "nichi");
  drill.OnKeyDown(vk::kF12);
  EXPECT_TRUE(sound.played.empty());
  const RecordingPainter painter = Painted(drill);
  EXPECT_TRUE(painter.GlyphsOn(180).empty());

  AddExample("毎日", {"まい", "にち"}, "every day", 8);
  drill.OnCommand(Drill::CmdNext);
  EXPECT_EQ(drill.cardKanji, &database.kanji[0]);
  EXPECT_TRUE(drill.TakesInput());
}

TEST_F(FillInTest, NoActiveKanjiShowsNoCardWithoutRetrying) {
  profile.activeList.clear();
  profile.progress[0].active = false;
  AddExample("毎日", {"まい", "にち"}, "every day", 8);
  drill.NextCard();
  EXPECT_EQ(drill.cardKanji, nullptr);
  EXPECT_LE(system.messages.size(), 1u);  // the study model's own word, once
  EXPECT_TRUE(buttons.Enabled(Drill::CmdNext));
  EXPECT_EQ(profile.notesKanji, 0);
}

TEST_F(FillInTest, SentencesOfTheWordOpenInTheSentencesWindow) {
  const std::string longJapanese(3000, 'x');
  WriteUtf16File(dir / KanjiDatabase::kSentencesFileName,
                 "A: 毎日です。\tEvery day, café.\r\n"
                 "B: 毎日 です\r\n"
                 "A: " +
                     longJapanese +
                     "\tLong.\r\n"
                     "B: 毎日\r\n");
  database.LoadSentencesFile();
  Start();
  ASSERT_EQ(drill.sentenceOffsets.size(), 2u);
  EXPECT_EQ(Painted(drill).FindText("Sentences")->rect, (Rect{450, 410, 550, 430}));
  drill.OnClick(455, 415);
  EXPECT_TRUE(system.messages.empty());
  EXPECT_TRUE(sentences.shown);
  EXPECT_TRUE(sentences.onTop);
  EXPECT_TRUE(sentences.selectionAtStart);
  const std::u16string expected = u"毎日です。\r\nEvery day, caf\u00e9.\r\n\r\n" +
                                  std::u16string(3000, u'x') + u"\r\nLong.\r\n\r\n";
  EXPECT_EQ(sentences.text, expected);
}

}  // namespace
