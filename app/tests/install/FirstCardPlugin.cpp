// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Loaded into the installed program by the install test (QT_QPA_GENERIC_PLUGINS), so that the
// real binary runs unattended offscreen: it answers message boxes and ends the program once
// the main window is up with no dialog in front of it, which is when the first card has been
// painted. What it saw goes to standard output for the test to check.
#include <QApplication>
#include <QGenericPlugin>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>

namespace {

void Look() {
  QWidget* modal = QApplication::activeModalWidget();
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    std::printf("message: %s\n", qPrintable(box->text()));
    box->done(QMessageBox::Ok);
    return;
  }
  if (modal) return;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (qobject_cast<QMainWindow*>(widget) && widget->isVisible()) {
      std::printf("first card: %s\n", qPrintable(widget->windowTitle()));
      std::fflush(stdout);
      QCoreApplication::exit(0);
      return;
    }
  }
}

}  // namespace

class FirstCardPlugin : public QGenericPlugin {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "FirstCardPlugin.json")

 public:
  QObject* create(const QString&, const QString&) override {
    auto* timer = new QTimer;
    connect(timer, &QTimer::timeout, timer, &Look);
    timer->start(200);
    return timer;
  }
};

#include "FirstCardPlugin.moc"
