// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QFocusEvent>
#include <QMenuBar>
#include <QTimer>

#include "app/DrillWindow.h"
#include "app/Shell.h"
#include "drills/DarkColours.h"
#include "drills/FaceZoom.h"

MainWindow::MainWindow(Shell& shell, WindowHandle handle)
    : QMainWindow(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                               Qt::CustomizeWindowHint),
      shell_(shell),
      handle_(handle) {
  setWindowTitle("Veltrane 0.5.2 Beta");
  PaintIvory(this);
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  auto* client = new QWidget(this);
  PaintIvory(client);
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  BuildMenus();
  menuBar()->installEventFilter(this);
  BuildReadabilityMenus();
  // Not resizable: the drill faces are laid out in fixed pixels.
  setFixedSize(sizeHint());
}

void MainWindow::BuildMenus() {
  struct Item {
    const char* text;  // nullptr for a separator
    int command;
    bool enabled;
    const char* shortcut = nullptr;
  };
  const struct {
    const char* title;
    std::vector<Item> items;
  } menus[] = {
      {"&Drill",
       {{"&Readings", Shell::kCmdReadings, true},
        {"Re&verse Readings", Shell::kCmdReverseReadings, false},
        {"&Fill In", Shell::kCmdFillIn, true},
        {"Reverse Fill In", Shell::kCmdReverseFillIn, false},
        {"&Undo Last Card", Shell::kCmdUndoLastCard, false},
        {"E&xit", Shell::kCmdExit, true}}},
      {"&User",
       {{"Options...", Shell::kCmdOptions, true},
        {"Study &List...", Shell::kCmdStudyList, true},
        {"&Create Profile", Shell::kCmdCreateProfile, false},
        {"&Edit Profile", Shell::kCmdEditProfile, false},
        {"&Switch Profile", Shell::kCmdSwitchProfile, false}}},
      {"&Kanji",
       {{"Edit", Shell::kCmdEditKanji, false},
        {"&Introduce", Shell::kCmdIntroduce, true},
        {"Show Notes", Shell::kCmdShowNotes, true},
        {"&Progress...", Shell::kCmdProgress, true, "Ctrl+P"},
        {nullptr, 0, false},
        {"Decrease Mastery Level", Shell::kCmdDecreaseMasteryLevel, true}}},
      {"&Help",
       {{"View &User Guide", Shell::kCmdUserGuide, true}, {"&About ...", Shell::kCmdAbout, true}}},
  };
  for (const auto& menu : menus) {
    QMenu* qmenu = menuBar()->addMenu(menu.title);
    connect(qmenu, &QMenu::aboutToHide, this, [this] { ReturnKeysToDrillLater(); });
    for (const Item& item : menu.items) {
      if (item.text == nullptr) {
        qmenu->addSeparator();
        continue;
      }
      QAction* action = qmenu->addAction(item.text);
      action->setData(item.command);
      action->setEnabled(item.enabled);
      if (item.shortcut != nullptr) action->setShortcut(QKeySequence(item.shortcut));
      const int command = item.command;
      connect(action, &QAction::triggered, this,
              [this, command] { shell_.HandleCommand(handle_, command); });
      if (command == Shell::kCmdUndoLastCard) WatchUndo(qmenu, action);
    }
  }
}

void MainWindow::WatchUndo(QMenu* menu, QAction* undo) {
  // Ctrl+Z itself reaches the shell from the drill windows; the menu only shows the key.
  undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  undo->setShortcutContext(Qt::WidgetShortcut);
  connect(menu, &QMenu::aboutToShow, undo,
          [this, undo] { undo->setEnabled(shell_.CanUndoLastCard()); });
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The menu bar takes the focus for keyboard navigation (Alt, F10) and keeps it then; any
  // other way it gets the focus (given back after a dialog closes) would let typed romaji open
  // menus by their mnemonics.
  if (watched == menuBar() && event->type() == QEvent::FocusIn &&
      static_cast<QFocusEvent*>(event)->reason() != Qt::MenuBarFocusReason) {
    ReturnKeysToDrillLater();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::ReturnKeysToDrillLater() {
  // Later, once the toolkit has settled where the focus goes; a menu that closed because the
  // learner moved to the next one leaves that one open, and the keys with it.
  QTimer::singleShot(0, this, [this] {
    if (QApplication::activePopupWidget() || QApplication::activeModalWidget()) return;
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr || focus == menuBar()) shell_.FocusCurrentDrill();
  });
}

void MainWindow::BuildReadabilityMenus() {
  QMenu* kanji = nullptr;
  QAction* help = nullptr;
  for (QAction* action : menuBar()->actions()) {
    if (action->text() == "&Kanji") kanji = action->menu();
    if (action->text() == "&Help") help = action;
  }
  if (kanji != nullptr) {
    strokeOrder_ = AddCommand(kanji, "Show &Stroke Order", Shell::kCmdShowStrokeOrder,
                              {QKeySequence(Qt::Key_F6)});
    strokeOrder_->setCheckable(true);
  }
  auto* view = new QMenu("&View", menuBar());
  menuBar()->insertMenu(help, view);
  // Ctrl+= is Ctrl++ without Shift on keyboards that put + above =.
  zoomIn_ = AddCommand(view, "Zoom &In", Shell::kCmdZoomIn,
                       {QKeySequence(Qt::CTRL | Qt::Key_Plus),
                        QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  zoomOut_ = AddCommand(view, "Zoom &Out", Shell::kCmdZoomOut,
                        {QKeySequence(Qt::CTRL | Qt::Key_Minus)});
  actualSize_ = AddCommand(view, "&Actual Size", Shell::kCmdActualSize,
                           {QKeySequence(Qt::CTRL | Qt::Key_0)});
  view->addSeparator();
  dark_ = AddCommand(view, "&Dark Colours", Shell::kCmdDarkColours);
  dark_->setCheckable(true);
}

QAction* MainWindow::AddCommand(QMenu* menu, const char* text, int command,
                                const QList<QKeySequence>& keys) {
  QAction* action = menu->addAction(text);
  action->setData(command);
  action->setShortcuts(keys);
  // The keys work wherever the focus is in the main window, the drill windows included.
  action->setShortcutContext(Qt::WindowShortcut);
  connect(action, &QAction::triggered, this, [this, command] {
    shell_.HandleCommand(handle_, command);
  });
  return action;
}

void MainWindow::SetClientSize(int width, int height) {
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  client()->setFixedSize(width, height);
  setFixedSize(sizeHint());
}

void MainWindow::ShowViewState(int zoomPercent, bool dark, bool strokeOrderOpen) {
  zoomIn_->setEnabled(zoomPercent < FaceZoom::kSteps.back());
  zoomOut_->setEnabled(zoomPercent > FaceZoom::kSteps.front());
  actualSize_->setEnabled(zoomPercent != FaceZoom::kActualSize);
  dark_->setChecked(dark);
  // The menu bar lies on the main window's ground; in the dark it gets light lettering. Its
  // menus, being windows of their own, keep the desktop's colours like the dialogs.
  QPalette bar;
  if (dark) {
    const Colour ground = DarkColour(kFaceGround);
    const Colour ink = DarkColour(kBlack);
    for (const auto role : {QPalette::Window, QPalette::Button}) {
      bar.setColor(role, QColor(ground.red, ground.green, ground.blue));
    }
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
      bar.setColor(role, QColor(ink.red, ink.green, ink.blue));
    }
  }
  menuBar()->setPalette(bar);
  if (strokeOrder_ != nullptr) strokeOrder_->setChecked(strokeOrderOpen);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // The window stays; the shell ends the event loop.
  event->ignore();
  shell_.Close();
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  shell_.KeyPressed(handle_, event);
}

void MainWindow::focusInEvent(QFocusEvent*) {
  shell_.FocusChanged();
}

void MainWindow::focusOutEvent(QFocusEvent*) {
  shell_.FocusChanged();
}
