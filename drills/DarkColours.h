// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Colour.h"

// The dark face: every colour the drill faces use, mapped to one for a dark ground. Texts stay
// readable (each text colour at least 4.5 : 1 against every ground it is drawn on, the WCAG AA
// level) and colours keep their meaning: the reds of scores and wrong answers stay red, the
// green of a right answer green, the blue of the card's kanji blue.

// The colours the faces paint on that are not named in their own tables: the window ground
// and the system's stock brushes.
inline constexpr Colour kFaceGround = Rgb(255, 255, 240);
inline constexpr Colour kStockWhite = Rgb(255, 255, 255);
inline constexpr Colour kStockLightGrey = Rgb(192, 192, 192);

// colour as the dark face shows it. Colours the faces do not use have their lightness turned
// round (hue and saturation kept), so light grounds become dark and dark inks light.
Colour DarkColour(Colour colour);

// WCAG relative luminance, 0 (black) to 1 (white).
double RelativeLuminance(Colour colour);
// WCAG contrast ratio of two colours, 1 (the same) to 21 (black and white), in either order.
double ContrastRatio(Colour a, Colour b);
