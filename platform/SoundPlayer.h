// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// Plays short sounds.
class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;

  // Starts playing the sound file and returns at once. A file that is missing or cannot be
  // played is skipped silently; a sound still playing may be cut off.
  virtual void PlayAsync(const std::filesystem::path& file) = 0;
};
