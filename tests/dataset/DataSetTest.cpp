// Builds the whole data set from the Debian dictionaries and holds it to the quality bars.
#include <gtest/gtest.h>

#include "tests/TestFiles.h"
#include "tools/DataBuilder.h"

namespace {

const BuildOptions kDebian;

bool HaveDictionaries() {
  return std::filesystem::exists(kDebian.kanjidic) && std::filesystem::exists(kDebian.edict);
}

TEST(DataSetTest, BuildsFromTheDebianDictionariesWithinTheQualityBars) {
  if (!HaveDictionaries()) GTEST_SKIP() << "kanjidic and edict are not installed";
  TempDir dir;
  BuildOptions options = kDebian;
  options.out = dir.path();
  BuildReport report;
  ProgressBar quiet(stderr, false);
  std::string error;
  ASSERT_TRUE(BuildDataSet(options, report, quiet, error)) << error;
  PrintReport(report, stdout);

  EXPECT_TRUE(QualityBarsHold(report));
  EXPECT_EQ(report.kanji, 6355);
  EXPECT_EQ(report.joyoOnStudyList, 2132);
  for (const char* name : {"jis0208.dat", "kanji_data.dat", "examples.dat", "study_list.vls",
                           "Sound/00000.wav", "DATA-LICENCE.txt"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(std::filesystem::exists(dir / name));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "sentences.dat"));
}

}  // namespace
