// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/Rect.h"

// What the stroke-order window shows and where it goes. The kanji are drawn with the
// KanjiStrokeOrders font, which numbers every stroke; without it the window would show empty
// boxes, so the program says which package to install instead.
struct StrokeOrderModel {
  static constexpr const char* kFontFamily = "KanjiStrokeOrders";
  // The font's strokes and numbers need room to be read.
  static constexpr int kGlyphPixels = 240;
  static constexpr int kSide = 280;  // the square window's client area
  static constexpr int kGap = 8;     // between the main window and this one
  static constexpr const char* kTitle = "Stroke Order";

  // The menu item's explanation when the font is missing.
  static std::string MissingFontText();

  // The top-left corner of the window's frame (frameWidth by frameHeight) beside mainFrame:
  // right of it if the screen has room there, else left of it, else at the screen's right
  // edge; its top level with the main window's but inside the screen.
  static Rect Placement(const Rect& mainFrame, const Rect& screen, int frameWidth, int frameHeight);
};
