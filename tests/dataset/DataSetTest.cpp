// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Builds the whole data set from the Debian dictionaries, holds it to the quality bars and to
// the counts of kanjidic's fields, and loads it with the program's own loaders.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "study/StudyListFile.h"
#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "tools/DataBuilder.h"

namespace {

// How many lines of kanjidic carry a field starting with letter and a digit, read plainly.
int LinesWithField(const std::filesystem::path& file, char letter) {
  std::ifstream in(file, std::ios::binary);
  const std::regex field(std::string(" ") + letter + "[0-9]");
  int count = 0;
  for (std::string line; std::getline(in, line);) count += std::regex_search(line, field) ? 1 : 0;
  return count;
}

TEST(DataSetTest, BuildsWithinTheQualityBarsAndEveryFileLoadsWithTheProgramsLoaders) {
  BuildOptions options;
  if (!std::filesystem::exists(options.kanjidic) || !std::filesystem::exists(options.edict)) {
    GTEST_SKIP() << "kanjidic and edict are not installed";
  }
  TempDir dir;
  WriteBytes(dir / "examples.utf", "A: 学生です。\tI am a student.#ID=1_2\nB: 学生 です\n");
  options.out = dir.path();
  options.tanaka = dir / "examples.utf";
  BuildReport report;
  ProgressBar quiet(stderr, false);
  std::string error;
  ASSERT_TRUE(BuildDataSet(options, report, quiet, error)) << error;
  PrintReport(report, stdout);
  EXPECT_TRUE(QualityBarsHold(report));
  EXPECT_EQ(std::tuple(report.kanji, report.joyoOnStudyList, report.sentences),
            std::tuple(6355, 2132, 1));
  for (const char* name : {"Sound/00000.wav", "DATA-LICENCE.txt", "kanji_facts.dat"}) {
    EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
  }

  FakeSystem system;
  const JisTable jis(dir / "jis0208.dat", system);
  EXPECT_EQ(jis.byCode.size(), 6879u);
  KanjiDatabase database(jis, system, dir.path());
  database.LoadAll();
  EXPECT_TRUE(system.messages.empty());
  EXPECT_EQ(static_cast<int>(database.kanji.size()), report.kanji);
  EXPECT_EQ(static_cast<int>(database.examples.size()), report.examples);
  EXPECT_EQ(database.sentenceIndex.size(), 2u);

  // Read as the program reads it, which passes over characters the table lacks.
  const auto listed = [&](const std::string& file) {
    return ParseStudyList(ReadBytes(dir / file), jis);
  };
  const std::vector<KanjiCode> list = listed("study_list.vls");
  EXPECT_EQ(static_cast<int>(list.size()), report.studyList);
  // Each ready list holds the kanji kanjidic gives its key to.
  const struct {
    const char* file;
    char field;
  } ready[] = {{"grade.vls", 'G'}, {"frequency.vls", 'F'}, {"jlpt.vls", 'J'}, {"strokes.vls", 'S'}};
  for (const auto& r : ready) {
    EXPECT_EQ(listed(std::string("StudyLists/") + r.file).size(),
              static_cast<std::size_t>(LinesWithField(options.kanjidic, r.field)))
        << r.file;
  }
  EXPECT_EQ(listed("StudyLists/joyo.vls").size(), 2132u);
  // The default list is the one the data set has always had.
  EXPECT_EQ(listed("StudyLists/grade.vls"), list);
  // Level 4 first, most frequent first: 日 has rank 1; 一 is the most frequent of the one-stroke
  // kanji.
  EXPECT_EQ(jis.CodeToUnicode(listed("StudyLists/jlpt.vls").front()), u'日');
  EXPECT_EQ(jis.CodeToUnicode(listed("StudyLists/strokes.vls").front()), u'一');
}

}  // namespace
