#include "app/models/OptionsDialogModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

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
  EXPECT_EQ(f.selectionDistribution, "4.50");
  EXPECT_FALSE(f.drillAffectsMasteryScore);  // shown negated
  EXPECT_TRUE(f.keepMasteredInFillInEnabled);
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
  EXPECT_TRUE(profile.settings.keepMasteredInFillIn);
}

TEST(OptionsDialogModelTest, ValidationReportsTheFirstFailureInOrder) {
  using F = OptionsFields;
  const DialogMessage warn{
      "You may encounter problems with auto introduction threshold set this low.  "
      "Introduction may cycle repeatedly.",
      "Warning"};
  const DialogMessage threshold{"Mastery threshold must be greater than score baseline.", "Error"};
  const DialogMessage inertia{"Score inertia cannot be zero.", "Error"};
  const DialogMessage range{"Selection distribution must be in the range from 1.0 to 8.0.",
                            "Error"};
  const DialogMessage autoLow{"Auto introduction threshold must be 10% or greater.", "Error"};
  const DialogMessage count{"Number of kanji to introduce cannot be zero.", "Error"};
  const struct {
    const char* name;
    std::string F::*field;
    const char* value;
    std::string F::*field2;  // nullptr: one field edited
    const char* value2;
    const DialogMessage* warning;
    const DialogMessage* error;
  } cases[] = {
      {"threshold equal to baseline", &F::scoreBaseline, "90", &F::masteryThreshold, "90", nullptr,
       &threshold},
      {"threshold just above baseline", &F::scoreBaseline, "89", &F::masteryThreshold, "90",
       nullptr, nullptr},
      {"empty threshold reads as 0", &F::scoreBaseline, "0", &F::masteryThreshold, "", nullptr,
       &threshold},
      {"zero inertia", &F::scoreInertia, "0", nullptr, "", nullptr, &inertia},
      {"threshold checked before inertia", &F::masteryThreshold, "10", &F::scoreInertia, "",
       nullptr, &threshold},
      {"distribution 1", &F::selectionDistribution, "1", nullptr, "", nullptr, nullptr},
      {"distribution rounding to 8 as a float", &F::selectionDistribution, "8.0000001", nullptr, "",
       nullptr, nullptr},
      {"distribution 8.01", &F::selectionDistribution, "8.01", nullptr, "", nullptr, &range},
      {"distribution empty", &F::selectionDistribution, "", nullptr, "", nullptr, &range},
      {"distribution nan pasted", &F::selectionDistribution, "nan", nullptr, "", nullptr, &range},
      {"distribution inf pasted", &F::selectionDistribution, "inf", nullptr, "", nullptr, &range},
      {"auto threshold 9", &F::autoIntroduceThreshold, "9", nullptr, "", nullptr, &autoLow},
      {"auto threshold 10 warns", &F::autoIntroduceThreshold, "10", nullptr, "", &warn, nullptr},
      {"auto threshold 49 warns", &F::autoIntroduceThreshold, "49", nullptr, "", &warn, nullptr},
      {"auto threshold 50 is silent", &F::autoIntroduceThreshold, "50", nullptr, "", nullptr,
       nullptr},
      {"warning comes before the count error", &F::autoIntroduceThreshold, "20", &F::introduceCount,
       "0", &warn, &count},
      {"no warning when the distribution fails first", &F::autoIntroduceThreshold, "20",
       &F::selectionDistribution, "9", nullptr, &range},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Profile profile;
    OptionsDialogModel model = profile.Model();
    OptionsFields fields = model.Open();
    fields.*c.field = c.value;
    if (c.field2) fields.*c.field2 = c.value2;
    const OptionsVerdict verdict = model.Ok(fields);
    EXPECT_EQ(verdict.warning, c.warning ? std::optional(*c.warning) : std::nullopt);
    EXPECT_EQ(verdict.error, c.error ? std::optional(*c.error) : std::nullopt);
    if (c.error) {
      EXPECT_EQ(profile.settings.scoreBaseline, StudySettings{}.scoreBaseline);
      EXPECT_EQ(profile.settings.autoIntroduceThreshold, StudySettings{}.autoIntroduceThreshold);
    }
  }
}

TEST(OptionsDialogModelTest, OkStoresTheFieldsIntoTheSettings) {
  Profile profile;
  profile.settings.fillInReadingType = 1;
  OptionsDialogModel model = profile.Model();
  OptionsFields f = model.Open();
  f.scoreBaseline = "40";
  f.selectionDistribution = "2.25";
  f.introduceCount = "1234";
  f.reverseSpaceEnter = true;
  f.drillAffectsMasteryScore = false;
  ASSERT_FALSE(model.Ok(f).error);
  const StudySettings& s = profile.settings;
  EXPECT_EQ(s.scoreBaseline, 40);
  EXPECT_EQ(s.selectionDistribution, 2.25f);
  EXPECT_EQ(s.introduceCount, 1234);
  EXPECT_TRUE(s.reverseSpaceEnter);
  EXPECT_TRUE(s.fillInNoMasteryEffect);
  EXPECT_EQ(s.fillInReadingType, 1);

  f.readingTypeKun = false;  // no radio button checked keeps the reading type
  ASSERT_FALSE(model.Ok(f).error);
  EXPECT_EQ(s.fillInReadingType, 1);
  f.readingTypeOn = true;
  ASSERT_FALSE(model.Ok(f).error);
  EXPECT_EQ(s.fillInReadingType, -1);
}

TEST(OptionsDialogModelTest, ScheduleReachesTheSettingsOnlyThroughBothOks) {
  const std::vector<std::uint16_t> original = StudySettings::DefaultDeclineSchedule();
  const std::vector<std::uint16_t> edited{5, 6};
  const struct {
    const char* name;
    int scheduleResult;  // 1: OK, 2: Cancel
    const char* inertia;
    bool optionsOk;
    bool stored;
  } cases[] = {
      {"schedule OK, then options OK", 1, "4", true, true},
      {"schedule cancelled", 2, "4", true, false},
      {"schedule OK, options cancelled", 1, "4", false, false},
      {"schedule OK, options OK fails validation", 1, "0", true, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Profile profile;
    OptionsDialogModel model = profile.Model();
    OptionsFields f = model.Open();
    model.BeginScheduleEdit();
    EXPECT_EQ(profile.editSchedule, original);
    profile.editSchedule = edited;
    profile.editDaysHigherLevels = 99;
    model.EndScheduleEdit(c.scheduleResult);
    f.scoreInertia = c.inertia;
    if (c.optionsOk) model.Ok(f);
    EXPECT_EQ(profile.settings.declineSchedule, c.stored ? edited : original);
    EXPECT_EQ(profile.settings.declineDaysHigherLevels, c.stored ? 99 : 360);
    // The next opening starts from the stored schedule again.
    model.Open();
    EXPECT_EQ(profile.draftSchedule, profile.settings.declineSchedule);
  }
}

}  // namespace
