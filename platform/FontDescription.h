// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// What the program asks of a font. Everything not named here (width, slant, underline, pitch)
// is the toolkit's default; the character set is the default one and the quality the best.
struct FontDescription {
  int height = 0;    // pixels, the height of a character cell
  int weight = 400;  // 100..900, 400 regular, 700 bold
  std::string face;  // family name, for example "MS Gothic"
};
