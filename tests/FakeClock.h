// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "platform/Clock.h"

// A clock that stands wherever the test puts it.
class FakeClock : public Clock {
 public:
  std::int64_t SecondsSince1970() const override { return seconds; }
  std::uint64_t MillisecondsSinceStart() const override { return milliseconds; }

  std::int64_t seconds = 1'700'000'000;  // 2023-11-14
  std::uint64_t milliseconds = 12345;
};
