// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/System.h"

// The benchmarks' synthetic data must load; a message means the generator or a loader is
// broken, so it is printed and the run ends.
class AbortingSystem : public System {
 public:
  void ShowMessage(const std::string& text, const std::string& caption, WindowHandle,
                   MessageIcon) override {
    std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
  }
  void EndProcess(int exitCode) override { std::exit(exitCode); }
};
