#include "tools/ReadingAligner.h"

#include <gtest/gtest.h>

#include "tests/ToolTestData.h"

namespace {

// A small kanjidic of the kanji the cases use, written like the real one.
const ReadingAligner& Aligner() {
  static const std::vector<KanjiEntry> kanji = TestKanjiSet({
      "一 イチ イツ ひと- ひと.つ",
      "杯 ハイ さかずき",
      "手 シュ ズ て て- -て た-",
      "紙 シ かみ",
      "今 コン キン いま",
      "日 ニチ ジツ ひ -び -か",
      "漢 カン",
      "字 ジ あざ あざな -な",
      "受 ジュ う.ける -う.け う.かる",
      "付 フ つ.ける -つ.け つ.く -づ.く",
      "人 ジン ニン ひと -り -と",
      "時 ジ とき -どき",
      "学 ガク まな.ぶ",
      "校 コウ キョウ",
      "国 コク くに",
      "本 ホン もと",
      "物 ブツ モツ もの もの-",
      "食 ショク ジキ く.う く.らう た.べる",
      "見 ケン み.る み.える み.せる",
      "出 シュツ スイ で.る -で だ.す い.でる",
      "口 コウ ク くち",
      "引 イン ひ.く ひ.ける",
      "此 シ これ この ここ",
      "四 シ よ よ.つ よっ.つ よん",
      "二 ニ ジ ふた ふた.つ",
      "月 ゲツ ガツ つき",
      "大 ダイ タイ おお- おお.きい",
      "取 シュ と.る",
      "締 テイ し.まる し.める",
      "役 ヤク エキ",
      "茶 チャ サ",
      "雨 ウ あめ あま- -さめ",
      "傘 サン かさ",
      "三 サン ゾウ み み.つ",
      "差 サ さ.す",
      "別 ベツ わか.れる わ.ける",
      "発 ハツ ホツ た.つ",
      "表 ヒョウ おもて あらわ.す",
      "山 サン セン やま",
      "登 トウ ト のぼ.る",
      "鉄 テツ くろがね",
      "砲 ホウ",
      "切 セツ サイ き.る",
      "生 セイ ショウ い.きる う.まれる なま",
      "活 カツ い.きる",
      "天 テン あま- あめ",
      "皇 コウ オウ",
      "観 カン み.る",
      "音 オン イン おと ね",
      "明 メイ ミョウ あ.かり あ.ける あ.く",
      "浮 フ う.く う.かれる",
      "気 キ ケ",
  });
  static const ReadingAligner aligner(kanji);
  return aligner;
}

struct Case {
  const char* word;
  const char* reading;
  const char* field;
};

void ExpectFields(const Case* cases, std::size_t count) {
  for (std::size_t n = 0; n < count; ++n) {
    const Case& c = cases[n];
    SCOPED_TRACE(c.word);
    EXPECT_EQ(Utf8(Aligner().Align(Jis(c.word), Jis(c.reading)).field), c.field);
  }
}

TEST(ReadingAlignerTest, SplitsPlainOnCompoundsByTheKanjisReadings) {
  const Case cases[] = {
      {"漢字", "かんじ", "かん／じ"},
      {"学校", "がっこう", "がっ（がく）／こう"},
      {"発表", "はっぴょう", "はっ（はつ）／ぴょう（ひょう）"},
      {"生活", "せいかつ", "せい／かつ"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, GivesKunWordsTheStemAndTheirOkuriganaItsOwnParts) {
  const Case cases[] = {
      {"食べる", "たべる", "た／べ／る"},
      {"見る", "みる", "み／る"},
      {"登る", "のぼる", "のぼ／る"},
      {"生きる", "いきる", "い／き／る"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, KeepsOkuriganaTheWordLeavesUnwrittenInsideTheKanjisPart) {
  const Case cases[] = {
      {"受付", "うけつけ", "うけ（う）／つけ（つ）"},
      {"取締役", "とりしまりやく", "とり（と）／しまり（し）／やく"},
      {"引出し", "ひきだし", "ひき（ひ）／だ／し"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, AllowsRendakuAndNamesTheDictionaryReading) {
  const Case cases[] = {
      {"手紙", "てがみ", "て／がみ（かみ）"},
      {"雨傘", "あまがさ", "あま／がさ（かさ）"},
      {"山口", "やまぐち", "やま／ぐち（くち）"},
      {"手本", "てほん", "て／ほん"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, AllowsGeminationBeforeKSTAndPSoundsOnly) {
  const Case cases[] = {
      {"一杯", "いっぱい", "いっ（いち）／ぱい（はい）"},
      {"鉄砲", "てっぽう", "てっ（てつ）／ぽう（ほう）"},
      {"一月", "いちがつ", "いち／がつ"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, LinksAVowelToAPrecedingN) {
  const Case cases[] = {
      {"天皇", "てんのう", "てん／のう（おう）"},
      {"観音", "かんのん", "かん／のん（おん）"},
      {"皇音", "おうのん", "おう／＆のん"},  // no ん before it: no liaison
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, ReadsTheRepetitionMarkAsThePreviousKanjiPossiblyVoiced) {
  const Case cases[] = {
      {"人々", "ひとびと", "ひと／びと"},
      {"時々", "ときどき", "とき／どき"},
      {"国々", "くにぐに", "くに／ぐに"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, ReadsTheSmallKeAsKaGaOrKo) {
  const Case cases[] = {
      {"三ヶ月", "さんかげつ", "さん／か／げつ"},
      {"三ヶ国", "さんかこく", "さん／か／こく"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, SplitsMixedOnKunWordsAndKanaParts) {
  const Case cases[] = {
      {"本物", "ほんもの", "ほん／もの"},
      {"お茶", "おちゃ", "お／ちゃ"},
      {"切手", "きって", "きっ（き）／て"},
      {"此れ", "これ", "こ（これ）／れ"},
      {"四月", "しがつ", "し／がつ"},
      {"４月", "しがつ", "し／がつ"},
      {"２１日", "にじゅういちにち", "にじゅう／いち／にち"},
      {"１４日", "じゅうよっか", "じゅう／よっ／か"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, MarksPartsWhoseKanaIsBothAnOnAndAKunReading) {
  const Case cases[] = {
      {"差別", "さべつ", "＜さ／べつ"},
      {"差す", "さす", "＞さ／す"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, MarksOneUnmatchedKanjiAsSpecialAndUnsplittableWordsAsIrregular) {
  const Case cases[] = {
      {"日本", "にほん", "＆に／ほん"},
      {"今日", "きょう", "＊きょう"},
      {"大人", "おとな", "＊おとな"},
      // A verb's bare stem beside a special part: the word is read as a whole.
      {"明日", "あす", "＊あす"},
      {"浮気", "うわき", "＊うわき"},
      {"明日", "みょうにち", "みょう／にち"},
      // A katakana reading cannot be blanked and typed, so the word stays whole.
      {"漢字", "カンジ", "＊カンジ"},
  };
  ExpectFields(cases, std::size(cases));
}

TEST(ReadingAlignerTest, ReportsTheClassOfTheSplit) {
  EXPECT_EQ(Aligner().Align(Jis("漢字"), Jis("かんじ")).type, AlignmentClass::kAligned);
  EXPECT_EQ(Aligner().Align(Jis("日本"), Jis("にほん")).type, AlignmentClass::kSpecial);
  const Alignment irregular = Aligner().Align(Jis("今日"), Jis("きょう"));
  EXPECT_EQ(irregular.type, AlignmentClass::kIrregular);
  EXPECT_TRUE(irregular.parts.empty());
  const Alignment parts = Aligner().Align(Jis("お茶"), Jis("おちゃ"));
  ASSERT_EQ(parts.parts.size(), 2u);
  EXPECT_EQ(Utf8(parts.parts[1]), "ちゃ");
}

}  // namespace
