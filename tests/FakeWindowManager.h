// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

#include "platform/WindowManager.h"

// Remembers the focus and counts repaints per window.
class FakeWindowManager : public WindowManager {
 public:
  void SetFocus(WindowHandle window) override { focused = window; }
  WindowHandle FocusedWindow() const override { return focused; }
  void Repaint(WindowHandle window) override { repainted.push_back(window); }

  WindowHandle focused = kNoWindow;
  std::vector<WindowHandle> repainted;
};
