// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "platform/FontFactory.h"

// Hands out handles 1, 2, 3, ... and keeps what each was made from (index = handle - 1).
class FakeFontFactory : public FontFactory {
 public:
  FontHandle CreateFont(const FontDescription& description) override {
    created.push_back(description);
    return static_cast<FontHandle>(created.size());
  }

  std::vector<FontDescription> created;
};
