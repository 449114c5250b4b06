// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

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

TEST(OptionsDialogModelTest, OpeningShowsTheSettingsAndAReadingTypeOutsideItsValuesAsAll) {
  Profile profile;
  profile.settings.fillInNoMasteryEffect = true;
  profile.settings.fillInReadingType = 1;
  const OptionsFields f = profile.Model().Open();
  EXPECT_EQ(std::tuple(f.scoreBaseline, f.selectionDistribution), std::tuple("50", "4.50"));
  EXPECT_FALSE(f.drillAffectsMasteryScore);  // shown negated
  EXPECT_TRUE(f.keepMasteredInFillInEnabled);
  EXPECT_TRUE(f.readingTypeKun);
  EXPECT_EQ(profile.draftSchedule, StudySettings::DefaultDeclineSchedule());
  EXPECT_EQ(profile.draftDaysHigherLevels, 360);
  for (std::int16_t type : {std::int16_t{-1}, std::int16_t{0}, std::int16_t{7}}) {
    profile.settings.fillInReadingType = type;
    const OptionsFields g = profile.Model().Open();
    EXPECT_EQ(std::tuple(g.readingTypeOn, g.readingTypeAll, g.readingTypeKun),
              std::tuple(type == -1, type != -1, false));
  }
}

TEST(OptionsDialogModelTest, OnlyMasteredForcesKeepMasteredOnAndBack) {
  Profile profile;
  profile.settings.fillInOnlyMastered = true;
  profile.settings.keepMasteredInFillIn = false;
  OptionsFields f = profile.Model().Open();
  const auto keep = [&f] { return std::pair(f.keepMasteredInFillIn, f.keepMasteredInFillInEnabled); };
  EXPECT_EQ(keep(), std::pair(true, false));
  f.fillInOnlyMastered = false;
  OptionsDialogModel::OnlyMasteredChanged(f);
  EXPECT_EQ(keep(), std::pair(true, true));  // its check stays on
  f.keepMasteredInFillIn = false;
  f.fillInOnlyMastered = true;
  OptionsDialogModel::OnlyMasteredChanged(f);
  EXPECT_EQ(keep(), std::pair(true, false));
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
  const DialogMessage* none = nullptr;
  const struct {
    std::string F::*field;
    const char* value;
    std::string F::*field2;  // nullptr: one field edited
    const char* value2;
    const DialogMessage *warning, *error;
  } cases[] = {
      {&F::scoreBaseline, "90", &F::masteryThreshold, "90", none, &threshold},
      {&F::scoreBaseline, "89", &F::masteryThreshold, "90", none, none},
      {&F::scoreBaseline, "0", &F::masteryThreshold, "", none, &threshold},  // empty reads 0
      {&F::scoreInertia, "0", nullptr, "", none, &inertia},
      {&F::masteryThreshold, "10", &F::scoreInertia, "", none, &threshold},  // threshold first
      {&F::selectionDistribution, "1", nullptr, "", none, none},
      {&F::selectionDistribution, "8.0000001", nullptr, "", none, none},  // 8 as a float
      {&F::selectionDistribution, "8.01", nullptr, "", none, &range},
      {&F::selectionDistribution, "", nullptr, "", none, &range},
      {&F::selectionDistribution, "nan", nullptr, "", none, &range},
      {&F::selectionDistribution, "inf", nullptr, "", none, &range},
      {&F::autoIntroduceThreshold, "9", nullptr, "", none, &autoLow},
      {&F::autoIntroduceThreshold, "10", nullptr, "", &warn, none},
      {&F::autoIntroduceThreshold, "49", nullptr, "", &warn, none},
      {&F::autoIntroduceThreshold, "50", nullptr, "", none, none},
      {&F::autoIntroduceThreshold, "20", &F::introduceCount, "0", &warn, &count},
      {&F::autoIntroduceThreshold, "20", &F::selectionDistribution, "9", none, &range},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
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
  EXPECT_EQ(std::tuple(s.scoreBaseline, s.selectionDistribution, s.introduceCount),
            std::tuple(40, 2.25f, 1234));
  EXPECT_EQ(std::tuple(s.reverseSpaceEnter, s.fillInNoMasteryEffect, s.fillInReadingType),
            std::tuple(true, true, 1));

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
    int scheduleResult;  // 1: OK, 2: Cancel
    const char* inertia;
    bool optionsOk, stored;
  } cases[] = {{1, "4", true, true}, {2, "4", true, false}, {1, "4", false, false},
               {1, "0", true, false}};  // the last: options OK fails validation
  for (const auto& c : cases) {
    SCOPED_TRACE(&c - cases);
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
