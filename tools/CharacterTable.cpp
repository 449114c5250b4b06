// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/CharacterTable.h"

#include "tools/Utf8.h"

CharacterTable::CharacterTable(std::vector<JisRow> rows)
    : rows_(std::move(rows)), byCode_(0x10000, 0), byUnicode_(0x10000, 0) {
  // The first row of a value wins, as in the program's own table.
  for (const JisRow& row : rows_) {
    if (byCode_[row.jis] == 0) byCode_[row.jis] = row.unicode;
    if (byUnicode_[row.unicode] == 0) byUnicode_[row.unicode] = row.jis;
  }
}

std::optional<JisString> CharacterTable::FromUtf16(std::u16string_view utf16) const {
  JisString codes;
  codes.reserve(utf16.size());
  for (char16_t unit : utf16) {
    const KanjiCode code = byUnicode_[unit];
    if (code == 0) return std::nullopt;
    codes.push_back(code);
  }
  return codes;
}

std::optional<JisString> CharacterTable::FromUtf8(std::string_view utf8) const {
  return FromUtf16(DecodeUtf8(utf8));
}

std::optional<std::u16string> CharacterTable::ToUtf16(const JisString& text) const {
  std::u16string units;
  units.reserve(text.size());
  for (KanjiCode code : text) {
    const std::uint16_t unicode = byCode_[code];
    if (unicode == 0) return std::nullopt;
    units.push_back(unicode);
  }
  return units;
}

bool CharacterTable::HasAll(const JisString& text) const {
  for (KanjiCode code : text) {
    if (byCode_[code] == 0) return false;
  }
  return true;
}
