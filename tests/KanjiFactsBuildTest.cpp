// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "tests/ToolTestData.h"
#include "text/JisTable.h"
#include "text/KanjiFactsFile.h"
#include "tools/CharacterTable.h"
#include "tools/DataSetWriter.h"
#include "tools/JisTableWriter.h"
#include "tools/Kanjidic.h"
#include "tools/StudyList.h"

namespace {

TEST(KanjiFactsBuildTest, TakesTheFirstStrokeCountJlptLevelAndRadicalFromKanjidic) {
  const auto entry = ParseKanjidicLine(
      EucJp("亜 3021 U4e9c B1 C7 G8 S7 S8 XJ05033 F1509 J1 N43 ア {Asia} {Bee S12 J3}"));
  ASSERT_TRUE(entry.has_value());
  const std::vector<KanjiFacts> facts = FactsOf({MakeKanjiEntry(*entry)});
  ASSERT_EQ(facts.size(), 1u);
  EXPECT_EQ(facts[0].strokes, 7);
  EXPECT_EQ(facts[0].jlpt, 1);
  EXPECT_EQ(facts[0].radical, 1);
  EXPECT_EQ(facts[0].frequency, 1509);
  EXPECT_EQ(facts[0].grade, 8);
}

TEST(KanjiFactsBuildTest, TheWrittenFileLoadsWithTheProgramsLoader) {
  TempDir dir;
  WriteFullJisTable(dir.path());
  FakeSystem system;
  const JisTable jis(dir / "jis0208.dat", system);
  const CharacterTable table(JisX0208Rows());
  const std::vector<KanjiFacts> written = {{0x3021, 7, 1509, 1, 1, 8}, {0x306C, 1, 2, 4, 1, 1}};
  ASSERT_TRUE(WriteKanjiFacts(dir / kKanjiFactsFileName, written, table));
  std::vector<KanjiFacts> read;
  std::string message;
  ASSERT_EQ(LoadKanjiFacts(dir / kKanjiFactsFileName, jis, read, message), FactsLoad::kLoaded);
  ASSERT_EQ(read.size(), 2u);
  EXPECT_EQ(read[1].code, 0x306C);
  EXPECT_EQ(read[1].jlpt, 4);
  EXPECT_EQ(read[0].frequency, 1509);
}

}  // namespace
