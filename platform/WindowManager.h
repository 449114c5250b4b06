// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/WindowHandle.h"

// Keyboard focus and repainting of the program's windows.
class WindowManager {
 public:
  virtual ~WindowManager() = default;

  // Gives the keyboard focus to window.
  virtual void SetFocus(WindowHandle window) = 0;
  // The window that has the keyboard focus, or kNoWindow when none of the program's has it.
  virtual WindowHandle FocusedWindow() const = 0;
  // Erases window to its background and repaints it before returning.
  virtual void Repaint(WindowHandle window) = 0;
};
