// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/WindowHandle.h"

class Drill;
class ShellWindows;
class UserProfile;

// The menu and accelerator commands: which id does what, and in which order it calls the
// drills, the profile and the windows. Everything it works with is owned by the program and
// outlives it; currentDrill is the program's own, changed here by the drill commands.
class CommandHandler {
 public:
  static constexpr int kCmdAbout = 104;
  static constexpr int kCmdExit = 105;
  static constexpr int kCmdReadings = 32771;
  static constexpr int kCmdCreateProfile = 32772;
  static constexpr int kCmdEditProfile = 32773;
  static constexpr int kCmdSwitchProfile = 32774;
  static constexpr int kCmdUserGuide = 32775;
  static constexpr int kCmdFillIn = 32776;
  static constexpr int kCmdReverseReadings = 32777;
  static constexpr int kCmdReverseFillIn = 32778;
  static constexpr int kCmdEditKanji = 32779;
  static constexpr int kCmdIntroduce = 32780;
  static constexpr int kCmdOptions = 32781;
  static constexpr int kCmdShowNotes = 32782;
  static constexpr int kCmdDecreaseMasteryLevel = 32783;
  static constexpr int kCmdStudyList = 32791;
  static constexpr int kCmdProgress = 32790;
  static constexpr int kCmdUndoLastCard = 32792;
  // Readability: the stroke-order window and the View menu.
  static constexpr int kCmdShowStrokeOrder = 32793;
  static constexpr int kCmdZoomIn = 32794;
  static constexpr int kCmdZoomOut = 32795;
  static constexpr int kCmdActualSize = 32796;
  static constexpr int kCmdDarkColours = 32797;
  // The drills' buttons; every id in between goes to the current drill.
  static constexpr int kFirstDrillCommand = 900;
  static constexpr int kLastDrillCommand = 1000;

  CommandHandler(Drill*& currentDrill, Drill& readingsDrill, Drill& fillInDrill,
                 UserProfile& profile, ShellWindows& windows);
  CommandHandler(const CommandHandler&) = delete;
  CommandHandler& operator=(const CommandHandler&) = delete;

  // A command that reached window (the main window or a drill window). The id is taken as 16
  // bits, as a menu message carries it. False when not handled: the grayed items, the drill
  // buttons (after the drill has seen them) and unknown ids.
  bool HandleCommand(WindowHandle window, int id);
  // Makes target (one of the two drills) the current drill with a new card, shows and focuses
  // its window and hides the other's. Nothing at all when target already is current.
  void SwitchDrill(Drill* target);
  // Whether Drill > Undo Last Card has a card to take back (the item is grayed otherwise).
  bool CanUndoLastCard() const;
  // Takes back the last finished card in its drill, which becomes current without a new card
  // of its own, and shows the same kanji again. Nothing when there is no card to take back.
  void UndoLastCard();
  // Drill > Exit and the close box alike: the note being edited, the profile, then the end of
  // the run.
  void Close();

 private:
  Drill*& currentDrill_;
  Drill& readingsDrill_;
  Drill& fillInDrill_;
  UserProfile& profile_;
  ShellWindows& windows_;
};
