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
  QMessageBox box(icon == MessageIcon::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                  QString::fromStdString(caption), QString::fromStdString(text), QMessageBox::Ok,
                  windows_.Widget(owner));
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
