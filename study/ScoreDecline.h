// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "study/KanjiProgress.h"
#include "study/StudySettings.h"

// Whole days from lastDeclineTime to now (seconds since 1970); 0 when the stored time is not
// in the past. Saturates at 65535 rather than wrapping.
std::uint16_t ElapsedDeclineDays(std::int64_t lastDeclineTime, std::int64_t now);

// The days over which a kanji of this mastery level declines by the baseline. A negative
// level (only from a hand-edited file) counts as level 0.
std::uint16_t DaysUntilBaselined(const StudySettings& settings, std::int16_t masteryLevel);

// Lowers an active record's score above the baseline by the days elapsed, never below the
// baseline. The mastery level is left alone.
void ApplyScoreDecline(KanjiProgress& record, std::uint16_t days, const StudySettings& settings);
