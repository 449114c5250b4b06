// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/StrokeOrderModel.h"

#include <gtest/gtest.h>

#include <string>

#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "platform/StrokeOrderWindow.h"
#include "tests/DrillFixture.h"

namespace {

struct FakeStrokeOrder : StrokeOrderWindow {
  void ShowKanji(char16_t kanji) override { shown.push_back(kanji); }
  std::u16string shown;
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
