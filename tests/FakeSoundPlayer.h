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
