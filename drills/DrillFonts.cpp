// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/DrillFonts.h"

#include "platform/FontFactory.h"

void DrillFonts::Create(FontFactory& factory) {
  gothic16.Create(factory, 16, "MS Gothic", 500);
  mincho24.Create(factory, 24, "MS Mincho", 400);
  gothic32.Create(factory, 32, "MS Gothic", 500);
  mincho48.Create(factory, 48, nullptr, 900);
  mincho54.Create(factory, 54, nullptr, 900);
  timesFont = factory.CreateFont(FontDescription{16, 600, "Times"});
}
