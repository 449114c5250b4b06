// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>
#include <map>
#include <utility>
#include <vector>

#include "platform/FontFactory.h"
#include "platform/FontScaler.h"

// Makes QFonts for the drills' font descriptions and keeps them for the life of the program.
class QtFontFactory : public FontFactory, public FontScaler {
 public:
  // The faces the drills name are Windows faces. Each is mapped once to the installed faces
  // that look like it: IPA Mincho and Gothic (fonts-ipafont-*) and Liberation Serif.
  static void InstallSubstitutes();

  FontHandle CreateFont(const FontDescription& description) override;
  // Made on first use and kept, so a zoomed face costs no font creation after its first paint.
  FontHandle ScaledFont(FontHandle font, int percent) override;
  // The font of handle; the application's default font for an unknown handle.
  QFont Font(FontHandle handle) const;

 private:
  std::vector<QFont> fonts_;
  std::map<std::pair<FontHandle, int>, FontHandle> scaled_;
};
