// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <QRect>

// The dialog templates are laid out in dialog units of an 8-point font: a horizontal unit is a
// quarter of the average character width (6 pixels), a vertical one an eighth of its height
// (13 pixels).
inline QRect Dlu(int x, int y, int width, int height) {
  auto px = [](int units) { return (units * 6 + 2) / 4; };
  auto py = [](int units) { return (units * 13 + 4) / 8; };
  return QRect(px(x), py(y), px(width), py(height));
}

// The font the templates were laid out for: an 8-point sans-serif face of Arial's widths
// (11 pixels), so that every label fits where the template puts it.
inline QFont DialogFont() {
  QFont font("Liberation Sans");
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(11);
  return font;
}
