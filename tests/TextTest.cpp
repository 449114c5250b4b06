// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The text layer below the loaders: code strings, the unit reader of the program's files, the
// JIS table, the romaji converter, and kanji search with the facts file it ranks by.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "tests/DataFilesFixture.h"
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

class JisTableTest : public ::testing::Test {
 protected:
  JisTable Load(std::string_view content) {
    WriteBytes(dir / "jis0208.dat", content);
    return JisTable(dir / "jis0208.dat", system);
  }

  TempDir dir;
  FakeSystem system;
};

// Blank lines and long comments are passed over, and a last line without a line break is not
// read.
TEST_F(JisTableTest, ReadsTheSecondAndThirdColumnsAndTheFirstLineWinsInEachMapOnItsOwn) {
  const JisTable table = Load(
      "0x8140\t0x2421\t0x3041\t# HIRAGANA LETTER SMALL A\n"
      "0x2 0x2422 0x3041\n"  // Unicode seen before; its code is new
      "0x3 0x2421 0x9999\n"
      "\n8140 2121 3000\r\n\n\n0X8141 0x2122 0X3001 #" +
      std::string(5000, 'x') + " 2 2123 3002\n3 2124 3003\n4 2125 3004");
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

TEST_F(JisTableTest, MissingOrMalformedFilesAreFatalWithTheLine) {
  ExpectFatal(
      system, [&] { JisTable table(dir / "jis0208.dat", system); },
      "Could not open the character table file (jis0208.dat).", kFileErrorCaption);
  const struct {
    const char *content, *line;
  } cases[] = {
      {"# a comment\n1 2121 3000\n", "1"}, {"1 2121 3000\n1 2122 13001\n", "2"},
      {"1 2121 3000\n\n1 2122 zz\n", "3"}, {"\n\n\n", "4"},  // only blank lines
      {"\x01\x02\xff\xfe", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.content);
    ExpectFatal(
        system, [&] { Load(c.content); },
        std::string("Problem reading the character table (jis0208.dat) at line ") + c.line +
            ". Every line must begin with three hexadecimal numbers.",
        kFileErrorCaption);
  }
}

class KanjiSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // kanji, ON, KUN, meaning, strokes, frequency
    Add("水", "スイ", "みず", "water, fluid", 4, 223);
    Add("吹", "スイ", "ふ", "blow, breathe", 7, 1134);
    Add("滝", "ロウ", "たき", "waterfall, rapids", 13, 0);
    Add("火", "カ", "ひ", "fire", 4, 574);
    Add("缶", "カン", "かま", "tin can", 6, 1900);
  }
  void Add(const char* kanji, const char* on, const char* kun, const char* meaning, int strokes,
           int frequency) {
    KanjiRecord record;
    record.code = Codes(kanji).units[0];
    record.onReadings.push_back({Codes(on), Codes(on)});
    record.kunReadings.push_back({Codes(kun), Codes(kun)});
    record.meaning = meaning;
    records.push_back(record);
    facts.push_back({.code = record.code,
                     .strokes = static_cast<std::uint16_t>(strokes),
                     .frequency = static_cast<std::uint16_t>(frequency)});
  }

  std::vector<KanjiRecord> records;
  std::vector<KanjiFacts> facts;
};

TEST_F(KanjiSearchTest, FindsKanjiByCharacterReadingMeaningOrStrokes) {
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

TEST(KanjiFactsFileTest, ReadsGoodFilesAndRefusesDamagedOnesWithoutChangingAnything) {
  TempDir dir;
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

}  // namespace
