// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

TEST_F(JisTableTest, ReadsTheSecondAndThirdColumnsAndTheFirstLineWinsInEachMapOnItsOwn) {
  const JisTable table = Load(
      "0x8140\t0x2421\t0x3041\t# HIRAGANA LETTER SMALL A\n"
      "0x2 0x2422 0x3041\n"  // Unicode seen before; its code is new
      "0x3 0x2421 0x9999\n");
  EXPECT_TRUE(system.messages.empty());
  KanjiCode code = 0;
  ASSERT_TRUE(table.UnicodeToCode(0x3041, code));
  EXPECT_EQ(code, 0x2421);
  EXPECT_EQ(table.CodeToUnicode(0x2422), 0x3041);
  EXPECT_EQ(table.CodeToUnicode(0x2421), 0x3041);
  EXPECT_TRUE(table.UnicodeToCode(0x9999, code) && code == 0x2421);
  // Absent keys.
  EXPECT_FALSE(table.UnicodeToCode(0x4E00, code));
  EXPECT_EQ(code, 0x2421);
  EXPECT_EQ(table.CodeToUnicode(0x7E7E), 0);
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
        kCaption);
  }
}

}  // namespace
