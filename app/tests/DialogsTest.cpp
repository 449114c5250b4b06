// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/OptionsDialog.h"
#include "app/ScheduleDialog.h"
#include "app/models/ControlIds.h"
#include "app/tests/ShellFixture.h"
#include "drills/ReadingsDrill.h"
#include "study/UserProfile.h"

namespace {

class DialogsTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteDataSet();
    ASSERT_TRUE(StartShell());
    messages.clear();
  }

  template <typename T>
  static T* Find(QWidget* dialog, int id) {
    return dialog->findChild<T*>(QString("id%1").arg(id));
  }
};

TEST_F(DialogsTest, NumberFieldsDropWhatTheFilterRefuses) {
  OptionsDialog dialog(*shell->profile, shell->system, shell->windows, shell->mainWindow.get());
  const struct {
    int id;
    const char* typed;
    const char* kept;
  } cases[] = {{ControlId::kScoreBaseline, "4.x5", "45"},
               {ControlId::kSelectionDistribution, "a2.5-", "2.5"},
               {ControlId::kIntroduceCount, "123456", "1234"}};  // four characters at most
  for (const auto& c : cases) {
    auto* field = Find<QLineEdit>(&dialog, c.id);
    field->clear();
    QTest::keyClicks(field, c.typed);
    EXPECT_EQ(field->text(), c.kept);
    // Ctrl+V is a control character to the filter: nothing is pasted by the key.
    field->clear();
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text(), "");
  }
}

TEST_F(DialogsTest, OptionsOkShowsWarningThenErrorAndStaysOpen) {
  OptionsDialog dialog(*shell->profile, shell->system, shell->windows, shell->mainWindow.get());
  Find<QLineEdit>(&dialog, ControlId::kAutoIntroduceThreshold)->setText("20");
  Find<QLineEdit>(&dialog, ControlId::kIntroduceCount)->setText("0");
  Find<QPushButton>(&dialog, ControlId::kOk)->click();
  ASSERT_EQ(messages.size(), 2u);
  EXPECT_EQ(messages[0].caption, "Warning");
  EXPECT_EQ(messages[1].text, "Number of kanji to introduce cannot be zero.");
  EXPECT_EQ(dialog.result(), 0);
  EXPECT_EQ(shell->profile->settings.autoIntroduceThreshold, 75);
}

TEST_F(DialogsTest, OptionsOkThroughTheMenuStoresAndSavesAndCancelSavesNothing) {
  QTimer::singleShot(0, [this] {
    auto* dialog = dynamic_cast<OptionsDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    Find<QLineEdit>(dialog, ControlId::kScoreInertia)->setText("7");
    Find<QCheckBox>(dialog, ControlId::kReverseSpaceEnter)->setChecked(true);
    Find<QPushButton>(dialog, ControlId::kOk)->click();
  });
  std::filesystem::remove(dir / "user_profile.vlu");
  EXPECT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdOptions));
  EXPECT_TRUE(messages.empty());
  EXPECT_EQ(shell->profile->settings.scoreInertia, 7);
  EXPECT_NE(ReadBytes(dir / "user_profile.vlu").find("7\t\t<--score inertia"), std::string::npos);
  // The face shows the new settings at once.
  auto* next = qobject_cast<QPushButton*>(shell->windows.Widget(shell->readingsDrill->buttons[3]));
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->text(), "Next (Enter)");
  // The window that gets the focus when the main window is active again.
  EXPECT_EQ(shell->mainWindow->focusWidget(), shell->windows.Widget(shell->readingsHandle));
  QTimer::singleShot(0, [this] {
    auto* dialog = dynamic_cast<OptionsDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    Find<QLineEdit>(dialog, ControlId::kScoreInertia)->setText("2");
    Find<QPushButton>(dialog, ControlId::kCancel)->click();
  });
  std::filesystem::remove(dir / "user_profile.vlu");
  shell->HandleCommand(shell->mainHandle, Shell::kCmdOptions);
  EXPECT_EQ(shell->profile->settings.scoreInertia, 7);
  EXPECT_FALSE(std::filesystem::exists(dir / "user_profile.vlu"));
}

TEST_F(DialogsTest, OptionsFollowTheTemplatesTabOrderWithEveryLabelClearOfItsNeighbours) {
  OptionsDialog dialog(*shell->profile, shell->system, shell->windows, shell->mainWindow.get());
  using namespace ControlId;
  const std::vector<int> order = {
      kScoreBaseline, kMasteryThreshold, kScoreInertia, kSelectionDistribution, kUseScoreDecline,
      kSchedule, kMasteryJumpsTo100, kMeaningsStayRevealed, kRevealMeaningsOnComplete,
      kReverseSpaceEnter, kUseAutoIntroduce, kAutoIntroduceThreshold, kIntroduceCount,
      kAllowUnlimitedGuesses, kKeepMasteredInReadings, kRevealDropsMasteryLevel,
      kDrillAffectsMasteryScore, kFillInOnlyMastered, kKeepMasteredInFillIn, kReadingTypeAll,
      kReadingTypeOn, kReadingTypeKun, kOk, kCancel};
  std::vector<int> chain;
  QWidget* w = dialog.Control(kScoreBaseline);
  for (int step = 0; step < 200 && chain.size() < order.size(); ++step, w = w->nextInFocusChain()) {
    for (const int id : order) {
      if (dialog.Control(id) == w) chain.push_back(id);
    }
  }
  EXPECT_EQ(chain, order);
  // No check box's or radio button's text is cut, no control runs into another, and none sits
  // on a group's title or frame.
  std::vector<QWidget*> controls;
  for (const int id : order) {
    auto* b = qobject_cast<QAbstractButton*>(dialog.Control(id));
    if (b && !qobject_cast<QPushButton*>(b) && !b->text().isEmpty()) {
      EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
    }
    controls.push_back(dialog.Control(id));
  }
  for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect frame = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxFrame, group);
    const int line = group->y() + std::max(frame.top(), group->fontMetrics().height());
    for (QWidget* c : controls) {
      EXPECT_TRUE(!group->geometry().contains(c->geometry()) || c->y() > line)
          << c->objectName().toStdString();
    }
  }
  for (QWidget* a : controls) {
    for (QWidget* b : controls) {
      EXPECT_TRUE(a == b || !a->geometry().intersects(b->geometry()))
          << a->objectName().toStdString() << " " << b->objectName().toStdString();
    }
  }
}

TEST_F(DialogsTest, ScheduleDialogEditsTheCopyThroughItsButtons) {
  UserProfile& profile = *shell->profile;
  profile.editSchedule = {8, 14};
  profile.editDaysHigherLevels = 360;
  ScheduleDialog dialog(profile, shell->system, shell->windows, shell->mainWindow.get());
  auto* list = Find<QListWidget>(&dialog, ControlId::kScheduleList);
  auto* days = Find<QLineEdit>(&dialog, ControlId::kScheduleDays);
  auto* apply = Find<QPushButton>(&dialog, ControlId::kApply);
  auto* level = Find<QLabel>(&dialog, ControlId::kLevelLabel);
  ASSERT_TRUE(list && days && apply && level);
  // Opened with the focus in the list, and still no level selected.
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QApplication::processEvents();
  EXPECT_TRUE(list->hasFocus());
  EXPECT_EQ(level->text(), "");
  EXPECT_FALSE(days->isEnabled() || apply->isEnabled());
  list->setCurrentRow(1);
  EXPECT_EQ(level->text(), "1");
  EXPECT_EQ(days->text(), "14");
  days->setText("");
  apply->click();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Days until baselined cannot be zero");
  days->setText("30");
  apply->click();
  EXPECT_EQ(profile.editSchedule, (std::vector<std::uint16_t>{8, 30}));
  EXPECT_EQ(list->item(1)->text().toStdString(), ScheduleDialogModel::FormatLine(1, 30));

  Find<QPushButton>(&dialog, ControlId::kAddNext)->click();
  EXPECT_EQ(profile.editSchedule, (std::vector<std::uint16_t>{8, 30, 30}));
  EXPECT_EQ(list->currentRow(), 2);
  for (int i = 0; i < 3; ++i) Find<QPushButton>(&dialog, ControlId::kRemoveLast)->click();
  EXPECT_TRUE(profile.editSchedule.empty());
  EXPECT_FALSE(apply->isEnabled());

  Find<QLineEdit>(&dialog, ControlId::kDaysHigherLevels)->setText("0");
  Find<QPushButton>(&dialog, ControlId::kOk)->click();
  EXPECT_EQ(messages.back().text, "Days until baselined for higher levels cannot be zero");
  EXPECT_EQ(dialog.result(), 0);
  Find<QLineEdit>(&dialog, ControlId::kDaysHigherLevels)->setText("90");
  Find<QPushButton>(&dialog, ControlId::kOk)->click();
  EXPECT_EQ(dialog.result(), 1);
  EXPECT_EQ(profile.editDaysHigherLevels, 90);
}

}  // namespace
