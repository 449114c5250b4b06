// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/OptionsDialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <algorithm>
#include <iterator>

#include "app/DialogUnits.h"
#include "app/NumericField.h"
#include "app/QtSystem.h"
#include "app/MoreOptionsDialog.h"
#include "app/ScheduleDialog.h"
#include "app/models/ControlIds.h"

namespace {

using namespace ControlId;

struct NumberControl {
  int id;
  const char* label;
  QRect labelAt;
  QRect at;
};

struct CheckControl {
  int id;
  const char* text;
  QRect at;
};

bool Checked(QWidget* w) {
  return static_cast<QAbstractButton*>(w)->isChecked();
}
void SetChecked(QWidget* w, bool on) {
  static_cast<QAbstractButton*>(w)->setChecked(on);
}
std::string Text(QWidget* w) {
  return static_cast<QLineEdit*>(w)->text().toStdString();
}
void SetText(QWidget* w, const std::string& text) {
  static_cast<QLineEdit*>(w)->setText(QString::fromStdString(text));
}

}  // namespace

OptionsDialog::OptionsDialog(UserProfile& profile, QtSystem& system, WindowRegistry& windows,
                             QWidget* owner)
    : QDialog(owner),
      profile_(profile),
      model_(OptionsDialogModel::For(profile)),
      system_(system),
      windows_(windows) {
  handle_ = windows.Add(this);
  setFont(DialogFont());
  setWindowTitle("Veltrane Options");
  setFixedSize(Dlu(0, 0, 360, 257).size());

  auto group = [this](const char* title, QRect at) {
    auto* g = new QGroupBox(title, this);
    g->setGeometry(at);
    groups_.push_back(g);
  };
  group("Readings Drill", Dlu(185, 93, 168, 49));
  group("Fill-in Drill", Dlu(185, 156, 168, 81));
  group("Kanji Introduction", Dlu(7, 183, 154, 69));

  const NumberControl numbers[] = {
      {kScoreBaseline, "Score Baseline (%)", Dlu(7, 13, 76, 8), Dlu(84, 10, 25, 14)},
      {kMasteryThreshold, "Mastery Threshold (%)", Dlu(7, 34, 76, 8), Dlu(84, 31, 25, 14)},
      {kScoreInertia, "Score Inertia", Dlu(7, 55, 76, 8), Dlu(84, 52, 25, 14)},
      {kSelectionDistribution, "Selection Distribution", Dlu(7, 77, 76, 8), Dlu(84, 74, 25, 14)},
      {kAutoIntroduceThreshold, "Threshold (% Mastered)", Dlu(15, 215, 82, 8),
       Dlu(99, 212, 25, 14)},
      {kIntroduceCount, "Number to Introduce", Dlu(15, 235, 82, 8), Dlu(99, 232, 25, 14)},
  };
  for (const NumberControl& n : numbers) {
    auto* label = new QLabel(n.label, this);
    label->setGeometry(n.labelAt);
    auto* field = new NumericField(n.id, OptionsDialogModel::TextLimit(n.id), this);
    field->setGeometry(n.at);
    controls_[n.id] = field;
  }

  // The last two explanations run on under the OK and Cancel buttons, where there is room;
  // with the template's width they would need a third line that the rows do not have.
  const struct {
    const char* text;
    QRect at;
  } explanations[] = {
      {"Score with which kanji is introduced.  Score decline will stop at this value.",
       Dlu(114, 8, 184, 20)},
      {"Score beyond which kanji is considered to be \"mastered\".", Dlu(114, 29, 184, 20)},
      {"Number of \"slots\" in the weighted average.  If this number is smaller, each attempt "
       "will have greater influence on the score.",
       Dlu(114, 50, 239, 22)},
      {"Weight factor for kanji selection.  If larger, kanji with lower scores are more likely "
       "to be chosen.  If smaller, distribution is more uniform.",
       Dlu(114, 72, 239, 22)},
  };
  for (const auto& e : explanations) {
    auto* label = new QLabel(e.text, this);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(e.at);
  }

  const CheckControl checks[] = {
      {kUseScoreDecline, "Use Score Decline", Dlu(15, 99, 75, 10)},
      {kMasteryJumpsTo100,
       "Mastery Score Jumps to 100% when Kanji Is Mastered (allows buffer for score decline)",
       Dlu(15, 116, 156, 20)},
      {kMeaningsStayRevealed, "Kanji Meanings Stay Revealed", Dlu(15, 138, 114, 10)},
      {kRevealMeaningsOnComplete, "Reveal Meanings When Card Is Complete", Dlu(15, 153, 165, 10)},
      {kReverseSpaceEnter, "Reverse Space and Enter Key Functions", Dlu(15, 168, 165, 10)},
      {kUseAutoIntroduce, "Use Auto Introduce", Dlu(15, 197, 77, 10)},
      {kAllowUnlimitedGuesses, "Allow Unlimited Guesses", Dlu(195, 103, 97, 10)},
      {kKeepMasteredInReadings, "Keep Mastered Kanji in Drill Rotation", Dlu(195, 116, 137, 10)},
      {kRevealDropsMasteryLevel, "Reveal Decrements Mastery Level", Dlu(195, 129, 137, 10)},
      {kDrillAffectsMasteryScore, "Drill Affects Mastery Score", Dlu(195, 169, 137, 10)},
      {kFillInOnlyMastered, "Drill Only Mastered Kanji", Dlu(195, 183, 137, 10)},
      {kKeepMasteredInFillIn, "Keep Mastered Kanji in Drill Rotation", Dlu(195, 197, 137, 10)},
  };
  for (const CheckControl& c : checks) {
    QAbstractButton* box = nullptr;
    if (c.id == kMasteryJumpsTo100) {
      // A check box whose text wraps onto a second line.
      auto* check = new QCheckBox(this);
      auto* text = new QLabel(c.text, this);
      text->setWordWrap(true);
      text->setGeometry(c.at.adjusted(20, 0, 0, 0));
      text->setBuddy(check);
      check->setGeometry(c.at.left(), c.at.top(), 20, c.at.height());
      box = check;
    } else {
      box = new QCheckBox(c.text, this);
      box->setGeometry(c.at);
    }
    box->setObjectName(QString("id%1").arg(c.id));
    controls_[c.id] = box;
  }

  auto* present = new QLabel("Present Words Using:", this);
  present->setGeometry(Dlu(195, 211, 120, 8));
  const CheckControl radios[] = {
      {kReadingTypeAll, "All", Dlu(195, 222, 23, 10)},
      {kReadingTypeOn, "ON-yomi Only", Dlu(222, 222, 59, 10)},
      {kReadingTypeKun, "KUN-yomi Only", Dlu(282, 222, 63, 10)},
  };
  for (const CheckControl& r : radios) {
    auto* radio = new QRadioButton(r.text, this);
    radio->setGeometry(r.at);
    radio->setObjectName(QString("id%1").arg(r.id));
    controls_[r.id] = radio;
  }

  auto button = [this](const char* text, int id, QRect at) {
    auto* b = new QPushButton(text, this);
    b->setObjectName(QString("id%1").arg(id));
    b->setGeometry(at);
    controls_[id] = b;
    return b;
  };
  QPushButton* ok = button("OK", kOk, Dlu(303, 7, 50, 14));
  ok->setDefault(true);
  QPushButton* cancel = button("Cancel", kCancel, Dlu(303, 24, 50, 14));
  QPushButton* schedule = button("Schedule", kSchedule, Dlu(95, 96, 56, 16));
  schedule->setAutoDefault(false);
  QPushButton* moreButton = button("&More...", kMore, Dlu(303, 240, 50, 14));
  moreButton->setAutoDefault(false);

  FollowTemplateOrder();
  KeepLabelsClear();
  ShowFields(model_.Open());

  connect(static_cast<QCheckBox*>(controls_[kFillInOnlyMastered]), &QCheckBox::toggled, this,
          [this] {
            OptionsFields fields = ReadFields();
            OptionsDialogModel::OnlyMasteredChanged(fields);
            ShowFields(fields);
          });
  connect(schedule, &QPushButton::clicked, this, [this] { OnSchedule(); });
  connect(moreButton, &QPushButton::clicked, this, [this] { OnMore(); });
  connect(ok, &QPushButton::clicked, this, [this] { OnOk(); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(2); });
  controls_[kScoreBaseline]->setFocus();
}

void OptionsDialog::FollowTemplateOrder() {
  // Tab walks the controls in the template's order, not in the order they were made here.
  const int order[] = {kScoreBaseline,
                       kMasteryThreshold,
                       kScoreInertia,
                       kSelectionDistribution,
                       kUseScoreDecline,
                       kSchedule,
                       kMasteryJumpsTo100,
                       kMeaningsStayRevealed,
                       kRevealMeaningsOnComplete,
                       kReverseSpaceEnter,
                       kUseAutoIntroduce,
                       kAutoIntroduceThreshold,
                       kIntroduceCount,
                       kAllowUnlimitedGuesses,
                       kKeepMasteredInReadings,
                       kRevealDropsMasteryLevel,
                       kDrillAffectsMasteryScore,
                       kFillInOnlyMastered,
                       kKeepMasteredInFillIn,
                       kReadingTypeAll,
                       kReadingTypeOn,
                       kReadingTypeKun,
                       kOk,
                       kCancel};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(controls_.at(order[i - 1]), controls_.at(order[i]));
  }
}

void OptionsDialog::KeepLabelsClear() {
  // The template's places assume the system's metrics. With the toolkit's, a group's title can
  // reach down over its first row, and a button's text can be wider than its box: rows move
  // down below the title and buttons in a row move right, never over a neighbour.
  for (QGroupBox* g : groups_) {
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    // Below the frame's top line, which the toolkit may draw under the title.
    const int contentsTop =
        g->y() +
        style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, g).top();
    int shift = 0;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child != g && g->geometry().contains(child->geometry())) {
        shift = std::max(shift, contentsTop + 1 - child->y());
      }
    }
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (child != g && g->geometry().contains(child->geometry()))
        child->move(child->pos() + QPoint(0, shift));
    }
  }
  for (QAbstractButton* box : findChildren<QAbstractButton*>()) {
    if (!qobject_cast<QPushButton*>(box)) {
      box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
    }
  }
  QWidget* previous = nullptr;
  for (const int id : {kReadingTypeAll, kReadingTypeOn, kReadingTypeKun}) {
    QWidget* radio = controls_.at(id);
    if (previous && radio->x() < previous->geometry().right() + 4) {
      radio->move(previous->geometry().right() + 4, radio->y());
    }
    previous = radio;
  }
}

QWidget* OptionsDialog::Control(int id) const {
  auto it = controls_.find(id);
  return it == controls_.end() ? nullptr : it->second;
}

OptionsFields OptionsDialog::ReadFields() const {
  OptionsFields f;
  auto c = [this](int id) { return controls_.at(id); };
  f.scoreBaseline = Text(c(kScoreBaseline));
  f.masteryThreshold = Text(c(kMasteryThreshold));
  f.scoreInertia = Text(c(kScoreInertia));
  f.selectionDistribution = Text(c(kSelectionDistribution));
  f.autoIntroduceThreshold = Text(c(kAutoIntroduceThreshold));
  f.introduceCount = Text(c(kIntroduceCount));
  f.useScoreDecline = Checked(c(kUseScoreDecline));
  f.masteryJumpsTo100 = Checked(c(kMasteryJumpsTo100));
  f.meaningsStayRevealed = Checked(c(kMeaningsStayRevealed));
  f.revealMeaningsOnComplete = Checked(c(kRevealMeaningsOnComplete));
  f.useAutoIntroduce = Checked(c(kUseAutoIntroduce));
  f.reverseSpaceEnter = Checked(c(kReverseSpaceEnter));
  f.allowUnlimitedGuesses = Checked(c(kAllowUnlimitedGuesses));
  f.keepMasteredInReadings = Checked(c(kKeepMasteredInReadings));
  f.revealDropsMasteryLevel = Checked(c(kRevealDropsMasteryLevel));
  f.drillAffectsMasteryScore = Checked(c(kDrillAffectsMasteryScore));
  f.fillInOnlyMastered = Checked(c(kFillInOnlyMastered));
  f.keepMasteredInFillIn = Checked(c(kKeepMasteredInFillIn));
  f.keepMasteredInFillInEnabled = c(kKeepMasteredInFillIn)->isEnabled();
  f.readingTypeAll = Checked(c(kReadingTypeAll));
  f.readingTypeOn = Checked(c(kReadingTypeOn));
  f.readingTypeKun = Checked(c(kReadingTypeKun));
  return f;
}

void OptionsDialog::ShowFields(const OptionsFields& f) {
  auto c = [this](int id) { return controls_.at(id); };
  const QSignalBlocker block(c(kFillInOnlyMastered));
  SetText(c(kScoreBaseline), f.scoreBaseline);
  SetText(c(kMasteryThreshold), f.masteryThreshold);
  SetText(c(kScoreInertia), f.scoreInertia);
  SetText(c(kSelectionDistribution), f.selectionDistribution);
  SetText(c(kAutoIntroduceThreshold), f.autoIntroduceThreshold);
  SetText(c(kIntroduceCount), f.introduceCount);
  SetChecked(c(kUseScoreDecline), f.useScoreDecline);
  SetChecked(c(kMasteryJumpsTo100), f.masteryJumpsTo100);
  SetChecked(c(kMeaningsStayRevealed), f.meaningsStayRevealed);
  SetChecked(c(kRevealMeaningsOnComplete), f.revealMeaningsOnComplete);
  SetChecked(c(kUseAutoIntroduce), f.useAutoIntroduce);
  SetChecked(c(kReverseSpaceEnter), f.reverseSpaceEnter);
  SetChecked(c(kAllowUnlimitedGuesses), f.allowUnlimitedGuesses);
  SetChecked(c(kKeepMasteredInReadings), f.keepMasteredInReadings);
  SetChecked(c(kRevealDropsMasteryLevel), f.revealDropsMasteryLevel);
  SetChecked(c(kDrillAffectsMasteryScore), f.drillAffectsMasteryScore);
  SetChecked(c(kFillInOnlyMastered), f.fillInOnlyMastered);
  SetChecked(c(kKeepMasteredInFillIn), f.keepMasteredInFillIn);
  c(kKeepMasteredInFillIn)->setEnabled(f.keepMasteredInFillInEnabled);
  SetChecked(c(kReadingTypeAll), f.readingTypeAll);
  SetChecked(c(kReadingTypeOn), f.readingTypeOn);
  SetChecked(c(kReadingTypeKun), f.readingTypeKun);
}

void OptionsDialog::OnSchedule() {
  model_.BeginScheduleEdit();
  ScheduleDialog schedule(profile_, system_, windows_, this);
  model_.EndScheduleEdit(schedule.exec());
}

void OptionsDialog::OnMore() {
  MoreOptionsDialog page(more, this);
  if (page.exec() == 1) more = page.options();
}

void OptionsDialog::OnOk() {
  const OptionsVerdict verdict = model_.Ok(ReadFields());
  if (verdict.warning)
    system_.ShowMessage(verdict.warning->text, verdict.warning->caption, handle_);
  if (verdict.error) {
    system_.ShowMessage(verdict.error->text, verdict.error->caption, handle_);
    return;
  }
  done(1);
}

void OptionsDialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  done(0);
}
