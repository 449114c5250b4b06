// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <chrono>

#include "platform/Clock.h"

// The real clocks, from the standard library: no toolkit is needed for them.
class SystemClock : public Clock {
 public:
  std::int64_t SecondsSince1970() const override {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
  }
  // The steady clock's epoch is usually the boot time, as the seed has always been.
  std::uint64_t MillisecondsSinceStart() const override {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  }
};
