// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/JisString.h"
#include "tools/JisTableWriter.h"

// The builder's view of "jis0208.dat": the same rows the table file is written from, so every
// character the data files hold converts back and forth exactly as the program will convert it.
class CharacterTable {
 public:
  explicit CharacterTable(std::vector<JisRow> rows);

  const std::vector<JisRow>& rows() const { return rows_; }
  bool Has(KanjiCode code) const { return byCode_[code] != 0; }
  std::uint16_t ToUnicode(KanjiCode code) const { return byCode_[code]; }
  // The codes of utf16, or nothing when a unit has no code.
  std::optional<JisString> FromUtf16(std::u16string_view utf16) const;
  std::optional<JisString> FromUtf8(std::string_view utf8) const;
  // Unicode of every code; codes without an entry give nothing.
  std::optional<std::u16string> ToUtf16(const JisString& text) const;
  // True when every code of text has an entry.
  bool HasAll(const JisString& text) const;

 private:
  std::vector<JisRow> rows_;
  std::vector<std::uint16_t> byCode_;  // 0 where a code has no Unicode
  std::vector<KanjiCode> byUnicode_;   // 0 where a unit has no code
};
