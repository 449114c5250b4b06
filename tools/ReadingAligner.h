// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <memory>
#include <vector>

#include "tools/JisString.h"
#include "tools/KanjiEntry.h"

// How well a word's reading splits into one part per character.
enum class AlignmentClass {
  kAligned,    // every kanji read with one of its own readings (sound changes allowed)
  kSpecial,    // one kanji's part matches none of its readings: that part starts with ＆
  kIrregular,  // no split per character: ＊ and the whole reading
};

struct Alignment {
  AlignmentClass type = AlignmentClass::kIrregular;
  std::vector<JisString> parts;  // one per character of the word, marks in; empty if irregular
  JisString field;               // the examples file's reading field
};

// Splits the kana reading of a word into one part per character, using the kanji's own ON
// and KUN readings and the sound changes of compounds (rendaku, gemination, 々, ヶ). Where the
// sound differs from the kanji's reading, the part holds the sound and the reading in
// parentheses, so the program finds the word under that reading.
class ReadingAligner {
 public:
  explicit ReadingAligner(const std::vector<KanjiEntry>& kanji);
  ~ReadingAligner();
  ReadingAligner(const ReadingAligner&) = delete;
  ReadingAligner& operator=(const ReadingAligner&) = delete;

  bool IsKanji(KanjiCode code) const;
  Alignment Align(const JisString& word, const JisString& reading) const;

 private:
  struct Tables;
  std::unique_ptr<Tables> tables_;
};

// The field text with the ON/KUN marks ＜ and ＞ taken out: what a person checks by hand.
JisString WithoutKindMarks(const JisString& field);
