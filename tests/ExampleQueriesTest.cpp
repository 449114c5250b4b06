// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/DataFilesFixture.h"

namespace {

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

  static std::vector<CodeString> Words(const std::vector<ExampleRecord>& examples) {
    std::vector<CodeString> words;
    for (const ExampleRecord& example : examples) words.push_back(example.word);
    return words;
  }
  static std::vector<CodeString> WordsOf(const std::vector<const char*>& utf8) {
    std::vector<CodeString> words;
    for (const char* word : utf8) words.push_back(Codes(word));
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
  EXPECT_EQ(Words(Containing("一")),
            WordsOf({"一人", "一杯", "一日", "一つ", "一一", "一寸", "寸一"}));
  EXPECT_EQ(Words(Containing("人")), WordsOf({"二人", "一人"}));
  EXPECT_TRUE(Containing("三").empty());
}

TEST_F(ExampleQueriesTest, ForReadingMatchesThePartOfTheFirstOccurrence) {
  const struct {
    const char* name;
    const char* kanji;
    const char* reading;
    int kind;
    std::vector<const char*> words;
  } cases[] = {
      {"katakana ON reading against hiragana parts", "一", "イチ", -1, {"一杯", "一日", "寸一"}},
      {"ON-only part is not a KUN match", "一", "いち", 1, {"一杯", "寸一"}},
      {"KUN-only part", "一", "ひと", 1, {"一つ", "一一"}},
      {"KUN-only part is not an ON match", "一", "ひと", -1, {"一一"}},
      {"the dictionary reading in parentheses is compared", "杯", "ハイ", -1, {"一杯"}},
      {"the sound in the word is not", "杯", "パイ", -1, {}},
      {"a special part is not plain text", "一", "すん", -1, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const KanjiCode k = Codes(c.kanji)[0];
    std::vector<ExampleRecord> out{ExampleRecord()};
    database.ExamplesForReading(Codes(c.reading), k, c.kind, Containing(c.kanji), out);
    EXPECT_EQ(Words(out), WordsOf(c.words));
  }
}

TEST_F(ExampleQueriesTest, SpecialReadingListsIrregularAndMarkedExamples) {
  std::vector<ExampleRecord> out{ExampleRecord()};
  database.ExamplesWithSpecialReading(Codes("一")[0], Containing("一"), out);
  EXPECT_EQ(Words(out), WordsOf({"一人", "一寸"}));  // 寸一 is special for 寸, not for 一

  database.ExamplesWithSpecialReading(Codes("寸")[0], Containing("寸"), out);
  EXPECT_EQ(Words(out), WordsOf({"寸一"}));
}

TEST_F(ExampleQueriesTest, SelectiveQueriesSkipExamplesTheyCannotPlace) {
  ExampleRecord noKanji;  // a word without k
  noKanji.word = Codes("二");
  noKanji.readingParts = {Codes("いち")};
  ExampleRecord fewParts;  // k's part is missing
  fewParts.word = Codes("三一");
  fewParts.readingParts = {Codes("＆さん")};
  ExampleRecord noParts;
  noParts.word = Codes("一");
  ExampleRecord unclosed;  // an unclosed parenthesis runs to the end of the part
  unclosed.word = Codes("一");
  unclosed.readingParts = {Codes("いっ（いち")};
  const std::vector<ExampleRecord> in{noKanji, fewParts, noParts, unclosed};

  const KanjiCode k = Codes("一")[0];
  std::vector<ExampleRecord> out;
  database.ExamplesForReading(Codes("いち"), k, -1, in, out);
  EXPECT_EQ(Words(out), WordsOf({"一"}));
  EXPECT_EQ(out[0].readingParts, unclosed.readingParts);
  database.ExamplesWithSpecialReading(k, in, out);
  EXPECT_TRUE(out.empty());
}

}  // namespace
