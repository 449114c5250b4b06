// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "study/ReviewRecord.h"
#include "study/UserProfile.h"
#include "text/KanjiCode.h"

// A learner's history of `count` rows in time order for the benchmarks and the paint probe:
// kanji introduced ten at a time in study-list order, then 40 to 240 cards a day (140 on average)
// over the ones introduced so far, ending at `end` (seconds since 1970), with a few days skipped and a mix of
// every outcome. The same arguments always give the same rows.
inline std::vector<ReviewRecord> SyntheticHistory(const std::vector<KanjiCode>& studyList,
                                                  std::size_t count, std::int64_t end) {
  std::vector<ReviewRecord> rows;
  if (studyList.empty()) return rows;
  rows.reserve(count);
  const std::int64_t days = static_cast<std::int64_t>(count / 140) + 1;
  std::int64_t time = end - days * 86400;
  std::uint32_t random = 12345;
  auto next = [&random] { return (random = random * 1103515245u + 12345u) >> 16; };
  std::size_t introduced = 0;
  std::vector<float> scores(studyList.size(), 50.0f);
  while (rows.size() < count) {
    // A new day: sometimes skipped, otherwise ten more kanji and a session.
    time += 86400;
    if (next() % 9 == 0) continue;
    for (int i = 0; i < 10 && introduced < studyList.size() && rows.size() < count; ++i) {
      ReviewRecord row;
      row.time = time;
      row.kanji = studyList[introduced];
      row.outcome = ReviewOutcome::Introduced;
      row.scoreBefore = row.scoreAfter = 50.0f;
      rows.push_back(row);
      ++introduced;
    }
    const std::size_t cards = 40 + next() % 201;
    for (std::size_t i = 0; i < cards && rows.size() < count; ++i) {
      const std::size_t which = next() % introduced;
      ReviewRecord row;
      row.time = time + static_cast<std::int64_t>(i) * 20;
      row.kanji = studyList[which];
      row.drill = next() % 4 == 0 ? ReviewDrill::FillIn : ReviewDrill::Readings;
      const std::uint32_t roll = next() % 10;
      row.outcome = roll < 6   ? ReviewOutcome::Complete
                    : roll < 7 ? ReviewOutcome::Reveal
                    : roll < 8 ? ReviewOutcome::Wrong
                    : roll < 9 ? ReviewOutcome::Right
                               : ReviewOutcome::AttemptsOut;
      row.wrongTries = static_cast<std::uint16_t>(roll < 4 ? 0 : next() % 3);
      row.scoreBefore = scores[which];
      const float card = roll < 6 ? 100.0f : 20.0f;
      scores[which] = (scores[which] * 3 + card) / 4;
      row.cardScore = card;
      row.scoreAfter = scores[which];
      rows.push_back(row);
    }
  }
  // Skipped days make the span longer than planned: the last card comes an hour before end.
  const std::int64_t shift = end - 3600 - rows.back().time;
  for (ReviewRecord& row : rows) row.time += shift;
  return rows;
}

// Makes profile what history leaves behind: the kanji it names active in the order they first
// appear, each with its last score, and a mastery level for each time its score crossed 90.
inline void ApplyHistory(UserProfile& profile, const std::vector<ReviewRecord>& history) {
  profile.activeList.clear();
  profile.activeSet.clear();
  for (KanjiProgress& entry : profile.progress) entry.active = false;
  for (const ReviewRecord& review : history) {
    std::int32_t index;
    if (!profile.FindProgressIndex(review.kanji, index)) continue;
    KanjiProgress& entry = profile.progress[static_cast<std::size_t>(index)];
    if (!entry.active) profile.activeList.push_back(index);
    entry.active = true;
    profile.activeSet.insert(review.kanji);
    if (review.scoreAfter >= 90 && review.scoreBefore < 90) ++entry.masteryLevel;
    entry.score = review.scoreAfter;
  }
}
