// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/NumericField.h"

#include <QApplication>
#include <QKeyEvent>

#include "app/KeyTranslation.h"
#include "app/models/NumericEditFilter.h"

NumericField::NumericField(int controlId, int limit, QWidget* parent)
    : QLineEdit(parent), controlId_(controlId) {
  setObjectName(QString("id%1").arg(controlId));
  if (limit > 0) setMaxLength(limit);
  setAttribute(Qt::WA_InputMethodEnabled, false);
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  int character = CharacterOf(event->key(), event->text());
  // Ctrl+letter types a control character (Ctrl+V is 22), whatever text the platform reports.
  if ((event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A &&
      event->key() <= Qt::Key_Z) {
    character = event->key() - Qt::Key_A + 1;
  }
  if (character >= 0 && !NumericEditFilter::Passes(controlId_, static_cast<char32_t>(character))) {
    QApplication::beep();
    return;
  }
  QLineEdit::keyPressEvent(event);
}
