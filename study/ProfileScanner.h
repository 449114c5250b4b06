// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <istream>

#include "text/KanjiCode.h"

// Reads the values of a profile file the way formatted stream input does: each number may be
// preceded by white space (line ends included), and once a read has failed every later read
// fails too, so a reader can run its steps in order and look at the outcome once.
class ProfileScanner {
 public:
  // The longest rest of a line that SkipRestOfLine accepts (line end not counted).
  static constexpr int kMaxRestOfLine = 1022;

  explicit ProfileScanner(std::istream& in) : in_(*in.rdbuf()) {}

  // Each reader stores into out only on success; on failure out keeps its value.
  bool ReadInt64(std::int64_t& out);
  bool ReadInt32(std::int32_t& out);
  bool ReadInt16(std::int16_t& out);
  bool ReadUint16(std::uint16_t& out);
  // An integer that must be 0 or 1.
  bool ReadBool(bool& out);
  // Hexadecimal digits, with an optional 0x; at most 0xFFFF.
  bool ReadHexCode(KanjiCode& out);
  // A finite decimal number that fits a 32-bit float.
  bool ReadFloat(float& out);
  // Discards characters up to and including the next line end (LF, or CR LF). Fails when the
  // rest holds more than kMaxRestOfLine characters, or when the file ends before any
  // character was read.
  bool SkipRestOfLine();

  // Skips white space; true when nothing but white space is left.
  bool AtEndOfText();

  bool failed() const { return failed_; }

 private:
  int Peek();
  int Get();
  void SkipSpace();
  // Reads an optional sign and decimal digits; magnitude limit for each sign.
  bool ReadDecimal(std::int64_t minimum, std::int64_t maximum, std::int64_t& out);
  bool Fail();

  std::streambuf& in_;
  bool failed_ = false;
};
