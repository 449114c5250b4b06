// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include "platform/Buttons.h"

// Buttons as plain records (label, command, state); handles are 100 + index into `created`.
class FakeButtons : public Buttons {
 public:
  struct Button {
    std::string label;
    int commandId;
    bool enabled = true;
  };

  WindowHandle CreateButton(WindowHandle, const std::string& label, int commandId, int, int, int,
                            int) override {
    created.push_back({label, commandId});
    return static_cast<WindowHandle>(kFirstHandle + created.size() - 1);
  }
  void SetEnabled(WindowHandle button, bool enabled) override { At(button).enabled = enabled; }
  bool IsEnabled(WindowHandle button) const override {
    return created.at(button - kFirstHandle).enabled;
  }
  void SetLabel(WindowHandle button, const std::string& label) override {
    At(button).label = label;
  }

  // The button that sends commandId, or nullptr.
  const Button* WithCommand(int commandId) const {
    for (const Button& button : created) {
      if (button.commandId == commandId) return &button;
    }
    return nullptr;
  }
  // Whether the button that sends commandId exists and is enabled.
  bool Enabled(int commandId) const {
    const Button* button = WithCommand(commandId);
    return button != nullptr && button->enabled;
  }

  static constexpr WindowHandle kFirstHandle = 100;
  std::vector<Button> created;

 private:
  Button& At(WindowHandle button) { return created.at(button - kFirstHandle); }
};
