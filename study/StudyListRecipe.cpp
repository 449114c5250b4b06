// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/StudyListRecipe.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr std::uint32_t kLast = 0xFFFFFFFF;

bool Picked(const StudyListRecipe& r, const KanjiFacts& k) {
  if (r.byGrade && (k.grade == 0 || k.grade < r.gradeLow || k.grade > r.gradeHigh)) return false;
  if (r.byJlpt && (k.jlpt == 0 || (r.jlptLevels & (1u << k.jlpt)) == 0)) return false;
  if (r.byFrequency && (k.frequency == 0 || k.frequency > r.frequencyTop)) return false;
  if (r.byStrokes && (k.strokes == 0 || k.strokes < r.strokesLow || k.strokes > r.strokesHigh)) {
    return false;
  }
  return true;
}

// The sort key of one order: smaller first, unknown values last.
std::uint32_t Key(StudyListRecipe::Order order, const KanjiFacts& k,
                  const std::vector<std::uint32_t>& listPosition) {
  const auto knownOrLast = [](unsigned value) { return value == 0 ? kLast : value; };
  switch (order) {
    case StudyListRecipe::Order::kListOrder: return listPosition[k.code];
    case StudyListRecipe::Order::kFrequency: return knownOrLast(k.frequency);
    case StudyListRecipe::Order::kStrokes: return knownOrLast(k.strokes);
    case StudyListRecipe::Order::kGrade: return knownOrLast(k.grade);
    // Level 4 is the easiest, so it comes first.
    case StudyListRecipe::Order::kJlpt: return k.jlpt == 0 ? kLast : 5u - k.jlpt;
  }
  return kLast;
}

struct Keyed {
  std::uint32_t first, second, frequency, position;
  KanjiCode code;
  friend bool operator<(const Keyed& a, const Keyed& b) {
    if (a.first != b.first) return a.first < b.first;
    if (a.second != b.second) return a.second < b.second;
    if (a.frequency != b.frequency) return a.frequency < b.frequency;
    return a.position < b.position;
  }
};

}  // namespace

std::vector<KanjiCode> ComposeStudyList(const StudyListRecipe& recipe,
                                        const std::vector<KanjiFacts>& dataSet,
                                        const std::vector<KanjiCode>& currentList) {
  std::vector<std::uint32_t> listPosition;
  if (recipe.order == StudyListRecipe::Order::kListOrder ||
      recipe.thenBy == StudyListRecipe::Order::kListOrder) {
    listPosition.assign(0x10000, kLast);
    for (std::size_t i = currentList.size(); i-- > 0;) {
      listPosition[currentList[i]] = static_cast<std::uint32_t>(i);
    }
  }
  std::vector<Keyed> keyed;
  keyed.reserve(dataSet.size());
  for (std::size_t i = 0; i < dataSet.size(); ++i) {
    const KanjiFacts& k = dataSet[i];
    if (!Picked(recipe, k)) continue;
    keyed.push_back({Key(recipe.order, k, listPosition), Key(recipe.thenBy, k, listPosition),
                     k.frequency == 0 ? kLast : k.frequency, static_cast<std::uint32_t>(i),
                     k.code});
  }
  std::sort(keyed.begin(), keyed.end());
  std::vector<KanjiCode> list;
  list.reserve(keyed.size());
  for (const Keyed& k : keyed) list.push_back(k.code);
  return list;
}
