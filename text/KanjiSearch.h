// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/CodeString.h"
#include "text/KanjiFacts.h"
#include "text/KanjiRecord.h"

class JisTable;

// Finds kanji of the data set by what a learner knows of them: the character itself (pasted),
// a reading (romaji through the drills' converter, or kana), a word of the English meaning,
// or a stroke count. Built once per data set; each search scans tables made up front.
class KanjiSearch {
 public:
  enum class Key { kNothing, kCharacter, kReadingOrMeaning, kStrokes };

  struct Result {
    Key key = Key::kNothing;
    std::vector<std::int32_t> matches;  // positions in the data set
    CodeString reading;                 // the hiragana searched for, if any
    // Why a well-formed query could not be answered (no stroke counts); otherwise empty.
    std::string unavailable;
  };

  // facts are the kanji's facts in data-set order, or empty when there are none.
  KanjiSearch(const std::vector<KanjiRecord>& kanji, const std::vector<KanjiFacts>& facts,
              const JisTable& jis);

  // query is what the learner typed or pasted (UTF-16). Matches of a character query come in
  // the query's order; all others most frequent first, unranked kanji last.
  Result Find(std::u16string_view query) const;

 private:
  void FindCharacters(std::u16string_view query, Result& result) const;
  void FindStrokes(int strokes, Result& result) const;
  void FindReadingOrMeaning(std::u16string_view query, Result& result) const;
  // Orders matches by frequency rank, unranked last, then data-set order.
  void ByFrequency(std::vector<std::int32_t>& matches) const;

  const JisTable& jis_;
  std::vector<std::int32_t> positionOfCode_;           // by code; -1 for no kanji
  std::vector<std::vector<CodeString>> readings_;      // bare ON and KUN readings, hiragana
  std::vector<std::string> meanings_;                  // lower case
  std::vector<std::uint16_t> strokes_;                 // empty without facts
  std::vector<std::uint32_t> frequencyKey_;            // rank, unranked kanji last
};
