#include "tools/DataBuilder.h"

#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"

namespace {

// A tiny kanjidic and edict in the dictionaries' own encoding.
class DataBuilderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteBytes(dir / "kanjidic", EucJp("# KANJIDIC\n"
                                       "一 306C G1 F2 イチ イツ ひと- ひと.つ {one}\n"
                                       "杯 4755 G8 F1010 ハイ さかずき {cupful}\n"
                                       "漢 3441 G3 F1487 カン {Sino-}\n"
                                       "字 3B7A G1 F485 ジ あざ {character}\n"));
    WriteBytes(dir / "edict", EucJp("一杯 [いっぱい] /(n) cupful/(P)/\n"
                                    "漢字 [かんじ] /(n) Chinese characters/(P)/\n"
                                    "一つ [ひとつ] /(num) one/(P)/\n"
                                    "字 [じ] /(n) character/\n"));
    WriteBytes(dir / "examples.utf", "A: 漢字です。\tThey are kanji.#ID=1_2\nB: 漢字 です\n");
    options.out = dir / "data";
    options.kanjidic = dir / "kanjidic";
    options.edict = dir / "edict";
  }

  bool Build() {
    ProgressBar quiet(stderr, false);
    return BuildDataSet(options, report, quiet, error);
  }

  TempDir dir;
  BuildOptions options;
  BuildReport report;
  std::string error;
};

TEST_F(DataBuilderTest, WritesEveryFileAndCountsWhatItWrote) {
  options.tanaka = dir / "examples.utf";
  ASSERT_TRUE(Build()) << error;
  for (const char* name : {"jis0208.dat", "kanji_data.dat", "examples.dat", "study_list.vls",
                           "sentences.dat", "Sound/00000.wav", "DATA-LICENCE.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(std::filesystem::exists(options.out / name));
  }
  EXPECT_EQ(std::tuple(report.kanji, report.examples, report.commonAligned,
                       report.joyoOnStudyList, report.sentences),
            std::tuple(4, 4, 3, 4, 1));
}

TEST_F(DataBuilderTest, ReadsEverySourceBeforeWritingAnythingAndNamesTheOneItCannotRead) {
  options.tanaka = dir / "missing.utf";
  EXPECT_FALSE(Build());
  EXPECT_NE(error.find("missing.utf"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(options.out));
  options.tanaka.reset();
  options.edict = dir / "no-edict";
  EXPECT_FALSE(Build());
  EXPECT_NE(error.find("no-edict"), std::string::npos);
}

TEST_F(DataBuilderTest, KeepsAnEarlierDataSetWhenASourceFailsAndDropsAnOldCorpus) {
  options.tanaka = dir / "examples.utf";
  ASSERT_TRUE(Build()) << error;
  const std::string examples = ReadBytes(options.out / "examples.dat");
  options.tanaka.reset();
  report = BuildReport();
  ASSERT_TRUE(Build()) << error;
  EXPECT_FALSE(std::filesystem::exists(options.out / "sentences.dat"));
  EXPECT_EQ(report.sentences, -1);
  WriteBytes(dir / "edict", "not a dictionary\n");
  EXPECT_FALSE(Build());
  EXPECT_EQ(ReadBytes(options.out / "examples.dat"), examples);
}

}  // namespace
