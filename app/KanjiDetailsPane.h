// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QFrame>
#include <QString>
#include <vector>

#include "study/ProgressModel.h"

class DateChart;
class QLabel;

// What the details pane shows of one kanji, in words the learner reads.
struct KanjiDetails {
  QString kanji;
  QString meaning;
  QString onReadings;
  QString kunReadings;
  QString standing;  // its stage, score, level, times seen, last seen
  QString note;
  QColor colour;  // its cell's colour in the grid
  std::vector<ScorePoint> scores;
  double masteryThreshold = 90;
};

// One kanji in detail: the character, its readings and meaning, the learner's note and the
// kanji's score over time.
class KanjiDetailsPane : public QFrame {
  Q_OBJECT

 public:
  KanjiDetailsPane(const QFont& kanjiFont, QWidget* parent = nullptr);

  void Show(const KanjiDetails& details);
  // The pane before a kanji is chosen.
  void ShowHint(const QString& text);

 private:
  QLabel* kanji_;
  QLabel* meaning_;
  QLabel* readings_;
  QLabel* standing_;
  QLabel* note_;
  DateChart* chart_;
  static constexpr int kThresholdSeries = 0;
  static constexpr int kScoreSeries = 1;
};
