#include "drills/MissReason.h"

#include <gtest/gtest.h>

#include "drills/FillInDrill.h"
#include "drills/Keys.h"
#include "drills/ReadingsDrill.h"
#include "tests/DrillFixture.h"

namespace {

struct MissCase {
  const char* name;
  const char* typed;
  std::int16_t wanted;  // the column (script) or the word's kind
  MissKind kind;
  const char* reading;  // the reading named, "" for none
  bool givesAway;
};

// The readings of a card: 日 (ニチ ジツ / ひ か), 十 (ジュウ ジッ / とお), 学 (ガク / まな),
// 本 (ホン / もと); ジツ is already found, the rest hidden.
std::vector<MissTarget> ReadingsTargets() {
  std::vector<MissTarget> targets;
  for (const char* on : {"ニチ", "ジツ", "ジュウ", "ジッ", "ガク", "ホン"}) {
    targets.push_back({Codes(on), kMissOn, true, std::string(on) == "ジツ"});
  }
  for (const char* kun : {"ひ", "か", "とお", "まな", "もと"}) {
    targets.push_back({Codes(kun), kMissKun, true, false});
  }
  return targets;
}

TEST(MissReasonTest, ReadingsAnswersAgainstTheCardsReadings) {
  const MissCase cases[] = {
      {"worked example's wrong try", "た", kMissKun, MissKind::None, "", false},
      {"worked example's other wrong try", "て", kMissKun, MissKind::None, "", false},
      {"a right answer is no miss", "ニチ", kMissOn, MissKind::None, "", false},
      {"KUN reading in the ON column", "ヒ", kMissOn, MissKind::WrongScript, "ひ", false},
      {"ON reading in the KUN column", "にち", kMissKun, MissKind::WrongScript, "ニチ", false},
      {"long vowel left out", "ジュ", kMissOn, MissKind::LongVowel, "ジュウ", true},
      {"long vowel as a bar", "ジュー", kMissOn, MissKind::LongVowel, "ジュウ", true},
      {"long vowel spelled with u", "とう", kMissKun, MissKind::LongVowel, "とお", true},
      {"long vowel added, other script", "ヒイ", kMissOn, MissKind::LongVowel, "ひ", true},
      {"a found reading again is no miss", "ジツ", kMissOn, MissKind::None, "", false},
      {"small tsu added", "ニッチ", kMissOn, MissKind::SmallTsu, "ニチ", true},
      {"voiced mark missing", "カク", kMissOn, MissKind::VoicedMark, "ガク", true},
      {"semi-voiced for plain", "ポン", kMissOn, MissKind::VoicedMark, "ホン", true},
      {"n left out", "ホ", kMissOn, MissKind::SyllabicN, "ホン", true},
      {"a doubled kana is no slip", "ジジツ", kMissOn, MissKind::None, "", false},
      {"near miss of a found reading", "ジヅ", kMissOn, MissKind::VoicedMark, "ジツ", false},
      {"near miss in the other script", "じゅ", kMissKun, MissKind::LongVowel, "ジュウ", true},
      {"two slips are no near miss", "カコ", kMissOn, MissKind::None, "", false},
      {"nothing typed", "", kMissOn, MissKind::None, "", false},
  };
  const std::vector<MissTarget> targets = ReadingsTargets();
  for (const MissCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MissReason reason = ExplainMiss(Codes(c.typed), targets, c.wanted);
    EXPECT_EQ(reason.kind, c.kind);
    EXPECT_EQ(reason.reading, Codes(c.reading));
    EXPECT_EQ(reason.givesAnswerAway, c.givesAway);
  }
}

TEST(MissReasonTest, FillInAnswersAgainstTheWordAndTheKanjisReadings) {
  // 毎日: the word reads the kanji にち (ON); its other readings are no answer here.
  const std::vector<MissTarget> targets{{Codes("にち"), kMissOn, true, false},
                                        {Codes("にち"), kMissOn, false, true},
                                        {Codes("じつ"), kMissOn, false, true},
                                        {Codes("ひ"), kMissKun, false, true},
                                        {Codes("か"), kMissKun, false, true}};
  const MissCase cases[] = {
      {"KUN reading for an ON part", "ひ", kMissOn, MissKind::OtherKind, "ひ", false},
      {"another ON reading", "じつ", kMissOn, MissKind::OtherReading, "じつ", false},
      {"part of unknown kind", "ひ", 0, MissKind::OtherReading, "ひ", false},
      {"small tsu for chi", "にっ", kMissOn, MissKind::SmallTsu, "にち", true},
      {"plain wrong", "まい", kMissOn, MissKind::None, "", false},
  };
  for (const MissCase& c : cases) {
    SCOPED_TRACE(c.name);
    const MissReason reason = ExplainMiss(Codes(c.typed), targets, c.wanted);
    EXPECT_EQ(reason.kind, c.kind);
    EXPECT_EQ(reason.reading, Codes(c.reading));
    EXPECT_EQ(reason.givesAnswerAway, c.givesAway);
  }
}

TEST(MissReasonTest, TextsNameTheKindsAndTheKeyThatSwitchesScripts) {
  const auto text = [](MissKind kind, std::int16_t readingKind, std::int16_t wanted,
                       const char* reading, const char* where, bool tab) {
    return MissReasonText({kind, readingKind, wanted, Codes(reading), false}, where, tab);
  };
  EXPECT_EQ(text(MissKind::WrongScript, kMissKun, kMissOn, "ひ", "column", true),
            "That is a KUN reading; this column wants ON. Press Tab to switch to hiragana.");
  EXPECT_EQ(text(MissKind::WrongScript, kMissOn, kMissKun, "ニチ", "column", true),
            "That is an ON reading; this column wants KUN. Press Tab to switch to katakana.");
  EXPECT_EQ(text(MissKind::WrongScript, kMissOn, kMissOn, "ニチ", "column", false),
            "Right reading, wrong script. Type it in katakana.");
  EXPECT_EQ(text(MissKind::OtherKind, kMissKun, kMissOn, "ひ", "word", false),
            "That is a KUN reading; this word wants ON.");
  EXPECT_EQ(text(MissKind::None, 0, 0, "", "word", false), "");
}

// The worked example of the Readings drill: 日 with 2 ON and 2 KUN readings, found in six
// attempts. Its two wrong tries here are readings in the wrong script.
class ForgivingReadingsTest : public DrillTest {
 protected:
  ForgivingReadingsTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ"), Reading("か")});
    drill.CreateControls();
    drill.NextCard();
  }
  void PlayWorkedExample() {
    Answer(drill, "nichi");
    Answer(drill, "jitsu");
    Answer(drill, "hi");  // ヒ: the KUN reading in katakana
    drill.OnChar('\t');
    Answer(drill, "nichi");  // にち: the ON reading in hiragana
    Answer(drill, "hi");
    Answer(drill, "ka");
  }
  ReadingsDrill drill{Host(kReadingsWindow)};
};

TEST_F(ForgivingReadingsTest, OffCountsWrongScriptTriesAsTheWorkedExampleScores) {
  PlayWorkedExample();
  EXPECT_EQ(drill.wrongCount, 2);
  EXPECT_EQ(drill.cardScore, 94);
  EXPECT_EQ(drill.wrongReasons[0].kind, MissKind::WrongScript);
  EXPECT_EQ(drill.wrongReasons[1].reading, Codes("ニチ"));
  EXPECT_NE(Painted(drill).FindText("That is an ON reading; this column wants KUN. Press Tab to "
                                    "switch to katakana."),
            nullptr);
}

TEST_F(ForgivingReadingsTest, OnRefusesWrongScriptTriesFreeOfCharge) {
  drill.forgiveOtherKind = true;
  Answer(drill, "hi");
  EXPECT_TRUE(drill.tryRefused);
  EXPECT_EQ(drill.attemptsLeft, 12);
  EXPECT_EQ(drill.wrongCount, 0);
  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("Not counted:"), nullptr);
  EXPECT_NE(painter.FindText("That is a KUN reading; this column wants ON. Press Tab to switch "
                             "to hiragana."),
            nullptr);
  Answer(drill, "ta");  // an ordinary wrong answer still counts
  EXPECT_FALSE(drill.tryRefused);
  EXPECT_EQ(drill.attemptsLeft, 11);
}

TEST_F(ForgivingReadingsTest, OnScoresTheWorkedExampleWithoutItsWrongScriptTries) {
  drill.forgiveOtherKind = true;
  PlayWorkedExample();
  EXPECT_EQ(drill.wrongCount, 0);
  EXPECT_EQ(drill.cardScore, 100);
}

TEST_F(ForgivingReadingsTest, NearMissOfAHiddenReadingWaitsForTheCardsEnd) {
  Answer(drill, "nicchi");
  EXPECT_EQ(drill.wrongReasons[0].kind, MissKind::SmallTsu);
  EXPECT_EQ(drill.ShownMissReason().kind, MissKind::None);
  EXPECT_EQ(Painted(drill).FindText("Close to"), nullptr);
  drill.OnKeyDown(vk::kF12);
  const RecordingPainter painter = Painted(drill);
  EXPECT_NE(painter.FindText("A small tsu apart."), nullptr);
  EXPECT_NE(painter.FindText("Close to"), nullptr);
}

// The Fill-in worked examples with 毎日 (まい/にち) and a kanji of four readings.
class ForgivingFillInTest : public DrillTest {
 protected:
  ForgivingFillInTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ"), Reading("か")});
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    drill.CreateControls();
    drill.NextCard();
  }
  FillInDrill drill{Host(kFillInWindow)};
};

TEST_F(ForgivingFillInTest, KunReadingBeforeTheRightAnswerCostsAnAttemptOnlyWhenOff) {
  struct {
    bool forgive;
    int attemptsAfterKun;
    float delta;
  } const cases[] = {{false, 2, 0.375f}, {true, 3, 0.75f}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.forgive);
    drill.NextCard();
    drill.forgiveOtherKind = c.forgive;
    Answer(drill, "hi");
    EXPECT_EQ(drill.attemptsLeft, c.attemptsAfterKun);
    EXPECT_NE(Painted(drill).FindText("That is a KUN reading; this word wants ON."), nullptr);
    Answer(drill, "nichi");
    EXPECT_FLOAT_EQ(drill.scoreDelta, c.delta);
  }
}

TEST_F(ForgivingFillInTest, ThreeWrongAnswersStillLoseWithTheOptionOn) {
  drill.forgiveOtherKind = true;
  for (const char* wrong : {"mai", "ni", "nicchi"}) Answer(drill, wrong);
  EXPECT_FLOAT_EQ(drill.scoreDelta, -0.75f);
  EXPECT_NE(Painted(drill).FindText("A small tsu apart."), nullptr);
}

}  // namespace
