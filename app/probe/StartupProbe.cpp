// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Measures the program's start-up on a real data set: from main() to the first card painted,
// and the resident memory once started. Message boxes are answered at once (a first run
// creates the profile), so it runs unattended under QT_QPA_PLATFORM=offscreen.
//   veltrane-startup-probe WORKING_DIRECTORY
#include <QApplication>
#include <QDir>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <string>

#include "app/Shell.h"

namespace {

// A "VmRSS:" style line of /proc/self/status, in kB.
long StatusKilobytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0) return std::stol(line.substr(key.size()));
  }
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  const auto begin = std::chrono::steady_clock::now();
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltrane-startup-probe WORKING_DIRECTORY\n");
    return 2;
  }
  QApplication application(argc, argv);
  if (!QDir::setCurrent(argv[1])) {
    std::fprintf(stderr, "cannot enter %s\n", argv[1]);
    return 2;
  }
  const auto toolkit = std::chrono::steady_clock::now();
  Shell shell;
  shell.system.answerMessage = [](const std::string& text, const std::string& caption) {
    std::printf("message: [%s] %s\n", caption.c_str(), text.c_str());
  };
  if (!shell.Start()) return 1;
  // Start() ends by painting the Readings drill's first card synchronously.
  const auto painted = std::chrono::steady_clock::now();
  auto ms = [](auto from, auto to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
  };
  std::printf("toolkit ready:      %8.1f ms\n", ms(begin, toolkit));
  std::printf("first card painted: %8.1f ms after main()\n", ms(begin, painted));
  std::printf("resident memory:    %8.1f MB (peak %.1f MB)\n", StatusKilobytes("VmRSS:") / 1024.0,
              StatusKilobytes("VmHWM:") / 1024.0);
  return 0;
}
