// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text layer: code strings, the unit reader of the program's files, the JIS table, the romaji
// converter, kanji search with the facts file it ranks by, the data files read by the program's
// loaders, and the queries on what they loaded.
#include <sstream>

#include "tests/DataFilesFixture.h"
#include "tests/ToolTestData.h"
#include "text/KanjiFactsFile.h"
#include "text/KanjiSearch.h"
#include "text/RomajiConverter.h"
#include "text/UnitReader.h"

namespace {

TEST(CodeStringTest, LessIsUnsignedLexicographic) {
  EXPECT_TRUE(Less(CodeString{1, 2}, CodeString{1, 2, 0}));  // proper prefix is less
  EXPECT_FALSE(Less(CodeString{1, 2, 0}, CodeString{1, 2}));
  EXPECT_FALSE(Less(CodeString{1, 2}, CodeString{1, 2}));
  EXPECT_TRUE(Less(CodeString{0x7FFF}, CodeString{0x8000}));  // unsigned, not signed
  EXPECT_TRUE(Less(CodeString{2}, CodeString{0xFFFF, 0}));
  EXPECT_FALSE(Less(CodeString{3}, CodeString{2, 9}));
  EXPECT_TRUE(Less(CodeString(), CodeString{0}));
}

TEST(CodeStringTest, KanaConversions) {
  EXPECT_EQ(ToKatakana(CodeString{0x2442, 0x213C}), (CodeString{0x2542, 0x213C}));
  EXPECT_EQ(ToHiragana(CodeString{0x2542, 0x213C, 0x252B}), (CodeString{0x2442, 0x213C, 0x242B}));
  // Only the first unit decides.
  EXPECT_EQ(ToHiragana(CodeString{0x2442, 0x2542}), (CodeString{0x2442, 0x2542}));
  EXPECT_EQ(ToHiragana(CodeString{0x2521}), (CodeString{0x2421}));
  EXPECT_EQ(ToHiragana(CodeString{0x2520}), (CodeString{0x2520}));
  EXPECT_TRUE(ToHiragana(CodeString()).empty());
}

std::string Bytes(const std::vector<std::uint16_t>& units, bool loneByte = false) {
  std::string bytes;
  for (const std::uint16_t unit : units) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  if (loneByte) bytes.push_back('\x0D');
  return bytes;
}

// Chunk sizes that split units between chunks, odd ones included.
const std::size_t kChunkSizes[] = {2, 3, 4, 5, 7, 64 * 1024};

// Read hands out every whole unit, little-endian; SkipPast passes whole units only, and Read
// goes on just after the terminator.
TEST(UnitReaderTest, ReadsWholeUnitsAndSkipPastFindsOnlyWholeUnits) {
  const struct {
    const char* name;
    std::vector<std::uint16_t> units;
    bool loneByte;
    bool found;
    std::int64_t consumed;  // by SkipPast
  } cases[] = {
      {"terminator first", {0x000D, 0x0041}, false, true, 2},
      {"after other units", {0xFEFF, 0x4E00, 0x000D, 0x0A0D}, true, true, 6},
      {"as a second byte", {0x0D41, 0x0041, 0x000D}, false, true, 6},
      {"straddling two units", {0x0D00, 0x0041}, false, false, 4},
      {"a lone last byte is no unit", {0x0041}, true, false, 2},
      {"empty", {}, false, false, 0},
  };
  for (const auto& c : cases) {
    for (const std::size_t chunk : kChunkSizes) {
      SCOPED_TRACE(std::string(c.name) + ", chunk " + std::to_string(chunk));
      std::istringstream whole(Bytes(c.units, c.loneByte));
      UnitReader all(whole, chunk);
      std::vector<std::uint16_t> units;
      std::uint16_t unit = 0x1234;
      while (all.Read(unit)) units.push_back(unit);
      EXPECT_EQ(units, c.units);
      EXPECT_EQ(unit, units.empty() ? 0x1234 : units.back());  // the end leaves the unit alone
      EXPECT_EQ(all.Consumed(), static_cast<std::int64_t>(2 * units.size()));

      std::istringstream in(Bytes(c.units, c.loneByte));
      UnitReader reader(in, chunk);
      EXPECT_EQ(reader.SkipPast(0x000D), c.found);
      EXPECT_EQ(reader.Consumed(), c.consumed);
      std::vector<std::uint16_t> rest;
      while (reader.Read(unit)) rest.push_back(unit);
      EXPECT_EQ(rest, std::vector<std::uint16_t>(c.units.begin() + c.consumed / 2, c.units.end()));
    }
  }
}

// Blank lines and long comments are passed over, and a last line without a line break is not
// read.
TEST_F(DataFilesTest, JisTableReadsTheSecondAndThirdColumnsAndTheFirstLineWinsInEachMap) {
  WriteBytes(
      dir / JisTable::kFileName,
      "0x8140\t0x2421\t0x3041\t# HIRAGANA LETTER SMALL A\n"
      "0x2 0x2422 0x3041\n"  // Unicode seen before; its code is new
      "0x3 0x2421 0x9999\n"
      "\n8140 2121 3000\r\n\n\n0X8141 0x2122 0X3001 #" +
      std::string(5000, 'x') + " 2 2123 3002\n3 2124 3003\n4 2125 3004");
  const JisTable table(dir / JisTable::kFileName, system);
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(table.byCode.size(), 5u);
  KanjiCode code = 0;
  ASSERT_TRUE(table.UnicodeToCode(0x3041, code));
  EXPECT_EQ(code, 0x2421);
  EXPECT_EQ(table.CodeToUnicode(0x2422), 0x3041);
  EXPECT_EQ(table.CodeToUnicode(0x2421), 0x3041);
  EXPECT_TRUE(table.UnicodeToCode(0x9999, code) && code == 0x2421);
  EXPECT_EQ(table.CodeToUnicode(0x2121), 0x3000);  // no 0x prefix
  EXPECT_EQ(table.CodeToUnicode(0x2122), 0x3001);
  EXPECT_EQ(table.CodeToUnicode(0x2124), 0x3003);  // after the long comment
  EXPECT_EQ(table.CodeToUnicode(0x2125), 0);       // the last line
  // Absent keys.
  EXPECT_FALSE(table.UnicodeToCode(0x4E00, code));
  EXPECT_EQ(code, 0x2421);
  EXPECT_EQ(table.CodeToUnicode(0x7E7E), 0);
}

TEST_F(DataFilesTest, JisTableMissingOrMalformedIsFatalWithTheLine) {
  const auto load = [&] { JisTable table(dir / JisTable::kFileName, system); };
  ExpectFatal(system, load, "Could not open the character table file (jis0208.dat).",
              kFileErrorCaption);
  const struct {
    const char *content, *line;
  } cases[] = {
      {"# a comment\n1 2121 3000\n", "1"}, {"1 2121 3000\n1 2122 13001\n", "2"},
      {"1 2121 3000\n\n1 2122 zz\n", "3"}, {"\n\n\n", "4"},  // only blank lines
      {"\x01\x02\xff\xfe", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    WriteBytes(dir / JisTable::kFileName, c.content);
    ExpectFatal(
        system, load,
        std::string("Problem reading the character table (jis0208.dat) at line ") + c.line +
            ". Every line must begin with three hexadecimal numbers.",
        kFileErrorCaption);
  }
}

TEST(KanjiSearchTest, FindsKanjiByCharacterReadingMeaningOrStrokes) {
  const struct {
    const char *kanji, *on, *kun, *meaning;
    std::uint16_t strokes, frequency;
  } data[] = {
      {"水", "スイ", "みず", "water, fluid", 4, 223},
      {"吹", "スイ", "ふ", "blow, breathe", 7, 1134},
      {"滝", "ロウ", "たき", "waterfall, rapids", 13, 0},
      {"火", "カ", "ひ", "fire", 4, 574},
      {"缶", "カン", "かま", "tin can", 6, 1900},
  };
  std::vector<KanjiRecord> records;
  std::vector<KanjiFacts> facts;
  for (const auto& d : data) {
    KanjiRecord& record = records.emplace_back();
    record.code = Codes(d.kanji)[0];
    record.onReadings.push_back({Codes(d.on), Codes(d.on)});
    record.kunReadings.push_back({Codes(d.kun), Codes(d.kun)});
    record.meaning = d.meaning;
    facts.push_back({.code = record.code, .strokes = d.strokes, .frequency = d.frequency});
  }
  using Key = KanjiSearch::Key;
  const struct {
    const char* query;
    Key key;
    std::vector<std::int32_t> matches;
  } cases[] = {
      {"水", Key::kCharacter, {0}},
      {"火と水と火", Key::kCharacter, {3, 0}},
      {"mizu", Key::kReadingOrMeaning, {0}},
      {"sui", Key::kReadingOrMeaning, {0, 1}},  // ON of both, most frequent first
      {"SUI ", Key::kReadingOrMeaning, {0, 1}},
      {"すい", Key::kReadingOrMeaning, {0, 1}},
      {"スイ", Key::kReadingOrMeaning, {0, 1}},
      {"water", Key::kReadingOrMeaning, {0}},  // a whole word: not "waterfall"
      {"waterfall", Key::kReadingOrMeaning, {2}},
      {"blow", Key::kReadingOrMeaning, {1}},
      {"kan", Key::kReadingOrMeaning, {4}},  // the pending n is a kana
      {"4", Key::kStrokes, {0, 3}},
      {"13", Key::kStrokes, {2}},
      {"xyz", Key::kReadingOrMeaning, {}},
      {"  ", Key::kNothing, {}},
      {"漢", Key::kNothing, {}},  // a kanji the data set lacks
  };
  const KanjiSearch search(records, facts, FullJisTable());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.query);
    const KanjiSearch::Result result = search.Find(Utf16(c.query));
    EXPECT_EQ(result.key, c.key);
    EXPECT_EQ(result.matches, c.matches);
    EXPECT_TRUE(result.unavailable.empty());
  }
}

TEST_F(DataFilesTest, KanjiFactsFileLoadsGoodFilesAndRefusesDamagedOnesWithoutChangingAnything) {
  JisTable jis;
  jis.Insert(0x3021, 0x4E9C);
  const std::string header = std::string(kKanjiFactsHeader) + "\n# a comment\n";
  const struct {
    const char* name;
    std::string text;
    FactsLoad expected;
  } cases[] = {
      {"good", header + "4E9C\t7\t1509\t1\t1\t8\n", FactsLoad::kLoaded},
      {"last line without line feed", header + "4e9c\t7\t0\t0\t1\t0", FactsLoad::kLoaded},
      {"other header", "# Veltrane kanji facts 2\n4E9C\t7\t1509\t1\t1\t8\n", FactsLoad::kDamaged},
      {"field missing", header + "4E9C\t7\t1509\t1\t1\n", FactsLoad::kDamaged},
      {"field too many", header + "4E9C\t7\t1509\t1\t1\t8\t0\n", FactsLoad::kDamaged},
      {"not a number", header + "4E9C\tseven\t1509\t1\t1\t8\n", FactsLoad::kDamaged},
      {"JLPT level 5", header + "4E9C\t7\t1509\t5\t1\t8\n", FactsLoad::kDamaged},
      {"kanji not in the table", header + "6C34\t4\t223\t4\t85\t1\n", FactsLoad::kDamaged},
      {"cut short", header + "4E9C\t7\t15", FactsLoad::kDamaged},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir / kKanjiFactsFileName, c.text);
    std::vector<KanjiFacts> facts(1);  // stays as it is unless the file loads
    std::string message;
    EXPECT_EQ(LoadKanjiFacts(dir / kKanjiFactsFileName, jis, facts, message), c.expected);
    if (c.expected == FactsLoad::kLoaded) {
      ASSERT_EQ(facts.size(), 1u);
      EXPECT_EQ(facts[0].code, 0x3021);
      EXPECT_EQ(facts[0].strokes, 7);
    } else {
      EXPECT_EQ(facts.size(), 1u);
      EXPECT_EQ(facts[0].code, 0);
      EXPECT_NE(message.find("damaged (line "), std::string::npos) << message;
    }
  }
  std::vector<KanjiFacts> facts;
  std::string message;
  EXPECT_EQ(LoadKanjiFacts(dir / "none.dat", jis, facts, message), FactsLoad::kMissing);
  EXPECT_NE(message.find("missing"), std::string::npos);
}

// A kanji the file lacks keeps its code and its record's grade, when that is a grade.
TEST(KanjiFactsFileTest, FactsForDataSetLineTheLoadedFactsUpWithTheDataSet) {
  std::vector<KanjiRecord> kanji(4);
  const std::uint16_t codes[][2] = {{0x306C, 1}, {0x3021, 9}, {0x306D, 9}, {0x306E, 10}};
  for (std::size_t i = 0; i < kanji.size(); ++i) {
    std::tie(kanji[i].code, kanji[i].grade) = std::pair(codes[i][0], codes[i][1]);
  }
  const std::vector<KanjiFacts> facts = FactsForDataSet(kanji, {{0x3021, 7}, {0x306C, 1}});
  ASSERT_EQ(facts.size(), 4u);
  EXPECT_EQ(std::tuple(facts[0].code, facts[0].strokes, facts[1].strokes),
            std::tuple(0x306C, 1, 7));
  EXPECT_EQ(std::tuple(facts[2].code, facts[2].strokes, facts[2].grade), std::tuple(0x306D, 0, 9));
  EXPECT_EQ(facts[3].grade, 0);
}

struct Typed {
  CodeString kana;  // all outputs joined
  std::string pending;
};

Typed Type(RomajiConverter& converter, const std::string& letters) {
  char pendingOut[5] = "junk";
  Typed typed;
  for (char c : letters) {
    const CodeString out = converter.AddLetter(c, pendingOut);
    typed.kana.units.insert(typed.kana.units.end(), out.units.begin(), out.units.end());
  }
  typed.pending = pendingOut;
  EXPECT_EQ(typed.pending, converter.pending);
  return typed;
}

TEST(RomajiConverterTest, WholeInputs) {
  const struct {
    const char* romaji;
    CodeString kana;
    const char* pending;
    bool katakana = false;
  } cases[] = {
      {"kka", {0x2443, 0x242B}, ""},          {"nna", {0x2473, 0x2422}, ""},
      {"shinbun", {0x2437, 0x2473, 0x2456}, "n"}, {"kon'ya", {0x2433, 0x2473, 0x2464}, ""},
      {"matcha", {0x245E, 0x2443, 0x2441, 0x2463}, ""}, {"xtsu", {0x2443}, ""},
      {"nya", {0x244B, 0x2463}, ""},          {"nka", {0x2473, 0x242B}, ""},
      {"KA", {}, "KA"},                       {"bcdf", {}, "f"},
      {"bcda", {0x2422}, ""},                 {"qqq", {0x2443, 0x2443}, "q"},
      {"ka1 ", {0x242B}, ""},                 {"ji", {0x2438}, ""},
      {"zi", {}, "zi"},                       {"fu", {0x2455}, ""},
      {"dzu", {0x2445}, ""},                  {"onna", {0x242A, 0x2473, 0x2422}, ""},
      {"tsu", {0x2444}, ""},                  {"ka", {0x252B}, "", true},
      {"nn", {0x2573}, "", true},             {"kk", {0x2543}, "k", true},
      {"kyo", {0x252D, 0x2567}, "", true},    {"qwrtzpqwrtzpxcvbnmlkjhgfds", {}, "ds"},
      {"n", {}, "n", true},                   {"ky", {}, "ky"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.romaji);
    RomajiConverter converter;
    converter.katakana = c.katakana;
    const Typed typed = Type(converter, c.romaji);
    EXPECT_EQ(typed.kana, c.kana);
    EXPECT_EQ(typed.pending, c.pending);
    // Flush turns only a lone n into kana.
    char pending[5] = "junk";
    const CodeString n(static_cast<std::uint16_t>(c.katakana ? 0x2573 : 0x2473));
    EXPECT_EQ(converter.Flush(pending), typed.pending == "n" ? n : CodeString());
    EXPECT_STREQ(pending, "");
    EXPECT_EQ(converter.pendingLength, 0);
  }
}

TEST(RomajiConverterTest, RefusedCharactersLeavePendingAloneBackspaceAndResetRemoveIt) {
  char pendingOut[5] = "ky";  // as the display shows it
  RomajiConverter converter;
  Type(converter, "ky");
  for (char c : std::string("1 -\t\x80")) {
    EXPECT_TRUE(converter.AddLetter(c, pendingOut).empty());
  }
  EXPECT_STREQ(pendingOut, "ky");
  EXPECT_EQ(converter.pendingLength, 2);
  EXPECT_TRUE(converter.Backspace(pendingOut));
  EXPECT_STREQ(pendingOut, "k");
  EXPECT_TRUE(converter.Backspace(pendingOut));
  EXPECT_FALSE(converter.Backspace(pendingOut));
  EXPECT_STREQ(pendingOut, "");

  Type(converter, "ky");
  converter.Reset(pendingOut);
  EXPECT_STREQ(pendingOut, "");
  EXPECT_EQ(converter.pendingLength, 0);
}

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

// Unlike the real program, returns from EndProcess.
class ReturningSystem : public FakeSystem {
 public:
  void EndProcess(int exitCode) override { exitCodes.push_back(exitCode); }
  std::vector<int> exitCodes;
};

TEST_F(DataFilesTest, LoadAllStopsAtTheFirstFaultEvenWhenEndingTheProcessReturns) {
  ReturningSystem returning;
  KanjiDatabase data(FullJisTable(), returning, dir.path());
  WriteExamples("broken\r\n");
  data.LoadAll();  // no kanji file
  ASSERT_EQ(returning.messages.size(), 1u);
  EXPECT_EQ(returning.messages[0].text, "Could not open the kanji data file.");
  EXPECT_EQ(returning.exitCodes, (std::vector<int>{-1}));

  WriteKanji("一\t1\tイチ\tひと\tone");
  WriteSentences("A: x\r\nB\tx\r\n");
  returning.messages.clear();
  data.LoadAll();  // the examples file fails; the sentences file is not read
  ASSERT_EQ(returning.messages.size(), 1u);
  EXPECT_EQ(returning.messages[0].text, kExamplesReadFailure);
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

TEST_F(DataFilesTest, ReadSentenceReadsBothTextsUpToTheEndOfTheLineOrFile) {
  // A missing file gives an empty index quietly, and sentences read empty.
  database.LoadSentencesFile();
  EXPECT_TRUE(database.sentenceIndex.empty() && !database.sentenceFile.is_open());
  CodeString japanese{1};
  std::string english = "x";
  database.ReadSentence(8, japanese, english);
  EXPECT_TRUE(japanese.empty() && english.empty());

  const char* const content =
      "A: 犬\r\n"  // no tab: the text ends at the CR
      "B: 犬\r\n"
      "A: 猫だ。\tA cat";  // the file ends in the English text
  WriteSentences(content);
  database.LoadSentencesFile();
  ASSERT_TRUE(system.messages.empty());
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

// A word line whose tag lacks its space is fatal, naming the byte offset and the unit; any other
// damage never hangs: the file loads, or fails with the same caption.
TEST_F(DataFilesTest, DamagedSentenceFileIsFatalWithThePlaceOrLoadsButNeverHangs) {
  using namespace std::string_literals;
  std::vector<std::pair<std::string, const char*>> cases = {
      // The tab is unit 31 after the mark: byte 0x40.
      {Utf16FileBytes("A: 彼は学生です。\tHe is a student.\r\nB:\t彼\r\n"), "40    9"},
      {Utf16FileBytes("A: 一\tOne.\r\nB: 一\r\nA: 二\tTwo.\r\nBBBB 二\r\n"), "3e   42"},
  };
  for (const std::string& garbage : GarbageFiles()) cases.emplace_back(garbage, nullptr);
  cases.emplace_back("\xFF\xFE"s + std::string(300000, ' '), nullptr);  // one huge line of spaces
  cases.emplace_back("\xFF\xFE#\0"s + std::string(300000, 'x'), nullptr);  // an endless comment
  cases.emplace_back("\xFF\xFE"
                     "A\0:\0 \0x\0\r\0\n\0B\0:\0 \0"s +
                         std::string(300000, 'y'),
                     nullptr);  // one huge word, last
  for (const auto& [content, place] : cases) {
    WriteBytes(dir / KanjiDatabase::kSentencesFileName, content);
    const auto load = [&] { database.LoadSentencesFile(); };
    if (place != nullptr) {
      ExpectFatal(system, load, std::string("Problem with sentence file: ") + place, "ERROR");
      continue;
    }
    system.messages.clear();
    try {
      load();
    } catch (const ProcessEnded&) {
      ASSERT_EQ(system.messages.size(), 1u);
      EXPECT_EQ(system.messages[0].caption, "ERROR");
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

  // The words of examples as UTF-8, one space between them.
  static std::string Words(const std::vector<ExampleRecord>& examples) {
    std::string words;
    for (const ExampleRecord& example : examples) {
      const std::vector<std::uint16_t>& units = example.word.units;
      words += (words.empty() ? "" : " ") + Utf8(JisString(units.begin(), units.end()));
    }
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
  EXPECT_EQ(Words(Containing("一")), "一人 一杯 一日 一つ 一一 一寸 寸一");
  EXPECT_EQ(Words(Containing("人")), "二人 一人");
  EXPECT_TRUE(Containing("三").empty());
  // Of those, the special reading lists irregular and marked examples.
  std::vector<ExampleRecord> out{ExampleRecord()};
  database.ExamplesWithSpecialReading(Codes("一")[0], Containing("一"), out);
  EXPECT_EQ(Words(out), "一人 一寸");  // 寸一 is special for 寸, not for 一
  database.ExamplesWithSpecialReading(Codes("寸")[0], Containing("寸"), out);
  EXPECT_EQ(Words(out), "寸一");
}

TEST_F(ExampleQueriesTest, ForReadingMatchesThePartOfTheFirstOccurrence) {
  const struct {
    const char* name;
    const char* kanji;
    const char* reading;
    int kind;
    const char* words;
  } cases[] = {
      {"katakana ON reading against hiragana parts", "一", "イチ", -1, "一杯 一日 寸一"},
      {"ON-only part is not a KUN match", "一", "いち", 1, "一杯 寸一"},
      {"KUN-only part", "一", "ひと", 1, "一つ 一一"},
      {"KUN-only part is not an ON match", "一", "ひと", -1, "一一"},
      {"the dictionary reading in parentheses is compared", "杯", "ハイ", -1, "一杯"},
      {"the sound in the word is not", "杯", "パイ", -1, ""},
      {"a special part is not plain text", "一", "すん", -1, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const KanjiCode k = Codes(c.kanji)[0];
    std::vector<ExampleRecord> out{ExampleRecord()};
    database.ExamplesForReading(Codes(c.reading), k, c.kind, Containing(c.kanji), out);
    EXPECT_EQ(Words(out), c.words);
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
  EXPECT_EQ(Words(out), "一");
  EXPECT_EQ(out[0].readingParts, in[3].readingParts);
  database.ExamplesWithSpecialReading(k, in, out);
  EXPECT_TRUE(out.empty());
}

}  // namespace
