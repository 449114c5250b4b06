// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SystemTimeZone.h"

#include <QDateTime>
#include <QTimeZone>
#include <vector>

LocalTimeZone SystemTimeZone(std::int64_t from, std::int64_t to) {
  const QTimeZone zone = QTimeZone::systemTimeZone();
  const QDateTime start = QDateTime::fromSecsSinceEpoch(from, Qt::UTC);
  std::vector<UtcOffsetChange> changes{{from, zone.offsetFromUtc(start)}};
  if (zone.hasTransitions()) {
    const QDateTime end = QDateTime::fromSecsSinceEpoch(to, Qt::UTC);
    for (const QTimeZone::OffsetData& change : zone.transitions(start, end)) {
      changes.push_back({change.atUtc.toSecsSinceEpoch(), change.offsetFromUtc});
    }
  } else {
    // Without a table of changes, the offset of today is the best guess for the whole span.
    changes.push_back({to, zone.offsetFromUtc(QDateTime::fromSecsSinceEpoch(to, Qt::UTC))});
    changes.front().offset = changes.back().offset;
  }
  return LocalTimeZone(std::move(changes));
}
