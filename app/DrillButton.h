// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPushButton>
#include <functional>

// A push button in a drill window, with the drill buttons' key rule: Tab sends the focus to the
// main window, Space presses the button, every other key goes to the drill as a key-down (the
// characters those keys type are not passed on).
class DrillButton : public QPushButton {
 public:
  struct Routes {
    std::function<void()> tab;                      // focus to the main window
    std::function<void(QKeyEvent* event)> keyDown;  // a key for the drill window
  };

  DrillButton(const QString& label, QWidget* parent, Routes routes);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }

 private:
  Routes routes_;
};
