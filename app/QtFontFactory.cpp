// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtFontFactory.h"

#include <QStringList>
#include <algorithm>

void QtFontFactory::InstallSubstitutes() {
  QFont::insertSubstitutions("MS Mincho", {"IPAMincho", "IPAexMincho", "Noto Serif CJK JP"});
  QFont::insertSubstitutions("MS Gothic", {"IPAGothic", "IPAexGothic", "Noto Sans CJK JP"});
  QFont::insertSubstitutions("Times", {"Liberation Serif", "DejaVu Serif"});
}

FontHandle QtFontFactory::CreateFont(const FontDescription& description) {
  QFont font(QString::fromStdString(description.face));
  font.setPixelSize(std::max(1, description.height));
  font.setWeight(static_cast<QFont::Weight>(std::clamp(description.weight, 100, 900)));
  font.setStyleStrategy(QFont::PreferQuality);
  fonts_.push_back(font);
  return static_cast<FontHandle>(fonts_.size());
}

FontHandle QtFontFactory::ScaledFont(FontHandle font, int percent) {
  if (font == kNoFont || font > fonts_.size() || percent == 100) return font;
  const auto known = scaled_.find({font, percent});
  if (known != scaled_.end()) return known->second;
  QFont scaled = fonts_[font - 1];
  scaled.setPixelSize(std::max(1, (scaled.pixelSize() * percent + 50) / 100));
  fonts_.push_back(scaled);
  const auto handle = static_cast<FontHandle>(fonts_.size());
  scaled_[{font, percent}] = handle;
  return handle;
}

QFont QtFontFactory::Font(FontHandle handle) const {
  if (handle == kNoFont || handle > fonts_.size()) return QFont();
  return fonts_[handle - 1];
}
