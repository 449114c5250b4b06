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

StudyListRecipe Make(void (*set)(StudyListRecipe&)) {
  StudyListRecipe recipe;
  set(recipe);
  return recipe;
}

TEST(StudyListRecipeTest, PicksAndOrdersTheKanjiWithTiesByFrequencyAndUnrankedLast) {
  struct Case {
    const char* name;
    StudyListRecipe recipe;
    std::vector<KanjiCode> expected;
  };
  const Case cases[] = {
      {"all by grade, no grade last", Make([](StudyListRecipe& r) { r.order = Order::kGrade; }),
       {0x3023, 0x3027, 0x3026, 0x3022, 0x3024, 0x3025, 0x3021}},
      {"grades 2 to 8", Make([](StudyListRecipe& r) {
         r.byGrade = true;
         r.gradeLow = 2;
         r.gradeHigh = 8;
       }),
       {0x3026, 0x3022, 0x3024}},
      {"frequency top 300, by frequency", Make([](StudyListRecipe& r) {
         r.byFrequency = true;
         r.frequencyTop = 300;
         r.order = Order::kFrequency;
       }),
       {0x3026, 0x3023, 0x3022}},
      {"JLPT 4 and 1, level 4 first", Make([](StudyListRecipe& r) {
         r.byJlpt = true;
         r.jlptLevels = (1u << 4) | (1u << 1);
         r.order = Order::kJlpt;
       }),
       {0x3026, 0x3023, 0x3024}},
      {"all by JLPT: no level last", Make([](StudyListRecipe& r) { r.order = Order::kJlpt; }),
       {0x3026, 0x3023, 0x3022, 0x3025, 0x3024, 0x3021, 0x3027}},
      {"4 to 7 strokes, unknown left out", Make([](StudyListRecipe& r) {
         r.byStrokes = true;
         r.strokesLow = 4;
         r.strokesHigh = 7;
         r.order = Order::kStrokes;
       }),
       {0x3023, 0x3025, 0x3021, 0x3026, 0x3022}},
      {"criteria combine", Make([](StudyListRecipe& r) {
         r.byStrokes = true;
         r.strokesLow = 4;
         r.strokesHigh = 4;
         r.byGrade = true;
         r.gradeLow = 1;
         r.gradeHigh = 9;
         r.order = Order::kStrokes;
       }),
       {0x3023, 0x3025}},
      {"grade then strokes", Make([](StudyListRecipe& r) {
         r.byGrade = true;
         r.gradeLow = 1;
         r.gradeHigh = 2;
         r.thenBy = Order::kStrokes;
       }),
       {0x3023, 0x3027, 0x3026, 0x3022}},
      {"list order, others after", Make([](StudyListRecipe& r) {
         r.byGrade = true;
         r.gradeLow = 1;
         r.gradeHigh = 2;
         r.order = Order::kListOrder;
       }),
       {0x3022, 0x3027, 0x3026, 0x3023}},
      {"nothing matches", Make([](StudyListRecipe& r) {
         r.byStrokes = true;
         r.strokesLow = 30;
         r.strokesHigh = 40;
       }),
       {}},
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
