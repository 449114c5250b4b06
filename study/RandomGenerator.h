// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

// The program's pseudo-random numbers: a linear congruential generator on a 32-bit state. There
// is one per process, seeded once when the profile is loaded or created; kanji selection and the
// Fill-in drill's choice of example draw from the same object, so their draws interleave.
class RandomGenerator {
 public:
  static constexpr int kMax = 32767;

  void Seed(std::uint32_t seed) { state = seed; }

  // The next number, 0..kMax: bits 16 to 30 of the advanced state.
  int Next() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
  }

  std::uint32_t state = 1;
};
