// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QTextEdit>

#include "platform/NotesWindow.h"

// The "Kanji Notes" window: a modeless window with one edit field holding the note of the kanji
// on the last card. Closing it only hides it; the text stays. Input methods stay on here, so
// that notes can be written in Japanese.
class NotesDialog : public QDialog, public NotesWindow {
 public:
  explicit NotesDialog(QWidget* owner);

  // Line breaks go out as CR, the way the notes file has always held them.
  std::u16string GetText() const override;
  void SetText(const std::u16string& text) override;

  QTextEdit* edit() const { return edit_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void EnforceLimit(int position, int added);

  QTextEdit* edit_;
};
