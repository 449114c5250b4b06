// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/StudyListFile.h"

#include <fstream>
#include <iterator>

#include "text/JisTable.h"

std::vector<KanjiCode> ParseStudyList(std::string_view bytes, const JisTable& jis) {
  std::vector<KanjiCode> codes;
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    const auto unit = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[i]) |
                                                 static_cast<unsigned char>(bytes[i + 1]) << 8);
    if (unit == 0x000D) {
      i += 2;
      continue;
    }
    KanjiCode code;
    if (jis.UnicodeToCode(unit, code)) codes.push_back(code);
  }
  return codes;
}

std::string StudyListBytes(const std::vector<KanjiCode>& codes, const JisTable& jis) {
  std::string bytes = "\xFF\xFE";
  bytes.reserve(2 + codes.size() * 6);
  for (const KanjiCode code : codes) {
    const std::uint16_t unicode = jis.CodeToUnicode(code);
    if (unicode == 0) continue;
    for (const std::uint16_t unit : {unicode, std::uint16_t{0x000D}, std::uint16_t{0x000A}}) {
      bytes += static_cast<char>(unit & 0xFF);
      bytes += static_cast<char>(unit >> 8);
    }
  }
  return bytes;
}

bool ReadStudyListFile(const std::filesystem::path& file, const JisTable& jis,
                       std::vector<KanjiCode>& codes, std::string& message) {
  std::ifstream in(file, std::ios::binary);
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error) || !in.is_open()) {
    message = "The study list \"" + file.filename().string() + "\" cannot be read.";
    return false;
  }
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // Ready lists are checked more closely than the learner's own file: a list in another
  // encoding would otherwise give a handful of stray kanji.
  if (bytes.size() < 2 || bytes[0] != '\xFF' || bytes[1] != '\xFE') {
    message = "The study list \"" + file.filename().string() +
              "\" is not a study list (UTF-16 text with a byte-order mark).";
    return false;
  }
  codes = ParseStudyList(bytes, jis);
  return true;
}
