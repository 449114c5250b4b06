#include "app/models/CommandHandler.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/models/ShellWindows.h"
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
  void OpenUserGuide() override { log_.push_back("guide"); }
  void ShowNotes() override { log_.push_back("notes"); }
  void Quit() override { log_.push_back("quit"); }

 private:
  void Record(const std::string& what, WindowHandle window) {
    log_.push_back(what + " " + std::to_string(window));
  }

  Log& log_;
};

// A drill that only logs the operations the commands call.
class RecordingDrill : public Drill {
 public:
  RecordingDrill(const DrillHost& host, std::string name, Log& log)
      : Drill(host), name_(std::move(name)), log_(log) {}

  void Paint(Painter&) override {}
  void CreateControls() override {}
  void OnKeyDown(int) override {}
  void OnCommand(int id) override { log_.push_back(name_ + ".OnCommand " + std::to_string(id)); }
  void OnClick(int, int) override {}
  void NextCard() override { log_.push_back(name_ + ".NextCard"); }
  void DecreaseMasteryLevel() override { log_.push_back(name_ + ".DecreaseMasteryLevel"); }

 protected:
  void GradeAnswer() override {}
  WindowHandle NextButton() const override { return kNoWindow; }

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

TEST_F(CommandHandlerTest, EachCommandCallsTheDrillsAndWindowsInOrder) {
  using C = CommandHandler;
  const struct {
    const char* name;
    int id;
    WindowHandle window;  // the window the command reached
    bool fillInCurrent;   // before, and after
    bool handled;
    Log effects;
    bool fillInCurrentAfter;
  } cases[] = {
      {"About, owned by the receiving window",
       C::kCmdAbout,
       kReadingsWindow,
       false,
       true,
       {"about 2"},
       false},
      {"Exit", C::kCmdExit, kMainWindow, false, true, {"quit"}, false},
      {"Readings while current", C::kCmdReadings, kMainWindow, false, true, {}, false},
      {"Fill In",
       C::kCmdFillIn,
       kMainWindow,
       false,
       true,
       {"fillIn.NextCard", "show 3", "hide 2", "focus 3", "repaint 3"},
       true},
      {"Fill In while current", C::kCmdFillIn, kMainWindow, true, true, {}, true},
      {"Readings from Fill-in",
       C::kCmdReadings,
       kFillInWindow,
       true,
       true,
       {"readings.NextCard", "show 2", "hide 3", "focus 2", "repaint 2"},
       false},
      {"View User Guide", C::kCmdUserGuide, kMainWindow, false, true, {"guide"}, false},
      {"Introduce repaints the current drill",
       C::kCmdIntroduce,
       kMainWindow,
       true,
       true,
       {"repaint 3"},
       true},
      {"Options gives the current drill the focus",
       C::kCmdOptions,
       kMainWindow,
       true,
       true,
       {"options", "focus 3", "repaint 3"},
       true},
      {"Show Notes", C::kCmdShowNotes, kMainWindow, false, true, {"notes"}, false},
      {"Decrease Mastery Level",
       C::kCmdDecreaseMasteryLevel,
       kMainWindow,
       true,
       true,
       {"fillIn.DecreaseMasteryLevel"},
       true},
      {"first drill command",
       900,
       kReadingsWindow,
       false,
       false,
       {"readings.OnCommand 900", "repaint 2"},
       false},
      {"last drill command, to Fill-in",
       1000,
       kFillInWindow,
       true,
       false,
       {"fillIn.OnCommand 1000", "repaint 3"},
       true},
      {"drill command in the low 16 bits",
       65536 + 901,
       kMainWindow,
       false,
       false,
       {"readings.OnCommand 901", "repaint 1"},
       false},
      {"below the drill commands", 899, kMainWindow, false, false, {}, false},
      {"above the drill commands", 1001, kMainWindow, false, false, {}, false},
      {"Create Profile (grayed)", C::kCmdCreateProfile, kMainWindow, false, false, {}, false},
      {"Edit Profile (grayed)", C::kCmdEditProfile, kMainWindow, false, false, {}, false},
      {"Switch Profile (grayed)", C::kCmdSwitchProfile, kMainWindow, false, false, {}, false},
      {"Reverse Readings (grayed)", C::kCmdReverseReadings, kMainWindow, false, false, {}, false},
      {"Reverse Fill In (grayed)", C::kCmdReverseFillIn, kMainWindow, false, false, {}, false},
      {"Edit Kanji (grayed)", C::kCmdEditKanji, kMainWindow, false, false, {}, false},
      {"unknown", 12345, kMainWindow, false, false, {}, false},
      {"unknown, 0xFFFF as 16 bits", -1, kMainWindow, false, false, {}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    currentDrill = c.fillInCurrent ? static_cast<Drill*>(&fillIn) : &readings;
    log.clear();
    system.messages.clear();
    EXPECT_EQ(commands.HandleCommand(c.window, c.id), c.handled);
    EXPECT_EQ(log, c.effects);
    EXPECT_EQ(currentDrill, c.fillInCurrentAfter ? static_cast<Drill*>(&fillIn) : &readings);
    // Introduce always reports its outcome; nothing else speaks.
    EXPECT_EQ(system.messages.size(), c.id == C::kCmdIntroduce ? 1u : 0u);
  }
}

TEST_F(CommandHandlerTest, ExitSavesTheNoteBeingEditedThenQuits) {
  AddKanji("日", {Reading("ニチ")}, {Reading("ひ")});
  profile.ShowNote(Code("日"));
  notesWindow.text = u"edited";

  EXPECT_TRUE(commands.HandleCommand(kMainWindow, CommandHandler::kCmdExit));

  EXPECT_EQ(log, Log{"quit"});
  EXPECT_EQ(std::u16string(profile.notes[0].text.data()), u"edited");
  const std::string saved = ReadBytes(dir / UserProfile::kNotesFileName);
  const std::string edited{'e', 0, 'd', 0, 'i', 0, 't', 0, 'e', 0, 'd', 0};
  EXPECT_NE(saved.find(edited), std::string::npos);
  EXPECT_TRUE(std::filesystem::exists(dir / UserProfile::kProfileFileName));
}

}  // namespace
