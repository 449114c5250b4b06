// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The ready study lists composed from the Debian kanjidic, held to the counts of its fields.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>

#include "study/ReadyStudyList.h"
#include "tools/DataBuilder.h"
#include "tools/Kanjidic.h"
#include "tools/StudyList.h"

namespace {

// How many lines of kanjidic carry a field starting with letter and a digit, read plainly.
int LinesWithField(const std::filesystem::path& file, char letter) {
  std::ifstream in(file, std::ios::binary);
  const std::string field = std::string(" ") + letter;
  int count = 0;
  for (std::string line; std::getline(in, line);) {
    for (std::size_t at = line.find(field); at != std::string::npos; at = line.find(field, at + 1)) {
      if (at + 2 < line.size() && std::isdigit(static_cast<unsigned char>(line[at + 2]))) {
        ++count;
        break;
      }
    }
  }
  return count;
}

TEST(ReadyStudyListsTest, EachListHoldsTheKanjiKanjidicGivesItsKeyTo) {
  BuildOptions options;
  if (!std::filesystem::exists(options.kanjidic)) GTEST_SKIP() << "kanjidic is not installed";
  std::vector<KanjidicEntry> source;
  std::string error;
  ASSERT_TRUE(ReadKanjidic(options.kanjidic, source, error)) << error;
  std::vector<KanjiEntry> kanji;
  for (const KanjidicEntry& entry : source) kanji.push_back(MakeKanjiEntry(entry));
  const std::vector<KanjiFacts> facts = FactsOf(kanji);

  std::map<std::string, std::vector<KanjiCode>> lists;
  for (const ReadyStudyList& ready : ReadyStudyLists()) {
    lists[ready.fileName] = ComposeStudyList(ready.recipe, facts, {});
  }
  EXPECT_EQ(lists["grade.vls"].size(), static_cast<std::size_t>(LinesWithField(options.kanjidic, 'G')));
  EXPECT_EQ(lists["frequency.vls"].size(), static_cast<std::size_t>(LinesWithField(options.kanjidic, 'F')));
  EXPECT_EQ(lists["jlpt.vls"].size(), static_cast<std::size_t>(LinesWithField(options.kanjidic, 'J')));
  EXPECT_EQ(lists["strokes.vls"].size(), static_cast<std::size_t>(LinesWithField(options.kanjidic, 'S')));
  EXPECT_EQ(lists["joyo.vls"].size(), 2132u);
  // The default list is the one the data set has always had.
  EXPECT_EQ(lists["grade.vls"], StudyOrder(kanji));
  // Level 4 first, most frequent first: 日 (JIS 467C) has rank 1; 一 is the most frequent of
  // the one-stroke kanji.
  EXPECT_EQ(lists["jlpt.vls"].front(), 0x467C);
  EXPECT_EQ(lists["strokes.vls"].front(), 0x306C);
}

}  // namespace
