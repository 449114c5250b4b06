// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The builder's files read back by the program's own loaders.
#include <gtest/gtest.h>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "tools/DataSetWriter.h"
#include "tools/ReadingAligner.h"

namespace {

CodeString Codes(const char* utf8) {
  const JisString codes = Jis(utf8);
  return CodeString(static_cast<std::uint32_t>(codes.size()),
                    reinterpret_cast<const std::uint16_t*>(codes.data()));
}

class DataSetLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(WriteJisTable(dir / "jis0208.dat", FullCharacterTable().rows()));
    jis = std::make_unique<JisTable>(dir / "jis0208.dat", system);
    ASSERT_TRUE(system.messages.empty());
  }

  TempDir dir;
  FakeSystem system;
  std::unique_ptr<JisTable> jis;
};

TEST_F(DataSetLoadTest, KanjiAndExamplesLoadAndExamplesAreFoundUnderTheKanjisReadings) {
  std::vector<KanjiEntry> kanji = TestKanjiSet(
      {"一 イチ イツ ひと- ひと.つ", "杯 ハイ さかずき", "今 コン いま", "日 ニチ ジツ ひ"});
  kanji.push_back(TestKanji("食 ショク ジキ く.う た.べる", 2));
  kanji.back().meaning = "eat, food";
  kanji.push_back(TestKanji("乂 ガイ"));
  const ReadingAligner aligner(kanji);
  std::vector<Example> examples;
  const char* words[][2] = {{"一杯", "いっぱい"}, {"今日", "きょう"}, {"一日", "いちにち"}};
  std::uint32_t weight = 30;
  for (const auto& w : words) {
    Example example;
    example.word = Jis(w[0]);
    example.field = aligner.Align(Jis(w[0]), Jis(w[1])).field;
    example.weight = weight--;
    example.meaning = "a meaning";
    examples.push_back(example);
  }
  ASSERT_TRUE(WriteKanjiFile(dir / "kanji_data.dat", kanji, FullCharacterTable()));
  ASSERT_TRUE(WriteExamplesFile(dir / "examples.dat", examples, FullCharacterTable()));
  KanjiDatabase database(*jis, system, dir.path());
  database.LoadAll();
  ASSERT_TRUE(system.messages.empty());
  ASSERT_EQ(database.kanji.size(), 6u);
  const KanjiRecord& eat = database.kanji[4];
  EXPECT_EQ(std::pair(eat.grade, eat.meaning), std::pair(std::uint16_t{2}, std::string("eat, food")));
  ASSERT_EQ(eat.kunReadings.size(), 2u);
  EXPECT_EQ(eat.kunReadings[1].bare, Codes("た"));
  EXPECT_EQ(eat.kunReadings[1].written, Codes("た（べる）"));
  EXPECT_TRUE(database.kanji[5].kunReadings.empty());
  ASSERT_EQ(database.examples.size(), 3u);
  EXPECT_EQ(database.examples[0].reading, Codes("いっぱい"));

  std::vector<ExampleRecord> withIchi;
  std::vector<ExampleRecord> found;
  const KanjiCode ichi = Jis("一")[0];
  database.ExamplesContaining(ichi, withIchi);
  ASSERT_EQ(withIchi.size(), 2u);
  database.ExamplesForReading(Codes("イチ"), ichi, -1, withIchi, found);
  EXPECT_EQ(found.size(), 2u);  // いっ（いち） and いち
  database.ExamplesWithSpecialReading(Jis("今")[0], database.examples, found);
  EXPECT_EQ(found.size(), 1u);
}

}  // namespace
