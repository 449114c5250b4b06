// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/FaceZoom.h"

#include <algorithm>

namespace {

// Floor division that also rounds negative quotients down (coordinates left of or above a
// window are negative).
int FloorDiv(int numerator, int denominator) {
  const int quotient = numerator / denominator;
  return (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) ? quotient - 1
                                                                                : quotient;
}

}  // namespace

int FaceZoom::StepUp(int percent) {
  for (const int step : kSteps) {
    if (step > percent) return step;
  }
  return kSteps.back();
}

int FaceZoom::StepDown(int percent) {
  for (auto step = kSteps.rbegin(); step != kSteps.rend(); ++step) {
    if (*step < percent) return *step;
  }
  return kSteps.front();
}

bool FaceZoom::IsStep(int percent) {
  return std::find(kSteps.begin(), kSteps.end(), percent) != kSteps.end();
}

int FaceZoom::Scale(int v) const {
  return -FloorDiv(-v * percent, 100);
}

int FaceZoom::Unscale(int d) const {
  return FloorDiv(d * 100, percent);
}

Rect FaceZoom::Scale(const Rect& rect) const {
  return {Scale(rect.left), Scale(rect.top), Scale(rect.right), Scale(rect.bottom)};
}
