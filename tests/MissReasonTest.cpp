// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/MissReason.h"

#include <gtest/gtest.h>

#include "tests/DataFilesFixture.h"

namespace {

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

}  // namespace
