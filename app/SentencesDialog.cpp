// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SentencesDialog.h"

#include <QFont>
#include <QKeyEvent>
#include <QTextCursor>

SentencesDialog::SentencesDialog() : QDialog(nullptr), edit_(new QTextEdit(this)) {
  setWindowTitle("Example Sentences");
  setFixedSize(640, 480);
  edit_->setGeometry(10, 10, 640 - 20, 480 - 20);
  edit_->setReadOnly(true);
  edit_->setAcceptRichText(false);
  QFont font("MS Mincho");
  font.setPointSize(12);
  edit_->setFont(font);
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

void SentencesDialog::SetText(const std::u16string& text) {
  QString q = QString::fromStdU16String(text);
  q.replace("\r\n", "\n");
  edit_->setPlainText(q);
}

void SentencesDialog::Show() {
  if (!shownBefore_ && firstPosition) move(firstPosition());
  shownBefore_ = true;
  showNormal();
  repaint();
}

void SentencesDialog::BringToTop() {
  raise();
  activateWindow();
}

void SentencesDialog::MoveSelectionToStart() {
  QTextCursor cursor = edit_->textCursor();
  cursor.movePosition(QTextCursor::Start);
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
}

void SentencesDialog::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}
