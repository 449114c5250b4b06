// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A rectangle of client pixels: (left, top) inside, (right, bottom) just outside.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  // The rectangle grown by d pixels on every side (shrunk when d is negative).
  Rect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }

  friend bool operator==(const Rect&, const Rect&) = default;
};
