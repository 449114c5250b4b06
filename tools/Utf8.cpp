#include "tools/Utf8.h"

namespace {

constexpr char16_t kReplacement = 0xFFFD;

}  // namespace

std::u16string DecodeUtf8(std::string_view utf8) {
  std::u16string result;
  result.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t c = 0;
    if (lead < 0x80) {
      c = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      c = lead & 0x1F;
      extra = 1;
    } else if ((lead & 0xF0) == 0xE0) {
      c = lead & 0x0F;
      extra = 2;
    } else if ((lead & 0xF8) == 0xF0) {
      c = lead & 0x07;
      extra = 3;
    } else {
      result.push_back(kReplacement);
      ++i;
      continue;
    }
    ++i;
    bool bad = false;
    for (int k = 0; k < extra; ++k, ++i) {
      if (i >= utf8.size() || (static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80) {
        bad = true;
        break;
      }
      c = (c << 6) | (static_cast<unsigned char>(utf8[i]) & 0x3F);
    }
    if (bad || c > 0x10FFFF) {
      result.push_back(kReplacement);
    } else if (c >= 0x10000) {
      c -= 0x10000;
      result.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
      result.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
    } else {
      result.push_back(static_cast<char16_t>(c));
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
