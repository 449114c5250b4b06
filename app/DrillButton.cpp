// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DrillButton.h"

#include <QKeyEvent>

DrillButton::DrillButton(const QString& label, QWidget* parent, Routes routes)
    : QPushButton(label, parent), routes_(std::move(routes)) {
  setFocusPolicy(Qt::StrongFocus);
  setAutoDefault(false);
}

void DrillButton::keyPressEvent(QKeyEvent* event) {
  const bool alt = event->modifiers() & Qt::AltModifier;
  if ((event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) && !alt) {
    routes_.tab();
    return;
  }
  if (event->key() == Qt::Key_Space || alt) {
    QPushButton::keyPressEvent(event);
    // A key is the focused button's alone: it must not travel on to the drill window, where
    // Alt+"?" would open About.
    event->accept();
    return;
  }
  routes_.keyDown(event);
}
