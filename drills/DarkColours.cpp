// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/DarkColours.h"

#include <algorithm>
#include <cmath>

#include "drills/CardFace.h"

namespace {

struct Mapping {
  Colour light;
  Colour dark;
};

// Grounds become dark and keep their hue; inks become light. Checked by the face tests against
// every text and the ground below it.
constexpr Mapping kMappings[] = {
    {kFaceGround, Rgb(28, 28, 26)},
    {kStockWhite, Rgb(38, 38, 38)},
    {kStockLightGrey, Rgb(72, 72, 72)},
    {kBlack, Rgb(232, 232, 232)},
    {face::kKanjiBoxInside, Rgb(72, 44, 44)},
    {face::kInputActive, Rgb(40, 40, 84)},
    {face::kScoreBox, Rgb(150, 30, 30)},  // also the selected reading's frame
    {face::kLatestWrongFill, Rgb(176, 24, 24)},
    {face::kTriesPanel, Rgb(52, 52, 52)},
    {face::kLinkBox, Rgb(30, 56, 110)},
    {face::kScriptFrame, Rgb(255, 96, 170)},
    {face::kHiddenReading, Rgb(92, 64, 176)},
    {face::kKnownReading, Rgb(30, 70, 30)},
    {face::kCardKanjiInWord, Rgb(150, 170, 255)},
    {face::kWrong, Rgb(255, 140, 140)},
    {face::kRight, Rgb(110, 225, 110)},
};

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

Colour DarkColour(Colour colour) {
  for (const Mapping& mapping : kMappings) {
    if (mapping.light == colour) return mapping.dark;
  }
  // Turning HSL lightness L into 1 - L with hue and saturation kept adds the same amount,
  // 255 - max - min, to each channel.
  const int shift = 255 - std::max({colour.red, colour.green, colour.blue}) -
                    std::min({colour.red, colour.green, colour.blue});
  return Rgb(colour.red + shift, colour.green + shift, colour.blue + shift);
}

double RelativeLuminance(Colour colour) {
  return 0.2126 * Linear(colour.red) + 0.7152 * Linear(colour.green) + 0.0722 * Linear(colour.blue);
}

double ContrastRatio(Colour a, Colour b) {
  const double la = RelativeLuminance(a);
  const double lb = RelativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}
