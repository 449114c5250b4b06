// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/ZoomedPainter.h"

#include <algorithm>

#include "platform/FontScaler.h"

ZoomedPainter::ZoomedPainter(Painter& target, FaceZoom zoom, FontScaler& fonts)
    : target_(target), zoom_(zoom), fonts_(fonts) {}

void ZoomedPainter::FillRect(const Rect& rect, Colour colour) {
  target_.FillRect(zoom_.Scale(rect), colour);
}

void ZoomedPainter::FillRect(const Rect& rect, StockBrush brush) {
  target_.FillRect(zoom_.Scale(rect), brush);
}

void ZoomedPainter::FrameRect(const Rect& rect, Colour colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  // The four sides as face pixels; a side of a rectangle one pixel wide or high is drawn once.
  const Rect top{rect.left, rect.top, rect.right, rect.top + 1};
  const Rect bottom{rect.left, rect.bottom - 1, rect.right, rect.bottom};
  const Rect left{rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1};
  const Rect right{rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1};
  FillRect(top, colour);
  if (bottom.top > top.top) FillRect(bottom, colour);
  if (left.bottom > left.top) {
    FillRect(left, colour);
    if (right.left > left.left) FillRect(right, colour);
  }
}

void ZoomedPainter::DrawLine(int x0, int y0, int x1, int y1, Colour colour) {
  // The end point is not drawn, so a line covers the pixels from the start up to the end.
  if (y0 == y1 && x0 != x1) {
    const int from = std::min(x0, x1 + 1);
    const int to = std::max(x0 + 1, x1);
    FillRect({from, y0, to, y0 + 1}, colour);
  } else if (x0 == x1 && y0 != y1) {
    const int from = std::min(y0, y1 + 1);
    const int to = std::max(y0 + 1, y1);
    FillRect({x0, from, x0 + 1, to}, colour);
  } else {
    // The faces draw no slanted lines; one would be drawn thin but in the right place.
    target_.DrawLine(zoom_.Scale(x0), zoom_.Scale(y0), zoom_.Scale(x1), zoom_.Scale(y1), colour);
  }
}

FontHandle ZoomedPainter::SelectFont(FontHandle font) {
  const FontHandle previous = selected_;
  selected_ = font;
  target_.SelectFont(fonts_.ScaledFont(font, zoom_.percent));
  return previous;
}

void ZoomedPainter::DrawText(const std::string& latin1, const Rect& rect, unsigned format) {
  target_.DrawText(latin1, zoom_.Scale(rect), format);
}

void ZoomedPainter::DrawGlyph(char16_t character, const Rect& cell, FontHandle font,
                              Colour colour) {
  target_.DrawGlyph(character, zoom_.Scale(cell), fonts_.ScaledFont(font, zoom_.percent), colour);
}
