// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "study/ReadyStudyList.h"
#include "study/StudyListFile.h"
#include "study/StudyListRecipe.h"
#include "tests/StudyFixture.h"

namespace {

class StudyListTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(20);
    profile.CreateDefaultProfile();
    profile.mainWindow = 77;
  }
  // The active kanji in list order; each must be marked active in its entry too, or it would
  // be saved inactive.
  std::vector<KanjiCode> Active() {
    std::vector<KanjiCode> codes;
    for (const std::int32_t index : profile.activeList) {
      EXPECT_TRUE(profile.progress[index].active);
      codes.push_back(profile.progress[index].code);
    }
    return codes;
  }
  std::string ListBytes() { return ReadBytes(dir / UserProfile::kStudyListFileName); }
};

// The learner changing the list: five kanji listed, two of them active.
class StudyListChangeTest : public StudyListTest {
 protected:
  void SetUp() override {
    StudyListTest::SetUp();
    WriteStudyList({0x3021, 0x3022, 0x3023, 0x3024, 0x3025});
    profile.LoadStudyList();
    Activate({{0x3023, 80.0f}, {0x3021, 40.0f}});
    profile.FindProgress(0x3023)->masteryLevel = 3;
  }
};

TEST_F(StudyListTest, ReadsOneKanjiPerUnitAndSkipsTheUnitAfterEachCR) {
  const std::uint16_t a = UnicodeOf(0x3021);
  const std::uint16_t b = UnicodeOf(0x3022);
  const struct {
    std::vector<std::uint16_t> units;
    std::vector<KanjiCode> expected;
  } cases[] = {
      {{a, 0x0D, 0x0A, b}, {0x3021, 0x3022}},
      {{b, a, b}, {0x3022, 0x3021, 0x3022}},
      {{a, 0x0D, b, a}, {0x3021, 0x3021}},  // a CR swallows the kanji after it
      {{a, 0x0041, 0x0A, b}, {0x3021, 0x3022}},
      {{a, 0x0D}, {0x3021}},
  };
  for (const auto& c : cases) {
    WriteStudyListUnits(c.units);
    profile.LoadStudyList();
    EXPECT_EQ(profile.studyList, c.expected);
  }
  // The byte-order mark is taken on trust, and an odd last byte is no unit.
  WriteBytes(dir / UserProfile::kStudyListFileName,
             std::string("\xFE\xFF") + static_cast<char>(a & 0xFF) + static_cast<char>(a >> 8) +
                 static_cast<char>(a & 0xFF));
  profile.LoadStudyList();
  EXPECT_EQ(profile.studyList, std::vector<KanjiCode>{0x3021});
  std::filesystem::remove(dir / UserProfile::kStudyListFileName);
  ExpectFatal(
      system, [&] { profile.LoadStudyList(); }, "Could not open the study list file.",
      "Veltrane File Error");
}

TEST_F(StudyListTest, IntroducesInListOrderUpToTheCountPassingOverUnknownAndActiveKanji) {
  jis.Insert(0x5021, 0x7000);  // in the JIS table, not in the data set
  profile.settings.introduceCount = 3;
  WriteStudyListUnits({UnicodeOf(0x3025), 0x7000, UnicodeOf(0x3021), UnicodeOf(0x3025),
                       UnicodeOf(0x3023), UnicodeOf(0x3022), UnicodeOf(0x3024)});
  profile.LoadStudyList();
  profile.FindProgress(0x3021)->score = 77;
  profile.FindProgress(0x3021)->masteryLevel = 4;
  profile.IntroduceKanji(false);
  EXPECT_EQ(Active(), (std::vector<KanjiCode>{0x3025, 0x3021, 0x3023}));
  // An introduced kanji starts at the baseline but keeps its level.
  EXPECT_EQ(profile.FindProgress(0x3021)->score, 50.0f);
  EXPECT_EQ(profile.FindProgress(0x3021)->masteryLevel, 4);
  ExpectOneMessage("Introduced 3 kanji.", 77);
}

TEST_F(StudyListTest, AutoIntroductionWaitsForThePercentMasteredAndACountOfZeroTakesAllLeft) {
  profile.settings.introduceCount = 2;
  profile.settings.autoIntroduceThreshold = 75;
  WriteStudyList({0x3021, 0x3022, 0x3023, 0x3024, 0x3025, 0x3026, 0x3027, 0x3028, 0x3029});
  profile.LoadStudyList();
  Activate({{0x3021, 95}, {0x3022, 95}, {0x3023, 95}, {0x3024, 50}});
  profile.CheckAutoIntroduce();  // 75 % mastered
  EXPECT_EQ(Active().size(), 6u);
  profile.CheckAutoIntroduce();  // 50 % mastered
  EXPECT_EQ(profile.activeList.size(), 6u);
  profile.settings.introduceCount = 0;  // from a hand-edited file
  profile.IntroduceKanji(false);
  EXPECT_EQ(Active().size(), 9u);
  profile.settings.autoIntroduceThreshold = 10;
  system.messages.clear();
  profile.CheckAutoIntroduce();  // nothing left on the list: silent
  profile.IntroduceKanji(true);
  EXPECT_TRUE(system.messages.empty());
  profile.IntroduceKanji(false);
  ExpectOneMessage("All possible kanji on the study list are active.", 77);
}

TEST_F(StudyListChangeTest, ANewListKeepsTheActiveKanjiAndDecidesTheNextIntroductions) {
  const std::string old = ListBytes();
  std::string error;
  ASSERT_TRUE(profile.ReplaceStudyList({0x3030, 0x3023, 0x3099, 0x3025, 0x3024}, error)) << error;

  EXPECT_EQ(ReadBytes(dir / "study_list.vls.bak"), old);
  profile.LoadStudyList();  // what the next start reads
  EXPECT_EQ(profile.studyList, (std::vector<KanjiCode>{0x3030, 0x3023, 0x3025, 0x3024}));
  EXPECT_EQ(Active(), (std::vector<KanjiCode>{0x3023, 0x3021}));
  EXPECT_EQ(profile.FindProgress(0x3023)->score, 80.0f);
  EXPECT_EQ(profile.FindProgress(0x3023)->masteryLevel, 3);

  profile.settings.introduceCount = 2;
  profile.IntroduceKanji(false);
  EXPECT_EQ(Active(), (std::vector<KanjiCode>{0x3023, 0x3021, 0x3030, 0x3025}));
}

TEST_F(StudyListChangeTest, AFailedWriteLeavesTheListAndItsFileAsTheyWere) {
  const std::string old = ListBytes();
  const std::vector<KanjiCode> oldList = profile.studyList;
  // Steps: the copy's write, flush and rename, then the same for the list.
  for (int step = 0; step < 6; ++step) {
    SCOPED_TRACE(step);
    std::filesystem::remove(dir / "study_list.vls.bak");
    StepFaults faults(step, false);
    profile.saveFaults = &faults;
    std::string error;
    EXPECT_FALSE(profile.ReplaceStudyList({0x3030}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ListBytes(), old);
    EXPECT_EQ(profile.studyList, oldList);
    EXPECT_FALSE(std::filesystem::exists(dir / "study_list.vls.tmp"));
  }
}

TEST_F(StudyListChangeTest, StudyNextPutsAKanjiBeforeTheNextIntroductionAndIntroduceNowAtOnce) {
  const struct {
    const char* name;
    KanjiCode code;
    bool done;
    std::vector<KanjiCode> list;
  } cases[] = {
      {"later on the list", 0x3025, true, {0x3021, 0x3025, 0x3022, 0x3023, 0x3024}},
      {"not on the list", 0x3030, true, {0x3021, 0x3030, 0x3022, 0x3023, 0x3024, 0x3025}},
      {"already active", 0x3023, false, {0x3021, 0x3022, 0x3023, 0x3024, 0x3025}},
      {"not in the data set", 0x3099, false, {0x3021, 0x3022, 0x3023, 0x3024, 0x3025}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    profile.LoadStudyList();
    std::string error;
    EXPECT_EQ(profile.StudyNext(c.code, error), c.done) << error;
    EXPECT_EQ(profile.studyList, c.list);
    EXPECT_EQ(ParseStudyList(ListBytes(), jis), c.list);
    WriteStudyList({0x3021, 0x3022, 0x3023, 0x3024, 0x3025});
  }
  profile.settings.introduceCount = 1;
  std::string error;
  ASSERT_TRUE(profile.StudyNext(0x3025, error));
  profile.IntroduceKanji(true);
  EXPECT_EQ(Active().back(), 0x3025);
  // Introduce Now activates at the baseline like an introduction.
  profile.FindProgress(0x3030)->masteryLevel = 2;
  profile.FindProgress(0x3030)->score = 95.0f;
  EXPECT_TRUE(profile.IntroduceNow(0x3030));
  EXPECT_EQ(Active().back(), 0x3030);
  EXPECT_EQ(profile.FindProgress(0x3030)->score, profile.settings.scoreBaseline);
  EXPECT_EQ(profile.FindProgress(0x3030)->masteryLevel, 2);
  EXPECT_FALSE(profile.IntroduceNow(0x3030));
  EXPECT_FALSE(profile.IntroduceNow(0x3099));
  EXPECT_EQ(Active().size(), 4u);
}

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
  const struct {
    const char* name;
    StudyListRecipe recipe;
    std::vector<KanjiCode> expected;
  } cases[] = {
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
  for (const auto& c : cases) {
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
