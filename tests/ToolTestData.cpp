// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ToolTestData.h"

#include <iconv.h>

#include <algorithm>
#include <stdexcept>

#include "tools/Utf8.h"

const CharacterTable& FullCharacterTable() {
  static const CharacterTable table(JisX0208Rows());
  return table;
}

JisString Jis(std::string_view utf8) {
  JisString codes;
  for (char16_t unit : DecodeUtf8(utf8)) {
    if (unit < 0x80) {
      codes.push_back(unit);
      continue;
    }
    const auto code = FullCharacterTable().FromUtf16(std::u16string(1, unit));
    if (!code) throw std::invalid_argument("not in JIS X 0208: " + std::string(utf8));
    codes += *code;
  }
  return codes;
}

std::string Utf8(const JisString& codes) {
  std::string text;
  for (KanjiCode code : codes) {
    const char16_t c = code < 0x80 ? code : FullCharacterTable().ToUnicode(code);
    if (c < 0x80) {
      text += static_cast<char>(c);
    } else if (c < 0x800) {
      text += static_cast<char>(0xC0 | (c >> 6));
      text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      text += static_cast<char>(0xE0 | (c >> 12));
      text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      text += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return text;
}

std::string Utf16FileBytes(std::string_view utf8) {
  std::string bytes = "\xFF\xFE";
  for (char16_t unit : DecodeUtf8(utf8)) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

std::string EucJp(std::string_view utf8) {
  iconv_t cd = iconv_open("EUC-JP", "UTF-8");
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("no EUC-JP converter");
  std::string in(utf8);
  std::string out(in.size() * 2 + 8, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) throw std::invalid_argument("not EUC-JP: " + in);
  out.resize(out.size() - outLeft);
  return out;
}

KanjiEntry TestKanji(std::string_view line, int grade, int frequency) {
  KanjidicEntry source;
  std::size_t pos = 0;
  bool first = true;
  while (pos < line.size()) {
    std::size_t end = line.find(' ', pos);
    if (end == std::string_view::npos) end = line.size();
    const JisString token = Jis(line.substr(pos, end - pos));
    pos = end + 1;
    if (token.empty()) continue;
    if (first) {
      source.code = token[0];
      first = false;
    } else if (std::any_of(token.begin(), token.end(), kana::IsKatakana)) {
      source.on.push_back(token);
    } else {
      source.kun.push_back(token);
    }
  }
  source.grade = grade;
  source.frequency = frequency;
  return MakeKanjiEntry(source);
}

std::vector<KanjiEntry> TestKanjiSet(const std::vector<std::string_view>& lines) {
  std::vector<KanjiEntry> kanji;
  for (std::string_view line : lines) kanji.push_back(TestKanji(line));
  return kanji;
}
