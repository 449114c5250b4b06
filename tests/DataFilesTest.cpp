// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The data files read by the program's loaders, and the queries on what they loaded.
#include "tests/DataFilesFixture.h"

namespace {

const std::string kTwoKanji =
    "一\t1\tイチ／イツ\tひと／ひと（つ）\tone\r\n食\t2\tショク\tた（べる）／く（う）\teat, food";
const std::string kTwoExamples =
    "一杯\t【いっ（いち）／ぱい（はい）】\t50\ta cupful\r\n一人\t【＊ひとり】\t70\tone person";

TEST_F(DataFilesTest, KanjiFileLoadsEveryLineWithFieldsEmptyOddOrLong) {
  std::string readings;
  for (int i = 0; i < 3000; ++i) readings += i == 0 ? "あ" : "／あ";
  const std::string meaning(5000, 'm');
  WriteKanji(kTwoKanji +
             "\r\n"
             "二\tx\t\t\t\r\n"  // grade not a digit, no readings, an empty meaning
             "三\t9\t" +
             readings + "\tみ\té Ā 中" + meaning);  // the meaning keeps low bytes only
  database.LoadKanjiFile();

  EXPECT_TRUE(system.messages.empty());
  ASSERT_EQ(database.kanji.size(), 4u);
  const KanjiRecord& one = database.kanji[0];
  EXPECT_EQ(std::pair(one.code, one.grade), std::pair(KanjiCode{0x306C}, std::uint16_t{1}));
  // The reading fields are split as ParseReadings does (below), ON and KUN each in its place.
  ASSERT_EQ(std::pair(one.onReadings.size(), one.kunReadings.size()), std::pair(2ul, 2ul));
  EXPECT_EQ(std::pair(one.onReadings[1].written, one.kunReadings[1].written),
            std::pair(Codes("イツ"), Codes("ひと（つ）")));
  EXPECT_EQ(one.meaning, "one");
  EXPECT_EQ(database.kanji[1].code, Codes("食")[0]);
  const KanjiRecord& two = database.kanji[2];
  EXPECT_EQ(two.grade, 0);
  EXPECT_TRUE(two.onReadings.empty() && two.kunReadings.empty() && two.meaning.empty());
  // Long fields are kept whole.
  EXPECT_EQ(database.kanji[3].grade, 9);
  EXPECT_EQ(database.kanji[3].onReadings.size(), 3000u);
  EXPECT_EQ(database.kanji[3].meaning, std::string("\xE9 \x00 \x2D", 5) + meaning);
}

TEST(ParseReadingsTest, SplitsFieldsIntoWrittenAndBareReadings) {
  const struct {
    const char* name;
    const char* field;
    std::vector<const char*> written;
    std::vector<const char*> bare;
  } cases[] = {
      {"empty field", "", {}, {}},
      {"okurigana", "た（べる）／く（う）", {"た（べる）", "く（う）"}, {"た", "く"}},
      {"leading position mark", "―ぬ", {"―ぬ"}, {"ぬ"}},
      {"position mark after the stem", "あ―", {"あ―"}, {"あ"}},
      {"ideographic space ends the stem", "あ　い", {"あ　い"}, {"あ"}},
      {"leading ideographic space", "　あ", {"　あ"}, {""}},
      {"trailing solidus", "あ／い／", {"あ", "い"}, {"あ", "い"}},
      {"two solidi in a row", "あ／／い", {"あ", "", "い"}, {"あ", "", "い"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<KanjiCode> field = Codes(c.field).units;
    field.push_back(0);
    for (const bool kun : {false, true}) {
      KanjiRecord record;
      ParseReadings(field.data(), record, kun);
      const std::vector<ReadingEntry>& filled = kun ? record.kunReadings : record.onReadings;
      EXPECT_TRUE((kun ? record.onReadings : record.kunReadings).empty());
      ASSERT_EQ(filled.size(), c.written.size());
      for (std::size_t i = 0; i < filled.size(); ++i) {
        EXPECT_EQ(filled[i].written, Codes(c.written[i]));
        EXPECT_EQ(filled[i].bare, Codes(c.bare[i]));
      }
    }
  }
}

// Weights read as strtoul does: white space and a sign first, then digits up to any other
// character; too many digits saturate, and a minus sign negates modulo 2^32.
TEST_F(DataFilesTest, ExamplesFileSplitsReadingsIntoPartsAndReadsWeights) {
  const struct {
    const char* name;
    const char* field;
    std::vector<const char*> parts;
    const char* reading;
    const char* weightField;
    std::uint32_t weight;
    bool irregular = false;
  } cases[] = {
      {"empty field gives one empty part", "", {""}, "", "42", 42},
      {"parentheses", "いっ（いち）／ぱ（は）", {"いっ（いち）", "ぱ（は）"}, "いっぱ", " \r+7", 7},
      {"trailing solidus adds no part", "あ／い／", {"あ", "い"}, "あい", "12abc", 12},
      {"marks are kept in parts, dropped from the reading", "＜いち／＞ひと／＆お",
       {"＜いち", "＞ひと", "＆お"}, "いちひとお", "x1", 0},
      {"an unclosed parenthesis hides the rest", "あ（い／う", {"あ（い", "う"}, "あ", "-1",
       4294967295u},
      {"an asterisk after the first code is dropped", "あ＊い", {"あ＊い"}, "あい",
       "99999999999999999999", 4294967295u},
      {"irregular reading keeps its marks", "＊ひ（と）り", {}, "ひ（と）り", "1", 1, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteExamples(std::string("語\t【") + c.field + "】\t" + c.weightField + "\tm");
    database.LoadExamplesFile();
    ASSERT_EQ(database.examples.size(), 1u);
    const ExampleRecord& example = database.examples[0];
    std::vector<CodeString> parts;
    for (const char* part : c.parts) parts.push_back(Codes(part));
    EXPECT_EQ(example.readingParts, parts);
    // Room for the parts only: every example of the file is split.
    EXPECT_LE(example.readingParts.capacity(), parts.size() + 1);
    EXPECT_EQ(example.reading, Codes(c.reading));
    EXPECT_EQ(example.irregular, c.irregular);
    EXPECT_EQ(example.weight, c.weight);
  }
}

TEST_F(DataFilesTest, ExamplesFileOddButAcceptedInput) {
  // Without a byte-order mark the first word loses its first character.
  WriteExamples(kTwoExamples, false);
  database.LoadExamplesFile();
  ASSERT_EQ(database.examples.size(), 2u);
  EXPECT_EQ(database.examples[0].word, Codes("杯"));

  // An empty word, any unit in the meaning, and fields far beyond 1023 characters.
  std::string word;
  for (int i = 0; i < 2000; ++i) word += "語";
  WriteExamples("\t【】\t\t😀é\r\n" + word + "\t【ご】\t1\t" + std::string(4000, 'm'));
  database.LoadExamplesFile();
  ASSERT_EQ(database.examples.size(), 2u);
  EXPECT_TRUE(database.examples[0].word.empty());
  EXPECT_EQ(database.examples[0].meaning, std::string("\x3D\x00\xE9", 3));  // a surrogate pair
  EXPECT_EQ(database.examples[1].word.length(), 2000u);
  EXPECT_EQ(database.examples[1].meaning.size(), 4000u);
}

// The two required files meet the same damage: each is refused with its own message, never
// half loaded, never crashing; a file cut anywhere loads the lines before the cut or fails.
TEST_F(DataFilesTest, EveryRequiredFileIsRefusedWithItsOwnMessage) {
  const struct {
    const char* file;
    void (KanjiDatabase::*load)();
    const char *missing, *failure;
    std::string valid;
    std::vector<std::string> meanings;
    std::vector<std::string> malformed;
    std::pair<std::size_t, std::string> (*last)(const KanjiDatabase&);  // count, last meaning
  } loaders[] = {
      {KanjiDatabase::kKanjiFileName, &KanjiDatabase::LoadKanjiFile,
       "Could not open the kanji data file.", kKanjiReadFailure, kTwoKanji, {"one", "eat, food"},
       {kTwoKanji + "\r\n", "一\t1\tイチ\tひと\tone\r\n😀\t1\tニ\tふた\ttwo",
        "一\t1\tイチ\tひとA\tone"},
       [](const auto& d) { return std::pair(d.kanji.size(), d.kanji.back().meaning); }},
      {KanjiDatabase::kExamplesFileName, &KanjiDatabase::LoadExamplesFile,
       "Could not open the examples data file.", kExamplesReadFailure, kTwoExamples,
       {"a cupful", "one person"},
       {kTwoExamples + "\r\n", "A語\t【ご】\t1\tword", "語\t【ごA】\t1\tword"},
       [](const auto& d) { return std::pair(d.examples.size(), d.examples.back().meaning); }},
  };
  for (const auto& l : loaders) {
    SCOPED_TRACE(l.file);
    const auto load = [&] { (database.*l.load)(); };
    ExpectFatal(system, load, l.missing, kFileErrorCaption);
    std::filesystem::create_directory(dir / l.file);  // a folder by the file's name
    ExpectFatal(system, load, l.missing, kFileErrorCaption);
    std::filesystem::remove(dir / l.file);
    for (const std::string& content : l.malformed) {
      WriteUtf16File(dir / l.file, content);
      ExpectFatal(system, load, l.failure, kFileErrorCaption);
    }
    for (const std::string& content : GarbageFiles()) {
      WriteBytes(dir / l.file, content);
      ExpectFatal(system, load, l.failure, kFileErrorCaption);
      // Room is made for no more records than the file could hold.
      EXPECT_LE(database.examples.capacity(), content.size() / 12 + 1);
    }
    // Cut at every byte: a cut inside the meaning of a line ends that line, and the file, there.
    WriteUtf16File(dir / l.file, l.valid);
    const std::string whole = ReadBytes(dir / l.file);
    for (std::size_t size = 0; size < whole.size(); ++size) {
      SCOPED_TRACE(size);
      WriteBytes(dir / l.file, whole.substr(0, size));
      std::size_t line = 0;
      std::size_t start = 0;
      for (; line < l.meanings.size(); ++line) {
        start = 2 + 2 * Utf16(l.valid).find(Utf16(l.meanings[line]));
        // (A lone byte of the CR after it is no unit.)
        if (size >= start && size <= start + 2 * l.meanings[line].size() + 1) break;
      }
      if (line == l.meanings.size()) {
        ExpectFatal(system, load, l.failure, kFileErrorCaption);
        continue;
      }
      load();
      EXPECT_EQ(l.last(database),
                std::pair(line + 1, l.meanings[line].substr(0, (size - start) / 2)));
    }
  }
  // Without its byte-order mark the kanji file is refused too.
  WriteKanji(kTwoKanji, false);
  ExpectFatal(
      system, [&] { database.LoadKanjiFile(); }, kKanjiReadFailure, kFileErrorCaption);
}

// Records messages and, unlike the real program, returns from EndProcess.
class ReturningSystem : public System {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, WindowHandle,
                   MessageIcon) override {
    messages.push_back(caption + ": " + text);
  }
  void EndProcess(int exitCode) override { exitCodes.push_back(exitCode); }

  std::vector<std::string> messages;
  std::vector<int> exitCodes;
};

TEST_F(DataFilesTest, LoadAllStopsAtTheFirstFaultEvenWhenEndingTheProcessReturns) {
  ReturningSystem returning;
  KanjiDatabase data(FullJisTable(), returning, dir.path());
  WriteExamples("broken\r\n");
  data.LoadAll();  // no kanji file
  EXPECT_EQ(returning.messages,
            (std::vector<std::string>{"Veltrane File Error: Could not open the kanji data file."}));
  EXPECT_EQ(returning.exitCodes, (std::vector<int>{-1}));

  WriteKanji("一\t1\tイチ\tひと\tone");
  WriteSentences("A: x\r\nB\tx\r\n");
  returning.messages.clear();
  data.LoadAll();  // the examples file fails; the sentences file is not read
  ASSERT_EQ(returning.messages.size(), 1u);
  EXPECT_EQ(returning.messages[0], std::string("Veltrane File Error: ") + kExamplesReadFailure);
  EXPECT_FALSE(data.sentenceFile.is_open());
}

// Byte offset of text's first occurrence in a file written from content with a byte-order mark.
std::int32_t OffsetOf(const char* content, const char* text) {
  return static_cast<std::int32_t>(2 + 2 * Utf16(content).find(Utf16(text)));
}

std::vector<std::int32_t> OffsetsFor(KanjiDatabase& database, const char* word) {
  std::vector<std::int32_t> out{-5};  // emptied first
  database.SentenceOffsetsFor(Units(word), out);
  return out;
}

// A file cut anywhere ends the scan quietly; what was indexed until then stays.
TEST_F(DataFilesTest, SentenceIndexListsEveryListedWordWithTheOffsetsOfItsSentences) {
  const char* const content =
      "A: 彼は学生です。\tHe is a student.\r\n"
      "B: 彼 は 学生 です   \r\n"
      "#: 猫だ。\tA cat.\r\n"  // a comment hides its word line
      "B: 猫\r\n"
      "A: 来た。\tCame.\r\n"
      "B: \r\n"  // a tag alone lists nothing
      "A: 学生が来た。\tA student came.\r\n"
      "B:  学生  来る 学生 学生(がくせい)\r\n"
      "\r\n";  // a line break after the last pair is harmless
  WriteSentences(content);
  const std::int32_t second = OffsetOf(content, "学生が");
  const std::string whole = ReadBytes(dir / KanjiDatabase::kSentencesFileName);
  for (std::size_t size = 0; size <= whole.size(); ++size) {
    SCOPED_TRACE(size);
    WriteBytes(dir / KanjiDatabase::kSentencesFileName, whole.substr(0, size));
    database.LoadSentencesFile();
    EXPECT_TRUE(system.messages.empty());
    EXPECT_TRUE(size > 2 || database.sentenceIndex.empty());  // empty, or the mark alone
    for (const auto& [word, offsets] : database.sentenceIndex) {
      for (const std::int32_t offset : offsets) EXPECT_TRUE(offset == 8 || offset == second);
    }
  }
  EXPECT_EQ(OffsetsFor(database, "彼"), (std::vector<std::int32_t>{8}));
  // Listed twice in one line: the offset twice.
  EXPECT_EQ(OffsetsFor(database, "学生"), (std::vector<std::int32_t>{8, second, second}));
  EXPECT_EQ(OffsetsFor(database, "来る"), (std::vector<std::int32_t>{second}));
  EXPECT_EQ(OffsetsFor(database, "学生(がくせい)"), (std::vector<std::int32_t>{second}));
  EXPECT_TRUE(OffsetsFor(database, "猫").empty());
  EXPECT_EQ(database.sentenceIndex.size(), 6u);
}

TEST_F(DataFilesTest, MissingSentenceFileGivesAnEmptyIndexQuietly) {
  database.LoadSentencesFile();
  EXPECT_TRUE(database.sentenceIndex.empty());
  EXPECT_FALSE(database.sentenceFile.is_open());
  CodeString japanese{1};
  std::string english = "x";
  database.ReadSentence(8, japanese, english);
  EXPECT_TRUE(japanese.empty() && english.empty());
  EXPECT_TRUE(system.messages.empty());
}

TEST_F(DataFilesTest, SentenceWordLineTagWithoutSpaceIsFatal) {
  const struct {
    const char *content, *message;
  } cases[] = {
      // The tab is unit 31 after the mark: byte 0x40.
      {"A: 彼は学生です。\tHe is a student.\r\nB:\t彼\r\n", "40    9"},
      {"A: 一\tOne.\r\nB: 一\r\nA: 二\tTwo.\r\nBBBB 二\r\n", "3e   42"},
  };
  for (const auto& c : cases) {
    WriteSentences(c.content);
    ExpectFatal(
        system, [&] { database.LoadSentencesFile(); },
        std::string("Problem with sentence file: ") + c.message, "ERROR");
  }
}

TEST_F(DataFilesTest, ReadSentenceReadsBothTextsUpToTheEndOfTheLineOrFile) {
  const char* const content =
      "A: 犬\r\n"  // no tab: the text ends at the CR
      "B: 犬\r\n"
      "A: 猫だ。\tA cat";  // the file ends in the English text
  WriteSentences(content);
  database.LoadSentencesFile();
  ASSERT_TRUE(system.messages.empty());
  CodeString japanese;
  std::string english;

  database.ReadSentence(8, japanese, english);
  EXPECT_EQ(std::pair(japanese, english), std::pair(Units("犬"), std::string()));
  EXPECT_EQ(database.sentenceFile.tellg(), 8 + 2 * 2);  // left just after the CR
  const std::int32_t last = OffsetOf(content, "猫");
  database.ReadSentence(last, japanese, english);
  EXPECT_EQ(std::pair(japanese, english), std::pair(Units("猫だ。"), std::string("A cat")));
  database.ReadSentence(OffsetOf(content, "cat"), japanese, english);  // inside the last line
  EXPECT_EQ(std::pair(japanese, english), std::pair(Units("cat"), std::string()));
  for (const std::int32_t offset : {-2, 100000, static_cast<std::int32_t>(0x7FFFFFFF)}) {
    database.ReadSentence(offset, japanese, english);
    EXPECT_TRUE(japanese.empty() && english.empty()) << offset;
  }
  // A failed read leaves the file usable.
  database.ReadSentence(last, japanese, english);
  EXPECT_EQ(english, "A cat");
}

TEST_F(DataFilesTest, GarbageSentenceFileNeverHangs) {
  using namespace std::string_literals;
  std::vector<std::string> cases = GarbageFiles();
  cases.push_back("\xFF\xFE"s + std::string(300000, ' '));     // one huge line of spaces
  cases.push_back("\xFF\xFE#\0"s + std::string(300000, 'x'));  // a comment that never ends
  cases.push_back(
      "\xFF\xFE"
      "A\0:\0 \0x\0\r\0\n\0B\0:\0 \0"s +
      std::string(300000, 'y'));  // one huge word
  for (const std::string& content : cases) {
    WriteBytes(dir / KanjiDatabase::kSentencesFileName, content);
    try {
      database.LoadSentencesFile();
    } catch (const ProcessEnded&) {
      ASSERT_EQ(system.messages.size(), 1u);
      EXPECT_EQ(system.messages[0].caption, "ERROR");
      system.messages.clear();
    }
  }
  // The huge word is kept whole: 150000 units "yy".
  CodeString huge;
  huge.units.assign(150000, 0x7979);
  std::vector<std::int32_t> offsets;
  database.SentenceOffsetsFor(huge, offsets);
  EXPECT_EQ(offsets, (std::vector<std::int32_t>{8}));
}

class ExampleQueriesTest : public DataFilesTest {
 protected:
  void SetUp() override {
    WriteExamples(
        "一杯\t【いっ（いち）／ぱい（はい）】\t50\ta cupful\r\n"
        "一人\t【＊ひとり】\t70\tone person\r\n"
        "一日\t【＜いち／にち】\t30\tone day\r\n"
        "二人\t【ふた／り】\t90\ttwo people\r\n"
        "一つ\t【＞ひと／つ】\t30\tone thing\r\n"
        "一一\t【ひと／いち】\t7\tone by one\r\n"
        "一寸\t【＆ちょっ／と】\t3\ta little\r\n"
        "寸一\t【＆すん／いち】\t2\tmade up");
    database.LoadExamplesFile();
    ASSERT_TRUE(system.messages.empty());
  }

  static std::vector<CodeString> Words(const std::vector<ExampleRecord>& examples) {
    std::vector<CodeString> words;
    for (const ExampleRecord& example : examples) words.push_back(example.word);
    return words;
  }
  static std::vector<CodeString> WordsOf(const std::vector<const char*>& utf8) {
    std::vector<CodeString> words;
    for (const char* word : utf8) words.push_back(Codes(word));
    return words;
  }

  std::vector<ExampleRecord> Containing(const char* kanji) {
    std::vector<ExampleRecord> out{ExampleRecord()};  // emptied first
    database.ExamplesContaining(Codes(kanji)[0], out);
    return out;
  }
};

TEST_F(ExampleQueriesTest, ContainingListsEachHolderOnceLargestWeightFirst) {
  // 一日 and 一つ share weight 30 and keep their file order.
  EXPECT_EQ(Words(Containing("一")),
            WordsOf({"一人", "一杯", "一日", "一つ", "一一", "一寸", "寸一"}));
  EXPECT_EQ(Words(Containing("人")), WordsOf({"二人", "一人"}));
  EXPECT_TRUE(Containing("三").empty());
  // Of those, the special reading lists irregular and marked examples.
  std::vector<ExampleRecord> out{ExampleRecord()};
  database.ExamplesWithSpecialReading(Codes("一")[0], Containing("一"), out);
  EXPECT_EQ(Words(out), WordsOf({"一人", "一寸"}));  // 寸一 is special for 寸, not for 一
  database.ExamplesWithSpecialReading(Codes("寸")[0], Containing("寸"), out);
  EXPECT_EQ(Words(out), WordsOf({"寸一"}));
}

TEST_F(ExampleQueriesTest, ForReadingMatchesThePartOfTheFirstOccurrence) {
  const struct {
    const char* name;
    const char* kanji;
    const char* reading;
    int kind;
    std::vector<const char*> words;
  } cases[] = {
      {"katakana ON reading against hiragana parts", "一", "イチ", -1, {"一杯", "一日", "寸一"}},
      {"ON-only part is not a KUN match", "一", "いち", 1, {"一杯", "寸一"}},
      {"KUN-only part", "一", "ひと", 1, {"一つ", "一一"}},
      {"KUN-only part is not an ON match", "一", "ひと", -1, {"一一"}},
      {"the dictionary reading in parentheses is compared", "杯", "ハイ", -1, {"一杯"}},
      {"the sound in the word is not", "杯", "パイ", -1, {}},
      {"a special part is not plain text", "一", "すん", -1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const KanjiCode k = Codes(c.kanji)[0];
    std::vector<ExampleRecord> out{ExampleRecord()};
    database.ExamplesForReading(Codes(c.reading), k, c.kind, Containing(c.kanji), out);
    EXPECT_EQ(Words(out), WordsOf(c.words));
  }
}

TEST_F(ExampleQueriesTest, SelectiveQueriesSkipExamplesTheyCannotPlace) {
  const auto record = [](const char* word, std::vector<CodeString> parts) {
    ExampleRecord example;
    example.word = Codes(word);
    example.readingParts = std::move(parts);
    return example;
  };
  const std::vector<ExampleRecord> in{
      record("二", {Codes("いち")}),     // a word without k
      record("三一", {Codes("＆さん")}),  // k's part is missing
      record("一", {}),
      record("一", {Codes("いっ（いち")}),  // an unclosed parenthesis runs to the end of the part
  };
  const KanjiCode k = Codes("一")[0];
  std::vector<ExampleRecord> out;
  database.ExamplesForReading(Codes("いち"), k, -1, in, out);
  EXPECT_EQ(Words(out), WordsOf({"一"}));
  EXPECT_EQ(out[0].readingParts, in[3].readingParts);
  database.ExamplesWithSpecialReading(k, in, out);
  EXPECT_TRUE(out.empty());
}

}  // namespace
