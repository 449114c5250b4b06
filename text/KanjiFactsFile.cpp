// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/KanjiFactsFile.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <limits>
#include <string_view>

#include "text/JisTable.h"

namespace {

// Reads one tab-ended (or line-ended) field as a number of base not above limit.
bool ReadField(std::string_view& line, int base, unsigned limit, unsigned& value) {
  const std::size_t end = std::min(line.find('\t'), line.size());
  const std::string_view field = line.substr(0, end);
  const auto [stop, failure] = std::from_chars(field.data(), field.data() + field.size(), value, base);
  if (field.empty() || failure != std::errc() || stop != field.data() + field.size() || value > limit) {
    return false;
  }
  line.remove_prefix(end == line.size() ? end : end + 1);
  return true;
}

// Null when the line is good, otherwise what is wrong with it.
const char* ParseLine(std::string_view line, const JisTable& jis, KanjiFacts& facts) {
  unsigned unicode = 0, strokes = 0, frequency = 0, jlpt = 0, radical = 0, grade = 0;
  const bool complete = ReadField(line, 16, 0xFFFF, unicode) && ReadField(line, 10, 255, strokes) &&
                        ReadField(line, 10, 0xFFFF, frequency) && ReadField(line, 10, 4, jlpt) &&
                        ReadField(line, 10, 214, radical) && ReadField(line, 10, 9, grade);
  if (!complete || !line.empty()) return "six fields expected";
  if (!jis.UnicodeToCode(static_cast<std::uint16_t>(unicode), facts.code)) {
    return "a character the JIS table lacks";
  }
  facts.strokes = static_cast<std::uint16_t>(strokes);
  facts.frequency = static_cast<std::uint16_t>(frequency);
  facts.jlpt = static_cast<std::uint8_t>(jlpt);
  facts.radical = static_cast<std::uint8_t>(radical);
  facts.grade = static_cast<std::uint8_t>(grade);
  return nullptr;
}

}  // namespace

FactsLoad LoadKanjiFacts(const std::filesystem::path& file, const JisTable& jis,
                         std::vector<KanjiFacts>& facts, std::string& message) {
  std::error_code error;
  std::ifstream in;
  if (std::filesystem::is_regular_file(file, error)) in.open(file, std::ios::binary);
  if (!in.is_open()) {
    message = "The kanji facts file \"" + file.filename().string() +
              "\" is missing: grades, frequency, JLPT levels and stroke counts are not "
              "available. Build the data set again to add it.";
    return FactsLoad::kMissing;
  }
  const auto damaged = [&](int lineNumber, const char* what) {
    message = "The kanji facts file \"" + file.filename().string() + "\" is damaged (line " +
              std::to_string(lineNumber) + ": " + what + "). Build the data set again.";
    return FactsLoad::kDamaged;
  };
  std::string line;
  if (std::getline(in, line) && !line.empty() && line.back() == '\r') line.pop_back();
  if (line != kKanjiFactsHeader) {
    return damaged(1, "not a kanji facts file of this version");
  }
  std::vector<KanjiFacts> read;
  for (int number = 2; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    KanjiFacts entry;
    if (const char* fault = ParseLine(line, jis, entry)) return damaged(number, fault);
    read.push_back(entry);
  }
  facts = std::move(read);
  return FactsLoad::kLoaded;
}

std::string KanjiFactsLine(std::uint16_t unicode, const KanjiFacts& facts) {
  char hex[8];
  const auto end = std::to_chars(hex, hex + sizeof hex, unicode, 16).ptr;
  std::string line(hex, end);
  for (char& c : line) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  for (const unsigned value : {unsigned{facts.strokes}, unsigned{facts.frequency},
                               unsigned{facts.jlpt}, unsigned{facts.radical}, unsigned{facts.grade}}) {
    line += '\t';
    line += std::to_string(value);
  }
  line += '\n';
  return line;
}

std::vector<KanjiFacts> FactsForDataSet(const std::vector<KanjiRecord>& kanji,
                                        const std::vector<KanjiFacts>& loaded) {
  // Direct table by code: a code is 16 bits, and this runs once per window.
  std::vector<std::int32_t> where(0x10000, -1);
  for (std::size_t i = 0; i < loaded.size(); ++i) {
    if (where[loaded[i].code] < 0) where[loaded[i].code] = static_cast<std::int32_t>(i);
  }
  std::vector<KanjiFacts> facts;
  facts.reserve(kanji.size());
  for (const KanjiRecord& record : kanji) {
    if (where[record.code] >= 0) {
      facts.push_back(loaded[static_cast<std::size_t>(where[record.code])]);
    } else {
      KanjiFacts bare;
      bare.code = record.code;
      bare.grade = record.grade <= 9 ? static_cast<std::uint8_t>(record.grade) : 0;
      facts.push_back(bare);
    }
  }
  return facts;
}
