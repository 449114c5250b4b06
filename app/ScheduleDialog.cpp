// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/ScheduleDialog.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "app/DialogUnits.h"
#include "app/NumericField.h"
#include "app/QtSystem.h"
#include "app/models/ControlIds.h"

ScheduleDialog::ScheduleDialog(UserProfile& profile, QtSystem& system, WindowRegistry& windows,
                               QWidget* owner)
    : QDialog(owner), model_(ScheduleDialogModel::For(profile)), system_(system) {
  handle_ = windows.Add(this);
  setFont(DialogFont());
  setWindowTitle("Score Decline Schedule");
  setFixedSize(Dlu(0, 0, 196, 191).size());

  auto label = [this](const char* text, QRect at) {
    auto* l = new QLabel(text, this);
    l->setGeometry(at);
    return l;
  };
  auto button = [this](const char* text, int id, QRect at) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString("id%1").arg(id));
    b->setGeometry(at);
    return b;
  };
  label("Mastery Level", Dlu(7, 7, 45, 8));
  label("Days Until Baselined", Dlu(60, 7, 69, 8));
  list_ = new QListWidget(this);
  list_->setObjectName(QString("id%1").arg(ControlId::kScheduleList));
  list_->setGeometry(Dlu(7, 20, 122, 96));
  QPushButton* ok = button("OK", ControlId::kOk, Dlu(139, 20, 50, 14));
  ok->setDefault(true);
  QPushButton* cancel = button("Cancel", ControlId::kCancel, Dlu(139, 38, 50, 14));
  QPushButton* addNext = button("Add Next", ControlId::kAddNext, Dlu(139, 84, 50, 14));
  QPushButton* removeLast = button("Remove Last", ControlId::kRemoveLast, Dlu(139, 102, 50, 14));
  auto* group = new QGroupBox("Modify Selected Level", this);
  group->setGeometry(Dlu(7, 121, 182, 44));
  group->lower();
  label("Mastery Level", Dlu(32, 135, 45, 8));
  levelLabel_ = label("ML", Dlu(85, 135, 30, 8));
  levelLabel_->setObjectName(QString("id%1").arg(ControlId::kLevelLabel));
  label("Days Until Baselined", Dlu(11, 149, 73, 8));
  days_ = new NumericField(ControlId::kScheduleDays, ScheduleDialogModel::kDaysTextLimit, this);
  days_->setGeometry(Dlu(85, 146, 40, 14));
  apply_ = button("Apply", ControlId::kApply, Dlu(134, 139, 50, 14));
  label("Days Until Baselined for Higher Levels", Dlu(5, 172, 125, 8));
  higherLevels_ =
      new NumericField(ControlId::kDaysHigherLevels, ScheduleDialogModel::kDaysTextLimit, this);
  higherLevels_->setGeometry(Dlu(133, 169, 40, 14));

  model_.Open();
  ShowView();

  // Selection, not the current row: the focus alone makes the toolkit's first row current
  // without the learner selecting anything.
  connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
    if (showing_) return;  // only the learner's selections notify
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    model_.Select(selected.isEmpty() ? -1 : list_->row(selected.first()));
    ShowView();
  });
  connect(addNext, &QPushButton::clicked, this, [this] {
    model_.AddNext();
    ShowView();
  });
  connect(removeLast, &QPushButton::clicked, this, [this] {
    model_.RemoveLast();
    ShowView();
  });
  connect(apply_, &QPushButton::clicked, this, [this] {
    if (auto error = model_.Apply(days_->text().toStdString())) {
      system_.ShowMessage(error->text, error->caption, handle_);
      return;
    }
    ShowView();
  });
  connect(ok, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(2); });
  list_->setFocus();
}

void ScheduleDialog::ShowView() {
  const ScheduleDialogModel::View& view = model_.view();
  showing_ = true;
  list_->clear();
  for (const std::string& line : view.lines) list_->addItem(QString::fromStdString(line));
  if (view.selected >= 0) list_->setCurrentRow(view.selected);
  showing_ = false;
  levelLabel_->setText(QString::fromStdString(view.levelLabel));
  days_->setText(QString::fromStdString(view.daysText));
  days_->setEnabled(view.daysEnabled);
  apply_->setEnabled(view.daysEnabled);
  higherLevels_->setText(QString::fromStdString(view.higherLevelsText));
}

void ScheduleDialog::OnOk() {
  if (auto error = model_.Ok(higherLevels_->text().toStdString())) {
    system_.ShowMessage(error->text, error->caption, handle_);
    return;
  }
  done(1);
}

void ScheduleDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  done(0);
}
