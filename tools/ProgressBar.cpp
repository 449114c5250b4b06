// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ProgressBar.h"

#include <algorithm>

namespace {
constexpr int kWidth = 30;
}  // namespace

void ProgressBar::Show(std::string_view stage, double fraction) {
  if (!enabled_) return;
  const int filled = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kWidth);
  // Appended piece by piece: GCC 12 warns falsely about overlapping copies when a string
  // literal is prepended to a temporary.
  std::string line = "\r[";
  line.append(filled, '#');
  line.append(kWidth - filled, ' ');
  line += "] ";
  line += std::to_string(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 100));
  line += "% ";
  line += stage;
  line.resize(std::max<std::size_t>(line.size(), 72), ' ');
  if (line == last_) return;
  last_ = line;
  std::fputs(line.c_str(), out_);
  std::fflush(out_);
}

void ProgressBar::Finish() {
  if (!enabled_ || last_.empty()) return;
  std::string blank = "\r";
  blank.append(last_.size(), ' ');
  blank += '\r';
  std::fputs(blank.c_str(), out_);
  std::fflush(out_);
  last_.clear();
}
