// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/WindowRegistry.h"
#include "platform/WindowManager.h"

// Focus and repainting of the registered windows.
class QtWindowManager : public WindowManager {
 public:
  explicit QtWindowManager(const WindowRegistry& windows) : windows_(windows) {}

  void SetFocus(WindowHandle window) override;
  WindowHandle FocusedWindow() const override;
  void Repaint(WindowHandle window) override;

 private:
  const WindowRegistry& windows_;
};
