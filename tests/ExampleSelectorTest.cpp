// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ExampleSelector.h"

#include <gtest/gtest.h>

#include "tests/ToolTestData.h"

namespace {

EdictEntry Word(const char* word, const char* reading, bool common, bool usuallyKana = false) {
  EdictEntry entry;
  entry.word = Jis(word);
  entry.reading = Jis(reading);
  entry.meaning = std::string("meaning of ") + reading;
  entry.common = common;
  entry.usuallyKana = usuallyKana;
  return entry;
}

class ExampleSelectorTest : public ::testing::Test {
 protected:
  std::vector<KanjiEntry> kanji =
      TestKanjiSet({"山 サン セン やま", "川 セン かわ", "本 ホン もと"});
  ReadingAligner aligner{kanji};

  ExampleSelection Select(const std::vector<EdictEntry>& entries) {
    return SelectExamples(entries, kanji, aligner, FullCharacterTable(), nullptr);
  }
  static std::vector<std::string> Words(const ExampleSelection& selection) {
    std::vector<std::string> words;
    for (const Example& example : selection.examples) words.push_back(Utf8(example.word));
    return words;
  }
};

TEST_F(ExampleSelectorTest, TakesEveryCommonWordWithAKanjiAndNoWordWithout) {
  std::vector<EdictEntry> entries = {Word("本山", "ほんざん", true), Word("やま", "やま", true),
                                     Word("山川", "やまかわ", true)};
  for (int n = 0; n < 12; ++n) entries.push_back(Word("本山", "ほんさん", false));
  const ExampleSelection selection = Select(entries);
  EXPECT_EQ(selection.commonWords, 2);
  EXPECT_EQ(selection.commonAligned, 2);
  // The repeated pair counts once.
  EXPECT_EQ(Words(selection), (std::vector<std::string>{"本山", "山川", "本山"}));
}

TEST_F(ExampleSelectorTest, TopsUpKanjiWithFewExamplesUpToTen) {
  std::vector<EdictEntry> entries;
  const char* words[] = {"川",     "小川",   "川上", "川口", "川辺", "川下", "川原",
                         "川上り", "川下り", "大川", "川中", "川田", "川本"};
  const char* readings[] = {"かわ",     "おがわ", "かわかみ",   "かわぐち",   "かわべ",
                            "かわしも", "かわら", "かわのぼり", "かわくだり", "おおかわ",
                            "かわなか", "かわた", "かわもと"};
  for (std::size_t n = 0; n < std::size(words); ++n) {
    entries.push_back(Word(words[n], readings[n], false));
  }
  entries[1].usuallyKana = true;  // 小川
  const ExampleSelection selection = Select(entries);
  EXPECT_EQ(selection.examples.size(), 10u);
  EXPECT_EQ(selection.availableWords[Jis("川")[0]], 13);
  const std::vector<std::string> chosen = Words(selection);
  const auto has = [&](const char* word) {
    return std::find(chosen.begin(), chosen.end(), word) != chosen.end();
  };
  // Words usually written in kana come last; of the others the regular ones (本 is a kanji of
  // the set, 田 is not) and the shorter ones first.
  EXPECT_FALSE(has("小川"));
  EXPECT_TRUE(has("川本"));
  EXPECT_FALSE(has("川上り"));
  EXPECT_EQ(chosen.front(), "川");
}

TEST_F(ExampleSelectorTest, AddsAnExampleForEachReadingEdictCanShow) {
  std::vector<EdictEntry> entries;
  const char* words[] = {"山頂", "山脈", "山岳", "山村", "山腹",
                         "山林", "山荘", "山菜", "山地", "山野"};
  const char* readings[] = {"さんちょう", "さんみゃく", "さんがく", "さんそん", "さんぷく",
                            "さんりん",   "さんそう",   "さんさい", "さんち",   "さんや"};
  for (std::size_t n = 0; n < std::size(words); ++n) {
    entries.push_back(Word(words[n], readings[n], true));
  }
  entries.push_back(Word("山道", "やまみち", false));
  const ExampleSelection selection = Select(entries);
  // 山 has ten examples already, all read サン; one more shows やま.
  EXPECT_EQ(selection.examples.size(), 11u);
  EXPECT_EQ(Utf8(selection.examples.back().word), "山道");
  EXPECT_EQ(selection.readings, 7);  // 山 サン セン やま, 川 セン かわ, 本 ホン もと
  EXPECT_EQ(selection.readingsWithExample, 2);
  EXPECT_EQ(selection.readingsEdictLacks, 5);
}

TEST_F(ExampleSelectorTest, LeavesOutWordsTheProgramCouldNotShow) {
  std::vector<EdictEntry> entries = {Word("山", "サン", true),  // katakana is fine for an example
                                     Word("Ｂ山", "ビーやま", true), Word("山", "やま", true),
                                     Word("山", "やま", true)};
  entries[2].word.push_back(0x2F21);  // row 15 of JIS X 0208 is empty
  entries[3].reading = u"ya";         // not kana
  EXPECT_EQ(Words(Select(entries)), (std::vector<std::string>{"山", "Ｂ山"}));
}

TEST(ExampleWeightTest, RanksCommonWordsFirstAndKanaWordsLast) {
  EXPECT_GT(ExampleWeight(true, false, 2, 1), ExampleWeight(false, false, 2, 1));
  EXPECT_GT(ExampleWeight(false, false, 2, 1), ExampleWeight(true, true, 2, 1));
  EXPECT_GT(ExampleWeight(true, true, 2, 1), ExampleWeight(false, true, 2, 1));
  // Shorter words and more senses first.
  EXPECT_GT(ExampleWeight(false, false, 2, 1), ExampleWeight(false, false, 5, 1));
  EXPECT_GT(ExampleWeight(false, false, 2, 3), ExampleWeight(false, false, 2, 1));
  // Class beats length and senses.
  EXPECT_GT(ExampleWeight(false, false, 20, 1), ExampleWeight(true, true, 1, 10));
}

}  // namespace
