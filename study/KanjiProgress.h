// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

#include "text/KanjiCode.h"

// The learner's standing with one kanji.
struct KanjiProgress {
  KanjiCode code = 0;
  float score = 0.0f;             // percent, 0..100 once the scoring rules have touched it
  std::int16_t masteryLevel = 0;  // how often it became mastered, less the drops; never below 0
  bool active = false;            // in the drill rotation
};
