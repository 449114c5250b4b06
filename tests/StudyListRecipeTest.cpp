// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "study/ReadyStudyList.h"
#include "study/StudyListRecipe.h"

namespace {

using Order = StudyListRecipe::Order;

// code, strokes, frequency, jlpt, radical, grade
const std::vector<KanjiFacts> kDataSet = {
    {0x3021, 4, 0, 0, 1, 0},     // no grade, unranked
    {0x3022, 7, 300, 3, 2, 2},   //
    {0x3023, 4, 20, 4, 3, 1},    //
    {0x3024, 12, 0, 1, 4, 8},    // unranked
    {0x3025, 4, 900, 2, 5, 9},   //
    {0x3026, 7, 10, 4, 6, 2},    //
    {0x3027, 0, 0, 0, 7, 1},     // no stroke count, unranked
};

TEST(StudyListRecipeTest, PicksAndOrdersTheKanjiWithTiesByFrequencyAndUnrankedLast) {
  struct Case {
    const char* name;
    StudyListRecipe recipe;
    std::vector<KanjiCode> expected;
  };
  const Case cases[] = {
      {"all by grade, no grade last", {}, {0x3023, 0x3027, 0x3026, 0x3022, 0x3024, 0x3025, 0x3021}},
      {"grades 2 to 8", {.byGrade = true, .gradeLow = 2, .gradeHigh = 8}, {0x3026, 0x3022, 0x3024}},
      {"frequency top 300, by frequency",
       {.byFrequency = true, .frequencyTop = 300, .order = Order::kFrequency},
       {0x3026, 0x3023, 0x3022}},
      {"JLPT 4 and 1, level 4 first",
       {.byJlpt = true, .jlptLevels = (1u << 4) | (1u << 1), .order = Order::kJlpt},
       {0x3026, 0x3023, 0x3024}},
      {"all by JLPT: no level last", {.order = Order::kJlpt},
       {0x3026, 0x3023, 0x3022, 0x3025, 0x3024, 0x3021, 0x3027}},
      {"4 to 7 strokes, unknown left out",
       {.byStrokes = true, .strokesLow = 4, .strokesHigh = 7, .order = Order::kStrokes},
       {0x3023, 0x3025, 0x3021, 0x3026, 0x3022}},
      {"criteria combine",
       {.byGrade = true, .gradeLow = 1, .gradeHigh = 9, .byStrokes = true, .strokesLow = 4,
        .strokesHigh = 4, .order = Order::kStrokes},
       {0x3023, 0x3025}},
      {"grade then strokes", {.byGrade = true, .gradeHigh = 2, .thenBy = Order::kStrokes},
       {0x3023, 0x3027, 0x3026, 0x3022}},
      {"list order, others after", {.byGrade = true, .gradeHigh = 2, .order = Order::kListOrder},
       {0x3022, 0x3027, 0x3026, 0x3023}},
      {"nothing matches", {.byStrokes = true, .strokesLow = 30, .strokesHigh = 40}, {}},
  };
  const std::vector<KanjiCode> current = {0x3022, 0x3027, 0x3022, 0x3099};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(ComposeStudyList(c.recipe, kDataSet, current), c.expected);
  }
}

TEST(StudyListRecipeTest, ReadyListsPickWhatTheirTitlesPromise) {
  std::vector<std::size_t> counts;
  for (const ReadyStudyList& ready : ReadyStudyLists()) {
    counts.push_back(ComposeStudyList(ready.recipe, kDataSet, {}).size());
  }
  // grade 1-9, ranked, with a JLPT level, everything, jouyou (1-6, 8)
  EXPECT_EQ(counts, (std::vector<std::size_t>{6, 4, 5, 7, 5}));
  EXPECT_EQ(ComposeStudyList(ReadyStudyLists()[2].recipe, kDataSet, {}).front(), 0x3026);
}

}  // namespace
