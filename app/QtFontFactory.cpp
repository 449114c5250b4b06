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

QFont QtFontFactory::Font(FontHandle handle) const {
  if (handle == kNoFont || handle > fonts_.size()) return QFont();
  return fonts_[handle - 1];
}
