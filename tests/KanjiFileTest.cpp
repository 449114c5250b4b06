// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
  EXPECT_EQ(database.kanji[1].code, Codes("食")[0]);
  EXPECT_EQ(database.kanji[1].meaning, "eat, food");
}

TEST_F(KanjiFileTest, FieldsThatMayBeEmptyOddOrLong) {
  std::string readings;
  for (int i = 0; i < 3000; ++i) readings += i == 0 ? "あ" : "／あ";
  const std::string meaning(5000, 'm');
  WriteKanji(
      "一\tx\t\tひと\t\r\n"      // grade not a digit, no ON readings, empty meaning
      "二\t9\tニ\t\té Ā 中\r\n"  // no KUN readings; the meaning keeps low bytes only
      "三\t1\t" +
      readings + "\tみ\t" + meaning);
  database.LoadKanjiFile();

  ASSERT_EQ(database.kanji.size(), 3u);
  EXPECT_EQ(database.kanji[0].grade, 0);
  EXPECT_TRUE(database.kanji[0].onReadings.empty());
  EXPECT_EQ(database.kanji[0].meaning, "");
  EXPECT_EQ(database.kanji[1].grade, 9);
  EXPECT_TRUE(database.kanji[1].kunReadings.empty());
  EXPECT_EQ(database.kanji[1].meaning, std::string("\xE9 \x00 \x2D", 5));
  // Long fields are kept whole.
  EXPECT_EQ(database.kanji[2].onReadings.size(), 3000u);
  EXPECT_EQ(database.kanji[2].meaning, meaning);
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
      {"okurigana", "た（べる）／く（う）", {"た（べる）", "く（う）"}, {"た", "く"}},
      {"leading position mark", "―ぬ", {"―ぬ"}, {"ぬ"}},
      {"position mark after the stem", "あ―", {"あ―"}, {"あ"}},
      {"ideographic space ends the stem", "あ　い", {"あ　い"}, {"あ"}},
      {"leading ideographic space", "　あ", {"　あ"}, {""}},
      {"trailing solidus", "あ／い／", {"あ", "い"}, {"あ", "い"}},
      {"two solidi in a row", "あ／／い", {"あ", "", "い"}, {"あ", "", "い"}},
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
