// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/System.h"

// Thrown by FakeSystem::EndProcess so a test can see the process end.
struct ProcessEnded {
  int exitCode;
};

// Records every message box; ending the process unwinds to the test as ProcessEnded.
class FakeSystem : public System {
 public:
  struct Message {
    std::string text;
    std::string caption;
    WindowHandle owner;
  };

  void ShowMessage(const std::string& text, const std::string& caption, WindowHandle owner,
                   MessageIcon) override {
    messages.push_back({text, caption, owner});
  }
  void EndProcess(int exitCode) override { throw ProcessEnded{exitCode}; }

  std::vector<Message> messages;
};

// Runs action and expects it to end the process with exit code -1 right after one message box
// showing text with caption.
template <typename Action>
void ExpectFatal(FakeSystem& system, Action action, const std::string& text,
                 const std::string& caption) {
  system.messages.clear();
  try {
    action();
    ADD_FAILURE() << "the process did not end";
  } catch (const ProcessEnded& ended) {
    EXPECT_EQ(ended.exitCode, -1);
  }
  ASSERT_EQ(system.messages.size(), 1u);
  EXPECT_EQ(system.messages[0].text, text);
  EXPECT_EQ(system.messages[0].caption, caption);
}
