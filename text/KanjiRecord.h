// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/KanjiCode.h"
#include "text/ReadingEntry.h"

// One kanji of the data set.
struct KanjiRecord {
  KanjiCode code = 0;
  std::uint16_t grade = 99;
  std::vector<ReadingEntry> onReadings;   // katakana, in file order
  std::vector<ReadingEntry> kunReadings;  // hiragana, in file order
  std::string meaning;                    // Latin-1
};
