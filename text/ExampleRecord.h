// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/CodeString.h"

// One example word with its reading split per character.
struct ExampleRecord {
  CodeString word;     // as written, kanji and kana
  CodeString reading;  // the whole kana reading, marks removed
  std::vector<CodeString>
      readingParts;          // one per character of word, marks kept; empty if irregular
  bool irregular = false;    // the reading cannot be split per character
  std::string meaning;       // Latin-1
  std::uint32_t weight = 0;  // larger weights are listed first
};
