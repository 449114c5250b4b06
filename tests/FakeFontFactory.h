// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/FontFactory.h"

// Hands out handles 1, 2, 3, ...
class FakeFontFactory : public FontFactory {
 public:
  FontHandle CreateFont(const FontDescription&) override { return ++made; }

  FontHandle made = 0;
};
