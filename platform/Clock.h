// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The two clocks the study model reads: the calendar time for score decline and the time since
// the system started for the random seed. Tests set both.
class Clock {
 public:
  virtual ~Clock() = default;

  // Whole seconds since 1970-01-01 00:00 UTC. Must not wrap in 2038.
  virtual std::int64_t SecondsSince1970() const = 0;

  // Milliseconds since the system (or the process) started; only its low 32 bits are used, so
  // wrapping is harmless.
  virtual std::uint64_t MillisecondsSinceStart() const = 0;
};
