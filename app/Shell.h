// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "app/QtButtons.h"
#include "app/QtFontFactory.h"
#include "app/QtSoundPlayer.h"
#include "app/QtSystem.h"
#include "app/QtWindowManager.h"
#include "app/WindowRegistry.h"
#include "app/models/CommandHandler.h"
#include "app/models/ShellWindows.h"
#include "drills/CardUndo.h"
#include "drills/DrillFonts.h"
#include "platform/SystemClock.h"
#include "study/RandomGenerator.h"

class Drill;
class DrillWindow;
class ExtraSettings;
class FillInDrill;
class JisTable;
class KanjiDatabase;
class MainWindow;
class NotesDialog;
class ProgressWindow;
class QKeyEvent;
class QPainter;
class QWidget;
class ReadingsDrill;
class SentencesDialog;
class StudyHistory;
class StrokeOrderDialog;
class ViewOptions;
class UserProfile;

// The program: the data, the profile, the two drills and their windows, and the routing of
// every window event to the current drill; the menu commands go through its CommandHandler, for
// which it shows, hides and focuses the windows. main() makes one; tests make their own in a
// temporary working directory.
class Shell : public ShellWindows {
 public:
  // The command ids, under the names the windows use.
  static constexpr int kCmdAbout = CommandHandler::kCmdAbout;
  static constexpr int kCmdExit = CommandHandler::kCmdExit;
  static constexpr int kCmdReadings = CommandHandler::kCmdReadings;
  static constexpr int kCmdCreateProfile = CommandHandler::kCmdCreateProfile;
  static constexpr int kCmdEditProfile = CommandHandler::kCmdEditProfile;
  static constexpr int kCmdSwitchProfile = CommandHandler::kCmdSwitchProfile;
  static constexpr int kCmdUserGuide = CommandHandler::kCmdUserGuide;
  static constexpr int kCmdFillIn = CommandHandler::kCmdFillIn;
  static constexpr int kCmdReverseReadings = CommandHandler::kCmdReverseReadings;
  static constexpr int kCmdReverseFillIn = CommandHandler::kCmdReverseFillIn;
  static constexpr int kCmdEditKanji = CommandHandler::kCmdEditKanji;
  static constexpr int kCmdIntroduce = CommandHandler::kCmdIntroduce;
  static constexpr int kCmdOptions = CommandHandler::kCmdOptions;
  static constexpr int kCmdShowNotes = CommandHandler::kCmdShowNotes;
  static constexpr int kCmdDecreaseMasteryLevel = CommandHandler::kCmdDecreaseMasteryLevel;
  static constexpr int kCmdStudyList = CommandHandler::kCmdStudyList;
  static constexpr int kCmdProgress = CommandHandler::kCmdProgress;
  static constexpr int kCmdUndoLastCard = CommandHandler::kCmdUndoLastCard;
  static constexpr int kCmdShowStrokeOrder = CommandHandler::kCmdShowStrokeOrder;
  static constexpr int kCmdZoomIn = CommandHandler::kCmdZoomIn;
  static constexpr int kCmdZoomOut = CommandHandler::kCmdZoomOut;
  static constexpr int kCmdActualSize = CommandHandler::kCmdActualSize;
  static constexpr int kCmdDarkColours = CommandHandler::kCmdDarkColours;
  static constexpr int kFirstDrillCommand = CommandHandler::kFirstDrillCommand;
  static constexpr int kLastDrillCommand = CommandHandler::kLastDrillCommand;

  // directory is the working directory, where every file lies; the program uses ".".
  explicit Shell(std::filesystem::path directory = ".");
  ~Shell() override;
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // Everything before the event loop: the character table, the splash while the data set
  // loads, then StartApplication. False when start-up stopped (the program then returns 0).
  bool Start();
  // Fonts, main window, profile, notes and sentences windows, both drills with their first
  // cards; shows the Readings drill. False when a window could not be made.
  bool StartApplication();

  // A menu, accelerator or drill button command that reached window. False when not handled.
  bool HandleCommand(WindowHandle window, int id);
  // Makes target the current drill with a new card, unless it already is.
  void SwitchDrill(Drill* target);
  // Whether Drill > Undo Last Card has a card to take back.
  bool CanUndoLastCard() const;

  // --- What the commands do to the windows, with Qt ---

  void ShowWindow(WindowHandle window) override;
  void HideWindow(WindowHandle window) override;
  void FocusWindow(WindowHandle window) override;
  void RepaintWindow(WindowHandle window) override;
  void ShowAbout(WindowHandle owner) override;
  // The Options dialog; saves the profile when it ends with OK.
  void ShowOptionsDialog() override;
  // The Study List dialog; it writes the study list itself.
  void ShowStudyListDialog() override;
  // Opens the user guide in the desktop's browser, or says why not.
  void OpenUserGuide() override;
  // Places the notes window on its first showing.
  void ShowNotes() override;
  // Makes the Progress window on first use; every call reads the history afresh.
  void ShowProgress() override;
  void Quit() override;
  // Beside the main window; without its font, a message naming the package instead.
  void ToggleStrokeOrder() override;
  void Zoom(int direction) override;
  void ToggleDarkColours() override;

  // --- Events of the main window and the drill windows ---

  void Paint(QPainter& painter);
  void KeyPressed(WindowHandle window, QKeyEvent* event);
  // A key forwarded by a drill button: only its key-down reaches the drill.
  void KeyDownFromButton(WindowHandle window, QKeyEvent* event);
  void MousePressed(WindowHandle window, Qt::MouseButton button, int x, int y);
  void FocusChanged();
  // Gives the keyboard back to the current drill's window.
  void FocusCurrentDrill();
  // The main window's close box: the note being edited, the profile, then the end of the loop.
  void Close();

  // --- The program's objects, for the windows and for tests ---

  WindowRegistry windows;
  QtSystem system{windows};
  QtWindowManager windowManager{windows};
  QtButtons buttons;
  QtFontFactory fontFactory;
  QtSoundPlayer sound;
  SystemClock clock;
  RandomGenerator random;
  // Opens a URL in the desktop's browser; tests replace it.
  std::function<bool(const QUrl&)> openUrl;

  std::unique_ptr<JisTable> jis;
  std::unique_ptr<KanjiDatabase> database;
  std::unique_ptr<SentencesDialog> sentencesWindow;
  std::unique_ptr<MainWindow> mainWindow;  // owns the drill windows and the notes window
  NotesDialog* notesWindow = nullptr;
  ProgressWindow* progressWindow = nullptr;  // owned by the main window, made on first use
  // The learner's history; made before the profile, which records into it, and outlives it.
  std::unique_ptr<StudyHistory> history;
  std::unique_ptr<UserProfile> profile;
  // The program's own options beyond the profile, loaded just after it.
  std::unique_ptr<ExtraSettings> settings;
  std::unique_ptr<ViewOptions> view;  // zoom, dark colours, stroke order: in settings
  StrokeOrderDialog* strokeOrderWindow = nullptr;  // owned by the main window
  // Whether the KanjiStrokeOrders font is installed; found at start-up, set by tests.
  bool strokeOrderFontInstalled = false;
  DrillFonts fonts;
  DrillWindow* fillInWindow = nullptr;
  DrillWindow* readingsWindow = nullptr;
  std::unique_ptr<FillInDrill> fillInDrill;
  std::unique_ptr<ReadingsDrill> readingsDrill;
  Drill* currentDrill = nullptr;
  std::unique_ptr<CommandHandler> commands;  // made with the drills
  CardUndo cardUndo;                         // the last finished card, for either drill
  // Exit or the close box ended the run (the event loop ends with it).
  bool quitRequested = false;

  const WindowHandle mainHandle;
  const WindowHandle fillInHandle;
  const WindowHandle readingsHandle;

 private:
  // The window of a drill.
  DrillWindow* WindowOf(const Drill* drill) const;
  // The "More..." page's options from the settings store into the drills.
  void ApplyMoreOptions();
  // Moves the notes window to the main window's client area before it is first shown.
  void PlaceNotesWindow();
  // The kanji search row of the Progress window, which changes the profile (the window itself
  // only reads it).
  void AttachKanjiSearch();
  // Sizes the windows and buttons for the zoom, colours them, ticks the menu, repaints.
  void ApplyView();
  // Shows the stroke-order window beside the main window.
  void ShowStrokeOrderWindow();

  std::filesystem::path directory_;
  bool notesPlaced_ = false;
};
