// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FontDescription.h"
#include "platform/FontHandle.h"

// Makes fonts for painting. Fonts live until the process ends.
class FontFactory {
 public:
  virtual ~FontFactory() = default;

  // Creates a font as close to description as the system allows and returns its handle, never
  // kNoFont. A face the system lacks is replaced by a similar one (a Japanese Gothic or Mincho
  // face for the "MS" faces), never refused.
  virtual FontHandle CreateFont(const FontDescription& description) = 0;
};
