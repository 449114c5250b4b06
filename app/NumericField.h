// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

// A number field of the settings dialogs: typed characters pass NumericEditFilter's rule or are
// dropped with a beep; its text limit is set from the dialog's model. Input methods are off,
// since composed text would slip past the filter.
class NumericField : public QLineEdit {
 public:
  // limit 0 sets no limit.
  NumericField(int controlId, int limit, QWidget* parent);

  int controlId() const { return controlId_; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  int controlId_;
};
