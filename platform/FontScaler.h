// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FontHandle.h"

// Gives the same font at another size, for faces drawn larger than their own pixels.
class FontScaler {
 public:
  virtual ~FontScaler() = default;

  // font with its cell height multiplied by percent / 100 (rounded), every other property
  // kept. The same font and percent give the same handle each time; kNoFont stays kNoFont.
  virtual FontHandle ScaledFont(FontHandle font, int percent) = 0;
};
