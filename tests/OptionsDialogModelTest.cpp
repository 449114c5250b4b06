#include "app/models/OptionsDialogModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace {

const DialogMessage kLowThresholdWarning{
    "You may encounter problems with auto introduction threshold set this low.  "
    "Introduction may cycle repeatedly.",
    "Warning"};

DialogMessage Error(const char* text) {
  return {text, "Error"};
}

// The settings with their two working copies, as the profile holds them.
struct Profile {
  StudySettings settings;
  std::vector<std::uint16_t> draftSchedule;
  std::uint16_t draftDaysHigherLevels = 0;
  std::vector<std::uint16_t> editSchedule;
  std::uint16_t editDaysHigherLevels = 0;

  OptionsDialogModel Model() {
    return OptionsDialogModel(settings, draftSchedule, draftDaysHigherLevels, editSchedule,
                              editDaysHigherLevels);
  }
};

TEST(OptionsDialogModelTest, OpeningShowsTheSettings) {
  Profile profile;
  profile.settings.fillInNoMasteryEffect = true;
  profile.settings.fillInReadingType = 1;
  const OptionsFields f = profile.Model().Open();
  EXPECT_EQ(f.scoreBaseline, "50");
  EXPECT_EQ(f.masteryThreshold, "90");
  EXPECT_EQ(f.scoreInertia, "4");
  EXPECT_EQ(f.selectionDistribution, "4.50");
  EXPECT_EQ(f.autoIntroduceThreshold, "75");
  EXPECT_EQ(f.introduceCount, "10");
  EXPECT_TRUE(f.useScoreDecline);
  EXPECT_TRUE(f.revealMeaningsOnComplete);
  EXPECT_FALSE(f.reverseSpaceEnter);
  EXPECT_FALSE(f.drillAffectsMasteryScore);  // shown negated
  EXPECT_TRUE(f.keepMasteredInFillInEnabled);
  EXPECT_FALSE(f.readingTypeAll);
  EXPECT_FALSE(f.readingTypeOn);
  EXPECT_TRUE(f.readingTypeKun);
  EXPECT_EQ(profile.draftSchedule, StudySettings::DefaultDeclineSchedule());
  EXPECT_EQ(profile.draftDaysHigherLevels, 360);
}

TEST(OptionsDialogModelTest, ReadingTypeOutsideItsValuesShowsAll) {
  for (std::int16_t type : {std::int16_t{-1}, std::int16_t{0}, std::int16_t{7}}) {
    SCOPED_TRACE(type);
    Profile profile;
    profile.settings.fillInReadingType = type;
    const OptionsFields f = profile.Model().Open();
    EXPECT_EQ(f.readingTypeOn, type == -1);
    EXPECT_EQ(f.readingTypeAll, type != -1);
    EXPECT_FALSE(f.readingTypeKun);
  }
}

TEST(OptionsDialogModelTest, OnlyMasteredForcesKeepMasteredOnAndBack) {
  Profile profile;
  profile.settings.fillInOnlyMastered = true;
  profile.settings.keepMasteredInFillIn = false;
  OptionsFields f = profile.Model().Open();
  EXPECT_TRUE(f.keepMasteredInFillIn);
  EXPECT_FALSE(f.keepMasteredInFillInEnabled);

  f.fillInOnlyMastered = false;
  OptionsDialogModel::OnlyMasteredChanged(f);
  EXPECT_TRUE(f.keepMasteredInFillInEnabled);
  EXPECT_TRUE(f.keepMasteredInFillIn);  // its check stays on

  f.keepMasteredInFillIn = false;
  f.fillInOnlyMastered = true;
  OptionsDialogModel::OnlyMasteredChanged(f);
  EXPECT_TRUE(f.keepMasteredInFillIn);
  EXPECT_FALSE(f.keepMasteredInFillInEnabled);

  OptionsDialogModel model = profile.Model();
  ASSERT_FALSE(model.Ok(f).error);
  EXPECT_TRUE(profile.settings.fillInOnlyMastered);
  EXPECT_TRUE(profile.settings.keepMasteredInFillIn);
}

TEST(OptionsDialogModelTest, ValidationReportsTheFirstFailureInOrder) {
  const struct {
    const char* name;
    std::function<void(OptionsFields&)> edit;
    std::optional<DialogMessage> warning;
    std::optional<DialogMessage> error;
  } cases[] = {
      {"defaults pass", [](OptionsFields&) {}, std::nullopt, std::nullopt},
      {"threshold equal to baseline",
       [](OptionsFields& f) { f.scoreBaseline = "90", f.masteryThreshold = "90"; }, std::nullopt,
       Error("Mastery threshold must be greater than score baseline.")},
      {"threshold just above baseline",
       [](OptionsFields& f) { f.scoreBaseline = "89", f.masteryThreshold = "90"; }, std::nullopt,
       std::nullopt},
      {"empty threshold reads as 0",
       [](OptionsFields& f) { f.scoreBaseline = "0", f.masteryThreshold = ""; }, std::nullopt,
       Error("Mastery threshold must be greater than score baseline.")},
      {"zero inertia", [](OptionsFields& f) { f.scoreInertia = "0"; }, std::nullopt,
       Error("Score inertia cannot be zero.")},
      {"threshold checked before inertia",
       [](OptionsFields& f) { f.masteryThreshold = "10", f.scoreInertia = ""; }, std::nullopt,
       Error("Mastery threshold must be greater than score baseline.")},
      {"distribution 8", [](OptionsFields& f) { f.selectionDistribution = "8"; }, std::nullopt,
       std::nullopt},
      {"distribution 8.00", [](OptionsFields& f) { f.selectionDistribution = "8.00"; },
       std::nullopt, std::nullopt},
      {"distribution 1", [](OptionsFields& f) { f.selectionDistribution = "1"; }, std::nullopt,
       std::nullopt},
      {"distribution rounding to 8 as a float",
       [](OptionsFields& f) { f.selectionDistribution = "8.0000001"; }, std::nullopt, std::nullopt},
      {"distribution 8.01", [](OptionsFields& f) { f.selectionDistribution = "8.01"; },
       std::nullopt, Error("Selection distribution must be in the range from 1.0 to 8.0.")},
      {"distribution 0.99", [](OptionsFields& f) { f.selectionDistribution = "0.99"; },
       std::nullopt, Error("Selection distribution must be in the range from 1.0 to 8.0.")},
      {"distribution empty", [](OptionsFields& f) { f.selectionDistribution = ""; }, std::nullopt,
       Error("Selection distribution must be in the range from 1.0 to 8.0.")},
      {"distribution nan pasted", [](OptionsFields& f) { f.selectionDistribution = "nan"; },
       std::nullopt, Error("Selection distribution must be in the range from 1.0 to 8.0.")},
      {"distribution inf pasted", [](OptionsFields& f) { f.selectionDistribution = "inf"; },
       std::nullopt, Error("Selection distribution must be in the range from 1.0 to 8.0.")},
      {"distribution -inf pasted", [](OptionsFields& f) { f.selectionDistribution = "-inf"; },
       std::nullopt, Error("Selection distribution must be in the range from 1.0 to 8.0.")},
      {"auto threshold 9", [](OptionsFields& f) { f.autoIntroduceThreshold = "9"; }, std::nullopt,
       Error("Auto introduction threshold must be 10% or greater.")},
      {"auto threshold 10 warns", [](OptionsFields& f) { f.autoIntroduceThreshold = "10"; },
       kLowThresholdWarning, std::nullopt},
      {"auto threshold 49 warns", [](OptionsFields& f) { f.autoIntroduceThreshold = "49"; },
       kLowThresholdWarning, std::nullopt},
      {"auto threshold 50 is silent", [](OptionsFields& f) { f.autoIntroduceThreshold = "50"; },
       std::nullopt, std::nullopt},
      {"warning comes before the count error",
       [](OptionsFields& f) { f.autoIntroduceThreshold = "20", f.introduceCount = "0"; },
       kLowThresholdWarning, Error("Number of kanji to introduce cannot be zero.")},
      {"count zero", [](OptionsFields& f) { f.introduceCount = "0"; }, std::nullopt,
       Error("Number of kanji to introduce cannot be zero.")},
      {"no warning when the distribution fails first",
       [](OptionsFields& f) { f.autoIntroduceThreshold = "20", f.selectionDistribution = "9"; },
       std::nullopt, Error("Selection distribution must be in the range from 1.0 to 8.0.")},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Profile profile;
    OptionsDialogModel model = profile.Model();
    OptionsFields fields = model.Open();
    c.edit(fields);
    const StudySettings before = profile.settings;
    const OptionsVerdict verdict = model.Ok(fields);
    EXPECT_EQ(verdict.warning, c.warning);
    EXPECT_EQ(verdict.error, c.error);
    if (c.error) {
      EXPECT_EQ(profile.settings.scoreBaseline, before.scoreBaseline);
      EXPECT_EQ(profile.settings.selectionDistribution, before.selectionDistribution);
      EXPECT_EQ(profile.settings.autoIntroduceThreshold, before.autoIntroduceThreshold);
    }
  }
}

TEST(OptionsDialogModelTest, OkStoresEveryControlIntoItsSetting) {
  Profile profile;
  OptionsDialogModel model = profile.Model();
  OptionsFields f = model.Open();
  f.scoreBaseline = "40";
  f.masteryThreshold = "85";
  f.scoreInertia = "7";
  f.selectionDistribution = "2.25";
  f.autoIntroduceThreshold = "60";
  f.introduceCount = "1234";
  f.useScoreDecline = false;
  f.masteryJumpsTo100 = false;
  f.meaningsStayRevealed = true;
  f.revealMeaningsOnComplete = false;
  f.useAutoIntroduce = false;
  f.reverseSpaceEnter = true;
  f.allowUnlimitedGuesses = true;
  f.keepMasteredInReadings = true;
  f.revealDropsMasteryLevel = false;
  f.drillAffectsMasteryScore = false;
  f.keepMasteredInFillIn = false;
  f.readingTypeAll = false;
  f.readingTypeOn = true;
  ASSERT_FALSE(model.Ok(f).error);

  const StudySettings& s = profile.settings;
  EXPECT_EQ(s.scoreBaseline, 40);
  EXPECT_EQ(s.masteryThreshold, 85);
  EXPECT_EQ(s.scoreInertia, 7);
  EXPECT_EQ(s.selectionDistribution, 2.25f);
  EXPECT_EQ(s.autoIntroduceThreshold, 60);
  EXPECT_EQ(s.introduceCount, 1234);
  EXPECT_FALSE(s.useScoreDecline);
  EXPECT_FALSE(s.masteryJumpsTo100);
  EXPECT_TRUE(s.meaningsStayRevealed);
  EXPECT_FALSE(s.revealMeaningsOnComplete);
  EXPECT_FALSE(s.useAutoIntroduce);
  EXPECT_TRUE(s.reverseSpaceEnter);
  EXPECT_TRUE(s.allowUnlimitedGuesses);
  EXPECT_TRUE(s.keepMasteredInReadings);
  EXPECT_FALSE(s.revealDropsMasteryLevel);
  EXPECT_TRUE(s.fillInNoMasteryEffect);
  EXPECT_FALSE(s.fillInOnlyMastered);
  EXPECT_FALSE(s.keepMasteredInFillIn);
  EXPECT_EQ(s.fillInReadingType, -1);
}

TEST(OptionsDialogModelTest, NoRadioButtonCheckedKeepsTheReadingType) {
  Profile profile;
  profile.settings.fillInReadingType = 1;
  OptionsDialogModel model = profile.Model();
  OptionsFields f = model.Open();
  f.readingTypeKun = false;
  ASSERT_FALSE(model.Ok(f).error);
  EXPECT_EQ(profile.settings.fillInReadingType, 1);
}

TEST(OptionsDialogModelTest, ScheduleReachesTheSettingsOnlyThroughBothOks) {
  const std::vector<std::uint16_t> original = StudySettings::DefaultDeclineSchedule();
  const std::vector<std::uint16_t> edited{5, 6};

  {
    SCOPED_TRACE("schedule OK, then options OK");
    Profile profile;
    OptionsDialogModel model = profile.Model();
    const OptionsFields f = model.Open();
    model.BeginScheduleEdit();
    EXPECT_EQ(profile.editSchedule, original);
    profile.editSchedule = edited;
    profile.editDaysHigherLevels = 99;
    model.EndScheduleEdit(1);
    ASSERT_FALSE(model.Ok(f).error);
    EXPECT_EQ(profile.settings.declineSchedule, edited);
    EXPECT_EQ(profile.settings.declineDaysHigherLevels, 99);
  }
  {
    SCOPED_TRACE("schedule cancelled");
    Profile profile;
    OptionsDialogModel model = profile.Model();
    const OptionsFields f = model.Open();
    model.BeginScheduleEdit();
    profile.editSchedule = edited;
    model.EndScheduleEdit(2);
    ASSERT_FALSE(model.Ok(f).error);
    EXPECT_EQ(profile.settings.declineSchedule, original);
  }
  {
    SCOPED_TRACE("schedule OK, options cancelled, then reopened");
    Profile profile;
    OptionsDialogModel model = profile.Model();
    model.Open();
    model.BeginScheduleEdit();
    profile.editSchedule = edited;
    model.EndScheduleEdit(1);
    // Cancel stores nothing; the next opening starts from the stored schedule again.
    EXPECT_EQ(profile.settings.declineSchedule, original);
    model.Open();
    EXPECT_EQ(profile.draftSchedule, original);
  }
  {
    SCOPED_TRACE("schedule OK, options OK fails validation");
    Profile profile;
    OptionsDialogModel model = profile.Model();
    OptionsFields f = model.Open();
    model.BeginScheduleEdit();
    profile.editSchedule = edited;
    model.EndScheduleEdit(1);
    f.scoreInertia = "0";
    ASSERT_TRUE(model.Ok(f).error);
    EXPECT_EQ(profile.settings.declineSchedule, original);
  }
}

}  // namespace
