// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QMainWindow>

#include "platform/WindowHandle.h"

class QAction;
class QMenu;
class Shell;

// The main window "Veltrane 0.5.2 Beta": a fixed-size frame without a maximise button, with the
// program's menu and the two drill windows in its client area. Keys typed while it has the
// focus reach the current drill; its close box saves and ends the program.
class MainWindow : public QMainWindow {
 public:
  static constexpr int kClientWidth = 640;
  static constexpr int kClientHeight = 440;

  MainWindow(Shell& shell, WindowHandle handle);

  // The area the drill windows fill.
  QWidget* client() const { return centralWidget(); }
  // Gives the client area a new fixed size; the window fits it and stays unresizable.
  void SetClientSize(int width, int height);
  // Ticks and greys the View menu and the stroke-order item to match the current state.
  void ShowViewState(int zoomPercent, bool dark, bool strokeOrderOpen);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  bool focusNextPrevChild(bool) override { return false; }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  // Grays Drill > Undo Last Card whenever its menu opens with nothing to take back.
  void WatchUndo(QMenu* menu, QAction* undo);
  // After the learner has left the menus, the next keys belong to the drill.
  void ReturnKeysToDrillLater();
  void BuildReadabilityMenus();
  QAction* AddCommand(QMenu* menu, const char* text, int command,
                      const QList<QKeySequence>& keys = {});

  Shell& shell_;
  WindowHandle handle_;
  QAction* strokeOrder_ = nullptr;
  QAction* zoomIn_ = nullptr;
  QAction* zoomOut_ = nullptr;
  QAction* actualSize_ = nullptr;
  QAction* dark_ = nullptr;
};
