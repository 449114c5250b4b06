// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QImage>

#include "app/AboutDialog.h"
#include "app/DrillWindow.h"
#include "app/MainWindow.h"
#include "app/NotesDialog.h"
#include "app/OptionsDialog.h"
#include "app/ScheduleDialog.h"
#include "app/tests/ShellFixture.h"
#include "study/UserProfile.h"

namespace {

class ScreenshotTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteDataSet();
    ASSERT_TRUE(StartShell());
  }

  // Renders window and keeps the picture beside the build's other outputs.
  QImage Render(QWidget* window, const char* name) {
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QString folder = QString(VELTRANE_SCREENSHOT_DIR);
    QDir().mkpath(folder);
    image.save(folder + "/" + name + ".png");
    return image;
  }

  static int DarkPixels(const QImage& image, const QRect& area) {
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        if (qGray(image.pixel(x, y)) < 96) ++dark;
      }
    }
    return dark;
  }
};

// The parts of a face that both drills paint the same way.
void ExpectSharedFace(const QImage& image, int panelBottom) {
  EXPECT_EQ(QColor(image.pixel(10, 10)), QColor(0, 0, 0));  // kanji box frame
  EXPECT_EQ(QColor(image.pixel(69, 69)), QColor(0, 0, 0));
  EXPECT_EQ(QColor(image.pixel(12, 12)), QColor(255, 238, 238));                 // kanji box inside
  EXPECT_EQ(QColor(image.pixel(600, panelBottom - 20)), QColor(238, 238, 238));  // tries panel
  EXPECT_EQ(QColor(image.pixel(510, panelBottom / 2)), QColor(0, 0, 0));         // its edge
  EXPECT_EQ(QColor(image.pixel(635, 435)), QColor(255, 255, 240));               // ivory background
}

TEST_F(ScreenshotTest, BothFacesShowTheKanjiInItsBox) {
  for (const auto& [command, name, panelBottom] :
       {std::tuple(Shell::kCmdReadings, "readings", 400), std::tuple(Shell::kCmdFillIn, "fill-in", 100)}) {
    shell->HandleCommand(shell->mainHandle, command);
    QWidget* window = command == Shell::kCmdFillIn ? static_cast<QWidget*>(shell->fillInWindow)
                                                   : shell->readingsWindow;
    const QImage image = Render(window, name);
    ASSERT_EQ(image.size(), QSize(640, 440));
    ExpectSharedFace(image, panelBottom);
    EXPECT_GT(DarkPixels(image, QRect(11, 11, 58, 58)), 100);  // the 54-pixel kanji
  }
}

TEST_F(ScreenshotTest, DialogsAreRenderedForReview) {
  OptionsDialog options(*shell->profile, shell->system, shell->windows, shell->mainWindow.get());
  EXPECT_EQ(Render(&options, "options").size(), QSize(540, 418));
  shell->profile->editSchedule = shell->profile->settings.declineSchedule;
  shell->profile->editDaysHigherLevels = shell->profile->settings.declineDaysHigherLevels;
  ScheduleDialog schedule(*shell->profile, shell->system, shell->windows, &options);
  EXPECT_EQ(Render(&schedule, "schedule").size(), QSize(294, 310));
  AboutDialog about(shell->mainWindow.get());
  Render(&about, "about");
  shell->notesWindow->SetText(u"\u6f22\u5b57\u306e\u30e1\u30e2\rmnemonic");
  Render(shell->notesWindow, "notes");
}

}  // namespace
