// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ReadingAligner.h"

#include <gtest/gtest.h>

#include "tests/ToolTestData.h"
#include "tools/PartReading.h"

namespace {

// A small kanjidic of the kanji the cases use, written like the real one.
const ReadingAligner& Aligner() {
  static const std::vector<KanjiEntry> kanji =
      TestKanjiSet({"一 イチ イツ ひと- ひと.つ", "杯 ハイ さかずき", "手 シュ ズ て て- -て た-", "紙 シ かみ", "今 コン キン いま",
                    "日 ニチ ジツ ひ -び -か", "漢 カン", "字 ジ あざ あざな -な", "受 ジュ う.ける -う.け う.かる",
                    "付 フ つ.ける -つ.け つ.く -づ.く", "人 ジン ニン ひと -り -と", "時 ジ とき -どき", "学 ガク まな.ぶ",
                    "校 コウ キョウ", "本 ホン もと", "食 ショク ジキ く.う く.らう た.べる", "出 シュツ スイ で.る -で だ.す い.でる",
                    "口 コウ ク くち", "引 イン ひ.く ひ.ける", "此 シ これ この ここ", "四 シ よ よ.つ よっ.つ よん",
                    "二 ニ ジ ふた ふた.つ", "月 ゲツ ガツ つき", "茶 チャ サ", "三 サン ゾウ み み.つ", "差 サ さ.す",
                    "別 ベツ わか.れる わ.ける", "発 ハツ ホツ た.つ", "表 ヒョウ おもて あらわ.す", "山 サン セン やま", "切 セツ サイ き.る",
                    "生 セイ ショウ い.きる う.まれる なま", "天 テン あま- あめ", "皇 コウ オウ", "音 オン イン おと ね",
                    "明 メイ ミョウ あ.かり あ.ける あ.く"});
  static const ReadingAligner aligner(kanji);
  return aligner;
}

TEST(ReadingAlignerTest, SplitsReadingsIntoTheKanjisParts) {
  const struct {
    const char* word;
    const char* reading;
    const char* field;
  } cases[] = {
      // ON compounds, split by the kanji's readings.
      {"漢字", "かんじ", "かん／じ"},
      {"発表", "はっぴょう", "はっ（はつ）／ぴょう（ひょう）"},
      // KUN words: the stem, then the okurigana as their own parts.
      {"食べる", "たべる", "た／べ／る"},
      {"生きる", "いきる", "い／き／る"},
      // Okurigana the word leaves unwritten stay inside the kanji's part.
      {"受付", "うけつけ", "うけ（う）／つけ（つ）"},
      {"引出し", "ひきだし", "ひき（ひ）／だ／し"},
      // Rendaku, naming the dictionary reading.
      {"手紙", "てがみ", "て／がみ（かみ）"},
      {"山口", "やまぐち", "やま／ぐち（くち）"},
      // Gemination before K, S, T and P sounds only.
      {"一杯", "いっぱい", "いっ（いち）／ぱい（はい）"},
      {"学校", "がっこう", "がっ（がく）／こう"},
      {"一月", "いちがつ", "いち／がつ"},
      // A vowel linked to a preceding ん, and not without one.
      {"天皇", "てんのう", "てん／のう（おう）"},
      {"皇音", "おうのん", "おう／＆のん"},
      // The repetition mark reads as the previous kanji, possibly voiced.
      {"人々", "ひとびと", "ひと／びと"},
      {"時々", "ときどき", "とき／どき"},
      // The small ke reads as ka, ga or ko.
      {"三ヶ月", "さんかげつ", "さん／か／げつ"},
      // Kana and numerals as parts of their own.
      {"お茶", "おちゃ", "お／ちゃ"},
      {"切手", "きって", "きっ（き）／て"},
      {"此れ", "これ", "こ（これ）／れ"},
      {"４月", "しがつ", "し／がつ"},
      {"１４日", "じゅうよっか", "じゅう／よっ／か"},
      // Marks for kana that is both an ON and a KUN reading.
      {"差別", "さべつ", "＜さ／べつ"},
      {"差す", "さす", "＞さ／す"},
      // One unmatched kanji is special; a word that cannot be split is irregular.
      {"日本", "にほん", "＆に／ほん"},
      {"今日", "きょう", "＊きょう"},
      // A verb's bare stem beside a special part: the word is read as a whole.
      {"明日", "あす", "＊あす"},
      {"明日", "みょうにち", "みょう／にち"},
      // A katakana reading cannot be blanked and typed, so the word stays whole.
      {"漢字", "カンジ", "＊カンジ"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.reading);
    EXPECT_EQ(Utf8(Aligner().Align(Jis(c.word), Jis(c.reading)).field), c.field);
  }
}

TEST(ReadingAlignerTest, ReportsTheClassAndThePartsOfTheSplit) {
  EXPECT_EQ(Aligner().Align(Jis("漢字"), Jis("かんじ")).type, AlignmentClass::kAligned);
  EXPECT_EQ(Aligner().Align(Jis("日本"), Jis("にほん")).type, AlignmentClass::kSpecial);
  const Alignment irregular = Aligner().Align(Jis("今日"), Jis("きょう"));
  EXPECT_EQ(irregular.type, AlignmentClass::kIrregular);
  EXPECT_TRUE(irregular.parts.empty());
  const Alignment parts = Aligner().Align(Jis("お茶"), Jis("おちゃ"));
  ASSERT_EQ(parts.parts.size(), 2u);
  EXPECT_EQ(Utf8(parts.parts[1]), "ちゃ");
}

TEST(PartReadingTest, DecidesLikeTheProgramsReadingQuery) {
  const struct {
    const char* word;
    const char* field;
    const char* kanji;
    const char* reading;
    int kind;
    bool shows;
  } cases[] = {
      {"一杯", "いっ（いち）／ぱい（はい）", "杯", "はい", -1, true},
      {"一杯", "いっ（いち）／ぱい（はい）", "杯", "ぱい", -1, false},
      {"差別", "＜さ／べつ", "差", "さ", 1, false},
      {"差す", "＞さ／す", "差", "さ", 1, true},
      {"漢字", "かん／じ", "字", "じ", 1, true},  // no mark: either kind
      {"今日", "＊きょう", "今", "きょう", -1, false},
      {"日本", "＆に／ほん", "日", "に", -1, false},
      {"人人", "ひと／びと（ひと）", "人", "ひと", 1, true},  // the first occurrence decides
      {"人人", "じん／ひと", "人", "ひと", 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.kanji + " " + c.reading);
    EXPECT_EQ(PartShowsReading(Jis(c.word), Jis(c.field), Jis(c.kanji)[0], Jis(c.reading), c.kind),
              c.shows);
  }
}

}  // namespace
