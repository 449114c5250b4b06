// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/KanjiDatabase.h"

#include <gtest/gtest.h>

#include "tests/DataFilesFixture.h"

namespace {

using LoadAllTest = DataFilesTest;

// Records messages and, unlike the real program, returns from EndProcess.
class ReturningSystem : public System {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, WindowHandle,
                   MessageIcon) override {
    messages.push_back(caption + ": " + text);
  }
  void EndProcess(int exitCode) override { exitCodes.push_back(exitCode); }

  std::vector<std::string> messages;
  std::vector<int> exitCodes;
};

TEST_F(LoadAllTest, LoadsKanjiExamplesAndTheOptionalSentences) {
  WriteKanji("一\t1\tイチ\tひと\tone");
  WriteExamples("一つ\t【＞ひと／つ】\t30\tone thing");
  database.LoadAll();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(database.kanji.size(), 1u);
  EXPECT_EQ(database.examples.size(), 1u);
  EXPECT_TRUE(database.sentenceIndex.empty());

  WriteSentences("A: 一つだ。\tIt is one.\r\nB: 一つ\r\n");
  database.LoadAll();
  EXPECT_TRUE(system.messages.empty());
  std::vector<std::int32_t> offsets;
  database.SentenceOffsetsFor(Units("一つ"), offsets);
  EXPECT_EQ(offsets, (std::vector<std::int32_t>{8}));
}

TEST_F(LoadAllTest, StopsAtTheFirstFaultEvenWhenEndingTheProcessReturns) {
  ReturningSystem returning;
  KanjiDatabase data(FullJisTable(), returning, dir.path());
  WriteExamples("broken\r\n");
  data.LoadAll();  // no kanji file
  EXPECT_EQ(returning.messages,
            (std::vector<std::string>{"Veltrane File Error: Could not open the kanji data file."}));
  EXPECT_EQ(returning.exitCodes, (std::vector<int>{-1}));

  WriteKanji("一\t1\tイチ\tひと\tone");
  WriteSentences("A: x\r\nB\tx\r\n");
  returning.messages.clear();
  data.LoadAll();  // the examples file fails; the sentences file is not read
  ASSERT_EQ(returning.messages.size(), 1u);
  EXPECT_EQ(returning.messages[0], std::string("Veltrane File Error: ") + kExamplesReadFailure);
  EXPECT_FALSE(data.sentenceFile.is_open());
}

}  // namespace
