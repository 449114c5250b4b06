// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/NotesDialog.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

// The Notes window's size: its 311 x 130 dialog units at the usual 8-point dialog font.
constexpr int kWidth = 467;
constexpr int kHeight = 211;

// A Mincho face at 12 points, regular weight.
QFont NotesTextFont() {
  QFont font("MS Mincho");
  font.setPointSize(12);
  font.setWeight(QFont::Normal);
  return font;
}

}  // namespace

NotesDialog::NotesDialog(QWidget* owner) : QDialog(owner), edit_(new QTextEdit(this)) {
  setWindowTitle("Kanji Notes");
  setFixedSize(kWidth, kHeight);
  edit_->setGeometry(10, 10, kWidth - 20, kHeight - 20);
  edit_->setAcceptRichText(false);
  edit_->setFont(NotesTextFont());
  edit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  connect(edit_->document(), &QTextDocument::contentsChange, this,
          [this](int position, int, int added) { EnforceLimit(position, added); });
}

std::u16string NotesDialog::GetText() const {
  QString text = edit_->toPlainText();
  text.replace(QChar('\n'), QChar('\r'));
  text.truncate(static_cast<qsizetype>(kMaxTextUnits));
  return text.toStdU16String();
}

void NotesDialog::SetText(const std::u16string& text) {
  QString q = QString::fromStdU16String(text.substr(0, kMaxTextUnits));
  q.replace("\r\n", "\n");
  q.replace(QChar('\r'), QChar('\n'));
  edit_->setPlainText(q);  // also forgets the undo history
}

void NotesDialog::keyPressEvent(QKeyEvent* event) {
  // Escape would close a dialog; this one stays until its close box is used.
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

void NotesDialog::EnforceLimit(int position, int added) {
  QTextDocument* document = edit_->document();
  // The last character of a document is its closing paragraph separator, never text.
  const int length = document->characterCount() - 1;
  const int excess = length - static_cast<int>(kMaxTextUnits);
  if (excess <= 0 || added <= 0) return;
  // Cut the overflow off the end of what was just typed, pasted or dropped, as the limit of an
  // edit field does, and say so with the beep. A change over the whole document (a paste over
  // everything, or into an empty field) reports one character more than it holds, so the end
  // of the insertion is kept inside the text.
  const int end = std::min(position + added, length);
  int start = std::max(0, end - excess);
  if (start > 0 && document->characterAt(start - 1).isHighSurrogate()) --start;  // whole pairs
  QTextCursor cursor(document);
  cursor.setPosition(start);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  if (document->characterCount() - 1 > static_cast<int>(kMaxTextUnits)) {
    // Still over (the insertion was shorter than the excess): keep the text's beginning.
    cursor.setPosition(static_cast<int>(kMaxTextUnits));
    cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  }
  QApplication::beep();
}
