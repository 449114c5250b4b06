// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/CommandHandler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/models/ShellWindows.h"
#include "app/models/StrokeOrderModel.h"
#include "drills/ReadingsDrill.h"
#include "tests/DrillFixture.h"

namespace {

using Log = std::vector<std::string>;

// Writes every call into the shared log, so that the order across drills and windows shows.
class RecordingShellWindows : public ShellWindows {
 public:
  explicit RecordingShellWindows(Log& log) : log_(log) {}
  void ShowWindow(WindowHandle window) override { Record("show", window); }
  void HideWindow(WindowHandle window) override { Record("hide", window); }
  void FocusWindow(WindowHandle window) override { Record("focus", window); }
  void RepaintWindow(WindowHandle window) override { Record("repaint", window); }
  void ShowAbout(WindowHandle owner) override { Record("about", owner); }
  void ShowOptionsDialog() override { log_.push_back("options"); }
  void ShowStudyListDialog() override { log_.push_back("study list"); }
  void OpenUserGuide() override { log_.push_back("guide"); }
  void ShowNotes() override { log_.push_back("notes"); }
  void ShowProgress() override { log_.push_back("progress"); }
  void Quit() override { log_.push_back("quit"); }

 private:
  void Record(const std::string& what, WindowHandle window) {
    log_.push_back(what + " " + std::to_string(window));
  }

  Log& log_;
};

// A Readings drill whose operations that the commands call only log.
class RecordingDrill : public ReadingsDrill {
 public:
  RecordingDrill(const DrillHost& host, std::string name, Log& log)
      : ReadingsDrill(host), name_(std::move(name)), log_(log) {}

  void OnCommand(int id) override { log_.push_back(name_ + ".OnCommand " + std::to_string(id)); }
  void NextCard() override { log_.push_back(name_ + ".NextCard"); }
  void DecreaseMasteryLevel() override { log_.push_back(name_ + ".DecreaseMasteryLevel"); }

 private:
  std::string name_;
  Log& log_;
};

class CommandHandlerTest : public DrillTest {
 protected:
  Log log;
  RecordingShellWindows shellWindows{log};
  RecordingDrill readings{Host(kReadingsWindow), "readings", log};
  RecordingDrill fillIn{Host(kFillInWindow), "fillIn", log};
  Drill* currentDrill = &readings;
  CommandHandler commands{currentDrill, readings, fillIn, profile, shellWindows};
};

// Switching back and forth, the Options dialog's effect on the face, the user guide, the notes
// and the progress window are driven through the real windows in the app tests.
TEST_F(CommandHandlerTest, EachCommandCallsTheDrillsAndWindowsInOrder) {
  using C = CommandHandler;
  const bool R = false, F = true;  // the current drill, Readings or Fill-in
  const struct {
    int id;
    WindowHandle window;  // the window the command reached
    bool before, handled, after;
    const char* effects;  // the log, joined by "; "
  } cases[] = {
      {C::kCmdAbout, kReadingsWindow, R, true, R, "about 2"},  // owned by the receiving window
      {C::kCmdExit, kMainWindow, R, true, R, "quit"},
      {C::kCmdFillIn, kMainWindow, R, true, F,
       "fillIn.NextCard; show 3; hide 2; focus 3; repaint 3"},
      {C::kCmdIntroduce, kMainWindow, F, true, F, "repaint 3"},
      {C::kCmdStudyList, kMainWindow, F, true, F, "study list; focus 3"},
      {C::kCmdDecreaseMasteryLevel, kMainWindow, F, true, F, "fillIn.DecreaseMasteryLevel"},
      {900, kReadingsWindow, R, false, R, "readings.OnCommand 900; repaint 2"},
      {1000, kFillInWindow, F, false, F, "fillIn.OnCommand 1000; repaint 3"},
      {65536 + 901, kMainWindow, R, false, R, "readings.OnCommand 901; repaint 1"},
      {899, kMainWindow, R, false, R, ""},
      {1001, kMainWindow, R, false, R, ""},
      {C::kCmdCreateProfile, kMainWindow, R, false, R, ""},  // grayed
      {-1, kMainWindow, R, false, R, ""},  // 0xFFFF as 16 bits
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.id);
    currentDrill = c.before == F ? static_cast<Drill*>(&fillIn) : &readings;
    log.clear();
    system.messages.clear();
    EXPECT_EQ(commands.HandleCommand(c.window, c.id), c.handled);
    std::string joined;
    for (const std::string& entry : log) joined += (joined.empty() ? "" : "; ") + entry;
    EXPECT_EQ(joined, c.effects);
    EXPECT_EQ(currentDrill, c.after == F ? static_cast<Drill*>(&fillIn) : &readings);
    // Introduce always reports its outcome; nothing else speaks.
    EXPECT_EQ(system.messages.size(), c.id == C::kCmdIntroduce ? 1u : 0u);
  }
}

TEST(StrokeOrderModelTest, WindowGoesBesideTheMainWindowInsideTheScreen) {
  const Rect screen{0, 0, 1920, 1080};
  const struct {
    const char* name;
    Rect main;
    Rect expected;
  } cases[] = {
      {"room on the right", {100, 50, 750, 600}, {758, 50, 1058, 370}},
      {"room only on the left", {1300, 50, 1900, 600}, {992, 50, 1292, 370}},
      {"no room on either side", {20, 50, 1900, 600}, {1620, 50, 1920, 370}},
      {"main window low on the screen", {100, 900, 750, 1400}, {758, 760, 1058, 1080}},
      {"main window above the screen", {100, -40, 750, 400}, {758, 0, 1058, 320}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(StrokeOrderModel::Placement(c.main, screen, 300, 320), c.expected);
  }
}

}  // namespace
