#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/DataFilesFixture.h"

namespace {

using KanjiFileTest = DataFilesTest;

const char* const kTwoLines =
    "一\t1\tイチ／イツ\tひと／ひと（つ）\tone\r\n"
    "食\t2\tショク\tた（べる）／く（う）\teat, food";

TEST_F(KanjiFileTest, LoadsEveryLineInFileOrder) {
  WriteKanji(kTwoLines);
  database.LoadKanjiFile();

  EXPECT_TRUE(system.messages.empty());
  ASSERT_EQ(database.kanji.size(), 2u);
  const KanjiRecord& one = database.kanji[0];
  EXPECT_EQ(one.code, 0x306C);
  EXPECT_EQ(one.grade, 1);
  ASSERT_EQ(one.onReadings.size(), 2u);
  EXPECT_EQ(one.onReadings[1].written, Codes("イツ"));
  ASSERT_EQ(one.kunReadings.size(), 2u);
  EXPECT_EQ(one.kunReadings[1].written, Codes("ひと（つ）"));
  EXPECT_EQ(one.kunReadings[1].bare, Codes("ひと"));
  EXPECT_EQ(one.meaning, "one");

  const KanjiRecord& eat = database.kanji[1];
  EXPECT_EQ(eat.code, Codes("食")[0]);
  EXPECT_EQ(eat.grade, 2);
  ASSERT_EQ(eat.onReadings.size(), 1u);
  ASSERT_EQ(eat.kunReadings.size(), 2u);
  EXPECT_EQ(eat.kunReadings[0].bare, Codes("た"));
  EXPECT_EQ(eat.kunReadings[0].written, Codes("た（べる）"));
  EXPECT_EQ(eat.kunReadings[1].bare, Codes("く"));
  EXPECT_EQ(eat.meaning, "eat, food");
}

TEST_F(KanjiFileTest, FieldsThatMayBeEmptyOrOdd) {
  WriteKanji(
      "一\tx\t\tひと\t\r\n"      // grade not a digit, no ON readings, empty meaning
      "二\t9\tニ\t\té Ā 中\r\n"  // no KUN readings; the meaning keeps low bytes only
      "三\t0\tサン\tみ\tthree");
  database.LoadKanjiFile();

  ASSERT_EQ(database.kanji.size(), 3u);
  EXPECT_EQ(database.kanji[0].grade, 0);
  EXPECT_TRUE(database.kanji[0].onReadings.empty());
  EXPECT_EQ(database.kanji[0].meaning, "");
  EXPECT_EQ(database.kanji[1].grade, 9);
  EXPECT_TRUE(database.kanji[1].kunReadings.empty());
  EXPECT_EQ(database.kanji[1].meaning, std::string("\xE9 \x00 \x2D", 5));
  EXPECT_EQ(database.kanji[2].grade, 0);
}

TEST_F(KanjiFileTest, LongFieldsAreKeptWhole) {
  std::string readings;
  for (int i = 0; i < 3000; ++i) readings += i == 0 ? "あ" : "／あ";
  const std::string meaning(5000, 'm');
  WriteKanji("一\t1\t" + readings + "\tひと\t" + meaning);
  database.LoadKanjiFile();

  ASSERT_EQ(database.kanji.size(), 1u);
  EXPECT_EQ(database.kanji[0].onReadings.size(), 3000u);
  EXPECT_EQ(database.kanji[0].meaning, meaning);
}

TEST_F(KanjiFileTest, MissingFileIsFatal) {
  ExpectFatal(
      system, [&] { database.LoadKanjiFile(); }, "Could not open the kanji data file.",
      kFileErrorCaption);
  std::filesystem::create_directory(dir / KanjiDatabase::kKanjiFileName);
  ExpectFatal(
      system, [&] { database.LoadKanjiFile(); }, "Could not open the kanji data file.",
      kFileErrorCaption);
}

TEST_F(KanjiFileTest, MalformedFilesAreFatal) {
  const struct {
    const char* name;
    std::string content;
    bool bom;
  } cases[] = {
      {"line break after the last line", std::string(kTwoLines) + "\r\n", true},
      {"blank line", "一\t1\tイチ\tひと\tone\r\n\r\n二\t1\tニ\tふた\ttwo", true},
      {"kanji without a code", "一\t1\tイチ\tひと\tone\r\n😀\t1\tニ\tふた\ttwo", true},
      {"ON reading without a code", "一\t1\tイチ🙂\tひと\tone", true},
      {"KUN reading without a code", "一\t1\tイチ\tひとA\tone", true},
      {"no byte-order mark", kTwoLines, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteKanji(c.content, c.bom);
    ExpectFatal(
        system, [&] { database.LoadKanjiFile(); }, kKanjiReadFailure, kFileErrorCaption);
  }
}

TEST_F(KanjiFileTest, FileCutAnywhereLoadsOrFailsCleanly) {
  WriteKanji(kTwoLines);
  const std::string whole = ReadBytes(dir / KanjiDatabase::kKanjiFileName);
  const std::u16string text = Utf16(kTwoLines);
  // A cut inside a meaning ends that line, and the file, there; anywhere else it is a fault.
  const struct {
    std::string meaning;
    std::size_t lines;
  } meanings[] = {{"one", 1}, {"eat, food", 2}};
  for (std::size_t size = 0; size < whole.size(); ++size) {
    SCOPED_TRACE(size);
    WriteBytes(dir / KanjiDatabase::kKanjiFileName, whole.substr(0, size));
    bool loads = false;
    for (const auto& m : meanings) {
      const std::size_t start = 2 + 2 * text.find(Utf16(m.meaning));
      // (A lone byte of the CR after it is no unit.)
      if (size < start || size > start + 2 * m.meaning.size() + 1) continue;
      loads = true;
      database.LoadKanjiFile();
      ASSERT_EQ(database.kanji.size(), m.lines);
      EXPECT_EQ(database.kanji.back().meaning, m.meaning.substr(0, (size - start) / 2));
    }
    if (!loads) {
      ExpectFatal(
          system, [&] { database.LoadKanjiFile(); }, kKanjiReadFailure, kFileErrorCaption);
    }
  }
}

TEST_F(KanjiFileTest, BinaryGarbageFailsCleanly) {
  for (const std::string& content : GarbageFiles()) {
    WriteBytes(dir / KanjiDatabase::kKanjiFileName, content);
    ExpectFatal(
        system, [&] { database.LoadKanjiFile(); }, kKanjiReadFailure, kFileErrorCaption);
  }
}

struct ReadingsCase {
  const char* name;
  const char* field;
  std::vector<const char*> written;
  std::vector<const char*> bare;
};

TEST(ParseReadingsTest, SplitsFieldsIntoWrittenAndBareReadings) {
  const ReadingsCase cases[] = {
      {"empty field", "", {}, {}},
      {"one reading", "イチ", {"イチ"}, {"イチ"}},
      {"okurigana", "た（べる）／く（う）", {"た（べる）", "く（う）"}, {"た", "く"}},
      {"leading position mark", "―ぬ", {"―ぬ"}, {"ぬ"}},
      {"position mark after the stem", "あ―", {"あ―"}, {"あ"}},
      {"ideographic space ends the stem", "あ　い", {"あ　い"}, {"あ"}},
      {"leading ideographic space", "　あ", {"　あ"}, {""}},
      {"trailing solidus", "あ／い／", {"あ", "い"}, {"あ", "い"}},
      {"two solidi in a row", "あ／／い", {"あ", "", "い"}, {"あ", "", "い"}},
      {"leading solidus", "／あ", {"", "あ"}, {"", "あ"}},
      {"only a position mark", "―", {"―"}, {""}},
  };
  for (const ReadingsCase& c : cases) {
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

}  // namespace
