// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/CodeString.h"

#include "text/KanjiCode.h"

CodeString::CodeString(const std::uint16_t* zeroTerminated) {
  if (zeroTerminated == nullptr) return;
  for (const std::uint16_t* p = zeroTerminated; *p != 0; ++p) units.push_back(*p);
}

CodeString::CodeString(std::uint32_t count, const std::uint16_t* array) {
  if (array != nullptr) units.assign(array, array + count);
}

CodeString::CodeString(std::uint16_t unit) : units{unit} {}

CodeString::CodeString(std::uint16_t first, std::uint16_t second) : units{first, second} {}

bool operator<(const CodeString& a, const CodeString& b) {
  return Less(a, b);
}

bool Equals(const CodeString& a, const CodeString& b) {
  return a.units == b.units;
}

bool Less(const CodeString& a, const CodeString& b) {
  const std::size_t shorter = a.units.size() < b.units.size() ? a.units.size() : b.units.size();
  for (std::size_t i = 0; i < shorter; ++i) {
    if (a.units[i] != b.units[i]) return a.units[i] < b.units[i];
  }
  return a.units.size() < b.units.size();
}

CodeString ToKatakana(const CodeString& s) {
  CodeString result = s;
  for (std::uint16_t& unit : result.units) {
    if (unit != jis::kProlongedSound)
      unit = static_cast<std::uint16_t>(unit + jis::kKatakanaOffset);
  }
  return result;
}

CodeString ToHiragana(const CodeString& s) {
  CodeString result = s;
  if (s.empty() || s.units[0] < jis::kFirstKatakana) return result;
  for (std::uint16_t& unit : result.units) {
    if (unit != jis::kProlongedSound)
      unit = static_cast<std::uint16_t>(unit - jis::kKatakanaOffset);
  }
  return result;
}
