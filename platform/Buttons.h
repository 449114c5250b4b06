// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/WindowHandle.h"

// The drills' push buttons.
class Buttons {
 public:
  virtual ~Buttons() = default;

  // Creates a visible, enabled push button in parent at (x, y), width by height pixels, and
  // returns its handle. Pressing it (click, or Space while it has the focus) sends commandId to
  // the parent's drill as OnCommand. Keys pressed while it has the focus go to the parent's
  // drill as OnKeyDown, except Space (presses the button) and Tab (moves the focus to the main
  // window).
  virtual WindowHandle CreateButton(WindowHandle parent, const std::string& label, int commandId,
                                    int x, int y, int width, int height) = 0;
  // Enables or disables (greys out) button; a disabled button sends no command.
  virtual void SetEnabled(WindowHandle button, bool enabled) = 0;
  // Whether button is enabled.
  virtual bool IsEnabled(WindowHandle button) const = 0;
  // Replaces button's caption.
  virtual void SetLabel(WindowHandle button, const std::string& label) = 0;
};
