// The builder's files read back by the program's own loaders.
#include <gtest/gtest.h>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "tools/DataSetWriter.h"
#include "tools/ReadingAligner.h"
#include "tools/TanakaCorpus.h"

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

TEST_F(DataSetLoadTest, KanjiFileLoadsWithItsReadingsAndMeanings) {
  std::vector<KanjiEntry> kanji = {TestKanji("食 ショク ジキ く.う た.べる", 2),
                                   TestKanji("黄 コウ オウ き こ-", 2), TestKanji("乂 ガイ", 0)};
  kanji[0].meaning = "eat, food";
  ASSERT_TRUE(WriteKanjiFile(dir / "kanji_data.dat", kanji, FullCharacterTable()));
  KanjiDatabase database(*jis, system, dir.path());
  database.LoadKanjiFile();
  ASSERT_TRUE(system.messages.empty());
  ASSERT_EQ(database.kanji.size(), 3u);
  const KanjiRecord& eat = database.kanji[0];
  EXPECT_EQ(eat.code, Jis("食")[0]);
  EXPECT_EQ(eat.grade, 2);
  ASSERT_EQ(eat.kunReadings.size(), 2u);
  EXPECT_EQ(eat.kunReadings[1].bare, Codes("た"));
  EXPECT_EQ(eat.kunReadings[1].written, Codes("た（べる）"));
  EXPECT_EQ(eat.meaning, "eat, food");
  ASSERT_EQ(database.kanji[1].kunReadings.size(), 2u);
  EXPECT_EQ(database.kanji[1].kunReadings[1].bare, Codes("こ"));
  EXPECT_TRUE(database.kanji[2].kunReadings.empty());
  EXPECT_EQ(database.kanji[2].grade, 0);
}

TEST_F(DataSetLoadTest, ExamplesLoadAndAreFoundUnderTheKanjisReadings) {
  const std::vector<KanjiEntry> kanji = TestKanjiSet(
      {"一 イチ イツ ひと- ひと.つ", "杯 ハイ さかずき", "今 コン いま", "日 ニチ ジツ ひ"});
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
  ASSERT_EQ(database.examples.size(), 3u);
  EXPECT_EQ(database.examples[0].reading, Codes("いっぱい"));
  EXPECT_TRUE(database.examples[1].irregular);
  EXPECT_EQ(database.examples[2].readingParts.size(), 2u);

  std::vector<ExampleRecord> withIchi;
  std::vector<ExampleRecord> found;
  const KanjiCode ichi = Jis("一")[0];
  database.ExamplesContaining(ichi, withIchi);
  ASSERT_EQ(withIchi.size(), 2u);
  database.ExamplesForReading(Codes("イチ"), ichi, -1, withIchi, found);
  EXPECT_EQ(found.size(), 2u);  // いっ（いち） and いち
  std::vector<ExampleRecord> withHai;
  const KanjiCode hai = Jis("杯")[0];
  database.ExamplesContaining(hai, withHai);
  database.ExamplesForReading(Codes("ハイ"), hai, -1, withHai, found);
  EXPECT_EQ(found.size(), 1u);
  database.ExamplesWithSpecialReading(Jis("今")[0], database.examples, found);
  EXPECT_EQ(found.size(), 1u);
}

TEST_F(DataSetLoadTest, SentencesFromTheTanakaCorpusAreFoundByTheirWords) {
  WriteBytes(dir / "examples.utf",
             "A: 彼は学生です。\tHe is a student.#ID=1_2\n"
             "B: 彼(かれ)[01] は 学生{学生です} です\n"
             "A: 学生が来た。\tA student came.#ID=3_4\n"
             "B: 学生 が 来る{来た}\n");
  Utf16File sentences;
  std::string error;
  ASSERT_EQ(ConvertTanakaCorpus(dir / "examples.utf", sentences, error), 2);
  ASSERT_TRUE(sentences.Save(dir / "sentences.dat"));
  KanjiDatabase database(*jis, system, dir.path());
  database.LoadSentencesFile();
  ASSERT_TRUE(system.messages.empty());
  std::vector<std::int32_t> offsets;
  const std::u16string student = Utf16("学生");
  database.SentenceOffsetsFor(CodeString(static_cast<std::uint32_t>(student.size()),
                                         reinterpret_cast<const std::uint16_t*>(student.data())),
                              offsets);
  ASSERT_EQ(offsets.size(), 2u);
  CodeString japanese;
  std::string english;
  database.ReadSentence(offsets[1], japanese, english);
  EXPECT_EQ(english, "A student came.");
  EXPECT_EQ(japanese.length(), Utf16("学生が来た。").size());
}

}  // namespace
