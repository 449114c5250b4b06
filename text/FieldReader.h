// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/KanjiCode.h"
#include "text/UnitReader.h"

class JisTable;

// How the reading of one field of a data-file line ended.
enum class FieldEnd {
  kTerminator,  // the terminating unit was read (and not stored)
  kNoCode,      // a unit had no JIS code; the field is incomplete
  kEndOfFile,   // the file ended before the terminator
};

// Reads units up to terminator, translating each through the JIS table into codes. codes is
// emptied first; fields have no length limit, the buffer grows with the field.
FieldEnd ReadCodeField(UnitReader& reader, const JisTable& jis, std::uint16_t terminator,
                       std::vector<KanjiCode>& codes);

// Reads units up to terminator, keeping the low byte of each (Latin-1 text). text is emptied
// first.
FieldEnd ReadLatinField(UnitReader& reader, std::uint16_t terminator, std::string& text);
