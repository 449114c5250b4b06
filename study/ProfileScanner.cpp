// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ProfileScanner.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace {

bool IsSpace(int c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsDigit(int c) {
  return c >= '0' && c <= '9';
}

int HexValue(int c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

int ProfileScanner::Peek() {
  const auto c = in_.sgetc();
  if (c == std::char_traits<char>::eof()) return -1;
  return static_cast<unsigned char>(c);
}

int ProfileScanner::Get() {
  const int c = Peek();
  if (c >= 0) in_.sbumpc();
  return c;
}

void ProfileScanner::SkipSpace() {
  while (IsSpace(Peek())) in_.sbumpc();
}

bool ProfileScanner::Fail() {
  failed_ = true;
  return false;
}

bool ProfileScanner::AtEndOfText() {
  SkipSpace();
  return Peek() < 0;
}

bool ProfileScanner::ReadDecimal(std::int64_t minimum, std::int64_t maximum, std::int64_t& out) {
  if (failed_) return false;
  SkipSpace();
  bool negative = false;
  if (Peek() == '+' || Peek() == '-') negative = Get() == '-';
  if (!IsDigit(Peek())) return Fail();
  // The magnitude is gathered as unsigned so that the most negative value still fits.
  const std::uint64_t limit = negative ? static_cast<std::uint64_t>(-(minimum + 1)) + 1
                                       : static_cast<std::uint64_t>(maximum);
  if (negative && minimum >= 0) {
    // "-0" is the only negative text an unsigned field can take.
    bool nonZero = false;
    while (IsDigit(Peek())) nonZero |= Get() != '0';
    if (nonZero) return Fail();
    out = 0;
    return true;
  }
  std::uint64_t magnitude = 0;
  while (IsDigit(Peek())) {
    const auto digit = static_cast<std::uint64_t>(Get() - '0');
    if (magnitude > (limit - digit) / 10) return Fail();
    magnitude = magnitude * 10 + digit;
  }
  out = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
  return true;
}

bool ProfileScanner::ReadInt64(std::int64_t& out) {
  return ReadDecimal(std::numeric_limits<std::int64_t>::min(),
                     std::numeric_limits<std::int64_t>::max(), out);
}

bool ProfileScanner::ReadInt32(std::int32_t& out) {
  std::int64_t value;
  if (!ReadDecimal(INT32_MIN, INT32_MAX, value)) return false;
  out = static_cast<std::int32_t>(value);
  return true;
}

bool ProfileScanner::ReadInt16(std::int16_t& out) {
  std::int64_t value;
  if (!ReadDecimal(INT16_MIN, INT16_MAX, value)) return false;
  out = static_cast<std::int16_t>(value);
  return true;
}

bool ProfileScanner::ReadUint16(std::uint16_t& out) {
  std::int64_t value;
  if (!ReadDecimal(0, UINT16_MAX, value)) return false;
  out = static_cast<std::uint16_t>(value);
  return true;
}

bool ProfileScanner::ReadBool(bool& out) {
  std::int64_t value;
  if (!ReadDecimal(INT32_MIN, INT32_MAX, value)) return false;
  if (value != 0 && value != 1) return Fail();
  out = value == 1;
  return true;
}

bool ProfileScanner::ReadHexCode(KanjiCode& out) {
  if (failed_) return false;
  SkipSpace();
  if (Peek() == '0') {
    Get();
    if (Peek() == 'x' || Peek() == 'X') {
      Get();
      if (HexValue(Peek()) < 0) return Fail();
    } else if (HexValue(Peek()) < 0) {
      out = 0;
      return true;
    }
  } else if (HexValue(Peek()) < 0) {
    return Fail();
  }
  std::uint32_t value = 0;
  while (HexValue(Peek()) >= 0) {
    value = value * 16 + static_cast<std::uint32_t>(HexValue(Get()));
    if (value > 0xFFFF) return Fail();
  }
  out = static_cast<KanjiCode>(value);
  return true;
}

bool ProfileScanner::ReadFloat(float& out) {
  if (failed_) return false;
  SkipSpace();
  std::string token;
  if (Peek() == '+') {
    Get();
  } else if (Peek() == '-') {
    token.push_back(static_cast<char>(Get()));
  }
  // Digits, one point and an exponent: the characters a decimal float may hold. Stream input
  // reads a token of any length, so a hand-edited "1.000...0" reads here too; the token ends
  // at the first other character, so it never runs past its line.
  for (int c = Peek();
       IsDigit(c) || c == '.' || c == 'e' || c == 'E' ||
       ((c == '+' || c == '-') && !token.empty() && (token.back() == 'e' || token.back() == 'E'));
       c = Peek()) {
    token.push_back(static_cast<char>(Get()));
  }
  float value = 0;
  const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (error != std::errc() || end != token.data() + token.size() || !std::isfinite(value)) {
    return Fail();
  }
  out = value;
  return true;
}

bool ProfileScanner::SkipRestOfLine() {
  if (failed_) return false;
  int count = 0;
  for (;;) {
    const int c = Get();
    if (c < 0) return count > 0 ? true : Fail();
    if (c == '\n') return true;
    if (c == '\r' && Peek() == '\n') continue;
    if (++count > kMaxRestOfLine) return Fail();
  }
}
