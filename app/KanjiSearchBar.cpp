// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/KanjiSearchBar.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "text/JisTable.h"

KanjiSearchBar::KanjiSearchBar(UserProfile& profile, const KanjiDatabase& database,
                               const JisTable& jis, const std::filesystem::path& directory,
                               const QFont& kanjiFont, QWidget* parent)
    : QWidget(parent), model_(profile, database, jis, directory), jis_(jis) {
  auto* layout = new QGridLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* label = new QLabel("Fin&d a kanji:");
  field_ = new QLineEdit;
  field_->setObjectName("searchField");
  field_->setPlaceholderText("水, mizu, sui, water, 4");
  field_->setClearButtonEnabled(true);
  label->setBuddy(field_);
  matches_ = new QListWidget;
  matches_->setObjectName("searchMatches");
  matches_->setFlow(QListView::LeftToRight);
  matches_->setWrapping(false);
  QFont font = kanjiFont;
  font.setPixelSize(22);
  matches_->setFont(font);
  matches_->setFixedHeight(QFontMetrics(font).height() + 24);
  introduce_ = new QPushButton("Introduce &now");
  introduce_->setObjectName("introduceNow");
  studyNext_ = new QPushButton("Study ne&xt");
  studyNext_->setObjectName("studyNext");
  line_ = new QLabel;
  line_->setObjectName("searchLine");
  layout->addWidget(label, 0, 0);
  layout->addWidget(field_, 0, 1);
  layout->addWidget(introduce_, 0, 2);
  layout->addWidget(studyNext_, 0, 3);
  layout->addWidget(matches_, 1, 0, 1, 4);
  layout->addWidget(line_, 2, 0, 1, 4);
  layout->setColumnStretch(1, 1);
  // Down from the field goes into the matches, as in a search box with suggestions.
  setTabOrder(field_, matches_);
  setTabOrder(matches_, introduce_);
  setTabOrder(introduce_, studyNext_);

  connect(field_, &QLineEdit::textChanged, this, [this] { OnTextChanged(); });
  connect(field_, &QLineEdit::returnPressed, this, [this] {
    if (matches_->count() > 0) matches_->setFocus();
  });
  connect(matches_, &QListWidget::currentRowChanged, this, [this] { OnCurrentChanged(); });
  connect(introduce_, &QPushButton::clicked, this, [this] { Act(true); });
  connect(studyNext_, &QPushButton::clicked, this, [this] { Act(false); });
  line_->setText(QString::fromStdString(model_.line()));
  UpdateButtons();
}

void KanjiSearchBar::FocusField() {
  field_->setFocus();
  field_->selectAll();
}

void KanjiSearchBar::OnTextChanged() {
  model_.Search(field_->text().toStdU16String());
  line_->setText(QString::fromStdString(model_.line()));
  matches_->clear();
  for (const KanjiCode code : model_.matches()) {
    auto* item = new QListWidgetItem(QString(QChar(jis_.CodeToUnicode(code))), matches_);
    item->setData(Qt::UserRole, code);
  }
  // The first match is shown at once: type "mizu" and 水 is in the details pane.
  if (matches_->count() > 0) matches_->setCurrentRow(0);
  UpdateButtons();
}

void KanjiSearchBar::OnCurrentChanged() {
  const KanjiCode code = Current();
  if (code != 0 && showKanji) showKanji(code);
  UpdateButtons();
}

KanjiCode KanjiSearchBar::Current() const {
  const QListWidgetItem* item = matches_->currentItem();
  return item == nullptr ? 0 : static_cast<KanjiCode>(item->data(Qt::UserRole).toUInt());
}

void KanjiSearchBar::UpdateButtons() {
  const QString blocked = QString::fromStdString(model_.ActionBlocked(Current()));
  for (QPushButton* button : {introduce_, studyNext_}) {
    button->setEnabled(blocked.isEmpty());
    button->setToolTip(blocked);
  }
}

void KanjiSearchBar::Act(bool introduce) {
  bool done = false;
  const std::string said =
      introduce ? model_.IntroduceNow(Current(), done) : model_.StudyNext(Current(), done);
  line_->setText(QString::fromStdString(said));
  if (done && changed) changed();
  UpdateButtons();
}
