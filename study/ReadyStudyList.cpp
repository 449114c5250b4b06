// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ReadyStudyList.h"

namespace {

using Order = StudyListRecipe::Order;

StudyListRecipe Recipe(Order order, Order thenBy) {
  StudyListRecipe recipe;
  recipe.order = order;
  recipe.thenBy = thenBy;
  return recipe;
}

std::vector<ReadyStudyList> MakeReadyLists() {
  StudyListRecipe grade = Recipe(Order::kGrade, Order::kFrequency);
  grade.byGrade = true;
  grade.gradeLow = 1;
  grade.gradeHigh = 9;
  StudyListRecipe frequency = Recipe(Order::kFrequency, Order::kFrequency);
  frequency.byFrequency = true;
  frequency.frequencyTop = 0xFFFF;
  StudyListRecipe jlpt = Recipe(Order::kJlpt, Order::kFrequency);
  jlpt.byJlpt = true;
  jlpt.jlptLevels = 0b11110;
  const StudyListRecipe strokes = Recipe(Order::kStrokes, Order::kFrequency);
  // Jouyou: the school grades and the secondary-school grade 8 (there is no grade 7).
  StudyListRecipe joyo = Recipe(Order::kGrade, Order::kStrokes);
  joyo.byGrade = true;
  joyo.gradeLow = 1;
  joyo.gradeHigh = 8;
  return {
      {"grade.vls", "School grade, then frequency (the default)", grade},
      {"frequency.vls", "Frequency rank", frequency},
      {"jlpt.vls", "JLPT level 4 first, then frequency", jlpt},
      {"strokes.vls", "Stroke count, then frequency", strokes},
      {"joyo.vls", "Every jōyō kanji, by grade, then strokes", joyo},
  };
}

}  // namespace

const std::vector<ReadyStudyList>& ReadyStudyLists() {
  // Built once, read-only afterwards: a constant table, not state.
  static const std::vector<ReadyStudyList> lists = MakeReadyLists();
  return lists;
}
