#pragma once

#include <QDialog>
#include <QTextEdit>

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

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QTextEdit* edit_;
};
