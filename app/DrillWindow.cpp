// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/DrillWindow.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/Shell.h"
#include "drills/DarkColours.h"

void PaintIvory(QWidget* widget, bool dark) {
  const Colour ground = dark ? DarkColour(kFaceGround) : kFaceGround;
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, QColor(ground.red, ground.green, ground.blue));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

DrillWindow::DrillWindow(Shell& shell, WindowHandle handle, QWidget* parent)
    : QWidget(parent), shell_(shell), handle_(handle) {
  PaintIvory(this);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void DrillWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  shell_.Paint(painter);
}

void DrillWindow::keyPressEvent(QKeyEvent* event) {
  shell_.KeyPressed(handle_, event);
}

void DrillWindow::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  shell_.MousePressed(handle_, event->button(), at.x(), at.y());
}

void DrillWindow::focusInEvent(QFocusEvent*) {
  shell_.FocusChanged();
}

void DrillWindow::focusOutEvent(QFocusEvent*) {
  shell_.FocusChanged();
}
