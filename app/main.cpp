// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>

#include "app/ProgramIcon.h"
#include "app/Shell.h"

// Veltrane takes no arguments and reads no environment: everything lies in the working
// directory.
int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Veltrane");
  QApplication::setWindowIcon(ProgramIcon());
  Shell shell;
  if (!shell.Start()) return 0;
  return QApplication::exec();
}
