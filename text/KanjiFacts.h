// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "text/KanjiCode.h"

// What the dictionary says about a kanji beyond its readings and meaning: the keys a learner
// orders and finds kanji by. 0 means "not known" in every field but code.
struct KanjiFacts {
  KanjiCode code = 0;
  std::uint16_t strokes = 0;
  std::uint16_t frequency = 0;  // rank among newspaper kanji, 1 most frequent
  std::uint8_t jlpt = 0;        // old JLPT level, 4 (easiest) to 1
  std::uint8_t radical = 0;     // classical radical number, 1 to 214
  std::uint8_t grade = 0;       // the data file's digit: 1-6, 8 jouyou, 9 jinmeiyou
};
