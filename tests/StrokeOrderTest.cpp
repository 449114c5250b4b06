#include "app/models/StrokeOrderModel.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/models/CommandHandler.h"
#include "app/models/ShellWindows.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "platform/StrokeOrderWindow.h"
#include "tests/DrillFixture.h"

namespace {

struct FakeStrokeOrder : StrokeOrderWindow {
  void ShowKanji(char16_t kanji) override { shown.push_back(kanji); }
  std::u16string shown;
};

// Only the readability commands are of interest here.
struct ViewCommandLog : ShellWindows {
  void ShowWindow(WindowHandle) override {}
  void HideWindow(WindowHandle) override {}
  void FocusWindow(WindowHandle) override {}
  void RepaintWindow(WindowHandle) override {}
  void ShowAbout(WindowHandle) override {}
  void ShowOptionsDialog() override {}
  void OpenUserGuide() override {}
  void ShowNotes() override {}
  void Quit() override {}
  void ToggleStrokeOrder() override { log += "stroke;"; }
  void Zoom(int direction) override { log += "zoom " + std::to_string(direction) + ";"; }
  void ToggleDarkColours() override { log += "dark;"; }
  std::string log;
};

class StrokeOrderTest : public DrillTest {};

TEST_F(StrokeOrderTest, TheWindowFollowsEveryNewCardOfBothDrillsAndEmptiesWithoutOne) {
  using namespace std::string_literals;
  FakeStrokeOrder window;
  ReadingsDrill readings(Host(kReadingsWindow));
  readings.CreateControls();
  readings.strokeOrder = &window;
  readings.NextCard();  // nothing to study yet
  AddKanji("日", {Reading("ニチ")}, {}, "day");
  AddExample("毎日", {"まい", "にち"}, "every day", 8);
  readings.NextCard();
  FillInDrill fillIn(Host(kFillInWindow));
  fillIn.CreateControls();
  fillIn.strokeOrder = &window;
  fillIn.NextCard();
  EXPECT_EQ(window.shown, u"\0日日"s);
}

TEST_F(StrokeOrderTest, ViewCommandsReachTheirWindowOperations) {
  ViewCommandLog shell;
  ReadingsDrill readings(Host(kReadingsWindow));
  FillInDrill fillIn(Host(kFillInWindow));
  Drill* current = &readings;
  CommandHandler commands(current, readings, fillIn, profile, shell);
  for (const int id : {32793, 32794, 32795, 32796, 32797}) EXPECT_TRUE(commands.HandleCommand(1, id));
  EXPECT_EQ(shell.log, "stroke;zoom 1;zoom -1;zoom 0;dark;");
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
  EXPECT_NE(StrokeOrderModel::MissingFontText().find("fonts-kanjistrokeorders"), std::string::npos);
}

}  // namespace
