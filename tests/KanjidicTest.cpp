#include "tools/Kanjidic.h"

#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"

namespace {

TEST(KanjidicTest, ReadsGradeFrequencyReadingsAndMeanings) {
  const std::string line = EucJp(
      "亜 3021 U4e9c B1 C7 G8 S7 F1509 J1 N43 Yya4 Wa ア つ.ぐ T1 や つぎ {Asia} {rank next} "
      "{come after}");
  const auto entry = ParseKanjidicLine(line);
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->code, Jis("亜")[0]);
  EXPECT_EQ(entry->grade, 8);
  EXPECT_EQ(entry->frequency, 1509);
  ASSERT_EQ(entry->on.size(), 1u);
  EXPECT_EQ(Utf8(entry->on[0]), "ア");
  // Name readings after T1 are no readings.
  ASSERT_EQ(entry->kun.size(), 1u);
  EXPECT_EQ(Utf8(entry->kun[0]), "つ.ぐ");
  EXPECT_EQ(entry->meanings, (std::vector<std::string>{"Asia", "rank next", "come after"}));
}

TEST(KanjidicTest, KeepsPositionMarksAndSkipsTheHeaderLine) {
  EXPECT_FALSE(ParseKanjidicLine("# KANJIDIC JIS X 0208 Kanji Information File/").has_value());
  const auto entry = ParseKanjidicLine(EucJp("黄 322B G2 コウ オウ き こ- {yellow}"));
  ASSERT_TRUE(entry.has_value());
  EXPECT_EQ(entry->frequency, 0);
  EXPECT_EQ(Utf8(entry->kun.back()), "こ-");
}

TEST(KanjidicTest, RefusesLinesWhoseCodeDisagreesWithTheKanji) {
  // The same line in UTF-8: its first two bytes decode to another kanji.
  EXPECT_FALSE(ParseKanjidicLine("亜 3021 G8 ア {Asia}").has_value());
  EXPECT_FALSE(ParseKanjidicLine(EucJp("亜 3022 G8 ア {Asia}")).has_value());
}

TEST(KanjidicTest, ReportsAMissingOrEmptyFile) {
  TempDir dir;
  std::vector<KanjidicEntry> entries;
  std::string error;
  EXPECT_FALSE(ReadKanjidic(dir / "missing", entries, error));
  EXPECT_NE(error.find("cannot open"), std::string::npos);
  WriteBytes(dir / "empty", "# nothing here\n");
  EXPECT_FALSE(ReadKanjidic(dir / "empty", entries, error));
  EXPECT_NE(error.find("holds no kanji"), std::string::npos);
}

}  // namespace
