// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Colour.h"
#include "platform/FontDescription.h"
#include "platform/FontHandle.h"
#include "text/CodeString.h"
#include "text/KanjiCode.h"

class FontFactory;
class JisTable;
class Painter;

// A font for Japanese text, painted one code at a time into a square cell whose side is the
// font's height, standing on a baseline. Codes turn into Unicode only when they are drawn.
class GlyphFont {
 public:
  // Drawn for a code that has no Unicode character: the geta mark, which Japanese typesetting
  // uses for a missing glyph, so a hole in the table shows instead of vanishing.
  static constexpr char16_t kMissingGlyph = 0x3013;

  // Describes the font (height in pixels, weight, face or "MS Mincho" when face is null),
  // creates it and returns its handle.
  FontHandle Create(FontFactory& factory, int height, const char* face, int weight);

  // Paints code in colour in the cell (x, baseline - height)-(x + height, baseline).
  void PaintGlyph(Painter& painter, const JisTable& jis, KanjiCode code, int x, int baseline,
                  Colour colour) const;

  int height = 0;
  FontDescription description;
  FontHandle handle = kNoFont;
};

// Paints every code of text from left to right, the i-th at x + i * advance.
void PaintCodeRow(const CodeString& text, Painter& painter, const JisTable& jis,
                  const GlyphFont& font, int x, int baseline, int advance, Colour colour);

// Paints the code at index (which must lie within text) at x, then moves x on by advance.
void PaintCodeAt(const CodeString& text, std::uint32_t index, Painter& painter, const JisTable& jis,
                 const GlyphFont& font, int& x, int baseline, int advance, Colour colour);
