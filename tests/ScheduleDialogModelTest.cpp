// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/ScheduleDialogModel.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

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

TEST_F(ScheduleDialogModelTest, OpensWithNoLevelAndEachStepLeavesTheViewAsTheLearnerExpects) {
  EXPECT_EQ(model.view().lines[0], "           0                           8");
  EXPECT_EQ(ScheduleDialogModel::FormatLine(100, 999), "          100                         999");
  const auto view = [this] {
    const auto& v = model.view();
    return std::tuple(v.lines.size(), v.levelLabel, v.daysText, v.daysEnabled);
  };
  using V = std::tuple<std::size_t, std::string, std::string, bool>;
  EXPECT_EQ(view(), (V{8, "", "", false}));
  EXPECT_EQ(model.view().higherLevelsText, "360");
  model.Select(3);
  EXPECT_EQ(view(), (V{8, "3", "40", true}));
  model.Select(-1);  // deselecting keeps the texts
  EXPECT_EQ(view(), (V{8, "3", "40", false}));
  model.AddNext();  // repeats the last level
  EXPECT_EQ(view(), (V{9, "8", "360", true}));
  EXPECT_EQ(copy.schedule.back(), 360);
  copy.schedule = {8, 14};
  model.Open();
  model.RemoveLast();
  EXPECT_EQ(view(), (V{1, "0", "8", true}));
  model.RemoveLast();
  EXPECT_EQ(view(), (V{0, "", "", false}));
  model.RemoveLast();  // nothing left to remove
  EXPECT_TRUE(copy.schedule.empty());
  model.AddNext();  // an empty list starts at eight days
  EXPECT_EQ(copy.schedule, std::vector<std::uint16_t>{8});
  EXPECT_EQ(view(), (V{1, "0", "8", true}));
}

TEST_F(ScheduleDialogModelTest, ApplyStoresTheDaysOrRefusesZero) {
  EXPECT_FALSE(model.Apply("5"));  // nothing selected: nothing happens
  EXPECT_EQ(copy.schedule, StudySettings::DefaultDeclineSchedule());

  model.Select(2);
  const DialogMessage zero{"Days until baselined cannot be zero", "Error"};
  EXPECT_EQ(model.Apply(""), zero);
  EXPECT_EQ(model.Apply("0"), zero);
  EXPECT_EQ(copy.schedule, StudySettings::DefaultDeclineSchedule());

  EXPECT_FALSE(model.Apply("999"));
  EXPECT_EQ(copy.schedule[2], 999);
  EXPECT_EQ(model.view().lines[2], ScheduleDialogModel::FormatLine(2, 999));
}

TEST_F(ScheduleDialogModelTest, OkTakesOnlyTheHigherLevelsField) {
  EXPECT_EQ(model.Ok("0"),
            (DialogMessage{"Days until baselined for higher levels cannot be zero", "Error"}));
  EXPECT_EQ(copy.daysHigherLevels, 360);

  // A days value typed without Apply is not taken.
  model.Select(0);
  EXPECT_FALSE(model.Ok("120"));
  EXPECT_EQ(copy.daysHigherLevels, 120);
  EXPECT_EQ(copy.schedule[0], 8);
}

}  // namespace
