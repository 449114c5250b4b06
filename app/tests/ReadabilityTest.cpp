// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QImage>
#include <QScreen>

#include "app/DrillWindow.h"
#include "app/MainWindow.h"
#include "app/NotesDialog.h"
#include "app/StrokeOrderDialog.h"
#include "app/models/ViewOptions.h"
#include "app/tests/ShellFixture.h"
#include "drills/CardFace.h"
#include "drills/DarkColours.h"
#include "drills/ReadingsDrill.h"
#include "study/ExtraSettings.h"

namespace {

class ReadabilityTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteDataSet();
    ASSERT_TRUE(StartShell());
  }

  std::string SettingsFile() const { return ReadBytes(dir / ExtraSettings::kFileName); }

  static QColor Q(Colour c) { return QColor(c.red, c.green, c.blue); }
};

TEST_F(ReadabilityTest, At200PercentBothFacesAreTwiceAsLargeSharpAndAnswerClicksWhereDrawn) {
  Render(shell->readingsWindow, "readings");
  for (int step = 0; step < 4; ++step) shell->HandleCommand(shell->mainHandle, Shell::kCmdZoomIn);
  const QImage readings = Render(shell->readingsWindow, "readings-200");
  ASSERT_EQ(readings.size(), QSize(1280, 880));
  EXPECT_EQ(shell->mainWindow->client()->size(), QSize(1280, 880));
  EXPECT_EQ(shell->mainWindow->minimumSize(), shell->mainWindow->maximumSize());
  // The kanji box's frame is two pixels thick and its inside starts right after, no blur.
  EXPECT_EQ(QColor(readings.pixel(20, 20)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(readings.pixel(21, 21)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(readings.pixel(22, 22)), QColor(255, 238, 238));
  const auto* next = shell->readingsWindow->findChild<QWidget*>("id903");
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->geometry(), QRect(560, 200, 210, 60));

  QTest::mouseClick(shell->readingsWindow, Qt::LeftButton, {}, QPoint(2 * 200, 2 * 20));
  EXPECT_TRUE(shell->readingsDrill->meaningsRevealed);
  EXPECT_NE(SettingsFile().find("view.zoom_percent = 200"), std::string::npos);

  shell->HandleCommand(shell->mainHandle, Shell::kCmdFillIn);
  EXPECT_EQ(Render(shell->fillInWindow, "fill-in-200").size(), QSize(1280, 880));
  shell->HandleCommand(shell->mainHandle, Shell::kCmdActualSize);
  EXPECT_EQ(shell->fillInWindow->size(), QSize(640, 440));
  EXPECT_EQ(next->geometry(), QRect(280, 100, 105, 30));
}

TEST_F(ReadabilityTest, DarkColoursRepaintBothFacesAndStayOffTheDialogs) {
  shell->HandleCommand(shell->mainHandle, Shell::kCmdDarkColours);
  const QImage readings = Render(shell->readingsWindow, "readings-dark");
  EXPECT_EQ(QColor(readings.pixel(635, 435)), Q(DarkColour(kFaceGround)));
  EXPECT_EQ(QColor(readings.pixel(12, 12)), Q(DarkColour(face::kKanjiBoxInside)));
  EXPECT_EQ(QColor(readings.pixel(10, 10)), Q(DarkColour(kBlack)));
  shell->HandleCommand(shell->mainHandle, Shell::kCmdFillIn);
  const QImage fillIn = Render(shell->fillInWindow, "fill-in-dark");
  EXPECT_EQ(QColor(fillIn.pixel(600, 80)), Q(DarkColour(face::kTriesPanel)));
  EXPECT_EQ(shell->notesWindow->palette().color(QPalette::Window),
            QApplication::palette().color(QPalette::Window));
  EXPECT_NE(SettingsFile().find("view.dark_colours = true"), std::string::npos);

  shell->HandleCommand(shell->mainHandle, Shell::kCmdDarkColours);
  EXPECT_EQ(QColor(Render(shell->fillInWindow, "fill-in").pixel(635, 435)), QColor(255, 255, 240));
}

TEST_F(ReadabilityTest, StrokeOrderWindowOpensBesideFollowsTheCardsAndIsRemembered) {
  shell->strokeOrderFontInstalled = true;
  shell->HandleCommand(shell->mainHandle, Shell::kCmdShowStrokeOrder);
  StrokeOrderDialog* window = shell->strokeOrderWindow;
  ASSERT_TRUE(window->isVisible());
  EXPECT_TRUE(shell->mainWindow->screen()->availableGeometry().contains(window->frameGeometry()));
  EXPECT_EQ(window->kanji(), u'二');
  EXPECT_GT(Render(window, "stroke-order").width(), 200);
  EXPECT_NE(SettingsFile().find("stroke_order.open = true"), std::string::npos);

  window->ShowKanji(0);
  shell->HandleCommand(shell->mainHandle, Shell::kCmdFillIn);  // a new card
  EXPECT_EQ(window->kanji(), u'二');

  window->close();  // the close box
  EXPECT_FALSE(window->isVisible());
  EXPECT_NE(SettingsFile().find("stroke_order.open = false"), std::string::npos);

  shell->strokeOrderFontInstalled = false;
  messages.clear();
  shell->HandleCommand(shell->mainHandle, Shell::kCmdShowStrokeOrder);
  EXPECT_FALSE(window->isVisible());
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].text.find("fonts-kanjistrokeorders"), std::string::npos);
}

TEST_F(ReadabilityTest, KeysReachTheNewCommandsFromTheDrill) {
  QApplication::setActiveWindow(shell->mainWindow.get());
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    int percent;
  } keys[] = {{Qt::Key_Equal, Qt::ControlModifier, 125},
              {Qt::Key_Plus, Qt::ControlModifier, 150},
              {Qt::Key_Minus, Qt::ControlModifier, 125},
              {Qt::Key_0, Qt::ControlModifier, 100}};
  for (const auto& k : keys) {
    QTest::keyClick(shell->readingsWindow, k.key, k.modifiers);
    EXPECT_EQ(shell->view->zoom().percent, k.percent) << k.key;
  }
  shell->strokeOrderFontInstalled = true;
  QTest::keyClick(shell->readingsWindow, Qt::Key_F6);
  EXPECT_TRUE(shell->strokeOrderWindow->isVisible());
  EXPECT_STREQ(shell->readingsDrill->pendingRomaji, "");  // no key reached the drill
}

TEST_F(ShellTest, TheRememberedViewIsBackAtStartUp) {
  WriteDataSet();
  WriteBytes(dir / ExtraSettings::kFileName,
             "view.zoom_percent = 150\nview.dark_colours = true\nstroke_order.open = true\n");
  ASSERT_TRUE(StartShell());
  EXPECT_EQ(shell->readingsWindow->size(), QSize(960, 660));
  EXPECT_EQ(shell->readingsWindow->palette().color(QPalette::Window), QColor(28, 28, 26));
  EXPECT_EQ(shell->strokeOrderWindow->isVisible(), shell->strokeOrderFontInstalled);
  for (const Message& message : messages)
    EXPECT_EQ(message.text.find("settings"), std::string::npos);
}

}  // namespace
