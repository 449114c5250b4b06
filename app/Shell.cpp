// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/Shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>
#include <QScreen>
#include <QSplashScreen>
#include <QThread>
#include <clocale>

#include "app/AboutDialog.h"
#include "app/DrillWindow.h"
#include "app/KeyTranslation.h"
#include "app/MainWindow.h"
#include "app/NotesDialog.h"
#include "app/OptionsDialog.h"
#include "app/KanjiSearchBar.h"
#include "app/ProgressWindow.h"
#include "app/QtPainter.h"
#include "app/SentencesDialog.h"
#include "app/StudyListDialog.h"
#include "app/Splash.h"
#include "app/SystemTimeZone.h"
#include "app/models/MoreOptions.h"
#include "app/StrokeOrderDialog.h"
#include "app/models/StrokeOrderModel.h"
#include "app/models/ViewOptions.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "drills/ZoomedPainter.h"
#include "study/ExtraSettings.h"
#include "study/StudyHistory.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"

namespace {

constexpr const char* kUserGuide = "Documentation/Doc_Start.html";

// Ctrl+Z in a drill window or on a drill button: Drill > Undo Last Card.
bool IsUndoKey(const QKeyEvent* event) {
  return event->key() == Qt::Key_Z &&
         (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier;
}

}  // namespace

Shell::Shell(std::filesystem::path directory)
    : buttons(windows,
              {[this](WindowHandle window, int id) { HandleCommand(window, id); },
               [this](WindowHandle window, QKeyEvent* event) { KeyDownFromButton(window, event); },
               [this] { windowManager.SetFocus(mainHandle); }}),
      openUrl([](const QUrl& url) { return QDesktopServices::openUrl(url); }),
      mainHandle(windows.Reserve()),
      fillInHandle(windows.Reserve()),
      readingsHandle(windows.Reserve()),
      directory_(std::move(directory)) {}

Shell::~Shell() = default;

bool Shell::Start() {
  // Qt has set the C library's locale from the environment. The profile file is written and
  // read with C number formats, which must keep their full stop whatever the learner's
  // language, or a profile written under a decimal comma would not read back.
  std::setlocale(LC_NUMERIC, "C");
  QtFontFactory::InstallSubstitutes();
  // First thing once the toolkit exists: its failure needs a message box.
  jis = std::make_unique<JisTable>(directory_ / JisTable::kFileName, system);
  database = std::make_unique<KanjiDatabase>(*jis, system, directory_);

  QSplashScreen splash(SplashPicture());
  splash.show();
  splash.repaint();
  QApplication::processEvents();
  system.splash = &splash;

  database->LoadAll();
  const bool started = StartApplication();
  system.splash = nullptr;
  if (started) splash.finish(mainWindow.get());
  return started;
}

bool Shell::StartApplication() {
  fonts.Create(fontFactory);

  mainWindow = std::make_unique<MainWindow>(*this, mainHandle);
  windows.Attach(mainHandle, mainWindow.get());

  // The two text windows exist before the profile, which keeps the notes window's text.
  notesWindow = new NotesDialog(mainWindow.get());
  sentencesWindow = std::make_unique<SentencesDialog>();
  // Both open at the top-left corner of the main window's client area (the sentences window 20
  // pixels further in) the first time they are shown, wherever the desktop put the main window.
  sentencesWindow->firstPosition = [this] {
    PlaceNotesWindow();
    return notesWindow->pos() + QPoint(20, 20);
  };

  profile = std::make_unique<UserProfile>(*database, *jis, system, clock, random, *notesWindow,
                                          directory_);
  profile->mainWindow = mainHandle;
  profile->LoadProfile();
  settings = std::make_unique<ExtraSettings>(directory_, system);
  settings->Load(mainHandle);
  // Opened after the profile's own messages and before the first cards, whose introductions
  // it records; it reads no rows here.
  history = std::make_unique<StudyHistory>(directory_, system, mainHandle);
  profile->reviewLog = history.get();
  view = std::make_unique<ViewOptions>(*settings, mainHandle);
  // The buttons are made at the remembered size.
  buttons.SetView(view->zoom(), view->dark());
  strokeOrderFontInstalled =
      QFontDatabase::families().contains(QString(StrokeOrderModel::kFontFamily));
  strokeOrderWindow = new StrokeOrderDialog(mainWindow.get());
  strokeOrderWindow->closedByLearner = [this] {
    view->SetStrokeOrderOpen(false);
    ApplyView();
  };

  auto host = [this](WindowHandle window) {
    return DrillHost{*database, *profile,         *jis,       fonts,
                     random,    system,           buttons,    windowManager,
                     sound,     *sentencesWindow, mainHandle, window};
  };
  fillInDrill = std::make_unique<FillInDrill>(host(fillInHandle));
  readingsDrill = std::make_unique<ReadingsDrill>(host(readingsHandle));
  fillInDrill->undo = &cardUndo;
  readingsDrill->undo = &cardUndo;
  ApplyMoreOptions();
  currentDrill = readingsDrill.get();
  fillInDrill->strokeOrder = strokeOrderWindow;
  readingsDrill->strokeOrder = strokeOrderWindow;
  commands =
      std::make_unique<CommandHandler>(currentDrill, *readingsDrill, *fillInDrill, *profile, *this);

  fillInWindow = new DrillWindow(*this, fillInHandle, mainWindow->client());
  fillInWindow->setGeometry(0, 0, MainWindow::kClientWidth, MainWindow::kClientHeight);
  windows.Attach(fillInHandle, fillInWindow);
  fillInDrill->CreateControls();
  fillInDrill->NextCard();

  readingsWindow = new DrillWindow(*this, readingsHandle, mainWindow->client());
  readingsWindow->setGeometry(0, 0, MainWindow::kClientWidth, MainWindow::kClientHeight);
  windows.Attach(readingsHandle, readingsWindow);
  readingsDrill->CreateControls();
  readingsDrill->NextCard();

  ApplyView();
  mainWindow->show();
  readingsWindow->show();
  fillInWindow->hide();
  if (view->strokeOrderOpen() && strokeOrderFontInstalled) ShowStrokeOrderWindow();
  ApplyView();
  readingsWindow->repaint();
  readingsWindow->setFocus();
  return true;
}

bool Shell::HandleCommand(WindowHandle window, int id) {
  return commands->HandleCommand(window, id);
}

void Shell::SwitchDrill(Drill* target) {
  commands->SwitchDrill(target);
}

bool Shell::CanUndoLastCard() const {
  return commands && commands->CanUndoLastCard();
}

void Shell::ShowWindow(WindowHandle window) {
  if (QWidget* widget = windows.Widget(window)) widget->show();
}

void Shell::HideWindow(WindowHandle window) {
  if (QWidget* widget = windows.Widget(window)) widget->hide();
}

void Shell::FocusWindow(WindowHandle window) {
  windowManager.SetFocus(window);
}

void Shell::ShowAbout(WindowHandle owner) {
  AboutDialog about(windows.Widget(owner));
  about.exec();
}

void Shell::ShowOptionsDialog() {
  OptionsDialog dialog(*profile, system, windows, mainWindow.get());
  dialog.more = MoreOptions::Load(*settings);
  if (dialog.exec() != 1) return;
  profile->SaveProfile();
  dialog.more.Store(*settings);
  settings->Save(mainHandle);
  ApplyMoreOptions();
}

void Shell::ApplyMoreOptions() {
  const MoreOptions more = MoreOptions::Load(*settings);
  readingsDrill->forgiveOtherKind = more.forgiveOtherKind;
  fillInDrill->forgiveOtherKind = more.forgiveOtherKind;
}

void Shell::ShowStudyListDialog() {
  StudyListDialog dialog(*profile, *database, *jis, directory_, system, mainWindow.get());
  dialog.exec();
}

void Shell::OpenUserGuide() {
  const QString guide = QDir(QString::fromStdString(directory_.string())).filePath(kUserGuide);
  if (!QFileInfo(guide).isFile()) {
    system.ShowMessage("Required help files appear to be missing.", "Error");
    return;
  }
  // A file URL, handed to the desktop: no shell, so spaces and quotes in the path are safe.
  if (!openUrl(QUrl::fromLocalFile(QFileInfo(guide).absoluteFilePath()))) {
    system.ShowMessage(
        "Not able to find or open the default browser to display the online documentation.  "
        "If you have a browser, you can manually open the documentation from the "
        "\"Documentation\" folder.",
        "Error");
  }
}

void Shell::Paint(QPainter& painter) {
  if (!currentDrill) return;
  QtPainter face(painter, fontFactory, view->dark());
  const FaceZoom zoom = view->zoom();
  if (zoom.percent == FaceZoom::kActualSize) {
    currentDrill->Paint(face);
    return;
  }
  ZoomedPainter zoomed(face, zoom, fontFactory);
  currentDrill->Paint(zoomed);
}

void Shell::KeyPressed(WindowHandle window, QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  if (modifiers & Qt::AltModifier) {
    // The accelerators; other Alt keys belong to the menu.
    if (event->key() == Qt::Key_Question || event->key() == Qt::Key_Slash) {
      HandleCommand(window, kCmdAbout);
    } else {
      event->ignore();
    }
    return;
  }
  if (!currentDrill) return;
  if (IsUndoKey(event)) {
    HandleCommand(window, kCmdUndoLastCard);
    return;
  }
  const int virtualKey =
      VirtualKeyOf(event->key(), (modifiers & Qt::KeypadModifier) != Qt::NoModifier);
  if (virtualKey != 0) {
    currentDrill->OnKeyDown(virtualKey);
    RepaintWindow(window);
  }
  const int character = CharacterOf(event->key(), event->text());
  if (character >= 0) {
    currentDrill->OnChar(static_cast<char>(character));
    RepaintWindow(window);
  }
}

void Shell::KeyDownFromButton(WindowHandle window, QKeyEvent* event) {
  if (IsUndoKey(event)) {
    HandleCommand(window, kCmdUndoLastCard);
    return;
  }
  const int virtualKey =
      VirtualKeyOf(event->key(), (event->modifiers() & Qt::KeypadModifier) != Qt::NoModifier);
  if (virtualKey == 0 || !currentDrill) return;
  currentDrill->OnKeyDown(virtualKey);
  RepaintWindow(window);
}

void Shell::MousePressed(WindowHandle window, Qt::MouseButton button, int x, int y) {
  windowManager.SetFocus(window);
  // The drill knows its face in its own pixels; a zoomed click is mapped back to them.
  const FaceZoom zoom = view->zoom();
  if (button == Qt::LeftButton && currentDrill) {
    currentDrill->OnClick(zoom.Unscale(x), zoom.Unscale(y));
  }
}

void Shell::FocusChanged() {
  // Only the drill window on show is visible over the main window's client area.
  if (currentDrill) WindowOf(currentDrill)->update();
}

void Shell::FocusCurrentDrill() {
  if (currentDrill) WindowOf(currentDrill)->setFocus();
}

void Shell::Close() {
  commands->Close();
}

DrillWindow* Shell::WindowOf(const Drill* drill) const {
  return drill == fillInDrill.get() ? fillInWindow : readingsWindow;
}

void Shell::RepaintWindow(WindowHandle window) {
  QWidget* widget = windows.Widget(window);
  if (widget == mainWindow.get() && currentDrill) widget = WindowOf(currentDrill);
  if (widget && widget->isVisible()) widget->repaint();
}

void Shell::ShowNotes() {
  PlaceNotesWindow();
  notesWindow->showNormal();
  notesWindow->raise();
  notesWindow->activateWindow();
}

void Shell::AttachKanjiSearch() {
  auto* search = new KanjiSearchBar(*profile, *database, *jis, directory_,
                                    fontFactory.Font(fonts.gothic16.handle), progressWindow);
  search->showKanji = [this](KanjiCode code) { progressWindow->ShowKanji(code); };
  // A kanji introduced by hand is saved at once, like the settings, and shows in the grid and
  // in the drill's counts.
  search->changed = [this] {
    profile->SaveProfile();
    progressWindow->Refresh();
    RepaintWindow(currentDrill->window());
  };
  progressWindow->AddAboveGrid(search);
  new QShortcut(QKeySequence::Find, progressWindow, [search] { search->FocusField(); });
}

void Shell::ShowProgress() {
  if (progressWindow == nullptr) {
    ProgressSources sources;
    sources.readHistory = [this] {
      return history ? history->ReadReviews() : std::vector<ReviewRecord>();
    };
    sources.isRecording = [this] { return history && history->IsRecording(); };
    sources.now = [this] { return clock.SecondsSince1970(); };
    sources.timeZone = SystemTimeZone;
    progressWindow = new ProgressWindow(*profile, *database, *jis, std::move(sources),
                                        fontFactory.Font(fonts.mincho54.handle),
                                        fontFactory.Font(fonts.gothic16.handle), directory_,
                                        mainWindow.get());
    AttachKanjiSearch();
  }
  progressWindow->Refresh();
  progressWindow->showNormal();
  progressWindow->raise();
  progressWindow->activateWindow();
}

void Shell::PlaceNotesWindow() {
  if (notesPlaced_) return;
  notesPlaced_ = true;
  notesWindow->move(mainWindow->client()->mapToGlobal(QPoint(0, 0)));
}

void Shell::Quit() {
  quitRequested = true;
  // Telling Qt to quit outside an event loop would make every later loop (a modal dialog's
  // too) return at once.
  if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(0);
}

void Shell::ToggleStrokeOrder() {
  if (strokeOrderWindow->isVisible()) {
    strokeOrderWindow->hide();
    view->SetStrokeOrderOpen(false);
  } else if (!strokeOrderFontInstalled) {
    system.ShowMessage(StrokeOrderModel::MissingFontText(), "Veltrane", mainHandle);
  } else {
    ShowStrokeOrderWindow();
    view->SetStrokeOrderOpen(true);
  }
  ApplyView();
}

void Shell::ShowStrokeOrderWindow() {
  // The new window's frame is taken to be as thick as the main window's.
  const QRect main = mainWindow->frameGeometry();
  const QSize frame = main.size() - mainWindow->geometry().size();
  const QRect screen = mainWindow->screen()->availableGeometry();
  const Rect place = StrokeOrderModel::Placement(
      {main.left(), main.top(), main.right() + 1, main.bottom() + 1},
      {screen.left(), screen.top(), screen.right() + 1, screen.bottom() + 1},
      StrokeOrderModel::kSide + frame.width(), StrokeOrderModel::kSide + frame.height());
  strokeOrderWindow->move(place.left, place.top);
  strokeOrderWindow->show();
}

void Shell::Zoom(int direction) {
  if (!view->Zoom(direction)) return;
  ApplyView();
  // The main window has grown or shrunk under it.
  if (strokeOrderWindow->isVisible()) ShowStrokeOrderWindow();
}

void Shell::ToggleDarkColours() {
  view->SetDark(!view->dark());
  ApplyView();
}

void Shell::ApplyView() {
  const FaceZoom zoom = view->zoom();
  const bool dark = view->dark();
  const int width = zoom.Scale(MainWindow::kClientWidth);
  const int height = zoom.Scale(MainWindow::kClientHeight);
  for (DrillWindow* window : {fillInWindow, readingsWindow}) {
    if (window == nullptr) continue;
    window->setGeometry(0, 0, width, height);
    PaintIvory(window, dark);
  }
  PaintIvory(mainWindow->client(), dark);
  mainWindow->SetClientSize(width, height);
  buttons.SetView(zoom, dark);
  strokeOrderWindow->SetDark(dark);
  mainWindow->ShowViewState(zoom.percent, dark, strokeOrderWindow->isVisible());
  if (currentDrill != nullptr && WindowOf(currentDrill) != nullptr) {
    WindowOf(currentDrill)->update();
  }
}
