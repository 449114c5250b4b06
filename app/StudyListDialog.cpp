// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/StudyListDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/QtSystem.h"
#include "text/JisTable.h"

namespace {

using Order = StudyListRecipe::Order;

constexpr std::size_t kPreviewLength = 20;

// The orders a learner can pick, in the combo boxes' order.
const struct {
  const char* text;
  Order order;
  bool needsFacts;
} kOrders[] = {
    {"School grade", Order::kGrade, false},
    {"Frequency", Order::kFrequency, true},
    {"Stroke count", Order::kStrokes, true},
    {"JLPT level, 4 first", Order::kJlpt, true},
    {"Current study list", Order::kListOrder, false},
};

QSpinBox* Spin(int low, int high, int value, const char* name) {
  auto* spin = new QSpinBox;
  spin->setRange(low, high);
  spin->setValue(value);
  spin->setObjectName(name);
  return spin;
}

QComboBox* OrderBox(bool factsAvailable, int initial, const char* name) {
  auto* box = new QComboBox;
  box->setObjectName(name);
  for (const auto& order : kOrders) {
    if (!order.needsFacts || factsAvailable) box->addItem(order.text, static_cast<int>(order.order));
  }
  box->setCurrentIndex(box->findData(initial));
  return box;
}

}  // namespace

StudyListDialog::StudyListDialog(UserProfile& profile, const KanjiDatabase& database,
                                 const JisTable& jis, const std::filesystem::path& directory,
                                 QtSystem& system, QWidget* owner)
    : QDialog(owner), model_(profile, database, jis, directory), jis_(jis), system_(system) {
  setWindowTitle("Study List");
  model_.Open();
  BuildControls();
  Refresh();
}

void StudyListDialog::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  const bool facts = model_.factsAvailable();
  if (!model_.factsLine().empty()) {
    auto* line = new QLabel(QString::fromStdString(model_.factsLine()));
    line->setWordWrap(true);
    line->setObjectName("factsLine");
    layout->addWidget(line);
  }

  readyButton_ = new QRadioButton("&Ready list:");
  readyList_ = new QComboBox;
  readyList_->setObjectName("readyList");
  for (const auto& ready : model_.readyLists()) {
    readyList_->addItem(QString::fromStdString(ready.title));
  }
  auto* readyRow = new QHBoxLayout;
  readyRow->addWidget(readyButton_);
  readyRow->addWidget(readyList_, 1);
  layout->addLayout(readyRow);
  if (!model_.readyLine().empty()) {
    readyButton_->setEnabled(false);
    readyList_->setEnabled(false);
    auto* line = new QLabel(QString::fromStdString(model_.readyLine()));
    line->setWordWrap(true);
    layout->addWidget(line);
  }

  composeButton_ = new QRadioButton("&Compose a list (every kanji that meets the checked rules):");
  layout->addWidget(composeButton_);
  auto* group = new QGroupBox;
  auto* grid = new QGridLayout(group);
  const auto row = [&](int at, QCheckBox* check, QWidget* first, QWidget* second) {
    grid->addWidget(check, at, 0);
    grid->addWidget(first, at, 1);
    if (second != nullptr) grid->addWidget(second, at, 2);
  };
  byGrade_ = new QCheckBox("&Grades from / to:");
  gradeLow_ = Spin(1, 9, 1, "gradeLow");
  gradeHigh_ = Spin(1, 9, 6, "gradeHigh");
  row(0, byGrade_, gradeLow_, gradeHigh_);
  byJlpt_ = new QCheckBox("&JLPT levels:");
  auto* levels = new QWidget;
  auto* levelRow = new QHBoxLayout(levels);
  levelRow->setContentsMargins(0, 0, 0, 0);
  for (int level = 4; level >= 1; --level) {
    jlpt_[level] = new QCheckBox(QString("&%1").arg(level));
    jlpt_[level]->setChecked(level == 4);
    levelRow->addWidget(jlpt_[level]);
  }
  row(1, byJlpt_, levels, nullptr);
  byFrequency_ = new QCheckBox("Most &frequent:");
  frequencyTop_ = Spin(1, 9999, 500, "frequencyTop");
  row(2, byFrequency_, frequencyTop_, nullptr);
  byStrokes_ = new QCheckBox("&Strokes from / to:");
  strokesLow_ = Spin(1, 40, 1, "strokesLow");
  strokesHigh_ = Spin(1, 40, 10, "strokesHigh");
  row(3, byStrokes_, strokesLow_, strokesHigh_);
  order_ = OrderBox(facts, static_cast<int>(Order::kGrade), "order");
  thenBy_ = OrderBox(facts, static_cast<int>(facts ? Order::kFrequency : Order::kListOrder), "thenBy");
  auto* orderLabel = new QLabel("&Order by / then by:");
  orderLabel->setBuddy(order_);
  grid->addWidget(orderLabel, 4, 0);
  grid->addWidget(order_, 4, 1);
  grid->addWidget(thenBy_, 4, 2);
  layout->addWidget(group);
  for (QWidget* needsFacts : std::initializer_list<QWidget*>{byJlpt_, levels, byFrequency_,
                                                              frequencyTop_, byStrokes_, strokesLow_,
                                                              strokesHigh_}) {
    needsFacts->setEnabled(facts);
  }

  count_ = new QLabel;
  count_->setObjectName("count");
  layout->addWidget(count_);
  auto* previewLabel = new QLabel("Next to be introduced:");
  layout->addWidget(previewLabel);
  preview_ = new QLabel;
  preview_->setObjectName("preview");
  QFont big = preview_->font();
  big.setPointSize(big.pointSize() * 3 / 2);
  preview_->setFont(big);
  preview_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(preview_);
  blocked_ = new QLabel;
  blocked_->setObjectName("blocked");
  blocked_->setWordWrap(true);
  layout->addWidget(blocked_);

  auto* buttons = new QDialogButtonBox;
  apply_ = buttons->addButton("&Apply", QDialogButtonBox::AcceptRole);
  apply_->setObjectName("apply");
  buttons->addButton(QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnApply(); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  readyButton_->setChecked(!model_.choice().compose);
  composeButton_->setChecked(model_.choice().compose);
  const auto refresh = [this] { Refresh(); };
  for (QRadioButton* button : {readyButton_, composeButton_}) {
    connect(button, &QRadioButton::toggled, this, refresh);
  }
  connect(readyList_, &QComboBox::currentIndexChanged, this, [this] {
    readyButton_->setChecked(true);
    Refresh();
  });
  for (QCheckBox* check : {byGrade_, byJlpt_, byFrequency_, byStrokes_, jlpt_[1], jlpt_[2],
                           jlpt_[3], jlpt_[4]}) {
    connect(check, &QCheckBox::toggled, this, refresh);
  }
  for (QSpinBox* spin : {gradeLow_, gradeHigh_, frequencyTop_, strokesLow_, strokesHigh_}) {
    connect(spin, &QSpinBox::valueChanged, this, refresh);
  }
  for (QComboBox* box : {order_, thenBy_}) {
    connect(box, &QComboBox::currentIndexChanged, this, refresh);
  }
}

StudyListChoice StudyListDialog::ReadChoice() const {
  StudyListChoice choice;
  choice.compose = composeButton_->isChecked();
  choice.readyIndex = readyList_->currentIndex();
  StudyListRecipe& r = choice.recipe;
  r.byGrade = byGrade_->isChecked();
  r.gradeLow = gradeLow_->value();
  r.gradeHigh = gradeHigh_->value();
  r.byJlpt = byJlpt_->isChecked() && byJlpt_->isEnabled();
  for (int level = 1; level <= 4; ++level) {
    if (jlpt_[level]->isChecked()) r.jlptLevels |= 1u << level;
  }
  r.byFrequency = byFrequency_->isChecked() && byFrequency_->isEnabled();
  r.frequencyTop = frequencyTop_->value();
  r.byStrokes = byStrokes_->isChecked() && byStrokes_->isEnabled();
  r.strokesLow = strokesLow_->value();
  r.strokesHigh = strokesHigh_->value();
  r.order = static_cast<Order>(order_->currentData().toInt());
  r.thenBy = static_cast<Order>(thenBy_->currentData().toInt());
  return choice;
}

void StudyListDialog::Refresh() {
  model_.Choose(ReadChoice());
  count_->setText(QString::fromStdString(model_.CountLine()));
  QString preview;
  for (const KanjiCode code : model_.Preview(kPreviewLength)) {
    preview += QChar(jis_.CodeToUnicode(code));
    preview += ' ';
  }
  if (model_.count() > 0 && model_.notYetStudied() == 0) {
    preview = "(every kanji of this list is already being studied)";
  }
  preview_->setText(preview);
  const std::string blocked = model_.ApplyBlocked();
  apply_->setEnabled(blocked.empty());
  apply_->setToolTip(QString::fromStdString(blocked));
  blocked_->setText(QString::fromStdString(blocked));
  blocked_->setVisible(!blocked.empty());
}

void StudyListDialog::OnApply() {
  std::string error;
  if (!model_.Apply(error)) {
    system_.ShowMessage(error, "Veltrane", kNoWindow, MessageIcon::Error);
    return;
  }
  accept();
}
