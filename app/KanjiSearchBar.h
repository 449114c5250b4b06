// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>
#include <functional>

#include "app/models/KanjiSearchModel.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The search row of the Progress window: a field that finds kanji as the learner types, the
// matches in a row, and "Introduce now" and "Study next" for the kanji chosen among them. The
// chosen kanji is shown through showKanji (the window's details pane); changed is called after
// either button changed the learner's state.
class KanjiSearchBar : public QWidget {
 public:
  KanjiSearchBar(UserProfile& profile, const KanjiDatabase& database, const JisTable& jis,
                 const std::filesystem::path& directory, const QFont& kanjiFont,
                 QWidget* parent = nullptr);

  std::function<void(KanjiCode)> showKanji;
  std::function<void()> changed;

  // Puts the cursor into the search field with its text selected.
  void FocusField();

 private:
  void OnTextChanged();
  void OnCurrentChanged();
  void UpdateButtons();
  void Act(bool introduce);
  KanjiCode Current() const;

  KanjiSearchModel model_;
  const JisTable& jis_;
  QLineEdit* field_ = nullptr;
  QListWidget* matches_ = nullptr;
  QLabel* line_ = nullptr;
  QPushButton* introduce_ = nullptr;
  QPushButton* studyNext_ = nullptr;
};
