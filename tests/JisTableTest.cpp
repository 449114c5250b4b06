#include "text/JisTable.h"

#include <gtest/gtest.h>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"

namespace {

const char* const kCaption = "Veltrane File Error";

class JisTableTest : public ::testing::Test {
 protected:
  JisTable Load(std::string_view content) {
    WriteBytes(dir / "jis0208.dat", content);
    return JisTable(dir / "jis0208.dat", system);
  }

  TempDir dir;
  FakeSystem system;
};

TEST_F(JisTableTest, ReadsTheSecondAndThirdColumnsOfEachLine) {
  const JisTable table = Load("0x8140\t0x2121\t0x3000\t# IDEOGRAPHIC SPACE\n");
  KanjiCode code = 0;
  ASSERT_TRUE(table.UnicodeToCode(0x3000, code));
  EXPECT_EQ(code, 0x2121);
  EXPECT_EQ(table.CodeToUnicode(0x2121), 0x3000);
  EXPECT_TRUE(system.messages.empty());
  // Absent keys.
  EXPECT_FALSE(table.UnicodeToCode(0x4E00, code));
  EXPECT_EQ(code, 0x2121);
  EXPECT_EQ(table.CodeToUnicode(0x7E7E), 0);
}

TEST_F(JisTableTest, FirstLineWinsInEachMapOnItsOwn) {
  const JisTable table = Load(
      "0x1 0x2421 0x3041\n"
      "0x2 0x2422 0x3041\n"  // Unicode seen before; its code is new
      "0x3 0x2421 0x9999\n");
  KanjiCode code = 0;
  ASSERT_TRUE(table.UnicodeToCode(0x3041, code));
  EXPECT_EQ(code, 0x2421);
  EXPECT_EQ(table.CodeToUnicode(0x2422), 0x3041);
  EXPECT_EQ(table.CodeToUnicode(0x2421), 0x3041);
  EXPECT_TRUE(table.UnicodeToCode(0x9999, code));
  EXPECT_EQ(code, 0x2421);
}

TEST_F(JisTableTest, OptionalPrefixBlankLinesLongCommentsAndAnUnendedLastLine) {
  const JisTable table = Load("\n8140 2121 3000\r\n\n\n0X8141 0x2122 0X3001 #" +
                              std::string(5000, 'x') + " 2 2123 3002\n3 2124 3003\n4 2125 3004");
  EXPECT_EQ(table.byCode.size(), 3u);
  EXPECT_EQ(table.CodeToUnicode(0x2121), 0x3000);
  EXPECT_EQ(table.CodeToUnicode(0x2122), 0x3001);
  EXPECT_EQ(table.CodeToUnicode(0x2124), 0x3003);  // after the long comment
  EXPECT_EQ(table.CodeToUnicode(0x2125), 0);       // the last line, without a line break
}

TEST_F(JisTableTest, MissingFileIsFatal) {
  ExpectFatal(
      system, [&] { JisTable table(dir / "jis0208.dat", system); },
      "Could not open the character table file (jis0208.dat).", kCaption);
}

TEST_F(JisTableTest, MalformedFilesAreFatalWithTheLine) {
  const struct {
    const char* name;
    const char* content;
    const char* line;
  } cases[] = {
      {"comment line", "# a comment\n1 2121 3000\n", "1"},
      {"value over 16 bits", "1 2121 3000\n1 2122 13001\n", "2"},
      {"two numbers", "1 2121 3000\n\n1 2122 zz\n", "3"},
      {"only blank lines", "\n\n\n", "4"},
      {"binary garbage", "\x01\x02\xff\xfe", "1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectFatal(
        system, [&] { Load(c.content); },
        std::string("Problem reading the character table (jis0208.dat) at line ") + c.line +
            ". Every line must begin with three hexadecimal numbers.",
        kCaption);
  }
}

TEST_F(JisTableTest, FullTableFromTheSystemConverter) {
  WriteFullJisTable(dir.path());
  const JisTable table(dir / "jis0208.dat", system);
  EXPECT_EQ(table.byCode.size(), 6879u);
  KanjiCode code = 0;
  ASSERT_TRUE(table.UnicodeToCode(0x4E00, code));  // 一
  EXPECT_EQ(code, 0x306C);
  EXPECT_EQ(table.CodeToUnicode(0x2421), 0x3041);  // small a
  EXPECT_EQ(table.CodeToUnicode(0x2573), 0x30F3);  // katakana n
}

}  // namespace
