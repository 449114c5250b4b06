// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "text/KanjiFacts.h"

// Which kanji a composed study list holds and in which order. Every criterion that is switched
// on must hold; with none switched on the list holds every kanji of the data set.
struct StudyListRecipe {
  enum class Order { kListOrder, kFrequency, kStrokes, kGrade, kJlpt };

  bool byGrade = false;
  int gradeLow = 1;  // grade digits: 1-6 school, 8 secondary school, 9 jinmeiyou
  int gradeHigh = 6;
  bool byJlpt = false;
  unsigned jlptLevels = 0;  // bit n set: level n (1 to 4) is wanted
  bool byFrequency = false;
  int frequencyTop = 500;  // ranks 1..frequencyTop; unranked kanji are left out
  bool byStrokes = false;
  int strokesLow = 1;
  int strokesHigh = 10;

  Order order = Order::kGrade;
  // A second key for kanji the first leaves tied; frequency always decides after both.
  Order thenBy = Order::kFrequency;
};

// The kanji of dataSet (facts in data-set order) that recipe picks, in its order. Ties left by
// the order keys go to the more frequent kanji, unranked kanji last, then data-set order. Kanji
// without a value for a key (no grade, no JLPT level, no stroke count) come after those with
// one. kListOrder follows currentList (first occurrence), kanji not on it after.
std::vector<KanjiCode> ComposeStudyList(const StudyListRecipe& recipe,
                                        const std::vector<KanjiFacts>& dataSet,
                                        const std::vector<KanjiCode>& currentList);
