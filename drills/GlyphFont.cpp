// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/GlyphFont.h"

#include "platform/FontFactory.h"
#include "platform/Painter.h"
#include "text/JisTable.h"

FontHandle GlyphFont::Create(FontFactory& factory, int fontHeight, const char* face, int weight) {
  height = fontHeight;
  description = FontDescription{fontHeight, weight, face != nullptr ? face : "MS Mincho"};
  handle = factory.CreateFont(description);
  return handle;
}

void GlyphFont::PaintGlyph(Painter& painter, const JisTable& jis, KanjiCode code, int x,
                           int baseline, Colour colour) const {
  const std::uint16_t unicode = jis.CodeToUnicode(code);
  const Rect cell{x, baseline - height, x + height, baseline};
  painter.DrawGlyph(unicode != 0 ? static_cast<char16_t>(unicode) : kMissingGlyph, cell, handle,
                    colour);
}

void PaintCodeRow(const CodeString& text, Painter& painter, const JisTable& jis,
                  const GlyphFont& font, int x, int baseline, int advance, Colour colour) {
  for (std::uint32_t i = 0; i < text.length(); ++i) {
    PaintCodeAt(text, i, painter, jis, font, x, baseline, advance, colour);
  }
}

void PaintCodeAt(const CodeString& text, std::uint32_t index, Painter& painter, const JisTable& jis,
                 const GlyphFont& font, int& x, int baseline, int advance, Colour colour) {
  font.PaintGlyph(painter, jis, text[index], x, baseline, colour);
  x += advance;
}
