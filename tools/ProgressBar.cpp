#include "tools/ProgressBar.h"

#include <algorithm>

namespace {
constexpr int kWidth = 30;
}  // namespace

void ProgressBar::Show(std::string_view stage, double fraction) {
  if (!enabled_) return;
  const int filled = static_cast<int>(std::clamp(fraction, 0.0, 1.0) * kWidth);
  std::string line = "\r[" + std::string(filled, '#') + std::string(kWidth - filled, ' ') + "] ";
  line += std::to_string(static_cast<int>(std::clamp(fraction, 0.0, 1.0) * 100)) + "% ";
  line += stage;
  line.resize(std::max<std::size_t>(line.size(), 72), ' ');
  if (line == last_) return;
  last_ = line;
  std::fputs(line.c_str(), out_);
  std::fflush(out_);
}

void ProgressBar::Finish() {
  if (!enabled_ || last_.empty()) return;
  std::fputs(("\r" + std::string(last_.size(), ' ') + "\r").c_str(), out_);
  std::fflush(out_);
  last_.clear();
}
