// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/System.h"
#include "study/RandomGenerator.h"
#include "study/UserProfile.h"

namespace {

// The factor that turns a draw into a fraction of the total, as a 32-bit float.
constexpr float kDrawScale = 1.0f / 32767.0f;

// Draws after which selection checks whether any draw can still give an allowed position. In
// normal use a redraw is rare, so the check never runs.
constexpr int kDrawsBeforeCheck = 64;

float Target(int draw, float total) {
  return static_cast<float>(draw) * kDrawScale * total;
}

// The position a target gives: the first at which the running sum reaches it; -1 when none
// does. sums holds the running sums, walked as the weights are added.
int PositionFor(float target, const std::vector<float>& sums) {
  for (std::size_t j = 0; j < sums.size(); ++j) {
    if (sums[j] >= target) return static_cast<int>(j);
  }
  return -1;
}

// Whether any of the 32768 draws gives a position other than forbidden. The first position
// whose sum reaches a target is the first whose running maximum of sums reaches it, and that
// maximum only grows, so each draw is a binary search.
bool AnyDrawAllowed(const std::vector<float>& sums, float total, int forbidden) {
  std::vector<float> highest(sums.size());
  float best = -INFINITY;
  for (std::size_t j = 0; j < sums.size(); ++j) {
    if (sums[j] > best) best = sums[j];  // a NaN sum never reaches a target
    highest[j] = best;
  }
  for (int draw = 0; draw <= RandomGenerator::kMax; ++draw) {
    const float target = Target(draw, total);
    if (std::isnan(target)) continue;
    const auto found = std::lower_bound(highest.begin(), highest.end(), target);
    if (found != highest.end() && found - highest.begin() != forbidden) return true;
  }
  return false;
}

}  // namespace

KanjiCode UserProfile::SelectNextKanji(bool onlyMastered, bool keepMastered) {
  // 1. Nothing active yet: introduce. When the study list has nothing to give at all, the
  // learner hears why once, and the drills get 0 (no card).
  if (activeList.empty()) {
    bool anyToIntroduce = false;
    for (const KanjiCode code : studyList) {
      if (FindProgress(code) != nullptr) {
        anyToIntroduce = true;
        break;
      }
    }
    if (anyToIntroduce) IntroduceKanji(false);
  }
  // 2.
  if (settings.useAutoIntroduce) CheckAutoIntroduce();
  if (activeList.empty()) {
    if (!noKanjiReported_) {
      noKanjiReported_ = true;
      system_.ShowMessage("There are no kanji to study: none of the kanji on the study list (\"" +
                              std::string(kStudyListFileName) + "\") is in the kanji data.",
                          "Veltrane", mainWindow);
    }
    return 0;
  }
  // 3.
  if (activeList.size() == 1) return progress[static_cast<std::size_t>(activeList[0])].code;

  // 4. and 5. Candidates.
  std::vector<std::int32_t> candidates;
  candidates.reserve(activeList.size());
  for (const std::int32_t index : activeList) {
    const bool mastered = IsMastered(progress[static_cast<std::size_t>(index)].score);
    if (onlyMastered ? mastered : (keepMastered || !mastered)) candidates.push_back(index);
  }
  if (candidates.empty()) candidates = activeList;
  // 6.
  if (candidates.size() == 1) return progress[static_cast<std::size_t>(candidates[0])].code;

  // 7. Weights, as 32-bit floats added into a 32-bit total; the running sums of the walk are
  // the same for every draw, so they are kept beside.
  const double p = settings.selectionDistribution;
  const double top = std::pow(100.0, p);
  std::vector<float> sums(candidates.size());
  float total = 0.0f;
  for (std::size_t j = 0; j < candidates.size(); ++j) {
    const double powered = std::pow(progress[static_cast<std::size_t>(candidates[j])].score, p);
    const float weight = static_cast<float>(powered >= 1.0 ? top / powered : top);
    total += weight;
    sums[j] = total;
  }

  // 8. to 10. Draw until the walk gives a position other than the previous one. Odd weights
  // (scores far outside 0..100, extreme exponents) can leave no draw that does; after a few
  // failed draws that is checked once, and if so a draw picks evenly among the other
  // positions instead of looping for ever.
  int chosen = -1;
  for (int draws = 1;; ++draws) {
    const int draw = random_.Next();
    const int position = PositionFor(Target(draw, total), sums);
    if (position >= 0 && position != lastPickPosition) {
      chosen = position;
      break;
    }
    if (draws == kDrawsBeforeCheck && !AnyDrawAllowed(sums, total, lastPickPosition)) {
      const int others = static_cast<int>(candidates.size()) - 1;
      const bool forbiddenInRange = lastPickPosition >= 0 && lastPickPosition <= others;
      chosen = random_.Next() % (forbiddenInRange ? others : others + 1);
      if (forbiddenInRange && chosen >= lastPickPosition) ++chosen;
      break;
    }
  }
  // 11.
  lastPickPosition = static_cast<std::int16_t>(chosen);
  return progress[static_cast<std::size_t>(candidates[static_cast<std::size_t>(chosen)])].code;
}
