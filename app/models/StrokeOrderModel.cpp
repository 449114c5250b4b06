// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/StrokeOrderModel.h"

#include <algorithm>

std::string StrokeOrderModel::MissingFontText() {
  return std::string("The stroke order needs the ") + kFontFamily +
         " font, which is not installed (Debian package \"fonts-kanjistrokeorders\").";
}

Rect StrokeOrderModel::Placement(const Rect& mainFrame, const Rect& screen, int frameWidth,
                                 int frameHeight) {
  int left = mainFrame.right + kGap;
  if (left + frameWidth > screen.right) {
    left = mainFrame.left - kGap - frameWidth;
    if (left < screen.left) left = screen.right - frameWidth;
  }
  left = std::max(left, screen.left);
  const int top = std::max(screen.top, std::min(mainFrame.top, screen.bottom - frameHeight));
  return {left, top, left + frameWidth, top + frameHeight};
}
