// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Kanjidic.h"

#include <algorithm>
#include <charconv>
#include <fstream>

#include "tools/EucJp.h"

namespace {

int NumberAfter(std::string_view token) {
  int value = 0;
  std::from_chars(token.data() + 1, token.data() + token.size(), value);
  return value;
}

// A field of one ASCII letter and a number, such as S12.
bool IsNumberField(std::string_view token, char letter) {
  return token.size() > 1 && token[0] == letter && token[1] >= '0' && token[1] <= '9';
}

bool IsJapaneseToken(std::string_view token) {
  const std::size_t first = token[0] == '-' ? 1 : 0;
  return token.size() > first && static_cast<unsigned char>(token[first]) >= 0x80;
}

}  // namespace

bool IsKanjiLine(std::string_view line) {
  return !line.empty() && static_cast<unsigned char>(line[0]) >= 0xA1;
}

std::optional<KanjidicEntry> ParseKanjidicLine(std::string_view line) {
  if (line.size() < 2 || !IsKanjiLine(line)) return std::nullopt;
  KanjidicEntry entry;
  const JisString kanji = DecodeEucJp(line.substr(0, 2));
  entry.code = kanji[0];
  // The second field repeats the code in hexadecimal: a line that disagrees is not EUC-JP
  // kanjidic (a UTF-8 copy would otherwise give plausible but wrong kanji).
  unsigned hex = 0;
  const std::size_t hexStart = line.find_first_not_of(' ', 2);
  if (hexStart == std::string_view::npos) return std::nullopt;
  const char* const lineEnd = line.data() + line.size();
  const auto [end, failure] = std::from_chars(line.data() + hexStart, lineEnd, hex, 16);
  // A line that ends with the code has lost the rest of its fields.
  if (failure != std::errc() || end == lineEnd || *end != ' ' || hex != entry.code ||
      entry.code == kNotJisX0208) {
    return std::nullopt;
  }

  std::size_t pos = static_cast<std::size_t>(end - line.data());
  bool nameReadings = false;
  while (pos < line.size()) {
    while (pos < line.size() && line[pos] == ' ') ++pos;
    if (pos >= line.size()) break;
    if (line[pos] == '{') {
      const std::size_t close = line.find('}', pos);
      if (close == std::string_view::npos) break;
      entry.meanings.emplace_back(line.substr(pos + 1, close - pos - 1));
      pos = close + 1;
      continue;
    }
    std::size_t end = line.find(' ', pos);
    if (end == std::string_view::npos) end = line.size();
    const std::string_view token = line.substr(pos, end - pos);
    pos = end;
    if (token == "T1" || token == "T2") {
      nameReadings = true;
    } else if (token[0] == 'G') {
      entry.grade = NumberAfter(token);
    } else if (token[0] == 'F') {
      entry.frequency = NumberAfter(token);
    } else if (IsNumberField(token, 'S')) {
      if (entry.strokes == 0) entry.strokes = NumberAfter(token);
    } else if (IsNumberField(token, 'J')) {
      entry.jlpt = NumberAfter(token);
    } else if (IsNumberField(token, 'B')) {
      entry.radical = NumberAfter(token);
    } else if (IsJapaneseToken(token) && !nameReadings) {
      JisString reading = DecodeEucJp(token);
      const bool katakana = std::any_of(reading.begin(), reading.end(), kana::IsKatakana);
      (katakana ? entry.on : entry.kun).push_back(std::move(reading));
    }
  }
  return entry;
}

bool ReadKanjidic(const std::filesystem::path& file, std::vector<KanjidicEntry>& entries,
                  std::string& error, int* unreadable) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot open the kanjidic file " + file.string();
    return false;
  }
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (auto entry = ParseKanjidicLine(line)) {
      entries.push_back(std::move(*entry));
    } else if (IsKanjiLine(line) && unreadable != nullptr) {
      ++*unreadable;
    }
  }
  if (entries.empty()) {
    error = file.string() + " holds no kanji: is it kanjidic in EUC-JP?";
    return false;
  }
  return true;
}
