// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "platform/Painter.h"

// Records every call in order so a test can ask what was painted where.
class RecordingPainter : public Painter {
 public:
  enum class Kind { Fill, StockFill, Frame, Line, Text, Glyph };

  struct Call {
    Kind kind = Kind::Fill;
    Rect rect;  // the line's end points for Line: (x0, y0)-(x1, y1)
    Colour colour;
    StockBrush brush = StockBrush::White;
    std::string text;
    char16_t glyph = 0;
    FontHandle font = kNoFont;  // Text: the selected font; Glyph: the font given
  };

  void FillRect(const Rect& rect, Colour colour) override { Record(Kind::Fill, rect, colour); }
  void FillRect(const Rect& rect, StockBrush brush) override {
    Record(Kind::StockFill, rect, kBlack).brush = brush;
  }
  void FrameRect(const Rect& rect, Colour colour) override { Record(Kind::Frame, rect, colour); }
  void DrawLine(int x0, int y0, int x1, int y1, Colour colour) override {
    Record(Kind::Line, Rect{x0, y0, x1, y1}, colour);
  }
  FontHandle SelectFont(FontHandle font) override {
    const FontHandle previous = selected;
    selected = font;
    return previous;
  }
  void DrawText(const std::string& latin1, const Rect& rect, unsigned) override {
    Call& call = Record(Kind::Text, rect, kBlack);
    call.text = latin1;
    call.font = selected;
  }
  void DrawGlyph(char16_t character, const Rect& cell, FontHandle font, Colour colour) override {
    Call& call = Record(Kind::Glyph, cell, colour);
    call.glyph = character;
    call.font = font;
  }

  // The first text call drawing exactly text, or nullptr.
  const Call* FindText(const std::string& text) const {
    for (const Call& call : calls) {
      if (call.kind == Kind::Text && call.text == text) return &call;
    }
    return nullptr;
  }
  // The first call of kind on exactly rect, or nullptr.
  const Call* Find(Kind kind, const Rect& rect) const {
    for (const Call& call : calls) {
      if (call.kind == kind && call.rect == rect) return &call;
    }
    return nullptr;
  }
  // The glyphs whose cell stands on baseline, left to right as painted.
  std::vector<Call> GlyphsOn(int baseline) const {
    std::vector<Call> found;
    for (const Call& call : calls) {
      if (call.kind == Kind::Glyph && call.rect.bottom == baseline) found.push_back(call);
    }
    return found;
  }
  // The characters of GlyphsOn(baseline) as one string.
  std::u16string TextOn(int baseline) const {
    std::u16string text;
    for (const Call& call : GlyphsOn(baseline)) text += call.glyph;
    return text;
  }

  std::vector<Call> calls;
  FontHandle selected = kNoFont;

 private:
  Call& Record(Kind kind, const Rect& rect, Colour colour) {
    Call& call = calls.emplace_back();
    call.kind = kind;
    call.rect = rect;
    call.colour = colour;
    return call;
  }
};
