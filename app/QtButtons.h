// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QRect>
#include <functional>
#include <vector>

#include "app/WindowRegistry.h"
#include "drills/FaceZoom.h"
#include "platform/Buttons.h"

class QKeyEvent;

// The drills' buttons as DrillButtons. A press reaches the command handler with the button's
// command id and its drill window as the receiving window.
class QtButtons : public Buttons {
 public:
  struct Routes {
    std::function<void(WindowHandle window, int commandId)> command;
    std::function<void(WindowHandle window, QKeyEvent* event)> keyDown;
    std::function<void()> tab;
  };

  QtButtons(WindowRegistry& windows, Routes routes) : windows_(windows), routes_(routes) {}

  WindowHandle CreateButton(WindowHandle parent, const std::string& label, int commandId, int x,
                            int y, int width, int height) override;
  void SetEnabled(WindowHandle button, bool enabled) override;
  bool IsEnabled(WindowHandle button) const override;
  void SetLabel(WindowHandle button, const std::string& label) override;

  // Places and letters every button, made or still to be made, at zoom of its face size, in
  // the dark face's colours or the desktop's.
  void SetView(FaceZoom zoom, bool dark);

 private:
  struct Placed {
    QPointer<QWidget> button;
    QRect face;  // in face pixels, as the drill asked
  };
  void Place(const Placed& placed) const;

  WindowRegistry& windows_;
  Routes routes_;
  std::vector<Placed> placed_;
  FaceZoom zoom_;
  bool dark_ = false;
};
