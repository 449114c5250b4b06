// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <vector>

#include "text/KanjiCode.h"

// The learner's free-text note on one kanji.
struct KanjiNote {
  // A note's buffer: 1024 UTF-16 units (2048 bytes in the file), text ended by a 0 unit.
  static constexpr std::size_t kTextUnits = 1024;

  // Whether the note has a buffer. A note gets one with its first non-empty text and keeps it,
  // even when the text is emptied later.
  bool HasText() const { return !text.empty(); }

  // Whether the note has no text to show (no buffer, or a buffer whose first unit is 0).
  bool IsEmpty() const { return text.empty() || text[0] == 0; }

  KanjiCode code = 0;
  // Empty while the note has no buffer; otherwise exactly kTextUnits units whose last unit is
  // always 0, so the text is ended whatever was read from a file.
  std::vector<char16_t> text;
};
