// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

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
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "Introduced 3 kanji.");
  EXPECT_EQ(system.messages[0].caption, "Veltrane");
  EXPECT_EQ(system.messages[0].owner, 77u);
}

TEST_F(StudyListTest, ACountOfZeroIntroducesEverythingLeftThenSaysSoUnlessSilent) {
  profile.settings.introduceCount = 0;  // from a hand-edited file
  WriteStudyList({0x3021, 0x3022, 0x3023});
  profile.LoadStudyList();
  profile.IntroduceKanji(false);
  EXPECT_EQ(Active().size(), 3u);
  system.messages.clear();
  profile.IntroduceKanji(true);
  EXPECT_TRUE(system.messages.empty());
  profile.IntroduceKanji(false);
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, "All possible kanji on the study list are active.");
  EXPECT_EQ(system.messages[0].owner, 77u);
}

TEST_F(StudyListTest, AutoIntroductionWaitsForThePercentMastered) {
  profile.settings.introduceCount = 2;
  profile.settings.autoIntroduceThreshold = 75;
  WriteStudyList({0x3021, 0x3022, 0x3023, 0x3024, 0x3025, 0x3026});
  profile.LoadStudyList();
  Activate({{0x3021, 95}, {0x3022, 95}, {0x3023, 95}, {0x3024, 50}});
  profile.CheckAutoIntroduce();  // 75 % mastered
  EXPECT_EQ(Active().size(), 6u);
  profile.CheckAutoIntroduce();  // 50 % mastered
  EXPECT_EQ(profile.activeList.size(), 6u);
  profile.settings.autoIntroduceThreshold = 10;
  system.messages.clear();
  profile.CheckAutoIntroduce();  // nothing left on the list: silent
  EXPECT_TRUE(system.messages.empty());
}

}  // namespace
