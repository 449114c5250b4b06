// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KanjiDetailsPane.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "app/DateChart.h"

KanjiDetailsPane::KanjiDetailsPane(const QFont& kanjiFont, QWidget* parent) : QFrame(parent) {
  setFrameShape(QFrame::StyledPanel);
  kanji_ = new QLabel();
  QFont big = kanjiFont;
  big.setPixelSize(72);
  kanji_->setFont(big);
  kanji_->setAlignment(Qt::AlignCenter);
  kanji_->setFixedSize(104, 104);
  meaning_ = new QLabel();
  QFont bold = meaning_->font();
  bold.setPointSizeF(bold.pointSizeF() * 1.25);
  bold.setBold(true);
  meaning_->setFont(bold);
  meaning_->setWordWrap(true);
  readings_ = new QLabel();
  QFont readingFont = kanjiFont;
  readingFont.setPixelSize(16);
  readings_->setFont(readingFont);
  readings_->setWordWrap(true);
  readings_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  standing_ = new QLabel();
  standing_->setWordWrap(true);
  note_ = new QLabel();
  note_->setWordWrap(true);
  note_->setTextFormat(Qt::PlainText);
  note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  chart_ = new DateChart({{"Mastered", QColor(80, 160, 100), false, Qt::DashLine},
                          {"Score", QColor(40, 90, 170), false}});
  chart_->SetValueRange(0, 100);
  chart_->setMinimumHeight(150);

  auto* text = new QVBoxLayout();
  text->addWidget(meaning_);
  text->addWidget(readings_);
  text->addWidget(standing_);
  text->addStretch();
  auto* top = new QHBoxLayout();
  top->addWidget(kanji_, 0, Qt::AlignTop);
  top->addLayout(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(note_);
  layout->addWidget(chart_, 1);
}

void KanjiDetailsPane::Show(const KanjiDetails& details) {
  kanji_->setText(details.kanji);
  kanji_->setStyleSheet(QString("background: %1; border-radius: 6px;").arg(details.colour.name()));
  meaning_->setText(details.meaning);
  QStringList readings;
  if (!details.onReadings.isEmpty()) readings << details.onReadings;
  if (!details.kunReadings.isEmpty()) readings << details.kunReadings;
  readings_->setText(readings.join("\n"));
  standing_->setText(details.standing);
  note_->setText(details.note.isEmpty() ? QString() : "Note: " + details.note);
  note_->setVisible(!details.note.isEmpty());
  QList<QPointF> points;
  for (const ScorePoint& p : details.scores) {
    points.append({static_cast<qreal>(p.time) * 1000.0, p.score});
  }
  chart_->setVisible(!points.isEmpty());
  if (!points.isEmpty()) {
    // A single point still needs a span of time to be drawn in.
    const qreal from = points.front().x() - 86400000.0;
    const qreal to = std::max(points.back().x(), from + 2 * 86400000.0);
    chart_->SetDates(QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(from)),
                     QDateTime::fromMSecsSinceEpoch(static_cast<qint64>(to)), "d MMM yy");
    chart_->SetPoints(kThresholdSeries, {{from, details.masteryThreshold}, {to, details.masteryThreshold}});
    chart_->SetPoints(kScoreSeries, points);
  }
}

void KanjiDetailsPane::ShowHint(const QString& text) {
  kanji_->setText(QString());
  kanji_->setStyleSheet("background: #f0f0f0; border-radius: 6px;");
  meaning_->setText(QString());
  readings_->setText(QString());
  standing_->setText(text);
  note_->setVisible(false);
  chart_->setVisible(false);
}
