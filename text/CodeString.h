// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

// A counted string of 16-bit units with value semantics. Its units are KanjiCodes, except in
// the sentence texts and sentence-index keys, which hold the sentence file's UTF-16 units.
struct CodeString {
  std::vector<std::uint16_t> units;

  CodeString() = default;
  // Copies the units up to, not including, the first 0.
  explicit CodeString(const std::uint16_t* zeroTerminated);
  CodeString(std::uint32_t count, const std::uint16_t* array);
  explicit CodeString(std::uint16_t unit);
  CodeString(std::uint16_t first, std::uint16_t second);
  CodeString(std::initializer_list<std::uint16_t> list) : units(list) {}

  std::uint32_t length() const { return static_cast<std::uint32_t>(units.size()); }
  bool empty() const { return units.empty(); }
  std::uint16_t operator[](std::uint32_t i) const { return units[i]; }

  // Equality and ordering for containers; the same as Equals and Less.
  friend bool operator==(const CodeString& a, const CodeString& b) { return a.units == b.units; }
  friend bool operator<(const CodeString& a, const CodeString& b);
};

// Same length and the same unit at every position.
bool Equals(const CodeString& a, const CodeString& b);

// Unsigned lexicographic order; a proper prefix is less than the longer string.
bool Less(const CodeString& a, const CodeString& b);

// Hiragana to katakana: adds 0x100 to every unit but the prolonged sound mark.
CodeString ToKatakana(const CodeString& s);

// Katakana to hiragana, decided by the first unit alone: when it is 0x2521 or more, subtracts
// 0x100 from every unit but the prolonged sound mark; otherwise an unchanged copy.
CodeString ToHiragana(const CodeString& s);
