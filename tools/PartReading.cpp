// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/PartReading.h"

bool PartShowsReading(const JisString& word, const JisString& field, KanjiCode k,
                      const JisString& reading, int kind) {
  if (field.empty() || field[0] == jis::kAsterisk) return false;
  const std::size_t position = word.find(k);
  if (position == JisString::npos) return false;
  std::size_t start = 0;
  for (std::size_t n = 0; n < position; ++n) {
    start = field.find(jis::kSolidus, start);
    if (start == JisString::npos) return false;
    ++start;
  }
  std::size_t end = field.find(jis::kSolidus, start);
  if (end == JisString::npos) end = field.size();
  JisString part = field.substr(start, end - start);
  const bool onOnly = !part.empty() && part[0] == jis::kLessThan;
  const bool kunOnly = !part.empty() && part[0] == jis::kGreaterThan;
  const std::size_t open = part.find(jis::kLeftParen);
  JisString compared;
  if (open != JisString::npos) {
    const std::size_t close = part.find(jis::kRightParen, open);
    compared = part.substr(open + 1, close == JisString::npos ? JisString::npos : close - open - 1);
  } else {
    compared = onOnly || kunOnly ? part.substr(1) : part;
  }
  if (compared != reading) return false;
  return (!onOnly && !kunOnly) || (onOnly && kind == -1) || (kunOnly && kind == 1);
}
