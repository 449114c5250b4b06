// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/ViewOptions.h"

#include "study/ExtraSettings.h"

ViewOptions::ViewOptions(ExtraSettings& settings, WindowHandle owner)
    : settings_(settings), owner_(owner) {}

FaceZoom ViewOptions::zoom() const {
  const int percent = settings_.GetInt(kZoomKey, FaceZoom::kActualSize, FaceZoom::kSteps.front(),
                                       FaceZoom::kSteps.back());
  return {FaceZoom::IsStep(percent) ? percent : FaceZoom::kActualSize};
}

bool ViewOptions::dark() const {
  return settings_.GetBool(kDarkKey, false);
}

bool ViewOptions::strokeOrderOpen() const {
  return settings_.GetBool(kStrokeOrderKey, false);
}

bool ViewOptions::Zoom(int direction) {
  const int now = zoom().percent;
  const int next = direction > 0   ? FaceZoom::StepUp(now)
                   : direction < 0 ? FaceZoom::StepDown(now)
                                   : FaceZoom::kActualSize;
  if (next == now) return false;
  settings_.SetInt(kZoomKey, next);
  settings_.Save(owner_);
  return true;
}

void ViewOptions::SetDark(bool dark) {
  Store(kDarkKey, dark);
}

void ViewOptions::SetStrokeOrderOpen(bool open) {
  Store(kStrokeOrderKey, open);
}

void ViewOptions::Store(const char* key, bool value) {
  if (settings_.GetBool(key, !value) == value) return;
  settings_.SetBool(key, value);
  settings_.Save(owner_);
}
