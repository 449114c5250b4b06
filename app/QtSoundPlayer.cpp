// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtSoundPlayer.h"

#include <QFileInfo>
#include <QUrl>
#include <system_error>

void QtSoundPlayer::PlayAsync(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return;
  const QUrl url =
      QUrl::fromLocalFile(QFileInfo(QString::fromStdString(file.string())).absoluteFilePath());
  if (!effect_) effect_ = std::make_unique<QSoundEffect>();
  // A new sound cuts off the one still playing.
  effect_->stop();
  if (effect_->source() != url) effect_->setSource(url);
  effect_->play();
}
