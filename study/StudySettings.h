// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

// The learner's options, saved in the profile. The initial values are those of a new profile.
// Values read from a profile file are taken as they stand; the operations that use a value
// guard against the few that could make them fail (see study/README.md).
struct StudySettings {
  std::uint16_t scoreBaseline = 50;     // percent: score of a newly introduced kanji
  std::uint16_t masteryThreshold = 90;  // percent: at or above it a kanji is mastered
  std::uint16_t scoreInertia = 4;       // slots of the weighted average of card results
  float selectionDistribution = 4.5f;   // exponent of the selection weights
  bool useScoreDecline = true;
  // Days until baselined, one entry per mastery level from level 0.
  std::vector<std::uint16_t> declineSchedule = DefaultDeclineSchedule();
  std::uint16_t declineDaysHigherLevels = 360;  // for levels without a schedule entry
  std::uint16_t introduceCount = 10;
  bool useAutoIntroduce = true;
  std::uint16_t autoIntroduceThreshold = 75;  // percent mastered
  bool reverseSpaceEnter = false;
  bool allowUnlimitedGuesses = false;
  bool keepMasteredInReadings = false;
  bool meaningsStayRevealed = false;
  bool revealMeaningsOnComplete = true;
  bool masteryJumpsTo100 = true;
  bool revealDropsMasteryLevel = true;
  bool keepMasteredInFillIn = true;
  bool fillInOnlyMastered = false;
  bool fillInNoMasteryEffect = false;
  std::int16_t fillInReadingType = 0;  // -1 ON readings only, 0 all, 1 KUN readings only

  static std::vector<std::uint16_t> DefaultDeclineSchedule() {
    return {8, 14, 24, 40, 60, 120, 240, 360};
  }
};
