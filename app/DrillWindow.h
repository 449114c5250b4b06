// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include "platform/WindowHandle.h"

class Shell;

// The window a drill lives in: a child of the main window's client area on the ivory
// background. It hands every paint, key, click and focus change to the shell, which passes them
// to the current drill. Input methods are off, since the drills turn romaji into kana themselves.
class DrillWindow : public QWidget {
 public:
  DrillWindow(Shell& shell, WindowHandle handle, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  // Tab belongs to the drills, not to focus movement.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  Shell& shell_;
  WindowHandle handle_;
};

// The ivory background of the main window and the drill windows, RGB(255, 255, 240), or its
// dark counterpart.
void PaintIvory(QWidget* widget, bool dark = false);
