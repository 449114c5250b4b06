// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StudyHeatMap.h"

#include <QDate>
#include <QHelpEvent>
#include <QLocale>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "study/LocalTimeZone.h"

namespace {

constexpr int kCell = 13;
constexpr int kStep = 15;
constexpr int kLeft = 30;  // room for the weekday names
constexpr int kTop = 16;   // room for the month names

QDate DateOf(std::int32_t day) {
  return QDate(1970, 1, 1).addDays(day);
}

}  // namespace

StudyHeatMap::StudyHeatMap(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  setMouseTracking(true);
}

std::int32_t StudyHeatMap::FirstDayFor(std::int32_t today) {
  return WeekStartOf(today) - (kWeeks - 1) * 7;
}

void StudyHeatMap::SetDays(std::vector<DayTotals> days) {
  days_ = std::move(days);
  busiest_ = 0;
  for (const DayTotals& d : days_) busiest_ = std::max(busiest_, d.cards);
  update();
}

QSize StudyHeatMap::sizeHint() const {
  return {kLeft + kWeeks * kStep, kTop + 7 * kStep};
}

QRect StudyHeatMap::DayRect(std::size_t index) const {
  const int week = static_cast<int>(index / 7);
  const int weekday = static_cast<int>(index % 7);
  return {kLeft + week * kStep, kTop + weekday * kStep, kCell, kCell};
}

QColor StudyHeatMap::ColourOf(std::uint32_t cards) const {
  if (cards == 0) return {235, 237, 240};
  static const QColor shades[] = {{172, 230, 182}, {98, 196, 117}, {48, 150, 78}, {24, 98, 52}};
  // Quarters of the busiest day, so a learner's own rhythm shows whatever its size.
  const auto quarter = static_cast<std::size_t>(std::min<std::uint64_t>(
      3, (std::uint64_t{cards} * 4 - 1) / std::max<std::uint32_t>(busiest_, 1)));
  return shades[quarter];
}

void StudyHeatMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QFont small = font();
  small.setPointSizeF(small.pointSizeF() * 0.8);
  painter.setFont(small);
  painter.setPen(palette().color(QPalette::PlaceholderText));
  const char* weekdays[] = {"Mon", nullptr, "Wed", nullptr, "Fri", nullptr, nullptr};
  for (int i = 0; i < 7; ++i) {
    if (weekdays[i] != nullptr) {
      painter.drawText(QRect(0, kTop + i * kStep, kLeft - 4, kCell), Qt::AlignRight | Qt::AlignVCenter,
                       weekdays[i]);
    }
  }
  // Each month is named above its first week; a month that only ends in the first column
  // would crowd the next name.
  int lastMonth = -1;
  for (std::size_t i = 0; i < days_.size(); i += 7) {
    const QDate monday = DateOf(days_[i].day);
    if (monday.month() != lastMonth && !(i == 0 && monday.day() > 21)) {
      painter.drawText(DayRect(i).topLeft() + QPoint(0, -4),
                       QLocale().monthName(monday.month(), QLocale::ShortFormat));
    }
    lastMonth = monday.month();
  }
  painter.setPen(Qt::NoPen);
  for (std::size_t i = 0; i < days_.size(); ++i) {
    painter.setBrush(ColourOf(days_[i].cards));
    painter.drawRoundedRect(DayRect(i), 2, 2);
  }
}

bool StudyHeatMap::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  auto* help = static_cast<QHelpEvent*>(event);
  for (std::size_t i = 0; i < days_.size(); ++i) {
    if (!DayRect(i).contains(help->pos())) continue;
    const QString date = QLocale().toString(DateOf(days_[i].day), "ddd d MMM yyyy");
    const std::uint32_t cards = days_[i].cards;
    QToolTip::showText(help->globalPos(),
                       cards == 0 ? date + ": no cards" :
                       date + QString(": %1 card%2").arg(cards).arg(cards == 1 ? "" : "s"),
                       this, DayRect(i));
    return true;
  }
  QToolTip::hideText();
  event->ignore();
  return true;
}
