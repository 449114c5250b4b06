// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/FaceZoom.h"
#include "platform/Painter.h"

class FontScaler;

// Draws a face laid out in its own pixels at zoom.percent of their size onto another painter:
// every rectangle, cell and font is enlarged, so glyphs and lines stay sharp (nothing is drawn
// small and then stretched). Frames and lines become strips one face pixel thick, so they meet
// the fills beside them exactly.
class ZoomedPainter : public Painter {
 public:
  ZoomedPainter(Painter& target, FaceZoom zoom, FontScaler& fonts);

  void FillRect(const Rect& rect, Colour colour) override;
  void FillRect(const Rect& rect, StockBrush brush) override;
  void FrameRect(const Rect& rect, Colour colour) override;
  void DrawLine(int x0, int y0, int x1, int y1, Colour colour) override;
  // Returns the face's own handle of the font replaced, as the caller knows it.
  FontHandle SelectFont(FontHandle font) override;
  void DrawText(const std::string& latin1, const Rect& rect, unsigned format) override;
  void DrawGlyph(char16_t character, const Rect& cell, FontHandle font, Colour colour) override;

 private:
  Painter& target_;
  FaceZoom zoom_;
  FontScaler& fonts_;
  FontHandle selected_ = kNoFont;
};
