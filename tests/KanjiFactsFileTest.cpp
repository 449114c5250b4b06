// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "text/JisTable.h"
#include "text/KanjiFactsFile.h"

namespace {

TEST(KanjiFactsFileTest, ReadsGoodFilesAndRefusesDamagedOnesWithoutChangingAnything) {
  TempDir dir;
  JisTable jis;
  jis.Insert(0x3021, 0x4E9C);
  const std::string header = std::string(kKanjiFactsHeader) + "\n# a comment\n";
  struct Case {
    const char* name;
    std::string text;
    FactsLoad expected;
  };
  const Case cases[] = {
      {"good", header + "4E9C\t7\t1509\t1\t1\t8\n", FactsLoad::kLoaded},
      {"last line without line feed", header + "4e9c\t7\t0\t0\t1\t0", FactsLoad::kLoaded},
      {"other header", "# Veltrane kanji facts 2\n4E9C\t7\t1509\t1\t1\t8\n", FactsLoad::kDamaged},
      {"field missing", header + "4E9C\t7\t1509\t1\t1\n", FactsLoad::kDamaged},
      {"field too many", header + "4E9C\t7\t1509\t1\t1\t8\t0\n", FactsLoad::kDamaged},
      {"not a number", header + "4E9C\tseven\t1509\t1\t1\t8\n", FactsLoad::kDamaged},
      {"JLPT level 5", header + "4E9C\t7\t1509\t5\t1\t8\n", FactsLoad::kDamaged},
      {"kanji not in the table", header + "6C34\t4\t223\t4\t85\t1\n", FactsLoad::kDamaged},
      {"cut short", header + "4E9C\t7\t15", FactsLoad::kDamaged},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    WriteBytes(dir / kKanjiFactsFileName, c.text);
    std::vector<KanjiFacts> facts(1);  // stays as it is unless the file loads
    std::string message;
    EXPECT_EQ(LoadKanjiFacts(dir / kKanjiFactsFileName, jis, facts, message), c.expected);
    if (c.expected == FactsLoad::kLoaded) {
      ASSERT_EQ(facts.size(), 1u);
      EXPECT_EQ(facts[0].code, 0x3021);
      EXPECT_EQ(facts[0].strokes, 7);
    } else {
      EXPECT_EQ(facts.size(), 1u);
      EXPECT_EQ(facts[0].code, 0);
      EXPECT_NE(message.find("damaged (line "), std::string::npos) << message;
    }
  }
  std::vector<KanjiFacts> facts;
  std::string message;
  EXPECT_EQ(LoadKanjiFacts(dir / "none.dat", jis, facts, message), FactsLoad::kMissing);
  EXPECT_NE(message.find("missing"), std::string::npos);
}

}  // namespace
