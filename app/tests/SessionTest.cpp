// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDialog>
#include <QScreen>
#include <QTextEdit>
#include <QTimer>
#include <string_view>

#include "app/DrillWindow.h"
#include "app/MainWindow.h"
#include "app/NotesDialog.h"
#include "app/tests/ShellFixture.h"
#include "drills/Drill.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "study/StudyHistory.h"
#include "study/UserProfile.h"
#include "text/KanjiRecord.h"

namespace {

using SessionTest = ShellTest;

// Whether a notes file holds text, zero-terminated UTF-16LE, as a note's text.
bool HoldsNote(const std::string& file, std::u16string_view text) {
  std::string bytes;
  for (const char16_t c : text) bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  return file.find(bytes + std::string(2, '\0')) != std::string::npos;
}

TEST_F(SessionTest, FirstRunTypesACardAndSavesScoreAndNoteOnClose) {
  WriteDataSet();
  ASSERT_TRUE(StartShell());

  EXPECT_EQ(Texts(),
            (std::vector<std::string>{"Creating default user profile.", "Introduced 1 kanji."}));
  ASSERT_EQ(shell->currentDrill, shell->readingsDrill.get());
  ASSERT_NE(shell->readingsDrill->cardKanji, nullptr);
  const KanjiCode two = shell->readingsDrill->cardKanji->code;
  EXPECT_EQ(shell->fillInDrill->cardKanji->code, two);
  EXPECT_TRUE(shell->readingsWindow->isVisible());
  EXPECT_FALSE(shell->fillInWindow->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), shell->readingsWindow);

  // ニ in katakana, Tab to hiragana, then ふた: every reading found at the first try.
  QTest::keyClicks(shell->readingsWindow, "ni");
  QTest::keyClick(shell->readingsWindow, Qt::Key_Return);
  QTest::keyClick(shell->readingsWindow, Qt::Key_Tab);
  QTest::keyClicks(shell->readingsWindow, "FUTA");
  QTest::keyClick(shell->readingsWindow, Qt::Key_Return);
  EXPECT_TRUE(shell->readingsDrill->complete);
  // The weighted average over four slots moves the baseline 50 a quarter of the way to 100.
  EXPECT_FLOAT_EQ(shell->profile->FindProgress(two)->score, 62.5f);

  // A note typed into the notes window is kept when the main window closes.
  shell->HandleCommand(shell->mainHandle, Shell::kCmdShowNotes);
  QTest::keyClicks(shell->notesWindow->edit(), "mnemonic");
  shell->mainWindow->close();
  EXPECT_TRUE(shell->quitRequested);

  EXPECT_TRUE(HoldsNote(ReadBytes(dir / "kanji_notes.dat"), u"mnemonic"));
  shell.reset();
  ASSERT_TRUE(StartShell());  // the next start reads what was saved
  const KanjiProgress saved = *shell->profile->FindProgress(two);
  EXPECT_EQ(std::tuple(saved.active, saved.score, saved.masteryLevel),
            std::tuple(true, 62.5f, std::int16_t{0}));
}

TEST_F(SessionTest, FillInCardTypedThroughTheWindowMovesTheScore) {
  WriteDataSet();
  ASSERT_TRUE(StartShell());
  shell->HandleCommand(shell->mainHandle, Shell::kCmdFillIn);
  FillInDrill& fillIn = *shell->fillInDrill;
  const KanjiCode two = fillIn.cardKanji->code;

  // 二月 with the reading of 二 blanked: に, at the first try.
  QTest::keyClicks(shell->fillInWindow, "ni");
  QTest::keyClick(shell->fillInWindow, Qt::Key_Return);
  EXPECT_TRUE(fillIn.complete);
  // Three points shared among the kanji's two readings.
  EXPECT_FLOAT_EQ(shell->profile->FindProgress(two)->score, 51.5f);

  QTest::keyClick(shell->fillInWindow, Qt::Key_Space);  // next card
  EXPECT_FALSE(fillIn.complete);
  shell->mainWindow->close();
  shell.reset();
  ASSERT_TRUE(StartShell());
  EXPECT_FLOAT_EQ(shell->profile->FindProgress(two)->score, 51.5f);
}

TEST_F(SessionTest, ExitKeepsTheNoteAndTheSecondRunReadsTheSavedProfileSilently) {
  WriteDataSet();
  ASSERT_TRUE(StartShell());
  shell->notesWindow->edit()->setPlainText("line one\nline two");
  EXPECT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdExit));
  EXPECT_TRUE(HoldsNote(ReadBytes(dir / "kanji_notes.dat"), u"line one\rline two"));
  shell.reset();
  messages.clear();
  ASSERT_TRUE(StartShell());
  EXPECT_TRUE(messages.empty()) << messages.front().text;
  EXPECT_NE(shell->readingsDrill->cardKanji, nullptr);
}

TEST_F(SessionTest, TheProgramRecordsIntroductionsAndCardsAsTheyHappen) {
  WriteDataSet();
  ASSERT_TRUE(StartShell());
  shell->HandleCommand(shell->readingsHandle, Drill::CmdReveal);
  const std::vector<ReviewRecord> rows = shell->history->ReadReviews();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].outcome, ReviewOutcome::Introduced);
  EXPECT_EQ(std::pair(rows[1].outcome, rows[1].drill),
            std::pair(ReviewOutcome::Reveal, ReviewDrill::Readings));
}

TEST_F(SessionTest, ABoxOwnedByTheMainWindowBeforeItIsShownOpensCentredOnTheScreen) {
  WriteDataSet();
  ASSERT_TRUE(StartShell());
  shell->mainWindow->hide();
  shell->system.answerMessage = nullptr;
  QRect box;
  QWidget* parent = shell->mainWindow.get();
  QTimer::singleShot(0, [&] {
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      box = modal->frameGeometry();
      parent = modal->parentWidget();
      modal->done(0);
    }
  });
  shell->system.ShowMessage("Introduced 10 kanji.", "Veltrane", shell->mainHandle);
  EXPECT_EQ(parent, nullptr);
  const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
  EXPECT_LE((box.center() - centre).manhattanLength(), 4) << box.x() << "," << box.y();
}

TEST_F(SessionTest, MissingDataFileEndsTheProgramWithItsMessage) {
  WriteFullJisTable(dir.path());
  try {
    StartShell();
    ADD_FAILURE() << "the program went on";
  } catch (const ShellEnded& ended) {
    EXPECT_EQ(ended.exitCode, -1);
  }
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].caption, "Veltrane File Error");
}

}  // namespace
