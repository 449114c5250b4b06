// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "text/KanjiCode.h"

class JisTable;

// The codes of a study list file's bytes: a 2-byte mark taken on trust, then one character per
// 16-bit little-endian unit; a CR takes the unit after it along, characters the table lacks are
// passed over, and a last odd byte is no unit.
std::vector<KanjiCode> ParseStudyList(std::string_view bytes, const JisTable& jis);

// A study list file for codes: byte-order mark, one kanji per line, lines ended by CR LF.
// Codes without a Unicode value are left out.
std::string StudyListBytes(const std::vector<KanjiCode>& codes, const JisTable& jis);

// Reads a study list other than the learner's own (a ready list). False, with a sentence for
// the learner in message, when the file cannot be read or is not UTF-16 text.
bool ReadStudyListFile(const std::filesystem::path& file, const JisTable& jis,
                       std::vector<KanjiCode>& codes, std::string& message);
