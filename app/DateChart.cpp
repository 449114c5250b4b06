// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DateChart.h"

#include <QAreaSeries>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>
#include <algorithm>

DateChart::DateChart(const std::vector<DateSeries>& series, QWidget* parent) : QChartView(parent) {
  auto* chart = new QChart();
  chart->setMargins(QMargins(4, 4, 4, 4));
  chart->setBackgroundRoundness(0);
  chart->legend()->setVisible(false);
  chart->legend()->setAlignment(Qt::AlignTop);
  dates_ = new QDateTimeAxis();
  dates_->setFormat("d MMM");
  dates_->setTickCount(6);
  values_ = new QValueAxis();
  values_->setLabelFormat("%d");
  values_->setRange(0, 10);
  for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(dates_), static_cast<QAbstractAxis*>(values_)}) {
    axis->setGridLineColor(QColor(230, 230, 230));
    axis->setLinePenColor(QColor(190, 190, 190));
  }
  chart->addAxis(dates_, Qt::AlignBottom);
  chart->addAxis(values_, Qt::AlignLeft);
  for (const DateSeries& s : series) AddSeries(chart, s);
  setChart(chart);
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::NoFocus);
}

void DateChart::AddSeries(QChart* chart, const DateSeries& series) {
  auto* line = new QLineSeries();
  line->setName(series.name);
  QAbstractSeries* shown = line;
  if (series.filled) {
    auto* area = new QAreaSeries(line);
    // The area only points at its line; owning it here lets the chart free both.
    line->setParent(area);
    area->setName(series.name);
    QColor fill = series.colour;
    fill.setAlpha(110);
    area->setBrush(fill);
    area->setPen(QPen(series.colour, 1.5));
    shown = area;
  } else {
    line->setPen(QPen(series.colour, 2, series.style));
  }
  chart->addSeries(shown);
  shown->attachAxis(dates_);
  shown->attachAxis(values_);
  lines_.push_back(line);
}

void DateChart::SetPoints(int series, const QList<QPointF>& points) {
  lines_[static_cast<std::size_t>(series)]->replace(points);
  FitValues();
}

void DateChart::SetDates(const QDateTime& from, const QDateTime& to, const QString& format) {
  dates_->setRange(from, to);
  dates_->setFormat(format);
}

void DateChart::SetValueRange(double min, double max) {
  fixedRange_ = true;
  values_->setRange(min, max);
}

void DateChart::SetValueFormat(const QString& format) {
  values_->setLabelFormat(format);
}

void DateChart::ShowLegend(bool show) {
  chart()->legend()->setVisible(show);
}

qreal DateChart::DayPoint(std::int32_t day) {
  return static_cast<qreal>(
      QDate(1970, 1, 1).addDays(day).startOfDay().addSecs(12 * 3600).toMSecsSinceEpoch());
}

void DateChart::FitValues() {
  if (fixedRange_) return;
  double top = 0;
  for (const QLineSeries* line : lines_) {
    for (const QPointF& point : line->points()) top = std::max(top, point.y());
  }
  values_->setRange(0, std::max(4.0, top * 1.1));
  values_->applyNiceNumbers();
}
