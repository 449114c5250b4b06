// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the whole data set from the Debian dictionaries, holds it to the quality bars and
// loads it with the program's own loaders.
#include <gtest/gtest.h>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "tools/DataBuilder.h"

namespace {

bool HaveDictionaries(const BuildOptions& options) {
  return std::filesystem::exists(options.kanjidic) && std::filesystem::exists(options.edict);
}

class DataSetTest : public ::testing::Test {
 protected:
  void Build() {
    options.out = dir.path();
    ProgressBar quiet(stderr, false);
    std::string error;
    ASSERT_TRUE(BuildDataSet(options, report, quiet, error)) << error;
  }

  TempDir dir;
  BuildOptions options;
  BuildReport report;
};

TEST_F(DataSetTest, BuildsFromTheDebianDictionariesWithinTheQualityBars) {
  if (!HaveDictionaries(options)) GTEST_SKIP() << "kanjidic and edict are not installed";
  Build();
  PrintReport(report, stdout);
  EXPECT_TRUE(QualityBarsHold(report));
  EXPECT_EQ(report.kanji, 6355);
  EXPECT_EQ(report.joyoOnStudyList, 2132);
  for (const char* name : {"jis0208.dat", "kanji_data.dat", "examples.dat", "study_list.vls",
                           "Sound/00000.wav", "DATA-LICENCE.txt", "kanji_facts.dat",
                           "StudyLists/jlpt.vls"}) {
    SCOPED_TRACE(name);
    EXPECT_TRUE(std::filesystem::exists(dir / name));
  }
  EXPECT_FALSE(std::filesystem::exists(dir / "sentences.dat"));
}

TEST_F(DataSetTest, EveryFileLoadsWithTheProgramsLoaders) {
  if (!HaveDictionaries(options)) GTEST_SKIP() << "kanjidic and edict are not installed";
  WriteBytes(dir / "examples.utf", "A: 学生です。\tI am a student.#ID=1_2\nB: 学生 です\n");
  options.tanaka = dir / "examples.utf";
  Build();
  EXPECT_EQ(report.sentences, 1);

  FakeSystem system;
  const JisTable jis(dir / "jis0208.dat", system);
  EXPECT_EQ(jis.byCode.size(), 6879u);
  KanjiDatabase database(jis, system, dir.path());
  database.LoadAll();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(static_cast<int>(database.kanji.size()), report.kanji);
  EXPECT_EQ(static_cast<int>(database.examples.size()), report.examples);
  EXPECT_EQ(database.sentenceIndex.size(), 2u);

  // Every unit of the study list is a kanji of the data set.
  const std::string list = ReadBytes(dir / "study_list.vls");
  int listed = 0;
  for (std::size_t i = 2; i + 1 < list.size(); i += 2) {
    const auto unit = static_cast<std::uint16_t>(static_cast<unsigned char>(list[i]) |
                                                 static_cast<unsigned char>(list[i + 1]) << 8);
    if (unit == 0x000D || unit == 0x000A) continue;
    KanjiCode code = 0;
    ASSERT_TRUE(jis.UnicodeToCode(unit, code));
    ++listed;
  }
  EXPECT_EQ(listed, report.studyList);
}

}  // namespace
