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

TEST_F(ScheduleDialogModelTest, LinesAlignLevelAndDays) {
  const struct {
    int level;
    std::uint16_t days;
    const char* line;
  } cases[] = {
      {0, 8, "           0                           8"},
      {12, 45, "          12                          45"},
      {100, 999, "          100                         999"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.level);
    EXPECT_EQ(ScheduleDialogModel::FormatLine(c.level, c.days), c.line);
  }
}

TEST_F(ScheduleDialogModelTest, OpensWithNoLevelAndDeselectingKeepsTheTexts) {
  EXPECT_EQ(model.view().lines.size(), 8u);
  EXPECT_EQ(model.view().levelLabel, "");
  EXPECT_FALSE(model.view().daysEnabled);
  EXPECT_EQ(model.view().higherLevelsText, "360");
  model.Select(3);
  EXPECT_EQ(model.view().daysText, "40");
  EXPECT_TRUE(model.view().daysEnabled);
  model.Select(-1);
  EXPECT_EQ(model.view().levelLabel, "3");
  EXPECT_EQ(model.view().daysText, "40");
  EXPECT_FALSE(model.view().daysEnabled);
}

TEST_F(ScheduleDialogModelTest, AddNextRepeatsTheLastLevelOrStartsAtEight) {
  model.AddNext();
  EXPECT_EQ(copy.schedule.size(), 9u);
  EXPECT_EQ(copy.schedule.back(), 360);
  EXPECT_EQ(model.view().levelLabel, "8");
  EXPECT_EQ(model.view().daysText, "360");

  copy.schedule.clear();
  model.Open();
  model.AddNext();
  EXPECT_EQ(copy.schedule, std::vector<std::uint16_t>{8});
  EXPECT_EQ(model.view().levelLabel, "0");
}

TEST_F(ScheduleDialogModelTest, RemoveLastDownToEmptyBlanksAndDisablesTheField) {
  copy.schedule = {8, 14};
  model.Open();
  model.RemoveLast();
  EXPECT_EQ(model.view().levelLabel, "0");
  EXPECT_EQ(model.view().daysText, "8");

  model.RemoveLast();
  EXPECT_TRUE(model.view().lines.empty());
  EXPECT_EQ(model.view().levelLabel, "");
  EXPECT_EQ(model.view().daysText, "");
  EXPECT_FALSE(model.view().daysEnabled);

  model.RemoveLast();  // nothing left to remove
  EXPECT_TRUE(copy.schedule.empty());
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
