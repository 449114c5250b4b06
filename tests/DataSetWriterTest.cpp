// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's parts: its reading rules, its split of readings per kanji, its choice of
// examples, and the files it writes, read back by the program's own loaders.
#include "tools/DataSetWriter.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

#include "tests/DataFilesFixture.h"
#include "tests/ToolTestData.h"
#include "text/KanjiFactsFile.h"
#include "tools/Chime.h"
#include "tools/ExampleSelector.h"
#include "tools/KanjiEntry.h"
#include "tools/PartReading.h"
#include "tools/ProgressBar.h"
#include "tools/ReadingAligner.h"
#include "tools/StudyList.h"
#include "tools/TanakaCorpus.h"
#include "tools/Utf8.h"

namespace {

std::string Written(const std::vector<Reading>& readings) {
  std::string text;
  for (const Reading& reading : readings) {
    if (!text.empty()) text += "／";
    text += Utf8(reading.written);
  }
  return text;
}

TEST(KanjiEntryTest, WritesKanjidicMarksAsOkuriganaAndPositionMarks) {
  const struct {
    const char* kanjidic;
    const char* written;
    const char* bare;
  } cases[] = {
      {"た.べる", "た（べる）", "た"},
      {"-ぬ", "―ぬ", "ぬ"},
      {"こ-", "こ―", "こ"},
      {"-う.け", "―う（け）", "う"},
      {"おお.いに-", "おお（いに）―", "おお"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kanjidic);
    const JisString written = WrittenReading(Jis(c.kanjidic));
    EXPECT_EQ(Utf8(written), c.written);
    EXPECT_EQ(Utf8(BareReading(written)), c.bare);
  }
}

// Readings of one kind with the same bare form merge into the most informative written form;
// ON readings plus する or じる, and readings a learner cannot type, are left out.
TEST(KanjiEntryTest, MergesReadingsSharingABareFormAndDropsOnesALearnerCannotUse) {
  const struct {
    const char* kanjidic;
    const char *on, *kun;
    int merged, suruNoise, untypeable;
  } cases[] = {
      {"上 ジョウ ショウ うえ あ.げる あ.がる あ.がり かみ うわ-", "ジョウ／ショウ",
       "うえ／あ（げる）／かみ／うわ―", 2, 0, 0},
      {"生 セイ う.まれる なま なま- -う う.む", "セイ", "う（まれる）／なま", 3, 0, 0},
      {"行 コウ -い.き い.く", "コウ", "い（く）", 1, 0, 0},
      {"上 ジョウ あ.げる -あ.げる あ.がる", "ジョウ", "あ（げる）", 2, 0, 0},
      {"労 ロウ ダース キロメートル ろう.する いたわ.る ろう.じる ねぎら.う", "ロウ",
       "いたわ（る）／ねぎら（う）", 0, 2, 2},
      {"瓩 キログラム", "キログラム", "", 0, 0, 0},  // six kana is still an answer
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kanjidic);
    ReadingRuleCounts counts;
    const KanjiEntry entry = TestKanji(c.kanjidic, 0, 0, &counts);
    EXPECT_EQ(Written(entry.on), c.on);
    EXPECT_EQ(Written(entry.kun), c.kun);
    EXPECT_EQ(std::tuple(counts.merged, counts.suruNoise, counts.untypeable),
              std::tuple(c.merged, c.suruNoise, c.untypeable));
  }
  // The aligner still knows every okurigana the merged readings had.
  const KanjiEntry up = TestKanji(cases[0].kanjidic);
  ASSERT_EQ(up.kun[1].okurigana.size(), 3u);
  EXPECT_EQ(Utf8(up.kun[1].okurigana[2]), "がり");
  EXPECT_TRUE(up.kun[0].standsAlone);
  EXPECT_FALSE(up.kun[1].standsAlone);
}

// A small kanjidic of the kanji the cases use, written like the real one.
const ReadingAligner& Aligner() {
  static const std::vector<KanjiEntry> kanji = TestKanjiSet({
      "一 イチ イツ ひと- ひと.つ", "杯 ハイ さかずき", "手 シュ ズ て て- -て た-", "紙 シ かみ",
      "今 コン キン いま", "日 ニチ ジツ ひ -び -か", "漢 カン", "字 ジ あざ あざな -な",
      "受 ジュ う.ける -う.け う.かる", "付 フ つ.ける -つ.け つ.く -づ.く",
      "人 ジン ニン ひと -り -と", "時 ジ とき -どき", "学 ガク まな.ぶ", "校 コウ キョウ",
      "本 ホン もと", "食 ショク ジキ く.う く.らう た.べる",
      "出 シュツ スイ で.る -で だ.す い.でる", "口 コウ ク くち", "引 イン ひ.く ひ.ける",
      "此 シ これ この ここ", "四 シ よ よ.つ よっ.つ よん", "二 ニ ジ ふた ふた.つ",
      "月 ゲツ ガツ つき", "茶 チャ サ", "三 サン ゾウ み み.つ", "差 サ さ.す",
      "別 ベツ わか.れる わ.ける", "発 ハツ ホツ た.つ", "表 ヒョウ おもて あらわ.す",
      "山 サン セン やま", "切 セツ サイ き.る", "生 セイ ショウ い.きる う.まれる なま",
      "天 テン あま- あめ", "皇 コウ オウ", "音 オン イン おと ね",
      "明 メイ ミョウ あ.かり あ.ける あ.く",
  });
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
      // Okurigana the word leaves unwritten stay inside the kanji's part.
      {"受付", "うけつけ", "うけ（う）／つけ（つ）"},
      {"引出し", "ひきだし", "ひき（ひ）／だ／し"},
      // Rendaku, naming the dictionary reading.
      {"手紙", "てがみ", "て／がみ（かみ）"},
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
    const Alignment alignment = Aligner().Align(Jis(c.word), Jis(c.reading));
    const std::string field = c.field;
    EXPECT_EQ(Utf8(alignment.field), field);
    // The class and the parts agree with the field.
    const bool irregular = field.find("＊") != std::string::npos;
    EXPECT_EQ(alignment.type, irregular                                ? AlignmentClass::kIrregular
                              : field.find("＆") != std::string::npos ? AlignmentClass::kSpecial
                                                                       : AlignmentClass::kAligned);
    std::string parts;
    for (const JisString& part : alignment.parts) parts += (parts.empty() ? "" : "／") + Utf8(part);
    EXPECT_EQ(parts, irregular ? "" : field);
  }
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

EdictEntry Word(const char* word, const char* reading, bool common) {
  EdictEntry entry;
  entry.word = Jis(word);
  entry.reading = Jis(reading);
  entry.meaning = std::string("meaning of ") + reading;
  entry.common = common;
  return entry;
}

class ExampleSelectorTest : public ::testing::Test {
 protected:
  std::vector<KanjiEntry> kanji =
      TestKanjiSet({"山 サン セン やま", "川 セン かわ", "本 ホン もと"});
  ReadingAligner aligner{kanji};

  ExampleSelection Select(const std::vector<EdictEntry>& entries) {
    return SelectExamples(entries, kanji, aligner, FullCharacterTable(), nullptr);
  }
  static std::vector<std::string> Words(const ExampleSelection& selection) {
    std::vector<std::string> words;
    for (const Example& example : selection.examples) words.push_back(Utf8(example.word));
    return words;
  }
};

// Katakana is fine for an example; a word without a kanji, with a character the program lacks,
// or with a reading that is not kana is left out.
TEST_F(ExampleSelectorTest, TakesEveryCommonWordItCanShowAndNoWordWithoutAKanji) {
  std::vector<EdictEntry> entries = {
      Word("本山", "ほんざん", true), Word("やま", "やま", true), Word("山川", "やまかわ", true),
      Word("山", "サン", true),       Word("Ｂ山", "ビーやま", true), Word("山", "やま", true),
      Word("山", "やま", true)};
  entries[5].word.push_back(0x2F21);  // row 15 of JIS X 0208 is empty
  entries[6].reading = u"ya";
  for (int n = 0; n < 12; ++n) entries.push_back(Word("本山", "ほんさん", false));
  const ExampleSelection selection = Select(entries);
  EXPECT_EQ(std::pair(selection.commonWords, selection.commonAligned), std::pair(4, 2));
  // The repeated pair counts once.
  EXPECT_EQ(Words(selection), (std::vector<std::string>{"山", "本山", "山川", "Ｂ山", "本山"}));
}

TEST_F(ExampleSelectorTest, TopsUpKanjiWithFewExamplesUpToTen) {
  std::vector<EdictEntry> entries;
  const char* words[][2] = {
      {"川", "かわ"},         {"小川", "おがわ"},         {"川上", "かわかみ"},
      {"川口", "かわぐち"},   {"川辺", "かわべ"},         {"川下", "かわしも"},
      {"川原", "かわら"},     {"川上り", "かわのぼり"},   {"川下り", "かわくだり"},
      {"大川", "おおかわ"},   {"川中", "かわなか"},       {"川田", "かわた"},
      {"川本", "かわもと"}};
  for (const auto& w : words) entries.push_back(Word(w[0], w[1], false));
  entries[1].usuallyKana = true;  // 小川
  const ExampleSelection selection = Select(entries);
  EXPECT_EQ(selection.examples.size(), 10u);
  EXPECT_EQ(selection.availableWords[Jis("川")[0]], 13);
  const std::vector<std::string> chosen = Words(selection);
  const auto has = [&](const char* word) {
    return std::find(chosen.begin(), chosen.end(), word) != chosen.end();
  };
  // Words usually written in kana come last; of the others the regular ones (本 is a kanji of
  // the set, 田 is not) and the shorter ones first.
  EXPECT_FALSE(has("小川"));
  EXPECT_TRUE(has("川本"));
  EXPECT_FALSE(has("川上り"));
  EXPECT_EQ(chosen.front(), "川");
}

TEST_F(ExampleSelectorTest, AddsAnExampleForEachReadingEdictCanShow) {
  std::vector<EdictEntry> entries;
  const char* words[][2] = {
      {"山頂", "さんちょう"}, {"山脈", "さんみゃく"}, {"山岳", "さんがく"}, {"山村", "さんそん"},
      {"山腹", "さんぷく"},   {"山林", "さんりん"},   {"山荘", "さんそう"}, {"山菜", "さんさい"},
      {"山地", "さんち"},     {"山野", "さんや"}};
  for (const auto& w : words) entries.push_back(Word(w[0], w[1], true));
  entries.push_back(Word("山道", "やまみち", false));
  const ExampleSelection selection = Select(entries);
  // 山 has ten examples already, all read サン; one more shows やま.
  EXPECT_EQ(selection.examples.size(), 11u);
  EXPECT_EQ(Utf8(selection.examples.back().word), "山道");
  EXPECT_EQ(selection.readings, 7);  // 山 サン セン やま, 川 セン かわ, 本 ホン もと
  EXPECT_EQ(selection.readingsWithExample, 2);
  EXPECT_EQ(selection.readingsEdictLacks, 5);
}

TEST(ExampleWeightTest, RanksCommonWordsFirstAndKanaWordsLast) {
  EXPECT_GT(ExampleWeight(true, false, 2, 1), ExampleWeight(false, false, 2, 1));
  EXPECT_GT(ExampleWeight(false, false, 2, 1), ExampleWeight(true, true, 2, 1));
  EXPECT_GT(ExampleWeight(true, true, 2, 1), ExampleWeight(false, true, 2, 1));
  // Shorter words and more senses first.
  EXPECT_GT(ExampleWeight(false, false, 2, 1), ExampleWeight(false, false, 5, 1));
  EXPECT_GT(ExampleWeight(false, false, 2, 3), ExampleWeight(false, false, 2, 1));
  // Class beats length and senses.
  EXPECT_GT(ExampleWeight(false, false, 20, 1), ExampleWeight(true, true, 1, 10));
}


TEST(DataSetWriterTest, WritesLinesWithoutABreakAfterTheLastAndTheSourcesNotice) {
  TempDir dir;
  // Kanjidic's grades 7 (there is none) and 10 are written as 0 and 9.
  std::vector<KanjiEntry> kanji = {TestKanji("食 ショク ジキ く.う た.べる", 7),
                                   TestKanji("亜 ア", 10)};
  kanji[0].meaning = "eat, food";
  kanji[1].meaning = "Asia";
  ASSERT_TRUE(WriteKanjiFile(dir / "kanji_data.dat", kanji, FullCharacterTable()));
  EXPECT_EQ(
      ReadBytes(dir / "kanji_data.dat"),
      Utf16FileBytes("食\t0\tショク／ジキ\tく（う）／た（べる）\teat, food\r\n亜\t9\tア\t\tAsia"));
  std::vector<Example> examples(2);
  examples[0] = {Jis("一杯"), Jis("いっ（いち）／ぱい（はい）"), "cupful\tfull", 4165};
  examples[1] = {Jis("今日"), Jis("＊きょう"), "today", 7};
  ASSERT_TRUE(WriteExamplesFile(dir / "examples.dat", examples, FullCharacterTable()));
  EXPECT_EQ(ReadBytes(dir / "examples.dat"),  // a tab would end the meaning early
            Utf16FileBytes("一杯\t【いっ（いち）／ぱい（はい）】\t4165\tcupful full\r\n"
                           "今日\t【＊きょう】\t7\ttoday"));
  const JisString order = Jis("一人");
  ASSERT_TRUE(
      WriteStudyList(dir / "study_list.vls", {order.begin(), order.end()}, FullCharacterTable()));
  EXPECT_EQ(ReadBytes(dir / "study_list.vls"), Utf16FileBytes("一\r\n人\r\n"));
  const std::vector<KanjiFacts> facts = {{0x3021, 7, 1509, 1, 1, 8}, {0x306C, 1, 2, 4, 1, 1}};
  ASSERT_TRUE(WriteKanjiFacts(dir / kKanjiFactsFileName, facts, FullCharacterTable()));
  // The facts file is checked by reading it back; the builder's test loads the others.
  std::vector<KanjiFacts> read;
  std::string message;
  ASSERT_EQ(LoadKanjiFacts(dir / kKanjiFactsFileName, FullJisTable(), read, message),
            FactsLoad::kLoaded);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(std::tuple(read[1].code, read[1].jlpt, read[0].frequency),
            std::tuple(KanjiCode{0x306C}, std::uint8_t{4}, std::uint16_t{1509}));

  // Characters the table lacks are refused.
  examples[0].word = JisString(1, 0x2F21);
  EXPECT_FALSE(WriteExamplesFile(dir / "examples.dat", examples, FullCharacterTable()));

  // The notice names the sources and their licence, the corpus only when it is used.
  ASSERT_TRUE(WriteNotice(dir / "notice.txt", true) && WriteNotice(dir / "plain.txt", false));
  for (const char* needed : {"EDRDG", "KANJIDIC", "EDICT", "CC BY-SA 4.0", "Tanaka"}) {
    EXPECT_NE(ReadBytes(dir / "notice.txt").find(needed), std::string::npos) << needed;
  }
  EXPECT_EQ(ReadBytes(dir / "plain.txt").find("Tanaka"), std::string::npos);
}

TEST(StudyOrderTest, OrdersJouyouByGradeAndFrequencyThenJinmeiyou) {
  const std::vector<KanjiEntry> kanji = {
      TestKanji("亜", 8, 1509), TestKanji("一", 1, 2),   TestKanji("右", 1, 0),
      TestKanji("丑", 9, 0),    TestKanji("人", 1, 5),   TestKanji("丞", 10, 30),
      TestKanji("乂", 0, 0),    TestKanji("羽", 2, 800), TestKanji("六", 6, 0),
  };
  std::string order;
  for (KanjiCode code : StudyOrder(kanji)) order += Utf8(JisString(1, code));
  EXPECT_EQ(order, "一人右羽六亜丞丑");
}

TEST(ChimeTest, IsAShort16BitPcmWave) {
  const std::string wave = ChimeWave();
  ASSERT_GT(wave.size(), 44u);
  const auto u16 = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(wave[at]) |
                                 static_cast<unsigned char>(wave[at + 1]) << 8);
  };
  const auto u32 = [&](std::size_t at) { return u16(at) | u16(at + 2) << 16; };
  EXPECT_EQ(wave.substr(0, 4) + wave.substr(8, 8), "RIFFWAVEfmt ");
  // PCM, 16 bits, sizes that add up.
  EXPECT_EQ(std::tuple(u16(20), u16(34), u32(4), u32(40)),
            std::tuple(1u, 16u, wave.size() - 8, wave.size() - 44));
  const double seconds = static_cast<double>(u32(40)) / u32(28);
  EXPECT_TRUE(seconds > 0.2 && seconds < 1.5) << seconds;
  // It starts and ends in silence, so it does not click.
  EXPECT_EQ(u16(44) + u16(wave.size() - 2), 0u);
}

// Words lose their decorations; pairs without a word line are left out; the English keeps
// Latin-1 and marks the rest.
// (The builder's test reads a missing corpus.)
TEST(TanakaCorpusTest, WritesSentencePairsWithPlainWords) {
  std::istringstream in(
      "A: 彼は学生です。\tHe is a student.#ID=1_2\n"
      "B: 彼(かれ)[01] は 学生{学生です} です 二十歳(はたち){２０歳} なる[01]{になる}\n"
      "A: 行き先がない。\tNo café to go to.#ID=3_4\n"
      "A: 一。\tCafé — naïve.#ID=5_6\n"
      "B: 一(いち)~ 時(とき)[02]~ 何(なん){何の}\n");
  Utf16File out;
  EXPECT_EQ(ConvertTanakaLines(in, out), 2);
  EXPECT_EQ(out.bytes(),
            Utf16FileBytes("A: 彼は学生です。\tHe is a student.\r\n"
                           "B: 彼 は 学生 です 二十歳 なる\r\n"
                           "A: 一。\tCafé ? naïve.\r\nB: 一 時 何\r\n"));
}

TEST(ProgressBarTest, RedrawsOneLineAndClearsItAtTheEndOrStaysSilentWhenDisabled) {
  for (const bool enabled : {true, false}) {
    SCOPED_TRACE(enabled);
    std::FILE* file = std::tmpfile();
    ASSERT_NE(file, nullptr);
    ProgressBar bar(file, enabled);
    bar.Show("reading edict", 0.5);
    bar.Show("reading edict", 0.5);  // unchanged: not drawn again
    bar.Finish();
    std::rewind(file);
    std::string text;
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) text += static_cast<char>(c);
    std::fclose(file);
    EXPECT_EQ(text.empty(), !enabled);
    if (!enabled) continue;
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.find("50% reading edict"), std::string::npos);
    EXPECT_EQ(text.find("50%"), text.rfind("50%"));
    EXPECT_EQ(text.back(), '\r');
  }
}

TEST(HostileDictionaryTest, Utf8DecoderRefusesIllFormedSequencesOneReplacementPerBrokenPart) {
  const struct {
    const char* bytes;
    std::u16string text;
  } cases[] = {
      {"\xC0\x8D", u"\uFFFD\uFFFD"},                // overlong CR
      {"\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},      // overlong solidus
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},      // a surrogate
      {"\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},  // beyond U+10FFFF
      {"\xF8\x88\x80\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD\uFFFD"},
      {"a\xE3\x81" "b", u"a\uFFFDb"},  // cut short: the next character survives
      {"\xE3\x81\x82\xC2\x80\xF0\x9F\x98\x80", u"\u3042\u0080\U0001F600"},
      {"\xED\x9F\xBF\xEF\xBF\xBD\xF4\x8F\xBF\xBF", u"\uD7FF\uFFFD\U0010FFFF"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(DecodeUtf8(c.bytes), c.text);
  }
}


}  // namespace
