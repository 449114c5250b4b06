// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

// "About": the product line, three lines about the makers and OK. Closes with OK, Enter, Escape
// or its close box.
class AboutDialog : public QDialog {
 public:
  explicit AboutDialog(QWidget* owner);
};
