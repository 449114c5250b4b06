// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/CharacterTable.h"
#include "tools/Edict.h"
#include "tools/ReadingAligner.h"

// One example word as the examples file writes it.
struct Example {
  JisString word;
  JisString field;  // the reading field: parts joined by ／, or ＊ and the whole reading
  std::string meaning;
  std::uint32_t weight = 0;
  AlignmentClass type = AlignmentClass::kIrregular;
  bool common = false;
};

// The outcome of the selection, with the figures the report shows.
struct ExampleSelection {
  std::vector<Example> examples;  // largest weight first
  int commonWords = 0;            // distinct (P) words with a kanji
  int commonAligned = 0;          // of them, aligned without ＆ or ＊
  // Per kanji code: how many usable edict words hold it (the selection can do no better).
  std::vector<int> availableWords = std::vector<int>(0x10000, 0);
  int readings = 0;             // ON and KUN readings of the data set
  int readingsWithExample = 0;  // of them, listed with at least one example word
  int readingsEdictLacks = 0;   // of the rest, readings no usable edict word shows
};

inline constexpr int kWantedExamplesPerKanji = 10;

// The weight of a word: common words first, words usually written in kana last; within a
// class shorter words and words with more senses (signs of everyday use) come first.
std::uint32_t ExampleWeight(bool common, bool usuallyKana, std::size_t length, int senses);

// Picks the example words: every common word that holds a kanji, then for each kanji with
// fewer than kWantedExamplesPerKanji further words by weight and regular alignment until it
// has enough, then for each reading of a kanji that no chosen word shows the best word that
// does, so the Readings drill has an example under every reading edict can illustrate. Words
// with characters outside the table, readings that are not kana, and repeated word-reading
// pairs are left out.
ExampleSelection SelectExamples(const std::vector<EdictEntry>& entries,
                                const std::vector<KanjiEntry>& kanji, const ReadingAligner& aligner,
                                const CharacterTable& table,
                                const std::function<void(double)>& progress);
