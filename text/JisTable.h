// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <vector>

#include "text/KanjiCode.h"

class System;

// The two-way table between Unicode and JIS X 0208 codes, read from "jis0208.dat".
class JisTable {
 public:
  static constexpr const char* kFileName = "jis0208.dat";

  // An empty table.
  JisTable();
  // Loads file; on a missing or malformed file tells the learner and ends the process.
  JisTable(const std::filesystem::path& file, System& system);

  // Stores the code of unicode in out and returns true; returns false and leaves out alone
  // when unicode has no code.
  bool UnicodeToCode(std::uint16_t unicode, KanjiCode& out) const {
    const std::uint32_t slot = fastByUnicode_[unicode];
    if (slot == 0) return false;
    out = static_cast<KanjiCode>(slot & 0xFFFF);
    return true;
  }
  // The Unicode unit of code, or 0 when it has none.
  std::uint16_t CodeToUnicode(KanjiCode code) const {
    return static_cast<std::uint16_t>(fastByCode_[code] & 0xFFFF);
  }

  // Adds one row; a key already present keeps its first value, each map on its own.
  void Insert(KanjiCode code, std::uint16_t unicode);

  std::map<std::uint16_t, KanjiCode> byUnicode;
  std::map<KanjiCode, std::uint16_t> byCode;

 private:
  void Load(const std::filesystem::path& file, System& system);

  // Direct-indexed copies of the two maps: the loaders translate every character of the data
  // files, and a tree walk per character would dominate the start-up time. Each slot holds
  // the value plus kPresent, or 0 when the key is absent.
  static constexpr std::uint32_t kPresent = 0x10000;
  std::vector<std::uint32_t> fastByUnicode_;
  std::vector<std::uint32_t> fastByCode_;
};
