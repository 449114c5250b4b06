// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/OptionsDialogModel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "app/models/ControlIds.h"
#include "app/models/DialogNumbers.h"
#include "app/models/NumericEditFilter.h"
#include "app/models/ScheduleDialogModel.h"

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

TEST(OptionsDialogModelTest, OpeningShowsTheSettingsAndOkStoresTheFields) {
  Profile profile;
  profile.settings.fillInNoMasteryEffect = true;
  profile.settings.fillInReadingType = 1;
  OptionsDialogModel model = profile.Model();
  OptionsFields f = model.Open();
  EXPECT_EQ(std::tuple(f.scoreBaseline, f.selectionDistribution), std::tuple("50", "4.50"));
  EXPECT_FALSE(f.drillAffectsMasteryScore);  // shown negated
  EXPECT_TRUE(f.keepMasteredInFillInEnabled);
  EXPECT_TRUE(f.readingTypeKun);
  EXPECT_EQ(std::tuple(profile.draftSchedule, profile.draftDaysHigherLevels),
            std::tuple(StudySettings::DefaultDeclineSchedule(), 360));

  f.scoreBaseline = "40";
  f.selectionDistribution = "2.25";
  f.introduceCount = "1234";
  f.reverseSpaceEnter = true;
  f.drillAffectsMasteryScore = true;
  ASSERT_FALSE(model.Ok(f).error);
  const StudySettings& s = profile.settings;
  EXPECT_EQ(std::tuple(s.scoreBaseline, s.selectionDistribution, s.introduceCount),
            std::tuple(40, 2.25f, 1234));
  EXPECT_EQ(std::tuple(s.reverseSpaceEnter, s.fillInNoMasteryEffect, s.fillInReadingType),
            std::tuple(true, false, 1));
  f.readingTypeKun = false;  // no radio button checked keeps the reading type
  ASSERT_FALSE(model.Ok(f).error);
  EXPECT_EQ(s.fillInReadingType, 1);
  f.readingTypeOn = true;
  ASSERT_FALSE(model.Ok(f).error);
  EXPECT_EQ(s.fillInReadingType, -1);
  // A reading type outside its values opens as All.
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
  const auto keep = [&f] {
    return std::pair(f.keepMasteredInFillIn, f.keepMasteredInFillInEnabled);
  };
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
      {&F::scoreInertia, "0", nullptr, "", none, &inertia},
      {&F::masteryThreshold, "10", &F::scoreInertia, "", none, &threshold},  // threshold first
      {&F::selectionDistribution, "1", nullptr, "", none, none},
      {&F::selectionDistribution, "8.0000001", nullptr, "", none, none},  // 8 as a float
      {&F::selectionDistribution, "8.01", nullptr, "", none, &range},
      {&F::selectionDistribution, "nan", nullptr, "", none, &range},
      {&F::autoIntroduceThreshold, "9", nullptr, "", none, &autoLow},
      {&F::autoIntroduceThreshold, "10", nullptr, "", &warn, none},
      {&F::autoIntroduceThreshold, "50", nullptr, "", none, none},
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

// The dialog opened on a copy of the default schedule.
class ScheduleDialogModelTest : public ::testing::Test {
 protected:
  ScheduleDialogModelTest() { model.Open(); }

  struct Copy {
    std::vector<std::uint16_t> schedule = StudySettings::DefaultDeclineSchedule();
    std::uint16_t daysHigherLevels = 360;
  } copy;
  ScheduleDialogModel model{copy.schedule, copy.daysHigherLevels};
};

// The dialog's own test drives selecting, Apply, Add Next, Remove Last and OK through the
// buttons; these are the edges the buttons do not reach.
TEST_F(ScheduleDialogModelTest, DeselectingKeepsTheTextsAndOnlyAppliedDaysAreTaken) {
  EXPECT_EQ(model.view().lines[0], "           0                           8");
  EXPECT_FALSE(model.Apply("5"));  // nothing selected: nothing happens
  EXPECT_EQ(copy.schedule, StudySettings::DefaultDeclineSchedule());
  model.Select(3);
  model.Select(-1);
  const auto& v = model.view();
  EXPECT_EQ(std::tuple(v.levelLabel, v.daysText, v.daysEnabled), std::tuple("3", "40", false));
  model.Select(0);  // a days value typed without Apply is not taken
  EXPECT_FALSE(model.Ok("120"));
  EXPECT_EQ(std::tuple(copy.daysHigherLevels, copy.schedule[0]), std::tuple(120, 8));
  copy.schedule.clear();
  model.Open();
  model.RemoveLast();  // nothing to remove
  model.AddNext();     // an empty list starts at eight days
  EXPECT_EQ(copy.schedule, std::vector<std::uint16_t>{8});
}

TEST(DialogNumbersTest, IntegersStopAtTheFirstNonDigitAndRealsReadLikeStrtod) {
  for (const auto& [text, value] : std::initializer_list<std::pair<const char*, unsigned>>{
           {"", 0}, {"12ab", 12}, {" 5", 0}, {"65535", 65535}, {"65536", 65535},
           {"123456789012345678901234567890", 65535}}) {
    EXPECT_EQ(ReadDialogInteger(text), value) << text;
  }
  // Reals read like strtod, with a full stop whatever the locale.
  for (const auto& [text, value] : std::initializer_list<std::pair<const char*, double>>{
           {"abc", 0.0}, {".5", 0.5}, {"1.5x", 1.5}, {" 2", 2.0}, {"1e1", 10.0}, {"4,5", 4.0}}) {
    EXPECT_EQ(ReadDialogReal(text), value) << text;
  }
  EXPECT_TRUE(std::isnan(ReadDialogReal("nan")));
  EXPECT_EQ(ReadDialogReal("1e999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(FormatDialogReal(4.5f), "4.50");
  EXPECT_EQ(FormatDialogReal(7.999f), "8.00");
}

TEST(NumericEditFilterTest, PassesDigitsEditingKeysAndTheDistributionsFullStop) {
  // Typing digits, letters, full stops and Ctrl+V is the dialog's own test.
  constexpr int kBaseline = ControlId::kScoreBaseline;
  const struct {
    int control;
    char32_t character;
    bool passes;
  } cases[] = {
      {kBaseline, 8, true},  // Backspace
      {ControlId::kScheduleDays, U'.', false},
      {kBaseline, 0x130, false},   // low byte is "0"
      {kBaseline, 0xFF11, false},  // full-width 1
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.control << " U+" << std::hex << static_cast<unsigned>(c.character));
    EXPECT_EQ(NumericEditFilter::Passes(c.control, c.character), c.passes);
  }
}

}  // namespace
