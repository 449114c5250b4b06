// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtSystem.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

void QtSystem::ShowMessage(const std::string& text, const std::string& caption, WindowHandle owner,
                           MessageIcon icon) {
  if (answerMessage) {
    answerMessage(text, caption);
    return;
  }
  if (splash) splash->hide();
  // A box over an owner not yet on screen would open at the screen's corner; without an owner
  // it is centred on the screen, like the boxes before the main window appears.
  QWidget* parent = windows_.Widget(owner);
  if (parent && !parent->isVisible()) parent = nullptr;
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                  parent);
  box.exec();
}

void QtSystem::EndProcess(int exitCode) {
  if (endProcess) {
    endProcess(exitCode);
    return;
  }
  std::fflush(nullptr);
  std::_Exit(exitCode);
}
