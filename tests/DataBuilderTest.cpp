// The dictionaries as the builder reads them, and the build.
#include "tools/DataBuilder.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/DataFilesFixture.h"
#include "tests/ToolTestData.h"
#include "tools/Edict.h"
#include "tools/Kanjidic.h"
#include "tools/StudyList.h"

namespace {

TEST(KanjidicTest, ReadsTheFieldsTheDataSetUsesAndSkipsHeadersCutLinesAndWrongCodes) {
  // Later stroke counts are common miscounts; fields inside a meaning are no fields; the data
  // set joins the English meanings and drops the others.
  const auto entry = ParseKanjidicLine(EucJp(
      "亜 3021 U4e9c B1 C7 G8 S7 S8 XJ05033 F1509 J1 N43 Yya4 Wa ア つ.ぐ T1 や つぎ {Asia} "
      "{あ} {come after S12 J3} {-ous}"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->code, Jis("亜")[0]);
  // Name readings after T1 are no readings.
  ASSERT_EQ(std::pair(entry->on.size(), entry->kun.size()), std::pair(1ul, 1ul));
  EXPECT_EQ(Utf8(entry->on[0]) + " " + Utf8(entry->kun[0]), "ア つ.ぐ");
  EXPECT_EQ(entry->meanings.size(), 4u);
  EXPECT_EQ(MakeKanjiEntry(*entry).meaning, "Asia, come after S12 J3, -ous");
  const std::vector<KanjiFacts> facts = FactsOf({MakeKanjiEntry(*entry)});
  ASSERT_EQ(facts.size(), 1u);
  EXPECT_EQ(std::tuple(facts[0].strokes, facts[0].jlpt, facts[0].radical, facts[0].frequency,
                       facts[0].grade),
            std::tuple(7, 1, 1, 1509, 8));

  EXPECT_FALSE(ParseKanjidicLine("# KANJIDIC JIS X 0208 Kanji Information File/").has_value());
  // A line ending after its code, in a buffer of exactly its size so a sanitizer sees a read
  // past it.
  const std::string cut = EucJp("亜 3021");
  const auto exact = std::make_unique<char[]>(cut.size());
  std::copy(cut.begin(), cut.end(), exact.get());
  EXPECT_FALSE(ParseKanjidicLine(std::string_view(exact.get(), cut.size())));
  // Position marks are kept; a line without a frequency has none.
  const auto yellow = ParseKanjidicLine(EucJp("黄 322B G2 コウ オウ き こ- {yellow}"));
  ASSERT_TRUE(yellow.has_value());
  EXPECT_EQ(yellow->frequency, 0);
  EXPECT_EQ(Utf8(yellow->kun.back()), "こ-");
  // Lines whose code disagrees with the kanji; in UTF-8 the first two bytes are another kanji.
  EXPECT_FALSE(ParseKanjidicLine("亜 3021 G8 ア {Asia}").has_value());
  EXPECT_FALSE(ParseKanjidicLine(EucJp("亜 3022 G8 ア {Asia}")).has_value());
}

std::vector<EdictEntry> Parse(const char* utf8) { return ParseEdictLine(EucJp(utf8)); }

// Each pair of a line as word, reading and the flags: "P" common, "uk" usually kana.
TEST(EdictTest, ReadsEverySpellingAndReadingPairWithItsFlagsAndLeavesOutRareForms) {
  const struct {
    const char* line;
    std::vector<std::string> pairs;
  } cases[] = {
      {"漢字 [かんじ] /(n) Chinese characters/kanji/(P)/", {"漢字 かんじ P"}},
      // EDICT2: forms tagged oK, ok and the like are dropped.
      {"受付;受け付け;受附(oK) [うけつけ;うけつき(ok)] /(n) reception/(P)/EntL1234567X/",
       {"受付 うけつけ P", "受け付け うけつけ P"}},
      // Common forms carry their own mark; a restricted reading goes with its spellings.
      {"分かる;解る(P) [わかる(P)] /(v5r) to understand/(P)/", {"分かる わかる", "解る わかる P"}},
      {"空;虚 [から;そら(空)] /(n) emptiness/", {"空 から", "空 そら", "虚 から"}},
      {"いさぎ良い [いさぎよい] /(iK) (adj-i) manly/", {}},
      {"古い字 [ふるいじ] /(n) (1) (obsc) old letter/(2) (arch) old type/", {}},
      // One archaic sense among modern ones does not make the word archaic.
      {"古字 [こじ] /(n) (1) old letter/(2) (arch) old type/", {"古字 こじ"}},
      {"ＡＢ [エービー] /(n) AB/", {"ＡＢ エービー"}},  // the selection checks for a kanji
      // (uk) counts on the first sense only.
      {"此れ [これ] /(pn) (uk) this/(P)/", {"此れ これ P uk"}},
      {"一杯 [いっぱい] /(n) (1) cupful/(adv) (2) (uk) fully/(P)/", {"一杯 いっぱい P"}},
      // A sense number too big for int makes the line damaged: nothing of it is read.
      {"字 [じ] /(1) letter/(2147483647) sign/", {"字 じ"}},
      {"字 [じ] /(1) letter/(9999999999) sign/", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<std::string> pairs;
    for (const EdictEntry& e : Parse(c.line)) {
      pairs.push_back(Utf8(e.word) + " " + Utf8(e.reading) + (e.common ? " P" : "") +
                      (e.usuallyKana ? " uk" : ""));
    }
    EXPECT_EQ(pairs, c.pairs);
  }
  EXPECT_EQ(Parse(cases[0].line)[0].meaning, "Chinese characters; kanji");
}

TEST(EdictTest, ShortensTheMeaningToTheFirstSensesWithoutTags) {
  const struct {
    const char* body;
    const char* meaning;
  } cases[] = {
      {"(n,adj-no) (1) amount (e.g. cupful)/drink/(adj-na) (2) full/(P)/",
       "amount (e.g. cupful); drink; full"},
      {"(n) {comp} display/", "display"},
      {"(n) (ksb:) fool/", "fool"},
      {"(n) this is a very long gloss that goes on and on well beyond one line of text/",
       "this is a very long gloss that goes on and on well beyond..."},
      {"(1) letter/(99999999999) sign/", "letter; sign"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.body);
    const std::string meaning = EdictMeaning(c.body);
    EXPECT_EQ(meaning, c.meaning);
    EXPECT_LE(meaning.size(), kMeaningLimit);
  }
}

// A tiny kanjidic and edict in the dictionaries' own encoding.
class DataBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir / "kanjidic", EucJp("# KANJIDIC\n"
                                       "一 306C G1 F2 イチ イツ ひと- ひと.つ {one}\n"
                                       "杯 4755 G8 F1010 ハイ さかずき {cupful}\n"
                                       "漢 3441 G3 F1487 カン {Sino-}\n"
                                       "字 3B7A G1 F485 ジ あざ {character}\n"));
    WriteBytes(dir / "edict", EucJp("一杯 [いっぱい] /(n) cupful/(P)/\n"
                                    "漢字 [かんじ] /(n) Chinese characters/(P)/\n"
                                    "一つ [ひとつ] /(num) one/(P)/\n"
                                    "字 [じ] /(n) character/\n"));
    WriteBytes(dir / "examples.utf", "A: 漢字です。\tThey are kanji.#ID=1_2\nB: 漢字 です\n");
    options.out = dir / "data";
    options.kanjidic = dir / "kanjidic";
    options.edict = dir / "edict";
  }

  bool Build() {
    ProgressBar quiet(stderr, false);
    return BuildDataSet(options, report, quiet, error);
  }

  TempDir dir;
  BuildOptions options;
  BuildReport report;
  std::string error;
};

// A build without a corpus drops the old one; a build that fails leaves the files as they were.
TEST_F(DataBuilderTest, WritesEveryFileAndKeepsThemWhenALaterBuildFails) {
  options.tanaka = dir / "examples.utf";
  ASSERT_TRUE(Build()) << error;
  for (const char* name : {"jis0208.dat", "kanji_data.dat", "examples.dat", "study_list.vls",
                           "sentences.dat", "Sound/00000.wav", "DATA-LICENCE.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(std::filesystem::exists(options.out / name));
  }
  EXPECT_EQ(std::tuple(report.kanji, report.examples, report.commonAligned,
                       report.joyoOnStudyList, report.sentences),
            std::tuple(4, 4, 3, 4, 1));
  const std::string examples = ReadBytes(options.out / "examples.dat");
  options.tanaka.reset();
  report = BuildReport();
  ASSERT_TRUE(Build()) << error;
  EXPECT_FALSE(std::filesystem::exists(options.out / "sentences.dat"));
  EXPECT_EQ(report.sentences, -1);
  WriteBytes(dir / "edict", "not a dictionary\n");
  EXPECT_FALSE(Build());
  EXPECT_EQ(ReadBytes(options.out / "examples.dat"), examples);
}

TEST_F(DataBuilderTest, ReadsEverySourceBeforeWritingAnythingAndNamesTheOneItCannotRead) {
  const auto fails = [&](const char* expected) {
    EXPECT_FALSE(Build());
    EXPECT_NE(error.find(expected), std::string::npos) << error;
    EXPECT_FALSE(std::filesystem::exists(options.out));
  };
  options.tanaka = dir / "missing.utf";
  fails("cannot open the Tanaka corpus file");
  options.tanaka.reset();
  WriteBytes(dir / "edict.utf8", "漢字 [かんじ] /(n) Chinese characters/(P)/\n");
  options.edict = dir / "edict.utf8";
  fails("edict.utf8 holds no words: is it edict in EUC-JP?");
  options.edict = dir / "no-edict";
  fails("cannot open the edict file");
  WriteBytes(dir / "empty", "# nothing here\n");
  options.kanjidic = dir / "empty";
  fails("empty holds no kanji");
  options.kanjidic = dir / "no-kanjidic";
  fails("cannot open the kanjidic file");
}

// Builds from dictionaries with damage of every kind found so far, then loads the result as the
// program does.
TEST_F(DataBuilderTest, BuildsFromHostileDictionariesSkippingWhatItCannotReadAndTheProgramLoadsIt) {
  WriteBytes(dir / "kanjidic", EucJp("漢 3441 G3 カン {Sino-\r}\n"
                                     "字 3B7A G1 ジ あざ あ.z {char\x01" "acter}\n"
                                     "亜 3021\n"
                                     "一 9999 イチ\n") +
                                   EucJp("語 386C G2 ゴ かた.る {word}"));
  WriteBytes(dir / "edict", EucJp("漢字 [かんじ] /(n) kanji\rcharacters/(P)/\n"
                                  "字 [じ] /(1) letter/(9999999999) sign/\n"
                                  "語 [ご] /(n) word/\n"));
  WriteBytes(dir / "examples.utf",
             "\xEF\xBB\xBF" "A: 漢\r字です。\tThey\tare kanji.\r\x01#ID=1\r\n"
             "B: 漢字\r\x7F" "です\n"
             "A: 語\xC0\x8D" "です。\tA word.#ID=2\n"
             "B: 語\n"
             "A: \r\tOnly a control character.#ID=3\n"
             "B: 語\n");
  options.tanaka = dir / "examples.utf";
  ASSERT_TRUE(Build()) << error;
  EXPECT_EQ(report.unreadableLines, 3);  // 亜 cut short, 一 with a wrong code, 字's sense
  EXPECT_EQ(report.kanji, 3);
  EXPECT_EQ(report.sentences, 2);

  FakeSystem system;
  const JisTable jis(options.out / JisTable::kFileName, system);
  KanjiDatabase database(jis, system, options.out);
  ASSERT_NO_THROW(database.LoadAll());
  ASSERT_TRUE(system.messages.empty());
  ASSERT_EQ(database.kanji.size(), 3u);
  EXPECT_EQ(database.kanji[0].meaning, "Sino- ");
  EXPECT_EQ(database.kanji[1].kunReadings.size(), 1u);  // あ.z cannot be written
  EXPECT_EQ(database.examples.size(), 2u);

  const struct {
    const char* word;
    const char* japanese;
    const char* english;
  } sentences[] = {
      {"漢字", "漢字です。", "They are kanji.  "},
      {"です", "漢字です。", "They are kanji.  "},
      {"語", "語\uFFFD\uFFFDです。", "A word."},
  };
  for (const auto& s : sentences) {
    SCOPED_TRACE(s.word);
    std::vector<std::int32_t> offsets;
    database.SentenceOffsetsFor(Units(s.word), offsets);
    ASSERT_EQ(offsets.size(), 1u);
    CodeString japanese;
    std::string english;
    database.ReadSentence(offsets[0], japanese, english);
    EXPECT_EQ(std::pair(japanese, english), std::pair(Units(s.japanese), std::string(s.english)));
  }
}

}  // namespace
