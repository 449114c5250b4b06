// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/FaceZoom.h"

#include <gtest/gtest.h>

#include <map>

#include "drills/ZoomedPainter.h"
#include "platform/FontScaler.h"
#include "tests/RecordingPainter.h"

namespace {

using Kind = RecordingPainter::Kind;

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

TEST(FaceZoomTest, EveryDevicePixelMapsBackToTheFacePixelDrawnThere) {
  for (const int percent : FaceZoom::kSteps) {
    SCOPED_TRACE(percent);
    const FaceZoom zoom{percent};
    for (int d = -40; d < 1700; ++d) {
      const int v = zoom.Unscale(d);
      ASSERT_LE(zoom.Scale(v), d) << d;
      ASSERT_LT(d, zoom.Scale(v + 1)) << d;
    }
  }
  EXPECT_EQ(FaceZoom{125}.Scale(Rect{0, 0, 640, 440}), (Rect{0, 0, 800, 550}));
  EXPECT_EQ(FaceZoom{250}.Scale(Rect{10, 10, 70, 70}), (Rect{25, 25, 175, 175}));
  EXPECT_EQ(FaceZoom{175}.Scale(-3), -5);
}

TEST(FaceZoomTest, FramesLinesAndFillsCoverEachDevicePixelOnceAndGlyphsGetScaledFonts) {
  for (const int percent : FaceZoom::kSteps) {
    SCOPED_TRACE(percent);
    RecordingPainter target;
    NumberingScaler scaler;
    ZoomedPainter painter(target, {percent}, scaler);
    // A box, its frame, and a line along its bottom edge's outside, the way the faces draw.
    painter.FillRect({11, 11, 69, 69}, StockBrush::White);
    painter.FrameRect({10, 10, 70, 70}, kBlack);
    painter.DrawLine(69, 70, 9, 70, kBlack);
    std::map<std::pair<int, int>, int> covered;
    for (const auto& call : target.calls) {
      ASSERT_NE(call.kind, Kind::Line);
      for (int y = call.rect.top; y < call.rect.bottom; ++y) {
        for (int x = call.rect.left; x < call.rect.right; ++x) ++covered[{x, y}];
      }
    }
    const FaceZoom zoom{percent};
    const Rect outer = zoom.Scale(Rect{10, 10, 70, 71});
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

}  // namespace
