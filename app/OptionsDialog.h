// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>
#include <map>
#include <vector>

#include "app/models/MoreOptions.h"
#include "app/models/OptionsDialogModel.h"

class NumericField;
class QAbstractButton;
class QtSystem;
class WindowRegistry;

// "Veltrane Options": the Qt face of OptionsDialogModel over the profile's settings. Ends with
// 1 when OK stored new settings; the caller then saves the profile.
class QGroupBox;

class OptionsDialog : public QDialog {
 public:
  OptionsDialog(UserProfile& profile, QtSystem& system, WindowRegistry& windows, QWidget* owner);

  // The "More..." button, beyond the template's controls.
  static constexpr int kMore = 1100;

  // The control with id (tests find the controls by the template's ids).
  QWidget* Control(int id) const;

  // The program's own options, shown on the "More..." page: set before the dialog runs, read
  // after it ended with 1. A page confirmed there is dropped if this dialog is cancelled.
  MoreOptions more;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  OptionsFields ReadFields() const;
  void ShowFields(const OptionsFields& fields);
  void OnOk();
  void OnSchedule();
  void OnMore();
  void FollowTemplateOrder();
  void KeepLabelsClear();

  UserProfile& profile_;
  OptionsDialogModel model_;
  QtSystem& system_;
  WindowRegistry& windows_;
  WindowHandle handle_;
  std::map<int, QWidget*> controls_;
  std::vector<QGroupBox*> groups_;
};
