// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/Colour.h"
#include "platform/FontHandle.h"
#include "platform/Rect.h"

// The system's ready-made brushes the drill faces use.
enum class StockBrush { White, LightGrey };

// How DrawText places text in its rectangle; combine with |.
enum TextFormat : unsigned {
  kTextLeft = 0,        // left-aligned, from the top, on one line, clipped to the rectangle
  kTextCentre = 1,      // centred horizontally
  kTextSingleLine = 2,  // one line, centred vertically
  kTextWordWrap = 4,    // broken into lines at spaces, from the top
};

// Paints one window's face. The drills paint their whole face from scratch on every paint, in
// the window's client pixels. Text is drawn without a background, so what lies below shows
// between the letters.
class Painter {
 public:
  virtual ~Painter() = default;

  // Fills rect with a solid colour.
  virtual void FillRect(const Rect& rect, Colour colour) = 0;
  // Fills rect with one of the system's stock brushes.
  virtual void FillRect(const Rect& rect, StockBrush brush) = 0;
  // Draws a one-pixel frame just inside rect.
  virtual void FrameRect(const Rect& rect, Colour colour) = 0;
  // Draws a one-pixel line from (x0, y0) up to, not including, (x1, y1).
  virtual void DrawLine(int x0, int y0, int x1, int y1, Colour colour) = 0;

  // Makes font the one DrawText uses and returns the font it replaces.
  virtual FontHandle SelectFont(FontHandle font) = 0;
  // Draws Latin-1 text (each char one character, 0..255) in black with the selected font,
  // placed in rect as format says and clipped to it.
  virtual void DrawText(const std::string& latin1, const Rect& rect, unsigned format) = 0;
  // Draws one UTF-16 character with font in colour, at the top-left corner of cell and clipped
  // to it. Leaves the selected font as it was.
  virtual void DrawGlyph(char16_t character, const Rect& cell, FontHandle font, Colour colour) = 0;
};
