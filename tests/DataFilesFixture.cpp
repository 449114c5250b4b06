// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/DataFilesFixture.h"

const JisTable& FullJisTable() {
  static const JisTable table = [] {
    TempDir dir;
    WriteFullJisTable(dir.path());
    FakeSystem system;
    return JisTable(dir / JisTable::kFileName, system);
  }();
  return table;
}

CodeString Codes(std::string_view utf8) {
  CodeString codes;
  for (const char16_t unit : Utf16(utf8)) {
    KanjiCode code = 0;
    EXPECT_TRUE(FullJisTable().UnicodeToCode(static_cast<std::uint16_t>(unit), code))
        << "no JIS code for U+" << std::hex << static_cast<unsigned>(unit);
    codes.units.push_back(code);
  }
  return codes;
}

CodeString Units(std::string_view utf8) {
  CodeString units;
  for (const char16_t unit : Utf16(utf8)) units.units.push_back(static_cast<std::uint16_t>(unit));
  return units;
}

std::vector<std::string> GarbageFiles() {
  std::string random;
  std::uint32_t state = 12345;
  for (int i = 0; i < 100000; ++i) {
    state = state * 1103515245u + 12345u;
    random.push_back(static_cast<char>(state >> 16));
  }
  std::string lineBreaks = "\xFF\xFE";
  for (int i = 0; i < 300000; ++i) lineBreaks += std::string("\r\0\n\0", 4);
  return {random, std::string(70000, '\0'), std::string(70001, '\xFF'),
          "\xFF\xFE" + std::string(200000, '\t'), lineBreaks};
}
