// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "app/Shell.h"
#include "tests/TestFiles.h"

// Thrown by the shell's end-of-process seam, so that a test sees the process end.
struct ShellEnded {
  int exitCode;
};

// A working directory with a small data set, and a shell started in it. Message boxes are
// answered at once and recorded.
class ShellTest : public ::testing::Test {
 protected:
  struct Message {
    std::string text;
    std::string caption;
  };

  // Two kanji, of which the study list introduces only 二, so both drills show it.
  void WriteDataSet() {
    WriteFullJisTable(dir.path());
    WriteUtf16File(dir / "kanji_data.dat",
                   "一\t1\tイチ／イツ\tひと／ひと（つ）\tone\r\n"
                   "二\t1\tニ\tふた（つ）\ttwo");
    WriteUtf16File(dir / "examples.dat",
                   "一月\t【いち／がつ】\t60\tJanuary\r\n"
                   "二月\t【に／がつ】\t50\tFebruary");
    WriteUtf16File(dir / "study_list.vls", "二");
  }

  // Makes the shell and starts it (after WriteDataSet, or files of the test's own).
  bool StartShell() {
    previousDirectory = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(dir.path().string()));
    shell = std::make_unique<Shell>(dir.path());
    shell->system.answerMessage = [this](const std::string& text, const std::string& caption) {
      messages.push_back({text, caption});
    };
    shell->system.endProcess = [](int exitCode) { throw ShellEnded{exitCode}; };
    shell->openUrl = [this](const QUrl& url) {
      openedUrls.push_back(url);
      return browserAvailable;
    };
    return shell->Start();
  }

  void TearDown() override {
    shell.reset();
    if (!previousDirectory.isEmpty()) QDir::setCurrent(previousDirectory);
  }

  // Renders window and keeps the picture beside the build's other outputs, for review.
  static QImage Render(QWidget* window, const char* name) {
    const QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(VELTRANE_SCREENSHOT_DIR);
    image.save(QString(VELTRANE_SCREENSHOT_DIR) + "/" + name + ".png");
    return image;
  }

  std::vector<std::string> Texts() const {
    std::vector<std::string> texts;
    for (const Message& m : messages) texts.push_back(m.text);
    return texts;
  }

  TempDir dir;
  QString previousDirectory;
  std::unique_ptr<Shell> shell;
  std::vector<Message> messages;
  std::vector<QUrl> openedUrls;
  bool browserAvailable = true;
};
