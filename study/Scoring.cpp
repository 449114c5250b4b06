// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>

#include "study/UserProfile.h"

namespace {

// A held promotion key can call this thousands of times; the level stops at the top of its type
// instead of wrapping to a negative level.
void RaiseLevel(KanjiProgress& entry) {
  if (entry.masteryLevel < std::numeric_limits<std::int16_t>::max()) ++entry.masteryLevel;
}

void LowerLevel(KanjiProgress& entry) {
  if (entry.masteryLevel > 0) --entry.masteryLevel;
}

}  // namespace

bool UserProfile::IsMastered(float score) const {
  return score >= settings.masteryThreshold;
}

void UserProfile::RecordCardResult(KanjiCode code, std::int16_t result) {
  KanjiProgress* entry = FindProgress(code);
  if (entry == nullptr) return;
  // An inertia of 0 (hand-edited file) would divide by zero; one slot means the card result
  // simply becomes the score.
  const double n = settings.scoreInertia == 0 ? 1.0 : settings.scoreInertia;
  const double old = entry->score;
  const bool wasMastered = old >= settings.masteryThreshold;
  const double updated = old * (n - 1) / n + result / n;
  entry->score = static_cast<float>(updated);
  // The comparisons use the value before its rounding to 32 bits: 89.99999999 is not mastered
  // even though it rounds to 90.0f.
  if (wasMastered) {
    if (updated < settings.masteryThreshold) LowerLevel(*entry);
  } else if (updated >= settings.masteryThreshold) {
    RaiseLevel(*entry);
    if (settings.masteryJumpsTo100) entry->score = 100.0f;
  }
}

void UserProfile::RecordRevealedCard(KanjiCode code, std::int16_t result) {
  KanjiProgress* entry = FindProgress(code);
  if (entry == nullptr) return;
  const bool wasMastered = IsMastered(entry->score);
  RecordCardResult(code, result);
  const bool isMastered = IsMastered(entry->score);
  // When the result itself took the kanji out of mastery it has already lost its level.
  if (settings.revealDropsMasteryLevel && (!wasMastered || isMastered)) LowerLevel(*entry);
}

void UserProfile::AdjustScore(KanjiCode code, float delta) {
  KanjiProgress* entry = FindProgress(code);
  if (entry == nullptr) return;
  const bool wasMastered = IsMastered(entry->score);
  float score = entry->score + delta;
  if (std::isnan(score)) return;  // never store a score that is not a number
  if (score > 100.0f) score = 100.0f;
  if (score < 0.0f) score = 0.0f;
  entry->score = score;
  if (wasMastered) {
    if (!IsMastered(entry->score)) LowerLevel(*entry);
  } else if (IsMastered(entry->score)) {
    RaiseLevel(*entry);
    if (settings.masteryJumpsTo100) entry->score = 100.0f;
  }
}

void UserProfile::PromoteKanji(KanjiCode code) {
  KanjiProgress* entry = FindProgress(code);
  if (entry == nullptr) return;
  RaiseLevel(*entry);
  if (settings.masteryJumpsTo100) {
    entry->score = 100.0f;
  } else if (entry->score <= settings.masteryThreshold) {
    entry->score = settings.masteryThreshold;
  }
}

void UserProfile::DecreaseMasteryLevel(KanjiCode code) {
  KanjiProgress* entry = FindProgress(code);
  if (entry != nullptr) LowerLevel(*entry);
}

std::uint16_t UserProfile::PercentMastered() const {
  if (activeList.empty()) return 0;
  std::size_t mastered = 0;
  for (const std::int32_t index : activeList) {
    if (IsMastered(progress[static_cast<std::size_t>(index)].score)) ++mastered;
  }
  return static_cast<std::uint16_t>(static_cast<double>(mastered) * 100.0 /
                                    static_cast<double>(activeList.size()));
}
