// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// One character of JIS X 0208 as the system's EUC-JP converter maps it.
struct JisRow {
  std::uint16_t shiftJis;
  std::uint16_t jis;
  std::uint16_t unicode;
};

// Every character of JIS X 0208 (rows 1 to 94, cells 1 to 94) that the system's iconv maps to
// one UTF-16 unit, in code order.
std::vector<JisRow> JisX0208Rows();

// Writes "jis0208.dat" in the layout of the public mapping table: Shift_JIS, JIS, Unicode
// with 0x prefixes, then a comment. Returns false when the file cannot be written.
bool WriteJisTable(const std::filesystem::path& file, const std::vector<JisRow>& rows);
