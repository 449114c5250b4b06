// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <filesystem>

// A fresh folder on disk for one benchmark run (not a memory file system: saves and commits
// must reach real files), removed with everything in it at the end. Given a scale, it holds
// the synthetic data set at that percent. A folder that cannot be made or filled ends the run
// with a message, since no figure measured without it would mean anything.
class BenchFolder {
 public:
  explicit BenchFolder(int dataSetPercent = 0);
  ~BenchFolder();
  BenchFolder(const BenchFolder&) = delete;
  BenchFolder& operator=(const BenchFolder&) = delete;

  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};
