// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/DataFilesFixture.h"

namespace {

using ExamplesFileTest = DataFilesTest;

const char* const kTwoLines =
    "一杯\t【いっ（いち）／ぱい（はい）】\t50\ta cupful\r\n"
    "一人\t【＊ひとり】\t70\tone person";

TEST_F(ExamplesFileTest, LoadsWordsReadingsWeightsAndMeanings) {
  WriteExamples(kTwoLines);
  database.LoadExamplesFile();

  EXPECT_TRUE(system.messages.empty());
  ASSERT_EQ(database.examples.size(), 2u);
  const ExampleRecord& cupful = database.examples[0];
  EXPECT_FALSE(cupful.irregular);
  EXPECT_EQ(cupful.readingParts,
            (std::vector<CodeString>{Codes("いっ（いち）"), Codes("ぱい（はい）")}));
  EXPECT_EQ(cupful.reading, Codes("いっぱい"));
  EXPECT_EQ(cupful.weight, 50u);
  EXPECT_EQ(cupful.meaning, "a cupful");

  const ExampleRecord& person = database.examples[1];
  EXPECT_TRUE(person.irregular);
  EXPECT_EQ(person.reading, Codes("ひとり"));
  EXPECT_TRUE(person.readingParts.empty());
}

TEST_F(ExamplesFileTest, SplitsReadingsIntoPartsAndJoinsThemWithoutMarks) {
  const struct {
    const char* name;
    const char* field;
    std::vector<const char*> parts;
    const char* reading;
  } cases[] = {
      {"empty field gives one empty part", "", {""}, ""},
      {"trailing solidus adds no part", "あ／い／", {"あ", "い"}, "あい"},
      {"marks are kept in parts, dropped from the reading",
       "＜いち／＞ひと／＆お",
       {"＜いち", "＞ひと", "＆お"},
       "いちひとお"},
      {"an unclosed parenthesis hides the rest", "あ（い／う", {"あ（い", "う"}, "あ"},
      {"an asterisk after the first code is dropped", "あ＊い", {"あ＊い"}, "あい"},
      {"irregular reading keeps its marks", "＊ひ（と）り", {}, "ひ（と）り"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteExamples(std::string("語\t【") + c.field + "】\t1\tm");
    database.LoadExamplesFile();
    ASSERT_EQ(database.examples.size(), 1u);
    std::vector<CodeString> parts;
    for (const char* part : c.parts) parts.push_back(Codes(part));
    EXPECT_EQ(database.examples[0].readingParts, parts);
    EXPECT_EQ(database.examples[0].reading, Codes(c.reading));
  }
}

TEST_F(ExamplesFileTest, ReadsWeightsAsDecimalNumbers) {
  const struct {
    const char* field;
    std::uint32_t weight;
  } cases[] = {
      {"42", 42}, {"  +7", 7},         {"12abc", 12},
      {"x1", 0},  {"-1", 4294967295u}, {"99999999999999999999", 4294967295u},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.field);
    WriteExamples(std::string("語\t【ご】\t") + c.field + "\tword");
    database.LoadExamplesFile();
    ASSERT_EQ(database.examples.size(), 1u);
    EXPECT_EQ(database.examples[0].weight, c.weight);
  }
}

TEST_F(ExamplesFileTest, OddButAcceptedInput) {
  // Without a byte-order mark the first word loses its first character.
  WriteExamples(kTwoLines, false);
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

}  // namespace
