// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPainter>

#include "app/QtFontFactory.h"
#include "drills/DarkColours.h"
#include "platform/Painter.h"

// The drills' painter over a QPainter that is active on a drill window (or an image in tests).
class QtPainter : public Painter {
 public:
  // Grey of the system's light-grey stock brush.
  static constexpr Colour kLightGrey = kStockLightGrey;

  // dark maps every colour, the stock brushes' and the black of text too, to the dark face.
  QtPainter(QPainter& painter, const QtFontFactory& fonts, bool dark = false);

  void FillRect(const Rect& rect, Colour colour) override;
  void FillRect(const Rect& rect, StockBrush brush) override;
  void FrameRect(const Rect& rect, Colour colour) override;
  void DrawLine(int x0, int y0, int x1, int y1, Colour colour) override;
  FontHandle SelectFont(FontHandle font) override;
  void DrawText(const std::string& latin1, const Rect& rect, unsigned format) override;
  void DrawGlyph(char16_t character, const Rect& cell, FontHandle font, Colour colour) override;

 private:
  QPainter& painter_;
  const QtFontFactory& fonts_;
  FontHandle selected_ = kNoFont;
  bool dark_;

  QColor Ink(Colour colour) const;
};
