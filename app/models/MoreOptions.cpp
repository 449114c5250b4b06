// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/MoreOptions.h"

#include "study/ExtraSettings.h"

MoreOptions MoreOptions::Load(const ExtraSettings& settings) {
  MoreOptions options;
  options.forgiveOtherKind = settings.GetBool(kForgiveKey, false);
  return options;
}

void MoreOptions::Store(ExtraSettings& settings) const {
  settings.SetBool(kForgiveKey, forgiveOtherKind);
}
