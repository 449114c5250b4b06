// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/KanjiSearch.h"

#include <algorithm>
#include <cctype>

#include "text/JisTable.h"
#include "text/RomajiConverter.h"

namespace {

constexpr std::uint32_t kUnranked = 0x10000;

bool IsKana(KanjiCode code) {
  return (code >> 8) == 0x24 || (code >> 8) == 0x25;
}

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

bool IsLetter(char c) {
  return std::isalpha(static_cast<unsigned char>(c)) != 0;
}

// Whether words occurs in text with no letter right before or after it.
bool HasWords(std::string_view text, std::string_view words) {
  for (std::size_t at = text.find(words); at != std::string_view::npos;
       at = text.find(words, at + 1)) {
    const std::size_t end = at + words.size();
    if ((at == 0 || !IsLetter(text[at - 1])) && (end == text.size() || !IsLetter(text[end]))) {
      return true;
    }
  }
  return false;
}

// The hiragana the drills' converter makes of letters; empty when letters are left over that
// make no kana (the query is then no reading).
CodeString RomajiToHiragana(std::string_view letters) {
  RomajiConverter converter;
  char pending[8];
  converter.Reset(pending);
  CodeString kana;
  for (const char c : letters) {
    const CodeString done = converter.AddLetter(c, pending);
    kana.units.insert(kana.units.end(), done.units.begin(), done.units.end());
  }
  const bool leftOver = converter.pendingLength > 0 &&
                        !(converter.pendingLength == 1 && converter.pending[0] == 'n');
  const CodeString last = converter.Flush(pending);
  if (leftOver) return {};
  kana.units.insert(kana.units.end(), last.units.begin(), last.units.end());
  return kana;
}

std::u16string_view Trimmed(std::u16string_view text) {
  const auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == 0x3000; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

KanjiSearch::KanjiSearch(const std::vector<KanjiRecord>& kanji,
                         const std::vector<KanjiFacts>& facts, const JisTable& jis)
    : jis_(jis), positionOfCode_(0x10000, -1) {
  readings_.reserve(kanji.size());
  meanings_.reserve(kanji.size());
  for (std::size_t i = 0; i < kanji.size(); ++i) {
    const KanjiRecord& record = kanji[i];
    if (positionOfCode_[record.code] < 0) positionOfCode_[record.code] = static_cast<std::int32_t>(i);
    std::vector<CodeString> readings;
    for (const ReadingEntry& on : record.onReadings) readings.push_back(ToHiragana(on.bare));
    for (const ReadingEntry& kun : record.kunReadings) readings.push_back(kun.bare);
    readings_.push_back(std::move(readings));
    meanings_.push_back(Lower(record.meaning));
  }
  const bool haveFacts = facts.size() == kanji.size();
  frequencyKey_.assign(kanji.size(), kUnranked);
  if (haveFacts) {
    strokes_.reserve(facts.size());
    for (std::size_t i = 0; i < facts.size(); ++i) {
      strokes_.push_back(facts[i].strokes);
      if (facts[i].frequency != 0) frequencyKey_[i] = facts[i].frequency;
    }
  }
}

KanjiSearch::Result KanjiSearch::Find(std::u16string_view query) const {
  Result result;
  query = Trimmed(query);
  if (query.empty()) return result;
  if (std::all_of(query.begin(), query.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
    int strokes = 0;
    for (const char16_t c : query.substr(0, 4)) strokes = strokes * 10 + (c - u'0');
    FindStrokes(strokes, result);
    return result;
  }
  FindCharacters(query, result);
  if (result.matches.empty()) FindReadingOrMeaning(query, result);
  return result;
}

void KanjiSearch::FindCharacters(std::u16string_view query, Result& result) const {
  for (const char16_t unit : query) {
    KanjiCode code;
    if (!jis_.UnicodeToCode(unit, code) || positionOfCode_[code] < 0) continue;
    const std::int32_t position = positionOfCode_[code];
    if (std::find(result.matches.begin(), result.matches.end(), position) == result.matches.end()) {
      result.matches.push_back(position);
    }
  }
  if (!result.matches.empty()) result.key = Key::kCharacter;
}

void KanjiSearch::FindStrokes(int strokes, Result& result) const {
  result.key = Key::kStrokes;
  if (strokes_.empty()) {
    result.unavailable = "Stroke counts are not available: the kanji facts file is missing.";
    return;
  }
  for (std::size_t i = 0; i < strokes_.size(); ++i) {
    if (strokes_[i] == strokes) result.matches.push_back(static_cast<std::int32_t>(i));
  }
  ByFrequency(result.matches);
}

void KanjiSearch::FindReadingOrMeaning(std::u16string_view query, Result& result) const {
  // Letters are read both ways (romaji and English); kana typed through an input method is a
  // reading only.
  std::string letters;
  bool allLatin = true;
  CodeString kana;
  for (const char16_t unit : query) {
    KanjiCode code;
    if (unit < 0x80) {
      letters += static_cast<char>(std::tolower(static_cast<int>(unit)));
    } else if (jis_.UnicodeToCode(unit, code) && IsKana(code)) {
      kana.units.push_back(code);
      allLatin = false;
    } else {
      return;
    }
  }
  if (!kana.empty() && !letters.empty()) return;
  result.key = Key::kReadingOrMeaning;
  if (allLatin) {
    std::string compact;
    for (const char c : letters) {
      if (IsLetter(c)) compact += c;
    }
    kana = compact.size() == letters.size() ? RomajiToHiragana(compact) : CodeString();
  } else {
    kana = ToHiragana(kana);
  }
  result.reading = kana;
  for (std::size_t i = 0; i < readings_.size(); ++i) {
    const bool read = !kana.empty() && std::find(readings_[i].begin(), readings_[i].end(), kana) !=
                                           readings_[i].end();
    if (read || (allLatin && HasWords(meanings_[i], letters))) {
      result.matches.push_back(static_cast<std::int32_t>(i));
    }
  }
  ByFrequency(result.matches);
}

void KanjiSearch::ByFrequency(std::vector<std::int32_t>& matches) const {
  std::stable_sort(matches.begin(), matches.end(), [&](std::int32_t a, std::int32_t b) {
    return frequencyKey_[static_cast<std::size_t>(a)] < frequencyKey_[static_cast<std::size_t>(b)];
  });
}
