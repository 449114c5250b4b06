// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <vector>

#include "study/StudyDays.h"

// A calendar of study days: one column per week (Monday on top), one square per day, darker
// for more cards, with the months above. Resting the pointer on a day tells its cards.
class StudyHeatMap : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWeeks = 53;

  explicit StudyHeatMap(QWidget* parent = nullptr);

  // Every day from a Monday to today, oldest first (the model's LastDays).
  void SetDays(std::vector<DayTotals> days);
  // The first day of a heat map that ends with today.
  static std::int32_t FirstDayFor(std::int32_t today);

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  QRect DayRect(std::size_t index) const;
  QColor ColourOf(std::uint32_t cards) const;

  std::vector<DayTotals> days_;
  std::uint32_t busiest_ = 0;
};
