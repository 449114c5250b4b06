// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/QtWindowManager.h"

#include <QApplication>

void QtWindowManager::SetFocus(WindowHandle window) {
  if (QWidget* widget = windows_.Widget(window)) widget->setFocus(Qt::OtherFocusReason);
}

WindowHandle QtWindowManager::FocusedWindow() const {
  return windows_.HandleOf(QApplication::focusWidget());
}

void QtWindowManager::Repaint(WindowHandle window) {
  QWidget* widget = windows_.Widget(window);
  if (widget && widget->isVisible()) widget->repaint();
}
