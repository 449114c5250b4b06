// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MoreOptionsDialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/DialogUnits.h"

MoreOptionsDialog::MoreOptionsDialog(const MoreOptions& options, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint) {
  setWindowTitle("More Options");
  setFont(DialogFont());

  auto* grading = new QGroupBox("Grading", this);
  forgive_ = new QCheckBox("&Don't count a reading of the wrong kind or script as a miss", grading);
  forgive_->setChecked(options.forgiveOtherKind);
  auto* why = new QLabel(
      "Such an answer is refused with its reason and uses no attempt. Off, the drills score "
      "as they always have.",
      grading);
  why->setWordWrap(true);
  auto* gradingLayout = new QVBoxLayout(grading);
  gradingLayout->addWidget(forgive_);
  gradingLayout->addWidget(why);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(1); });
  connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(2); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(grading);
  layout->addWidget(buttons);
  forgive_->setFocus();
}

MoreOptions MoreOptionsDialog::options() const {
  MoreOptions options;
  options.forgiveOtherKind = forgive_->isChecked();
  return options;
}
