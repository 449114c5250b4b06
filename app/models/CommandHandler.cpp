// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/CommandHandler.h"

#include <cstdint>

#include "app/models/ShellWindows.h"
#include "drills/Drill.h"
#include "study/UserProfile.h"

CommandHandler::CommandHandler(Drill*& currentDrill, Drill& readingsDrill, Drill& fillInDrill,
                               UserProfile& profile, ShellWindows& windows)
    : currentDrill_(currentDrill),
      readingsDrill_(readingsDrill),
      fillInDrill_(fillInDrill),
      profile_(profile),
      windows_(windows) {}

bool CommandHandler::HandleCommand(WindowHandle window, int id) {
  const unsigned command = static_cast<std::uint16_t>(id);
  if (command >= kFirstDrillCommand && command <= kLastDrillCommand) {
    currentDrill_->OnCommand(static_cast<int>(command));
    windows_.RepaintWindow(window);
  }
  switch (command) {
    case kCmdAbout:
      windows_.ShowAbout(window);
      return true;
    case kCmdExit:
      // The note being edited is taken along, as closing the window does: the learner may
      // have typed in it since the card changed.
      Close();
      return true;
    case kCmdReadings:
      SwitchDrill(&readingsDrill_);
      return true;
    case kCmdFillIn:
      SwitchDrill(&fillInDrill_);
      return true;
    case kCmdProgress:
      windows_.ShowProgress();
      return true;
    case kCmdUserGuide:
      windows_.OpenUserGuide();
      return true;
    case kCmdIntroduce:
      profile_.IntroduceKanji(false);
      // The drill's counts changed under the message box; a desktop that composites windows
      // would not repaint the face when the box goes.
      windows_.RepaintWindow(currentDrill_->window());
      return true;
    case kCmdOptions:
      windows_.ShowOptionsDialog();
      windows_.FocusWindow(currentDrill_->window());
      windows_.RepaintWindow(currentDrill_->window());  // new settings show at once (Next label)
      return true;
    case kCmdStudyList:
      windows_.ShowStudyListDialog();
      windows_.FocusWindow(currentDrill_->window());
      return true;
    case kCmdShowNotes:
      windows_.ShowNotes();
      return true;
    case kCmdDecreaseMasteryLevel:
      currentDrill_->DecreaseMasteryLevel();
      return true;
    case kCmdUndoLastCard:
      UndoLastCard();
      return true;
    case kCmdShowStrokeOrder:
      windows_.ToggleStrokeOrder();
      return true;
    case kCmdZoomIn:
    case kCmdZoomOut:
    case kCmdActualSize:
      windows_.Zoom(command == kCmdZoomIn ? 1 : command == kCmdZoomOut ? -1 : 0);
      return true;
    case kCmdDarkColours:
      windows_.ToggleDarkColours();
      return true;
    default:
      return false;
  }
}

void CommandHandler::SwitchDrill(Drill* target) {
  if (currentDrill_ == target) return;
  currentDrill_ = target;
  target->NextCard();
  const Drill& other = target == &readingsDrill_ ? fillInDrill_ : readingsDrill_;
  windows_.ShowWindow(target->window());
  windows_.HideWindow(other.window());
  windows_.FocusWindow(target->window());
  windows_.RepaintWindow(target->window());
}

bool CommandHandler::CanUndoLastCard() const {
  return readingsDrill_.CanUndoLastCard() || fillInDrill_.CanUndoLastCard();
}

void CommandHandler::UndoLastCard() {
  Drill* drill = readingsDrill_.CanUndoLastCard() ? &readingsDrill_
                 : fillInDrill_.CanUndoLastCard() ? &fillInDrill_
                                                  : nullptr;
  if (drill == nullptr) return;
  if (drill != currentDrill_) {
    // Back to the card's own drill; the card taken back is its next card, so no other is drawn.
    windows_.HideWindow(currentDrill_->window());
    currentDrill_ = drill;
    windows_.ShowWindow(drill->window());
  }
  drill->UndoLastCard();
  windows_.FocusWindow(drill->window());
  windows_.RepaintWindow(drill->window());
}

void CommandHandler::Close() {
  profile_.CaptureNote();
  profile_.SaveProfile();
  windows_.Quit();
}
