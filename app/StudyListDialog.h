// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include "app/models/StudyListDialogModel.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QtSystem;

// "Study List": the Qt face of StudyListDialogModel. Every change of a control recomputes the
// list at once; Apply writes it and ends the dialog with 1, Cancel changes nothing.
class StudyListDialog : public QDialog {
 public:
  StudyListDialog(UserProfile& profile, const KanjiDatabase& database, const JisTable& jis,
                  const std::filesystem::path& directory, QtSystem& system, QWidget* owner);

  // What the dialog shows, for tests.
  const StudyListDialogModel& model() const { return model_; }

 private:
  void BuildControls();
  StudyListChoice ReadChoice() const;
  void Refresh();
  void OnApply();

  StudyListDialogModel model_;
  const JisTable& jis_;
  QtSystem& system_;

  QRadioButton* readyButton_ = nullptr;
  QRadioButton* composeButton_ = nullptr;
  QComboBox* readyList_ = nullptr;
  QCheckBox* byGrade_ = nullptr;
  QSpinBox* gradeLow_ = nullptr;
  QSpinBox* gradeHigh_ = nullptr;
  QCheckBox* byJlpt_ = nullptr;
  QCheckBox* jlpt_[5] = {};
  QCheckBox* byFrequency_ = nullptr;
  QSpinBox* frequencyTop_ = nullptr;
  QCheckBox* byStrokes_ = nullptr;
  QSpinBox* strokesLow_ = nullptr;
  QSpinBox* strokesHigh_ = nullptr;
  QComboBox* order_ = nullptr;
  QComboBox* thenBy_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* preview_ = nullptr;
  QLabel* blocked_ = nullptr;
  QPushButton* apply_ = nullptr;
};
