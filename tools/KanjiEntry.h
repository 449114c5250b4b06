// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "tools/JisString.h"
#include "tools/Kanjidic.h"

// One reading as "kanji_data.dat" writes it, with the bare form the program derives from it.
struct Reading {
  JisString written;  // marks in: ― position mark, （okurigana）
  JisString bare;     // the kana stem the learner types
  // The okurigana of every kanjidic reading merged into this one (上: あ.がる, あ.げる, ...),
  // which the example aligner needs although the file shows only one of them.
  std::vector<JisString> okurigana;
  // Whether one of the merged readings has no okurigana: the stem is a word of its own.
  bool standsAlone = false;
};

// One kanji of the data set, with the rules applied that keep every card winnable.
struct KanjiEntry {
  KanjiCode code = 0;
  int grade = 0;             // the file's digit: 1-6, 8 jouyou, 9 jinmeiyou, 0 other
  int frequency = 0;         // 0 unranked
  int strokes = 0;           // 0 unknown
  int jlpt = 0;              // old level 4 to 1, 0 none
  int radical = 0;           // classical radical number, 0 unknown
  std::vector<Reading> on;   // katakana
  std::vector<Reading> kun;  // hiragana
  std::string meaning;       // Latin-1
};

// kanjidic's grade as the file's digit: G1-G6 as is, G8 as 8, G9 and G10 as 9, none as 0.
int GradeDigit(int kanjidicGrade);

// kanjidic's reading marks as the data file writes them: "." opens the okurigana in
// parentheses (た.べる → た（べる）), "-" becomes the position mark ― at the same end.
JisString WrittenReading(const JisString& kanjidicReading);

// The bare form the program's loader derives from a written reading: the stem after a leading
// position mark, up to an okurigana parenthesis, a position mark or an ideographic space.
JisString BareReading(const JisString& written);

// Applies the data set's rules to one kanjidic entry: KUN readings that are only an ON reading
// plus する, ずる or じる are dropped; readings a learner cannot type are dropped; readings of
// one kind that share a bare form are merged into the most informative written form.
KanjiEntry MakeKanjiEntry(const KanjidicEntry& source);

// What the rules removed, for the report.
struct ReadingRuleCounts {
  int suruNoise = 0;
  int untypeable = 0;
  int merged = 0;
};
KanjiEntry MakeKanjiEntry(const KanjidicEntry& source, ReadingRuleCounts& counts);
