// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

#include "app/DrillWindow.h"
#include "app/MainWindow.h"
#include "app/MoreOptionsDialog.h"
#include "app/OptionsDialog.h"
#include "app/models/ControlIds.h"
#include "app/tests/ShellFixture.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "study/ExtraSettings.h"
#include "study/UserProfile.h"
#include "tests/FakeSystem.h"

namespace {

class ForgivenessAppTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteDataSet();
    ASSERT_TRUE(StartShell());
    messages.clear();
  }

  // Drill > Undo Last Card, as its menu shows it when opened.
  bool UndoItemEnabled() {
    for (QAction* menu : shell->mainWindow->menuBar()->actions()) {
      for (QAction* item : menu->menu()->actions()) {
        if (item->data().toInt() != Shell::kCmdUndoLastCard) continue;
        emit menu->menu()->aboutToShow();
        return item->isEnabled();
      }
    }
    ADD_FAILURE() << "no Undo Last Card item";
    return false;
  }
};

TEST_F(ForgivenessAppTest, CtrlZTakesBackTheLastCardEvenFromTheOtherDrill) {
  ReadingsDrill& readings = *shell->readingsDrill;
  const KanjiProgress before = *readings.cardProgress;
  EXPECT_FALSE(UndoItemEnabled());
  QTest::keyClick(shell->readingsWindow, Qt::Key_F12);
  ASSERT_TRUE(readings.scoreShown);
  ASSERT_NE(readings.cardProgress->score, before.score);
  EXPECT_TRUE(UndoItemEnabled());

  shell->HandleCommand(shell->mainHandle, Shell::kCmdFillIn);
  QTest::keyClick(shell->fillInWindow, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(shell->currentDrill, &readings);
  EXPECT_TRUE(shell->readingsWindow->isVisible());
  EXPECT_FALSE(shell->fillInWindow->isVisible());
  EXPECT_EQ(readings.cardProgress->score, before.score);
  EXPECT_EQ(readings.cardProgress->masteryLevel, before.masteryLevel);
  EXPECT_FALSE(readings.scoreShown);
  EXPECT_EQ(readings.attemptsLeft, 6);  // 二: one ON and one KUN reading
  EXPECT_FALSE(UndoItemEnabled());
}

TEST_F(ForgivenessAppTest, MorePageTurnsForgivingGradingOnAndKeepsItOutOfTheProfile) {
  QTimer::singleShot(0, [] {
    auto* options = dynamic_cast<OptionsDialog*>(QApplication::activeModalWidget());
    if (!options) return;
    QTimer::singleShot(0, [] {
      auto* page = dynamic_cast<MoreOptionsDialog*>(QApplication::activeModalWidget());
      if (!page) return;
      QTest::keyClick(page->findChild<QCheckBox*>(), Qt::Key_Space);
      page->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    auto* more = options->findChild<QPushButton*>(QString("id%1").arg(OptionsDialog::kMore));
    EXPECT_EQ(more->text(), "&More...");
    more->setFocus();
    QTest::keyClick(more, Qt::Key_Space);
    options->findChild<QPushButton*>(QString("id%1").arg(ControlId::kOk))->click();
  });
  EXPECT_FALSE(shell->readingsDrill->forgiveOtherKind);
  shell->HandleCommand(shell->mainHandle, Shell::kCmdOptions);
  EXPECT_TRUE(shell->readingsDrill->forgiveOtherKind);
  EXPECT_TRUE(shell->fillInDrill->forgiveOtherKind);
  FakeSystem quiet;
  ExtraSettings stored(dir.path(), quiet);
  stored.Load(kNoWindow);
  EXPECT_TRUE(stored.GetBool(MoreOptions::kForgiveKey, false));
  EXPECT_EQ(ReadBytes(dir / UserProfile::kProfileFileName).find("forgive"), std::string::npos);
}

}  // namespace
