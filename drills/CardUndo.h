// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "text/KanjiCode.h"

class Drill;
class UserProfile;

// The learner's standing with a kanji as it was before a card's end was reported, so the card
// can be taken back as if it had never happened. One step only: a newer card replaces it.
struct CardSnapshot {
  const Drill* drill = nullptr;  // the drill the card was shown in
  KanjiCode kanji = 0;
  float score = 0.0f;
  std::int16_t masteryLevel = 0;
  std::int16_t lastPickPosition = 0;      // selection avoids it next; the card is shown again
  std::vector<std::int64_t> historyRows;  // rows recorded for the kanji since, to take back
};

// The last finished card of the run, shared by both drills.
class CardUndo {
 public:
  // Keeps kanji's standing in profile before drill reports the end of a card.
  void Take(const Drill& drill, const UserProfile& profile, KanjiCode kanji);
  // A history row recorded for kanji: kept with the snapshot when it is that kanji's, since
  // taking the card back restores whatever the row records (a level drop after the card too).
  void AddHistoryRow(KanjiCode kanji, std::int64_t id);
  // Whether there is a card to take back, and from which drill.
  bool Available() const { return snapshot_.has_value(); }
  const Drill* drill() const { return snapshot_ ? snapshot_->drill : nullptr; }
  // Puts the kept standing back into profile (that kanji alone) and hands the snapshot over,
  // leaving nothing to take back. Empty when there was nothing.
  std::optional<CardSnapshot> Restore(UserProfile& profile);
  void Forget() { snapshot_.reset(); }

 private:
  std::optional<CardSnapshot> snapshot_;
};
