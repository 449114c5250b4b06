// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Splash.h"

#include <QFont>
#include <QPainter>

#include "app/DialogUnits.h"

QPixmap SplashPicture() {
  const QSize size = Dlu(0, 0, 278, 143).size();
  QPixmap picture(size);
  picture.fill(QColor(255, 255, 240));
  QPainter painter(&picture);
  painter.setPen(QColor(120, 20, 20));
  painter.drawRect(0, 0, size.width() - 1, size.height() - 1);
  QFont font("MS Mincho");
  font.setPixelSize(size.height() * 2 / 3);
  painter.setFont(font);
  painter.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, QString::fromUtf16(u"漢字"));
  return picture;
}
