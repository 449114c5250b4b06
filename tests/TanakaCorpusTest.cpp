// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/TanakaCorpus.h"

#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"

namespace {

TEST(TanakaCorpusTest, TakesTheDecorationsOffAWord) {
  const struct {
    const char* token;
    const char* word;
  } cases[] = {
      {"二十歳(はたち){２０歳}", "二十歳"},
      {"なる[01]{になりました}", "なる"},
      {"時(とき)[02]~", "時"},
      {"何(なん){何の}", "何"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.token);
    EXPECT_EQ(PlainTanakaWord(Utf16(c.token)), Utf16(c.word));
  }
}

TEST(TanakaCorpusTest, WritesSentencePairsWithPlainWords) {
  TempDir dir;
  WriteBytes(dir / "examples.utf",
             "A: 彼は学生です。\tHe is a student.#ID=1_2\n"
             "B: 彼(かれ)[01] は 学生{学生です} です\n"
             "A: 行き先がない。\tNo café to go to.#ID=3_4\n"
             "A: 二度目。\tThe second time.#ID=5_6\n"
             "B: 二度目(にどめ)~\n");
  Utf16File out;
  std::string error;
  EXPECT_EQ(ConvertTanakaCorpus(dir / "examples.utf", out, error), 2);
  EXPECT_EQ(out.bytes(),
            Utf16FileBytes("A: 彼は学生です。\tHe is a student.\r\nB: 彼 は 学生 です\r\n"
                           "A: 二度目。\tThe second time.\r\nB: 二度目\r\n"));
}

TEST(TanakaCorpusTest, KeepsLatin1AndMarksOtherCharactersInTheEnglish) {
  TempDir dir;
  WriteBytes(dir / "examples.utf", "A: 一。\tCafé — naïve.#ID=1\nB: 一\n");
  Utf16File out;
  std::string error;
  ASSERT_EQ(ConvertTanakaCorpus(dir / "examples.utf", out, error), 1);
  const std::string& bytes = out.bytes();
  // The English starts after the mark, "A: ", 一, 。 and the tab.
  std::string english;
  for (std::size_t i = 2 + 2 * 6; i + 1 < bytes.size() && bytes[i] != '\r'; i += 2) {
    english += bytes[i];
  }
  EXPECT_EQ(english, "Caf\xE9 ? na\xEFve.");
}

TEST(TanakaCorpusTest, ReportsAMissingFile) {
  TempDir dir;
  Utf16File out;
  std::string error;
  EXPECT_EQ(ConvertTanakaCorpus(dir / "none.utf", out, error), -1);
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

}  // namespace
