// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QSoundEffect>
#include <memory>

#include "platform/SoundPlayer.h"

// Plays WAV files with Qt Multimedia. A missing file, a file that cannot be decoded and a
// machine without an audio device all stay silent.
class QtSoundPlayer : public SoundPlayer {
 public:
  void PlayAsync(const std::filesystem::path& file) override;

 private:
  std::unique_ptr<QSoundEffect> effect_;
};
