// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "app/models/ScheduleDialogModel.h"

class NumericField;
class QLabel;
class QListWidget;
class QPushButton;
class QtSystem;
class WindowRegistry;

// "Score Decline Schedule": the Qt face of ScheduleDialogModel over the profile's edit copy.
// Ends with 1 (OK), 2 (Cancel) or 0 (close box).
class ScheduleDialog : public QDialog {
 public:
  ScheduleDialog(UserProfile& profile, QtSystem& system, WindowRegistry& windows, QWidget* owner);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowView();
  void OnOk();

  ScheduleDialogModel model_;
  QtSystem& system_;
  WindowHandle handle_;
  QListWidget* list_;
  QLabel* levelLabel_;
  NumericField* days_;
  QPushButton* apply_;
  NumericField* higherLevels_;
  bool showing_ = false;
};
