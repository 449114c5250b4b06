// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>

#include "platform/Rect.h"

// The size at which the drill faces are drawn, in percent of their own pixels. The faces are
// laid out in fixed pixels; a zoomed face maps each of its coordinates v to Scale(v) device
// pixels and each device pixel back with Unscale, so that a click lands on the element drawn
// under it and adjacent boxes meet without gaps or overlaps.
struct FaceZoom {
  static constexpr std::array<int, 6> kSteps{100, 125, 150, 175, 200, 250};
  static constexpr int kActualSize = 100;

  int percent = kActualSize;

  // The next larger or smaller step; the largest and smallest stay where they are. A percent
  // between steps moves to the nearest step in that direction.
  static int StepUp(int percent);
  static int StepDown(int percent);
  // Whether percent is one of the steps (a value read from a settings file may not be).
  static bool IsStep(int percent);

  // The first device pixel at or after face coordinate v: ceil(v * percent / 100).
  int Scale(int v) const;
  // The face coordinate whose pixels include device pixel d: floor(d * 100 / percent). Exactly
  // the inverse of Scale: Scale(v) <= d < Scale(v + 1) holds for v = Unscale(d).
  int Unscale(int d) const;
  Rect Scale(const Rect& rect) const;
};
