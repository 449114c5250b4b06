// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/JisTableWriter.h"

#include <iconv.h>

#include <cstdio>
#include <fstream>

namespace {

std::uint16_t ShiftJisOf(int row, int cell) {
  const int first = (row + 1) / 2 + (row <= 62 ? 0x80 : 0xC0);
  int second;
  if (row % 2 == 1) {
    second = cell + 0x3F + (cell >= 64 ? 1 : 0);
  } else {
    second = cell + 0x9E;
  }
  return static_cast<std::uint16_t>(first << 8 | second);
}

}  // namespace

std::vector<JisRow> JisX0208Rows() {
  std::vector<JisRow> rows;
  iconv_t cd = iconv_open("UTF-16LE", "EUC-JP");
  if (cd == reinterpret_cast<iconv_t>(-1)) return rows;
  for (int row = 1; row <= 94; ++row) {
    for (int cell = 1; cell <= 94; ++cell) {
      char in[2] = {static_cast<char>(0xA0 + row), static_cast<char>(0xA0 + cell)};
      char out[8] = {};
      char* inPtr = in;
      char* outPtr = out;
      std::size_t inLeft = 2;
      std::size_t outLeft = sizeof out;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
      const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
      if (done == static_cast<std::size_t>(-1) || sizeof out - outLeft != 2) continue;
      const auto unicode = static_cast<std::uint16_t>(static_cast<unsigned char>(out[0]) |
                                                      static_cast<unsigned char>(out[1]) << 8);
      rows.push_back({ShiftJisOf(row, cell),
                      static_cast<std::uint16_t>((row + 0x20) << 8 | (cell + 0x20)), unicode});
    }
  }
  iconv_close(cd);
  return rows;
}

bool WriteJisTable(const std::filesystem::path& file, const std::vector<JisRow>& rows) {
  std::ofstream out(file, std::ios::binary);
  if (!out) return false;
  char line[64];
  for (const JisRow& row : rows) {
    std::snprintf(line, sizeof line, "0x%04X\t0x%04X\t0x%04X\t# JIS X 0208 row %d cell %d\n",
                  row.shiftJis, row.jis, row.unicode, (row.jis >> 8) - 0x20,
                  (row.jis & 0xFF) - 0x20);
    out << line;
  }
  out.flush();
  return static_cast<bool>(out);
}
