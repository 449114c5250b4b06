// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/WindowHandle.h"

enum class MessageIcon { None, Error };

// The two operations every subsystem may need from the operating system: telling the
// learner something in a message box, and ending the program.
class System {
 public:
  virtual ~System() = default;

  // Shows a modal message box with an OK button and returns once the learner has closed it.
  // text and caption are UTF-8; owner is the window the box belongs to, or kNoWindow.
  virtual void ShowMessage(const std::string& text, const std::string& caption,
                           WindowHandle owner = kNoWindow,
                           MessageIcon icon = MessageIcon::None) = 0;

  // Ends the process with exitCode at once, without saving anything. The real program never
  // returns from it; callers still return straight afterwards so that nothing goes on if a
  // test double does.
  virtual void EndProcess(int exitCode) = 0;

  // The fatal pattern of the data files: a message without owner, then exit code -1.
  void Fail(const std::string& text, const std::string& caption) {
    ShowMessage(text, caption);
    EndProcess(-1);
  }
};
