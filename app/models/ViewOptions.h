// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "drills/FaceZoom.h"
#include "platform/WindowHandle.h"

class ExtraSettings;

// How the program looks: the zoom of the drill faces, dark colours, and whether the
// stroke-order window is open. These live in the program's own settings, never in the learner
// profile; each change is saved at once, so a crash keeps it.
class ViewOptions {
 public:
  static constexpr const char* kZoomKey = "view.zoom_percent";
  static constexpr const char* kDarkKey = "view.dark_colours";
  static constexpr const char* kStrokeOrderKey = "stroke_order.open";

  ViewOptions(ExtraSettings& settings, WindowHandle owner);

  // A stored zoom that is not one of the steps reads as the actual size.
  FaceZoom zoom() const;
  bool dark() const;
  bool strokeOrderOpen() const;

  // One step in (direction > 0) or out (< 0), or back to the actual size (0). False when the
  // zoom stays as it was.
  bool Zoom(int direction);
  void SetDark(bool dark);
  void SetStrokeOrderOpen(bool open);

 private:
  void Store(const char* key, bool value);

  ExtraSettings& settings_;
  WindowHandle owner_;  // owns the message of a failed save
};
