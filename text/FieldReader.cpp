// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/FieldReader.h"

#include "text/JisTable.h"

FieldEnd ReadCodeField(UnitReader& reader, const JisTable& jis, std::uint16_t terminator,
                       std::vector<KanjiCode>& codes) {
  codes.clear();
  std::uint16_t unit = 0;
  while (reader.Read(unit)) {
    if (unit == terminator) return FieldEnd::kTerminator;
    KanjiCode code = 0;
    if (!jis.UnicodeToCode(unit, code)) return FieldEnd::kNoCode;
    codes.push_back(code);
  }
  return FieldEnd::kEndOfFile;
}

FieldEnd ReadLatinField(UnitReader& reader, std::uint16_t terminator, std::string& text) {
  text.clear();
  std::uint16_t unit = 0;
  while (reader.Read(unit)) {
    if (unit == terminator) return FieldEnd::kTerminator;
    text.push_back(static_cast<char>(unit & 0xFF));
  }
  return FieldEnd::kEndOfFile;
}
