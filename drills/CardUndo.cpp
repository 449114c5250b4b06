// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/CardUndo.h"

#include "study/UserProfile.h"

void CardUndo::Take(const Drill& drill, const UserProfile& profile, KanjiCode kanji) {
  const KanjiProgress* entry = profile.FindProgress(kanji);
  if (entry == nullptr) return;
  // Card ends change the score and the level only; the kanji stays active.
  snapshot_ = CardSnapshot{&drill, kanji, entry->score, entry->masteryLevel,
                           profile.lastPickPosition, {}};
}

void CardUndo::AddHistoryRow(KanjiCode kanji, std::int64_t id) {
  if (snapshot_ && snapshot_->kanji == kanji && id > 0) snapshot_->historyRows.push_back(id);
}

std::optional<CardSnapshot> CardUndo::Restore(UserProfile& profile) {
  std::optional<CardSnapshot> taken;
  taken.swap(snapshot_);
  if (!taken) return taken;
  // Looked up again: the entry is found by code, whatever happened to the profile since.
  if (KanjiProgress* entry = profile.FindProgress(taken->kanji)) {
    entry->score = taken->score;
    entry->masteryLevel = taken->masteryLevel;
  }
  profile.lastPickPosition = taken->lastPickPosition;
  return taken;
}
