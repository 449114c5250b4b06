// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/DarkColours.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "drills/CardFace.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "tests/DrillFixture.h"

namespace {

using Kind = RecordingPainter::Kind;

struct Pair {
  Colour ink, ground;
  friend bool operator==(const Pair&, const Pair&) = default;
};

std::string Name(const Pair& pair) {
  const auto rgb = [](Colour c) {
    return std::to_string(c.red) + "," + std::to_string(c.green) + "," + std::to_string(c.blue);
  };
  return rgb(pair.ink) + " on " + rgb(pair.ground);
}

// Hue in degrees of a colour with some saturation.
double Hue(Colour c) {
  return std::atan2(std::sqrt(3.0) * (c.green - c.blue), 2.0 * c.red - c.green - c.blue) * 180.0 /
         3.14159265358979;
}

// Both faces in the states that bring out every colour, recorded as each text and glyph on
// the ground below it (the last fill under its middle, or the window's ground).
class DarkFacesTest : public DrillTest {
 protected:
  DarkFacesTest() {
    AddKanji("日", {Reading("ニチ"), Reading("ジツ")}, {Reading("ひ"), Reading("か")},
             "day, sun, Japan");
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    AddExample("日本", {"に（にち）", "ほん"}, "Japan", 10);
  }

  void Collect(Drill& drill) {
    const RecordingPainter painter = Painted(drill);
    for (std::size_t i = 0; i < painter.calls.size(); ++i) {
      const auto& call = painter.calls[i];
      if (call.kind != Kind::Text && call.kind != Kind::Glyph) continue;
      const int x = (call.rect.left + call.rect.right) / 2;
      const int y = (call.rect.top + call.rect.bottom) / 2;
      Colour ground = kFaceGround;
      for (std::size_t j = 0; j < i; ++j) {
        const auto& fill = painter.calls[j];
        if (!fill.rect.Contains(x, y)) continue;
        if (fill.kind == Kind::Fill) ground = fill.colour;
        if (fill.kind == Kind::StockFill) {
          ground = fill.brush == StockBrush::White ? kStockWhite : kStockLightGrey;
        }
      }
      const Pair pair{call.colour, ground};
      if (std::find(pairs.begin(), pairs.end(), pair) == pairs.end()) pairs.push_back(pair);
    }
  }

  std::vector<Pair> pairs;
};

TEST_F(DarkFacesTest, EveryTextOfBothFacesReadsAtLeastFourAndAHalfToOneOnItsGround) {
  ReadingsDrill readings(Host(kReadingsWindow));
  readings.CreateControls();
  windows.focused = kReadingsWindow;
  readings.NextCard();
  Collect(readings);
  Answer(readings, "ta");
  Type(readings, "nichik");
  Collect(readings);  // the latest wrong try highlighted
  readings.OnChar('\r');
  readings.OnClick(100, 20);
  Collect(readings);  // a found reading, its examples, the meanings
  readings.OnCommand(Drill::CmdReveal);
  Collect(readings);  // revealed readings and the score

  FillInDrill fillIn(Host(kFillInWindow));
  fillIn.CreateControls();
  windows.focused = kFillInWindow;
  fillIn.NextCard();
  Answer(fillIn, "ka");
  Answer(fillIn, "hi");
  Collect(fillIn);  // wrong tries, one highlighted
  Answer(fillIn, fillIn.expected == Codes("にち") ? "nichi" : "hon");
  Collect(fillIn);  // the right answer, the gloss
  fillIn.NextCard();
  fillIn.OnCommand(Drill::CmdReveal);
  Collect(fillIn);  // the revealed answer

  // Every ground and ink of both faces was met, in each of these pairs at least.
  for (const Pair& expected :
       {Pair{face::kWrong, face::kTriesPanel}, Pair{kBlack, face::kScoreBox},
        Pair{kBlack, face::kLatestWrongFill}, Pair{kBlack, face::kKnownReading},
        Pair{face::kRight, kFaceGround}, Pair{face::kWrong, kFaceGround},
        Pair{face::kCardKanjiInWord, kFaceGround}, Pair{kBlack, kStockWhite},
        Pair{kBlack, kStockLightGrey}, Pair{kBlack, face::kInputActive}}) {
    EXPECT_NE(std::find(pairs.begin(), pairs.end(), expected), pairs.end()) << Name(expected);
  }
  for (const Pair& pair : pairs) {
    EXPECT_GE(ContrastRatio(DarkColour(pair.ink), DarkColour(pair.ground)), 4.5) << Name(pair);
  }
}

TEST(DarkColoursTest, ColoursKeepTheirHueAndOthersHaveTheirLightnessTurnedRound) {
  for (const Colour colour :
       {face::kKanjiBoxInside, face::kInputActive, face::kScoreBox, face::kLatestWrongFill,
        face::kLinkBox, face::kScriptFrame, face::kHiddenReading, face::kKnownReading,
        face::kCardKanjiInWord, face::kWrong, face::kRight}) {
    SCOPED_TRACE(Name({colour, colour}));
    const Colour dark = DarkColour(colour);
    EXPECT_NE(dark, colour);
    EXPECT_NEAR(std::remainder(Hue(dark) - Hue(colour), 360.0), 0.0, 25.0);
  }
  EXPECT_EQ(DarkColour(Rgb(250, 250, 250)), Rgb(5, 5, 5));
  EXPECT_EQ(DarkColour(Rgb(10, 20, 30)), Rgb(225, 235, 245));
  EXPECT_EQ(DarkColour(Rgb(255, 0, 0)), Rgb(255, 0, 0));
  EXPECT_NEAR(ContrastRatio(kBlack, kStockWhite), 21.0, 1e-9);
  EXPECT_NEAR(ContrastRatio(Rgb(118, 118, 118), kStockWhite), 4.54, 0.01);
}

}  // namespace
