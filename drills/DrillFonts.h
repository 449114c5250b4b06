// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/GlyphFont.h"
#include "platform/FontHandle.h"

class FontFactory;

// The fonts of both drill faces, created once when the program starts.
struct DrillFonts {
  // Creates all six.
  void Create(FontFactory& factory);

  GlyphFont gothic16;              // typed answers, readings, incorrect tries
  GlyphFont mincho24;              // the example word of the Readings drill
  GlyphFont gothic32;              // the reading row of the Fill-in drill
  GlyphFont mincho48;              // the word of the Fill-in drill
  GlyphFont mincho54;              // the card's kanji
  FontHandle timesFont = kNoFont;  // Latin text
};
