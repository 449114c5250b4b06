// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

// What the Options dialog's controls hold: the number fields as their text and the check boxes
// and radio buttons as their check states. The comments give the control ids.
struct OptionsFields {
  std::string scoreBaseline;           // 1009
  std::string masteryThreshold;        // 1010
  std::string scoreInertia;            // 1011
  std::string selectionDistribution;   // 1012
  std::string autoIntroduceThreshold;  // 1016
  std::string introduceCount;          // 1015

  bool useScoreDecline = false;           // 1013
  bool masteryJumpsTo100 = false;         // 1021
  bool meaningsStayRevealed = false;      // 1020
  bool revealMeaningsOnComplete = false;  // 1030
  bool useAutoIntroduce = false;          // 1014
  bool reverseSpaceEnter = false;         // 1029
  bool allowUnlimitedGuesses = false;     // 1017
  bool keepMasteredInReadings = false;    // 1018
  bool revealDropsMasteryLevel = false;   // 1027
  bool drillAffectsMasteryScore = false;  // 1022: the negation of fillInNoMasteryEffect
  bool fillInOnlyMastered = false;        // 1028
  bool keepMasteredInFillIn = false;      // 1019
  bool keepMasteredInFillInEnabled = true;

  // The Fill-in drill's reading type; one of them is checked after opening.
  bool readingTypeAll = false;  // 1025
  bool readingTypeOn = false;   // 1023
  bool readingTypeKun = false;  // 1024
};
