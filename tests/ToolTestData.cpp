// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tests/ToolTestData.h"

#include <iconv.h>

#include <algorithm>
#include <sstream>
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

namespace {

std::string LittleEndian(std::u16string_view units) {
  std::string bytes;
  for (char16_t unit : units) {
    bytes.push_back(static_cast<char>(unit & 0xFF));
    bytes.push_back(static_cast<char>(unit >> 8));
  }
  return bytes;
}

// Converts through the system's iconv, as the builder does.
std::string Convert(const char* to, const char* from, std::string in) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("no ") + to);
  std::string out(in.size() * 2 + 8, '\0');
  char* inPtr = in.data();
  char* outPtr = out.data();
  std::size_t inLeft = in.size();
  std::size_t outLeft = out.size();
  const std::size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) throw std::invalid_argument(std::string("not ") + to);
  out.resize(out.size() - outLeft);
  return out;
}

}  // namespace

std::string Utf8(const JisString& codes) {
  std::u16string units;
  for (KanjiCode code : codes) units += code < 0x80 ? code : FullCharacterTable().ToUnicode(code);
  return Convert("UTF-8", "UTF-16LE", LittleEndian(units));
}

std::string Utf16FileBytes(std::string_view utf8) {
  return "\xFF\xFE" + LittleEndian(DecodeUtf8(utf8));
}

std::string EucJp(std::string_view utf8) { return Convert("EUC-JP", "UTF-8", std::string(utf8)); }

KanjiEntry TestKanji(std::string_view line, int grade, int frequency, ReadingRuleCounts* counts) {
  KanjidicEntry source;
  std::istringstream words{std::string(line)};
  std::string word;
  words >> word;
  source.code = Jis(word)[0];
  while (words >> word) {
    const JisString reading = Jis(word);
    const bool on = std::any_of(reading.begin(), reading.end(), kana::IsKatakana);
    (on ? source.on : source.kun).push_back(reading);
  }
  source.grade = grade;
  source.frequency = frequency;
  ReadingRuleCounts ignored;
  return MakeKanjiEntry(source, counts ? *counts : ignored);
}

std::vector<KanjiEntry> TestKanjiSet(const std::vector<std::string_view>& lines) {
  std::vector<KanjiEntry> kanji;
  for (std::string_view line : lines) kanji.push_back(TestKanji(line));
  return kanji;
}
