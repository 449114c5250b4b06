// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/CardFace.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "drills/DarkColours.h"
#include "drills/FaceZoom.h"
#include "drills/FillInDrill.h"
#include "drills/GlyphFont.h"
#include "drills/ReadingsDrill.h"
#include "drills/ZoomedPainter.h"
#include "platform/FontScaler.h"
#include "tests/DrillFixture.h"

namespace {

using Kind = RecordingPainter::Kind;

class GlyphFontTest : public DrillTest {
 protected:
  RecordingPainter painter;
};

TEST_F(GlyphFontTest, GlyphsFillExactlyTheirCellsAndAdvanceByTheCallersStep) {
  painter.SelectFont(fonts.timesFont);
  fonts.mincho54.PaintGlyph(painter, jis, 0x467C, 100, 200, Rgb(1, 2, 3));
  ASSERT_EQ(painter.calls.size(), 1u);
  EXPECT_EQ(painter.calls[0].rect, (Rect{100, 146, 154, 200}));
  EXPECT_EQ(painter.calls[0].glyph, u'日');
  EXPECT_EQ(painter.calls[0].font, fonts.mincho54.handle);
  EXPECT_EQ(painter.selected, fonts.timesFont);
  // A code without Unicode shows the placeholder.
  fonts.gothic16.PaintGlyph(painter, jis, 0x7F7F, 0, 16, kBlack);
  EXPECT_EQ(painter.calls.back().glyph, GlyphFont::kMissingGlyph);
  // The next glyph goes the caller's step on; whole rows are checked on the faces.
  int x = 5;
  PaintCodeAt(CodeString{0x2422, 0x467C}, 1, painter, jis, fonts.gothic32, x, 40, 34, kBlack);
  EXPECT_EQ(x, 39);
  EXPECT_EQ(painter.calls.back().glyph, u'日');
}

TEST(CardFaceTest, InputPositionWrapsOncePast600) {
  const face::TextPosition kept = face::AdvanceInput({582, 70});
  const face::TextPosition wrapped = face::AdvanceInput({583, 70});
  EXPECT_EQ(std::tuple(kept.x, kept.y, wrapped.x, wrapped.y), std::tuple(600, 70, 0, 89));
}

TEST_F(GlyphFontTest, IncorrectTriesListTheLast19AndBoxTheNewest) {
  std::array<CodeString, 19> tries;
  for (int i = 0; i < 19; ++i) tries[i] = CodeString{static_cast<std::uint16_t>(0x2421 + i)};
  // 23 stored: the ring wrapped, the newest sits in slot 3.
  face::PaintIncorrectTries(painter, jis, fonts, 100, {tries, 23, 4, false});
  int glyphs = 0;
  for (const auto& call : painter.calls) glyphs += call.kind == Kind::Glyph;
  EXPECT_EQ(glyphs, 19);
  EXPECT_NE(painter.Find(Kind::Frame, {515, 84, 627, 103}), nullptr);
  EXPECT_EQ(painter.Find(Kind::Fill, {515, 84, 627, 103}), nullptr);

  // Nothing stored: nothing listed, nothing boxed.
  RecordingPainter empty;
  face::PaintIncorrectTries(empty, jis, fonts, 100, {tries, 0, 0, false});
  EXPECT_EQ(empty.Find(Kind::Frame, {515, 369, 627, 388}), nullptr);
  EXPECT_TRUE(empty.GlyphsOn(45).empty());
}

// Font f at p percent is handle f * 1000 + p.
struct NumberingScaler : FontScaler {
  FontHandle ScaledFont(FontHandle font, int percent) override {
    return font == kNoFont ? kNoFont : font * 1000 + static_cast<FontHandle>(percent);
  }
};

TEST(FaceZoomTest, StepsGoUpAndDownAndStopAtTheEnds) {
  const struct {
    int from, up, down;
  } cases[] = {{100, 125, 100}, {125, 150, 100}, {175, 200, 150}, {200, 250, 175},
               {250, 250, 200}, {130, 150, 125}, {90, 100, 100},  {300, 250, 250}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.from);
    EXPECT_EQ(FaceZoom::StepUp(c.from), c.up);
    EXPECT_EQ(FaceZoom::StepDown(c.from), c.down);
  }
  EXPECT_TRUE(FaceZoom::IsStep(175));
  EXPECT_FALSE(FaceZoom::IsStep(130));
}

TEST(FaceZoomTest, DevicePixelsMapBackAndShapesCoverEachOnceAndGlyphsGetScaledFonts) {
  EXPECT_EQ(FaceZoom{250}.Scale(Rect{10, 10, 70, 70}), (Rect{25, 25, 175, 175}));
  EXPECT_EQ(FaceZoom{175}.Scale(-3), -5);
  for (const int percent : FaceZoom::kSteps) {
    SCOPED_TRACE(percent);
    const FaceZoom zoom{percent};
    for (int d = -40; d < 1700; ++d) {  // every device pixel to the face pixel drawn there
      const int v = zoom.Unscale(d);
      ASSERT_LE(zoom.Scale(v), d) << d;
      ASSERT_LT(d, zoom.Scale(v + 1)) << d;
    }
    RecordingPainter target;
    NumberingScaler scaler;
    ZoomedPainter painter(target, {percent}, scaler);
    // A box, its frame, and lines along its bottom and right edges' outside, drawn backwards.
    painter.FillRect({11, 11, 69, 69}, StockBrush::White);
    painter.FrameRect({10, 10, 70, 70}, kBlack);
    painter.DrawLine(69, 70, 9, 70, kBlack);
    painter.DrawLine(70, 70, 70, 9, kBlack);
    std::map<std::pair<int, int>, int> covered;
    for (const auto& call : target.calls) {
      ASSERT_NE(call.kind, Kind::Line);
      for (int y = call.rect.top; y < call.rect.bottom; ++y) {
        for (int x = call.rect.left; x < call.rect.right; ++x) ++covered[{x, y}];
      }
    }
    const Rect outer = zoom.Scale(Rect{10, 10, 71, 71});
    EXPECT_EQ(covered.size(),
              static_cast<std::size_t>((outer.right - outer.left) * (outer.bottom - outer.top)));
    for (const auto& [pixel, count] : covered) {
      EXPECT_TRUE(outer.Contains(pixel.first, pixel.second));
      EXPECT_EQ(count, 1);
    }

    EXPECT_EQ(painter.SelectFont(7), kNoFont);
    EXPECT_EQ(target.selected, 7000u + static_cast<FontHandle>(percent));
    EXPECT_EQ(painter.SelectFont(kNoFont), 7u);  // the caller gets its own handle back
    painter.DrawGlyph(u'日', {13, 13, 67, 67}, 5, kBlack);
    EXPECT_EQ(target.calls.back().rect, zoom.Scale(Rect{13, 13, 67, 67}));
    EXPECT_EQ(target.calls.back().font, 5000u + static_cast<FontHandle>(percent));
  }
}

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
