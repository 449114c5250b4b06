// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ProgramIcon.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

QIcon ProgramIcon() {
  QIcon icon;
  for (int side : {16, 32, 48, 64, 128}) {
    QPixmap picture(side, side);
    picture.fill(QColor(128, 24, 24));
    QPainter painter(&picture);
    QFont font("MS Mincho");
    font.setPixelSize(side * 7 / 8);
    painter.setFont(font);
    painter.setPen(QColor(255, 255, 240));
    painter.drawText(picture.rect(), Qt::AlignCenter, QString::fromUtf16(u"漢"));
    painter.end();
    icon.addPixmap(picture);
  }
  return icon;
}
