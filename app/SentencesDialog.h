// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <QTextEdit>
#include <functional>

#include "platform/SentencesWindow.h"

// The "Example Sentences" window, 640 x 480, which the drills fill and bring up. Closing it only
// hides it.
class SentencesDialog : public QDialog, public SentencesWindow {
 public:
  SentencesDialog();

  void SetText(const std::u16string& text) override;
  void Show() override;
  void BringToTop() override;
  void MoveSelectionToStart() override;

  QTextEdit* edit() const { return edit_; }

  // Where the window opens the first time it is shown; unset leaves it to the desktop.
  std::function<QPoint()> firstPosition;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextEdit* edit_;
  bool shownBefore_ = false;
};
