// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/JisTable.h"

#include <cctype>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/System.h"

namespace {

const char* const kOpenFailure = "Could not open the character table file (jis0208.dat).";
const char* const kCaption = "Veltrane File Error";

std::string ReadFailure(int line) {
  return "Problem reading the character table (jis0208.dat) at line " + std::to_string(line) +
         ". Every line must begin with three hexadecimal numbers.";
}

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

enum class NumberResult { Ok, EndOfFile, Malformed };

// Reads one hexadecimal number of at most 16 bits, skipping white space and line ends first;
// an optional 0x or 0X prefix is allowed.
NumberResult ReadHex(const std::string& text, std::size_t& pos, int& line, std::uint16_t& value) {
  while (pos < text.size() && IsSpace(text[pos])) {
    if (text[pos] == '\n') ++line;
    ++pos;
  }
  if (pos >= text.size()) return NumberResult::EndOfFile;
  if (text[pos] == '0' && pos + 2 < text.size() && (text[pos + 1] == 'x' || text[pos + 1] == 'X') &&
      HexValue(text[pos + 2]) >= 0) {
    pos += 2;
  }
  std::uint32_t number = 0;
  std::size_t digits = 0;
  while (pos < text.size() && HexValue(text[pos]) >= 0) {
    number = number * 16 + static_cast<std::uint32_t>(HexValue(text[pos]));
    if (number > 0xFFFF) return NumberResult::Malformed;
    ++pos;
    ++digits;
  }
  if (digits == 0) return NumberResult::Malformed;
  value = static_cast<std::uint16_t>(number);
  return NumberResult::Ok;
}

}  // namespace

JisTable::JisTable() : fastByUnicode_(0x10000, 0), fastByCode_(0x10000, 0) {}

JisTable::JisTable(const std::filesystem::path& file, System& system) : JisTable() {
  Load(file, system);
}

void JisTable::Load(const std::filesystem::path& file, System& system) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    system.Fail(kOpenFailure, kCaption);
    return;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

  std::size_t pos = 0;
  int line = 1;
  for (;;) {
    // 1. Three numbers: the Shift_JIS code (dropped), the JIS code, the Unicode unit.
    std::uint16_t numbers[3] = {0, 0, 0};
    bool endOfFile = false;
    for (std::uint16_t& number : numbers) {
      const NumberResult result = ReadHex(text, pos, line, number);
      if (result == NumberResult::EndOfFile) {
        endOfFile = true;
        break;
      }
      if (result == NumberResult::Malformed) {
        system.Fail(ReadFailure(line), kCaption);
        return;
      }
    }
    // 2. Discard the rest of the line with its line feed, however long it is.
    if (!endOfFile) {
      const std::size_t lineFeed = text.find('\n', pos);
      if (lineFeed == std::string::npos) {
        endOfFile = true;  // a last line without a line break is not entered
      } else {
        pos = lineFeed + 1;
        ++line;
      }
    }
    // 3. Enter the row unless the file ended on the way.
    if (endOfFile) break;
    Insert(numbers[1], numbers[2]);
  }

  if (byCode.empty()) system.Fail(ReadFailure(line), kCaption);
}

void JisTable::Insert(KanjiCode code, std::uint16_t unicode) {
  if (byUnicode.emplace(unicode, code).second) fastByUnicode_[unicode] = code | kPresent;
  if (byCode.emplace(code, unicode).second) fastByCode_[code] = unicode | kPresent;
}
