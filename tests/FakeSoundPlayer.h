// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>
#include <vector>

#include "platform/SoundPlayer.h"

// Lists the sounds it was asked to play.
class FakeSoundPlayer : public SoundPlayer {
 public:
  void PlayAsync(const std::filesystem::path& file) override { played.push_back(file); }

  std::vector<std::filesystem::path> played;
};
