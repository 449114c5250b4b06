// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "app/models/MoreOptions.h"

class QCheckBox;

// "More Options", the Options dialog's page for the program's own options. Ends with 1 when OK
// was pressed; options() then holds the choices, which the Options dialog keeps until its own
// OK.
class MoreOptionsDialog : public QDialog {
 public:
  MoreOptionsDialog(const MoreOptions& options, QWidget* owner);

  MoreOptions options() const;

 private:
  QCheckBox* forgive_;
};
