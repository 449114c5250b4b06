// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QChartView>
#include <QColor>
#include <QDateTime>
#include <QList>
#include <QPointF>
#include <vector>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

// One line of a DateChart: filled lines are areas down to zero.
struct DateSeries {
  QString name;
  QColor colour;
  bool filled = false;
  Qt::PenStyle style = Qt::SolidLine;
};

// A chart of values over dates, built once and refilled whenever the window's figures change.
// Points are (milliseconds since 1970, value).
class DateChart : public QChartView {
  Q_OBJECT

 public:
  // The series are numbered in this order for SetPoints. They are all made here because a
  // series added once the chart is in its view leaves the date axis without labels (Qt 6.4).
  explicit DateChart(const std::vector<DateSeries>& series, QWidget* parent = nullptr);

  void SetPoints(int series, const QList<QPointF>& points);
  // The span of dates shown and the labels' format ("d MMM").
  void SetDates(const QDateTime& from, const QDateTime& to, const QString& format);
  // A fixed range of values; otherwise it grows to fit the points, from 0.
  void SetValueRange(double min, double max);
  void SetValueFormat(const QString& format);
  void ShowLegend(bool show);

  // Milliseconds since 1970 of a local day's noon, the place of a day's point.
  static qreal DayPoint(std::int32_t day);

 private:
  void AddSeries(QChart* chart, const DateSeries& series);
  void FitValues();

  QDateTimeAxis* dates_;
  QValueAxis* values_;
  std::vector<QLineSeries*> lines_;
  bool fixedRange_ = false;
};
