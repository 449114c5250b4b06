// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/DataFilesFixture.h"

namespace {

using SentenceIndexTest = DataFilesTest;

// Byte offset of text's first occurrence in a file written from content with a byte-order mark.
std::int32_t OffsetOf(const char* content, const char* text) {
  return static_cast<std::int32_t>(2 + 2 * Utf16(content).find(Utf16(text)));
}

std::vector<std::int32_t> OffsetsFor(KanjiDatabase& database, const char* word) {
  std::vector<std::int32_t> out{-5};  // emptied first
  database.SentenceOffsetsFor(Units(word), out);
  return out;
}

TEST_F(SentenceIndexTest, IndexesEveryListedWordWithTheOffsetsOfItsSentences) {
  const char* const content =
      "A: 彼は学生です。\tHe is a student.\r\n"
      "B: 彼 は 学生 です\r\n"
      "#: 猫だ。\tA cat.\r\n"  // a comment hides its word line
      "B: 猫\r\n"
      "A: 来た。\tCame.\r\n"
      "B: \r\n"  // a tag alone lists nothing
      "A: 学生が来た。\tA student came.\r\n"
      "B:  学生  来る 学生 学生(がくせい)\r\n"
      "\r\n";  // a line break after the last pair is harmless
  WriteSentences(content);
  database.LoadSentencesFile();

  EXPECT_TRUE(system.messages.empty());
  const std::int32_t second = OffsetOf(content, "学生が");
  EXPECT_EQ(OffsetsFor(database, "彼"), (std::vector<std::int32_t>{8}));
  // Listed twice in one line: the offset twice.
  EXPECT_EQ(OffsetsFor(database, "学生"), (std::vector<std::int32_t>{8, second, second}));
  EXPECT_EQ(OffsetsFor(database, "来る"), (std::vector<std::int32_t>{second}));
  EXPECT_EQ(OffsetsFor(database, "学生(がくせい)"), (std::vector<std::int32_t>{second}));
  EXPECT_TRUE(OffsetsFor(database, "猫").empty());
  EXPECT_EQ(database.sentenceIndex.size(), 6u);
}

TEST_F(SentenceIndexTest, MissingOrEmptyFileGivesAnEmptyIndexQuietly) {
  database.LoadSentencesFile();
  EXPECT_TRUE(database.sentenceIndex.empty());
  EXPECT_FALSE(database.sentenceFile.is_open());
  CodeString japanese{1};
  std::string english = "x";
  database.ReadSentence(8, japanese, english);
  EXPECT_TRUE(japanese.empty() && english.empty());

  for (const bool bom : {false, true}) {
    WriteSentences("", bom);
    database.LoadSentencesFile();
    EXPECT_TRUE(database.sentenceIndex.empty());
  }
  EXPECT_TRUE(system.messages.empty());
}

TEST_F(SentenceIndexTest, WordLineTagWithoutSpaceIsFatal) {
  WriteSentences(
      "A: 彼は学生です。\tHe is a student.\r\n"
      "B:\t彼\r\n");
  // The tab is unit 31 after the mark: byte 0x40.
  ExpectFatal(
      system, [&] { database.LoadSentencesFile(); }, "Problem with sentence file: 40    9",
      "ERROR");

  WriteSentences(
      "A: 一\tOne.\r\n"
      "B: 一\r\n"
      "A: 二\tTwo.\r\n"
      "BBBB 二\r\n");
  ExpectFatal(
      system, [&] { database.LoadSentencesFile(); }, "Problem with sentence file: 3e   42",
      "ERROR");
}

TEST_F(SentenceIndexTest, ReadSentenceReadsBothTextsUpToTheEndOfTheLineOrFile) {
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

TEST_F(SentenceIndexTest, FileCutAnywhereEndsTheScan) {
  const char* const content =
      "A: 彼は学生です。\tHe is a student.\r\n"
      "B: 彼  学生   \r\n"
      "#: 学生が来た。\tA student came.\r\n"
      "B: 学生\r\n"
      "A: 犬だ。\tA dog.\r\n"
      "B: 犬\r\n";
  WriteSentences(content);
  const std::string whole = ReadBytes(dir / KanjiDatabase::kSentencesFileName);
  for (std::size_t size = 0; size <= whole.size(); ++size) {
    SCOPED_TRACE(size);
    WriteBytes(dir / KanjiDatabase::kSentencesFileName, whole.substr(0, size));
    database.LoadSentencesFile();
    EXPECT_TRUE(system.messages.empty());
    // Whatever was indexed points at a sentence of the whole file.
    for (const auto& [word, offsets] : database.sentenceIndex) {
      for (const std::int32_t offset : offsets) {
        EXPECT_TRUE(offset == 8 || offset == OffsetOf(content, "犬だ")) << offset;
      }
    }
  }
  EXPECT_EQ(database.sentenceIndex.size(), 3u);
}

TEST_F(SentenceIndexTest, GarbageNeverHangs) {
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

}  // namespace
