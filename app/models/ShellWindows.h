// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/WindowHandle.h"

// What the menu commands need from the program's windows and the toolkit, one method per
// effect, so that the command table runs without a display. The desktop program implements it.
class ShellWindows {
 public:
  virtual ~ShellWindows() = default;

  // Shows window normally (a drill window: over the main window's client area).
  virtual void ShowWindow(WindowHandle window) = 0;
  virtual void HideWindow(WindowHandle window) = 0;
  // Gives the keyboard focus to window.
  virtual void FocusWindow(WindowHandle window) = 0;
  // Erases window to its background and repaints it before returning. The main window is
  // covered by the drill window on show, so that one is repainted instead.
  virtual void RepaintWindow(WindowHandle window) = 0;

  // Runs the About box modally, owned by owner.
  virtual void ShowAbout(WindowHandle owner) = 0;
  // Runs the Options dialog modally; it saves the profile when it ends with OK.
  virtual void ShowOptionsDialog() = 0;
  // Runs the Study List dialog modally; it writes the study list itself when applied.
  virtual void ShowStudyListDialog() = 0;
  // Opens the user guide in the desktop's browser, or tells the learner why not.
  virtual void OpenUserGuide() = 0;
  // Shows the notes window normally and activates it; its text stays as it was.
  virtual void ShowNotes() = 0;
  // Kanji > Progress...: shows the Progress window (modeless) with fresh figures, and activates it.
  virtual void ShowProgress() = 0;
  // Ends the run: the event loop returns once the current message is done.
  virtual void Quit() = 0;

  // Readability. Empty by default, so that windows without these commands need not name them.
  // Shows the stroke-order window beside the main window, or hides it when it is on show.
  virtual void ToggleStrokeOrder() {}
  // Zooms the drill faces one step in (direction > 0), out (< 0) or to their actual size (0).
  virtual void Zoom(int /*direction*/) {}
  // Turns the faces' dark colours on or off.
  virtual void ToggleDarkColours() {}
};
