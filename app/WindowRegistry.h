// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <map>

#include "platform/WindowHandle.h"

// Hands out the WindowHandles the logic uses and finds the widget behind each. A handle can be
// reserved before its widget exists, because the drills are told their window when they are
// built, before the windows are.
class WindowRegistry {
 public:
  WindowHandle Reserve() { return next_++; }
  void Attach(WindowHandle handle, QWidget* widget) { widgets_[handle] = widget; }
  WindowHandle Add(QWidget* widget) {
    const WindowHandle handle = Reserve();
    Attach(handle, widget);
    return handle;
  }

  // The widget of handle, or nullptr (no window, unknown, or already gone).
  QWidget* Widget(WindowHandle handle) const {
    auto it = widgets_.find(handle);
    return it == widgets_.end() ? nullptr : it->second.data();
  }
  // The handle of widget, or kNoWindow.
  WindowHandle HandleOf(const QWidget* widget) const {
    for (const auto& [handle, w] : widgets_) {
      if (w == widget) return handle;
    }
    return kNoWindow;
  }

 private:
  WindowHandle next_ = 1;
  std::map<WindowHandle, QPointer<QWidget>> widgets_;
};
