// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "text/KanjiCode.h"

// Japanese text inside the builder: a run of JIS X 0208 codes, the units the program itself
// holds. A std::u16string gives the builder cheap slicing, hashing and comparison.
using JisString = std::u16string;

// Kana rules of the builder. Hiragana is row 4, katakana row 5 (hiragana + 0x100).
namespace kana {

inline constexpr KanjiCode kLastHiragana = 0x2473;  // ん: the last kana the converter types
inline constexpr KanjiCode kLastKatakana = 0x2576;  // ヶ
inline constexpr KanjiCode kSmallKe = 0x2576;       // ヶ, read か, が or こ inside a word
inline constexpr KanjiCode kSmallKa = 0x2575;       // ヵ, the same counter mark
inline constexpr KanjiCode kRepeat = 0x2139;        // 々, repeats the previous kanji

inline bool IsHiragana(KanjiCode c) {
  return c >= jis::kFirstHiragana && c <= kLastHiragana;
}
inline bool IsKatakana(KanjiCode c) {
  return c >= jis::kFirstKatakana && c <= kLastKatakana;
}
inline bool IsKana(KanjiCode c) {
  return IsHiragana(c) || IsKatakana(c) || c == jis::kProlongedSound;
}

// Katakana with a hiragana twin becomes that hiragana; everything else stays.
inline KanjiCode Hiragana(KanjiCode c) {
  return c >= jis::kFirstKatakana && c <= kLastHiragana + jis::kKatakanaOffset
             ? static_cast<KanjiCode>(c - jis::kKatakanaOffset)
             : c;
}
inline KanjiCode Katakana(KanjiCode c) {
  return IsHiragana(c) ? static_cast<KanjiCode>(c + jis::kKatakanaOffset) : c;
}

inline JisString ToHiragana(JisString s) {
  for (auto& c : s) c = Hiragana(c);
  return s;
}
inline JisString ToKatakana(JisString s) {
  for (auto& c : s) c = Katakana(c);
  return s;
}

// What a learner can type as an answer: hiragana the romaji converter produces, 1 to 6 kana.
inline bool IsTypeable(const JisString& s) {
  if (s.empty() || s.size() > 6) return false;
  for (KanjiCode c : s) {
    if (!IsHiragana(c)) return false;
  }
  return true;
}

}  // namespace kana
