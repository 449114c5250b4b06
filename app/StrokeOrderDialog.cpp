// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StrokeOrderDialog.h"

#include <QPainter>

#include "app/models/StrokeOrderModel.h"
#include "drills/DarkColours.h"

namespace {

QColor ToQColor(Colour c) {
  return QColor(c.red, c.green, c.blue);
}

}  // namespace

StrokeOrderDialog::StrokeOrderDialog(QWidget* owner) : QDialog(owner) {
  setWindowTitle(StrokeOrderModel::kTitle);
  setFixedSize(StrokeOrderModel::kSide, StrokeOrderModel::kSide);
  // Showing it must leave the keyboard with the drill.
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
}

void StrokeOrderDialog::ShowKanji(char16_t kanji) {
  if (kanji == kanji_) return;
  kanji_ = kanji;
  update();
}

void StrokeOrderDialog::SetDark(bool dark) {
  dark_ = dark;
  update();
}

void StrokeOrderDialog::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Colour ground = dark_ ? DarkColour(kStockWhite) : kStockWhite;
  const Colour ink = dark_ ? DarkColour(kBlack) : kBlack;
  painter.fillRect(rect(), ToQColor(ground));
  if (kanji_ == 0) return;
  QFont font(StrokeOrderModel::kFontFamily);
  font.setPixelSize(StrokeOrderModel::kGlyphPixels);
  painter.setFont(font);
  painter.setPen(ToQColor(ink));
  painter.drawText(rect(), Qt::AlignCenter, QString(QChar(kanji_)));
}

void StrokeOrderDialog::reject() {
  QDialog::reject();
  if (closedByLearner) closedByLearner();
}
