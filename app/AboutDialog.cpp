// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/AboutDialog.h"

#include <QLabel>
#include <QPushButton>

#include "app/DialogUnits.h"

AboutDialog::AboutDialog(QWidget* owner) : QDialog(owner) {
  setFont(DialogFont());
  setWindowTitle("About");
  setFixedSize(Dlu(0, 0, 125, 78).size());
  const struct {
    const char* text;
    QRect at;
  } lines[] = {
      {"Veltrane 0.5.2 Beta Release", Dlu(0, 3, 125, 11)},
      {"The Veltrane developers", Dlu(0, 18, 125, 8)},
      {"dev@veltrane.example", Dlu(2, 26, 120, 8)},
      {"https://veltrane.example/", Dlu(2, 38, 120, 8)},
      {"Licence: GNU GPL 3 or later", Dlu(2, 46, 120, 8)},
  };
  for (const auto& line : lines) {
    auto* label = new QLabel(line.text, this);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setGeometry(line.at);
  }
  auto* ok = new QPushButton("OK", this);
  ok->setGeometry(Dlu(34, 56, 55, 14));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, [this] { done(1); });
  ok->setFocus();
}
