// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A one-line progress bar on a terminal; silent when disabled (output is not a terminal), so
// logs and pipes stay clean.
class ProgressBar {
 public:
  ProgressBar(std::FILE* out, bool enabled) : out_(out), enabled_(enabled) {}

  // Shows stage at fraction (0 to 1) of the whole build; redraws only when the text changes.
  void Show(std::string_view stage, double fraction);
  // Clears the line.
  void Finish();

 private:
  std::FILE* out_;
  bool enabled_;
  std::string last_;
};
