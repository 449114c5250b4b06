// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string_view>

#include "text/KanjiCode.h"

// Which drill a recorded card came from.
enum class ReviewDrill : std::uint8_t { Readings, FillIn };

// How a recorded event ended. Every way a card can end maps to one value; introductions and
// Decrease Mastery Level are recorded as events of their own.
enum class ReviewOutcome : std::uint8_t {
  Complete,     // Readings: every reading found
  Reveal,       // Readings: the learner revealed the rest
  Study,        // Readings: the learner asked to study the card
  Mastered,     // either drill: marked mastered by hand
  AttemptsOut,  // Readings: no attempts left
  Right,        // Fill-in: the right reading
  Wrong,        // Fill-in: attempts used up or revealed
  Introduced,   // the kanji entered the rotation
  LevelDown,    // Kanji > Decrease Mastery Level
};

// One row of the learner's history: what happened to one kanji at one moment.
struct ReviewRecord {
  std::int64_t time = 0;  // seconds since 1970, UTC
  KanjiCode kanji = 0;
  ReviewDrill drill = ReviewDrill::Readings;
  ReviewOutcome outcome = ReviewOutcome::Complete;
  float cardScore = 0.0f;  // the card's own result, percent
  float scoreBefore = 0.0f;
  float scoreAfter = 0.0f;
  std::int16_t levelBefore = 0;
  std::int16_t levelAfter = 0;
  std::uint16_t attemptsUsed = 0;
  std::uint16_t wrongTries = 0;
};

// The names stored in the history database; they never change once written.
constexpr std::string_view ReviewDrillName(ReviewDrill drill) {
  return drill == ReviewDrill::Readings ? "readings" : "fill-in";
}

constexpr std::string_view ReviewOutcomeName(ReviewOutcome outcome) {
  switch (outcome) {
    case ReviewOutcome::Complete: return "complete";
    case ReviewOutcome::Reveal: return "reveal";
    case ReviewOutcome::Study: return "study";
    case ReviewOutcome::Mastered: return "mastered";
    case ReviewOutcome::AttemptsOut: return "attempts-out";
    case ReviewOutcome::Right: return "right";
    case ReviewOutcome::Wrong: return "wrong";
    case ReviewOutcome::Introduced: return "introduced";
    case ReviewOutcome::LevelDown: return "level-down";
  }
  return "complete";
}
