// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Utf8.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

// The well-formed sequences (Unicode, table 3-7): a lead byte fixes how many continuation
// bytes follow and the range the first of them must fall in, which is what shuts out overlong
// forms (C0 8D would otherwise be a CR), surrogates and values beyond U+10FFFF.
struct Lead {
  int extra = -1;  // -1: the byte cannot start a character
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  char32_t bits = 0;
};

Lead LeadOf(unsigned char byte) {
  if (byte < 0x80) return {0, 0x80, 0xBF, byte};
  if (byte >= 0xC2 && byte <= 0xDF) return {1, 0x80, 0xBF, byte & 0x1Fu};
  if (byte == 0xE0) return {2, 0xA0, 0xBF, 0};
  if (byte == 0xED) return {2, 0x80, 0x9F, 0x0D};
  if (byte >= 0xE1 && byte <= 0xEF) return {2, 0x80, 0xBF, byte & 0x0Fu};
  if (byte == 0xF0) return {3, 0x90, 0xBF, 0};
  if (byte >= 0xF1 && byte <= 0xF3) return {3, 0x80, 0xBF, byte & 0x07u};
  if (byte == 0xF4) return {3, 0x80, 0x8F, 4};
  return {};
}

void AppendUtf16(std::u16string& result, char32_t c) {
  if (c < 0x10000) {
    result.push_back(static_cast<char16_t>(c));
    return;
  }
  c -= 0x10000;
  result.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
  result.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
}

}  // namespace

std::u16string DecodeUtf8(std::string_view utf8) {
  std::u16string result;
  result.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const Lead lead = LeadOf(static_cast<unsigned char>(utf8[i++]));
    if (lead.extra < 0) {
      result.push_back(kReplacement);
      continue;
    }
    char32_t c = lead.bits;
    bool complete = true;
    for (int k = 0; k < lead.extra; ++k) {
      const auto byte = i < utf8.size() ? static_cast<unsigned char>(utf8[i]) : 0;
      const unsigned char low = k == 0 ? lead.low : 0x80;
      const unsigned char high = k == 0 ? lead.high : 0xBF;
      // A byte that does not fit ends the broken sequence and starts over on its own, so
      // one damaged character costs one replacement and the text after it survives.
      if (i >= utf8.size() || byte < low || byte > high) {
        complete = false;
        break;
      }
      c = (c << 6) | (byte & 0x3Fu);
      ++i;
    }
    if (complete) {
      AppendUtf16(result, c);
    } else {
      result.push_back(kReplacement);
    }
  }
  return result;
}

std::string ToLatin1(std::u16string_view utf16) {
  std::string text;
  text.reserve(utf16.size());
  for (char16_t unit : utf16) text.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
  return text;
}
