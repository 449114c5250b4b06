// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include "study/SafeSave.h"
#include "study/StudyListFile.h"
#include "tests/StudyFixture.h"

namespace {

class StudyListChangeTest : public StudyTest {
 protected:
  void SetUp() override {
    AddKanjiRange(20);
    profile.CreateDefaultProfile();
    WriteStudyList({0x3021, 0x3022, 0x3023, 0x3024, 0x3025});
    profile.LoadStudyList();
    Activate({{0x3023, 80.0f}, {0x3021, 40.0f}});
    profile.FindProgress(0x3023)->masteryLevel = 3;
  }
  std::vector<KanjiCode> Active() {
    std::vector<KanjiCode> codes;
    for (const std::int32_t index : profile.activeList) codes.push_back(profile.progress[index].code);
    return codes;
  }
  std::string ListBytes() { return ReadBytes(dir / UserProfile::kStudyListFileName); }
};

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
  struct RefuseAt : SaveFaults {
    int failAt, steps = 0;
    explicit RefuseAt(int at) : failAt(at) {}
    bool Allow() override { return steps++ != failAt; }
  };
  // Steps: the copy's write, flush and rename, then the same for the list.
  for (int step = 0; step < 6; ++step) {
    SCOPED_TRACE(step);
    std::filesystem::remove(dir / "study_list.vls.bak");
    RefuseAt faults(step);
    profile.saveFaults = &faults;
    std::string error;
    EXPECT_FALSE(profile.ReplaceStudyList({0x3030}, error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ListBytes(), old);
    EXPECT_EQ(profile.studyList, oldList);
    EXPECT_FALSE(std::filesystem::exists(dir / "study_list.vls.tmp"));
  }
}

TEST_F(StudyListChangeTest, StudyNextPutsAKanjiBeforeTheNextOneToBeIntroduced) {
  struct Case {
    const char* name;
    KanjiCode code;
    bool done;
    std::vector<KanjiCode> list;
  };
  const Case cases[] = {
      {"later on the list", 0x3025, true, {0x3021, 0x3025, 0x3022, 0x3023, 0x3024}},
      {"not on the list", 0x3030, true, {0x3021, 0x3030, 0x3022, 0x3023, 0x3024, 0x3025}},
      {"already active", 0x3023, false, {0x3021, 0x3022, 0x3023, 0x3024, 0x3025}},
      {"not in the data set", 0x3099, false, {0x3021, 0x3022, 0x3023, 0x3024, 0x3025}},
  };
  for (const Case& c : cases) {
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
}

TEST_F(StudyListChangeTest, IntroduceNowActivatesAtTheBaselineLikeAnIntroduction) {
  profile.FindProgress(0x3030)->masteryLevel = 2;
  profile.FindProgress(0x3030)->score = 95.0f;
  EXPECT_TRUE(profile.IntroduceNow(0x3030));
  EXPECT_EQ(Active().back(), 0x3030);
  EXPECT_TRUE(profile.FindProgress(0x3030)->active);
  EXPECT_EQ(profile.FindProgress(0x3030)->score, profile.settings.scoreBaseline);
  EXPECT_EQ(profile.FindProgress(0x3030)->masteryLevel, 2);
  EXPECT_FALSE(profile.IntroduceNow(0x3030));
  EXPECT_FALSE(profile.IntroduceNow(0x3099));
  EXPECT_EQ(Active().size(), 3u);
}

}  // namespace
