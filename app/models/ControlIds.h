// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Ids of the controls of the two settings dialogs. The dialog models name their fields after the
// settings; these ids are what the Qt layer tags its widgets with (objectName "id1009", ...), so
// that the controls can be found by the same numbers the dialog templates use.
namespace ControlId {
// Both dialogs.
inline constexpr int kOk = 1;
inline constexpr int kCancel = 2;

// Options.
inline constexpr int kScoreBaseline = 1009;
inline constexpr int kMasteryThreshold = 1010;
inline constexpr int kScoreInertia = 1011;
inline constexpr int kSelectionDistribution = 1012;
inline constexpr int kUseScoreDecline = 1013;
inline constexpr int kUseAutoIntroduce = 1014;
inline constexpr int kIntroduceCount = 1015;
inline constexpr int kAutoIntroduceThreshold = 1016;
inline constexpr int kAllowUnlimitedGuesses = 1017;
inline constexpr int kKeepMasteredInReadings = 1018;
inline constexpr int kKeepMasteredInFillIn = 1019;
inline constexpr int kMeaningsStayRevealed = 1020;
inline constexpr int kMasteryJumpsTo100 = 1021;
inline constexpr int kDrillAffectsMasteryScore = 1022;
inline constexpr int kReadingTypeOn = 1023;
inline constexpr int kReadingTypeKun = 1024;
inline constexpr int kReadingTypeAll = 1025;
inline constexpr int kSchedule = 1026;
inline constexpr int kRevealDropsMasteryLevel = 1027;
inline constexpr int kFillInOnlyMastered = 1028;
inline constexpr int kReverseSpaceEnter = 1029;
inline constexpr int kRevealMeaningsOnComplete = 1030;

// Score Decline Schedule. The two templates were numbered separately, so some ids repeat.
inline constexpr int kScheduleList = 1027;
inline constexpr int kScheduleDays = 1028;
inline constexpr int kRemoveLast = 1029;
inline constexpr int kLevelLabel = 1030;
inline constexpr int kApply = 1031;
inline constexpr int kAddNext = 1032;
inline constexpr int kDaysHigherLevels = 1033;
}  // namespace ControlId
