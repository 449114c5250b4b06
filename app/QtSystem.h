// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

#include "app/WindowRegistry.h"
#include "platform/System.h"

// Message boxes as QMessageBox and the end of the process. Every message box of the program
// goes through here, which is what lets tests answer them.
class QtSystem : public System {
 public:
  explicit QtSystem(const WindowRegistry& windows) : windows_(windows) {}

  void ShowMessage(const std::string& text, const std::string& caption,
                   WindowHandle owner = kNoWindow, MessageIcon icon = MessageIcon::None) override;
  // Ends the process at once: nothing is saved and no destructors run, so a failing start-up
  // cannot write half-loaded state anywhere.
  void EndProcess(int exitCode) override;

  // The test seam. When set, a message box is not shown: answerMessage receives it instead and
  // returns at once, as if the learner had pressed OK. When endProcess is set it replaces the
  // real end of the process (it should throw, so that the caller does not go on).
  std::function<void(const std::string& text, const std::string& caption)> answerMessage;
  std::function<void(int exitCode)> endProcess;

  // The splash window while start-up runs: a message box must not open behind it.
  QPointer<QWidget> splash;

 private:
  const WindowRegistry& windows_;
};
