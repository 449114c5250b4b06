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
  const int excess = edit_->document()->characterCount() - 1 - static_cast<int>(kMaxTextUnits);
  if (excess <= 0 || added <= 0) return;
  // Cut the overflow off the end of what was just typed or pasted, as the limit of an edit
  // field does, and say so with the beep.
  const int cut = std::min(excess, added);
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position + added - cut);
  cursor.setPosition(position + added, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  QApplication::beep();
}
