// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ScoreDecline.h"

#include <cmath>

std::uint16_t ElapsedDeclineDays(std::int64_t lastDeclineTime, std::int64_t now) {
  if (lastDeclineTime >= now) return 0;
  // In double so that any two 64-bit times give a finite, non-negative count.
  const double days =
      (static_cast<double>(now) - static_cast<double>(lastDeclineTime)) * (1.0 / 86400.0);
  if (days >= 65535.0) return 65535;
  return static_cast<std::uint16_t>(days);
}

std::uint16_t DaysUntilBaselined(const StudySettings& settings, std::int16_t masteryLevel) {
  const std::size_t level = masteryLevel < 0 ? 0 : static_cast<std::size_t>(masteryLevel);
  if (level < settings.declineSchedule.size()) return settings.declineSchedule[level];
  return settings.declineDaysHigherLevels;
}

void ApplyScoreDecline(KanjiProgress& record, std::uint16_t days, const StudySettings& settings) {
  if (!settings.useScoreDecline || days == 0 || !record.active) return;
  if (!(record.score > settings.scoreBaseline)) return;
  const std::uint16_t daysUntilBaselined = DaysUntilBaselined(settings, record.masteryLevel);
  // A schedule entry of 0 days (hand-edited file) means "baselined at once" instead of a
  // division by zero.
  if (daysUntilBaselined == 0) {
    record.score = settings.scoreBaseline;
    return;
  }
  const double declined = static_cast<double>(record.score) -
                          settings.scoreBaseline * (static_cast<double>(days) / daysUntilBaselined);
  record.score = static_cast<float>(declined);
  if (record.score < settings.scoreBaseline) record.score = settings.scoreBaseline;
}
