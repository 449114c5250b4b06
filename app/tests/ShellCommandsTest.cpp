// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QAction>
#include <QClipboard>
#include <QMimeData>
#include <QDialog>
#include <QFontInfo>
#include <QLabel>
#include <QMenuBar>
#include <QTextEdit>
#include <QTimer>

#include "app/DrillWindow.h"
#include "app/MainWindow.h"
#include "app/NotesDialog.h"
#include "app/SentencesDialog.h"
#include "app/tests/ShellFixture.h"
#include "drills/FillInDrill.h"
#include "drills/ReadingsDrill.h"
#include "study/UserProfile.h"

namespace {

class ShellCommandsTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteDataSet();
    ASSERT_TRUE(StartShell());
    messages.clear();
  }

  // Runs action, which opens a modal dialog; returns the dialog's title after closing it.
  QString TitleOfModalOpenedBy(const std::function<void()>& action) {
    QString title;
    QTimer::singleShot(0, [&title] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        title = modal->windowTitle();
        static_cast<QDialog*>(modal)->done(1);
      }
    });
    action();
    return title;
  }
};

TEST_F(ShellCommandsTest, MenusHaveTheirTextsIdsAndGrayedItems) {
  const struct {
    const char* menu;
    const char* item;
    int command;
    bool enabled;
  } expected[] = {
      {"&Drill", "&Readings", 32771, true},
      {"&Drill", "Re&verse Readings", 32777, false},
      {"&Drill", "&Fill In", 32776, true},
      {"&Drill", "Reverse Fill In", 32778, false},
      {"&Drill", "&Undo Last Card", 32792, false},  // until a card has ended
      {"&Drill", "E&xit", 105, true},
      {"&User", "Options...", 32781, true},
      {"&User", "Study &List...", 32791, true},
      {"&User", "&Create Profile", 32772, false},
      {"&User", "&Edit Profile", 32773, false},
      {"&User", "&Switch Profile", 32774, false},
      {"&Kanji", "Edit", 32779, false},
      {"&Kanji", "&Introduce", 32780, true},
      {"&Kanji", "Show Notes", 32782, true},
      {"&Kanji", "&Progress...", 32790, true},
      {"&Kanji", nullptr, 0, true},
      {"&Kanji", "Decrease Mastery Level", 32783, true},
      {"&Kanji", "Show &Stroke Order", 32793, true},
      {"&View", "Zoom &In", 32794, true},
      {"&View", "Zoom &Out", 32795, false},  // at the smallest size already
      {"&View", "&Actual Size", 32796, false},
      {"&View", nullptr, 0, true},
      {"&View", "&Dark Colours", 32797, true},
      {"&Help", "View &User Guide", 32775, true},
      {"&Help", "&About ...", 104, true},
  };
  std::vector<QAction*> items;
  QStringList menuTitles;
  for (QAction* menu : shell->mainWindow->menuBar()->actions()) {
    menuTitles << menu->text();
    for (QAction* item : menu->menu()->actions()) items.push_back(item);
  }
  EXPECT_EQ(menuTitles, (QStringList{"&Drill", "&User", "&Kanji", "&View", "&Help"}));
  ASSERT_EQ(items.size(), std::size(expected));
  for (std::size_t i = 0; i < items.size(); ++i) {
    SCOPED_TRACE(i);
    if (expected[i].item == nullptr) {
      EXPECT_TRUE(items[i]->isSeparator());
      continue;
    }
    EXPECT_EQ(items[i]->text(), expected[i].item);
    EXPECT_EQ(items[i]->data().toInt(), expected[i].command);
    EXPECT_EQ(items[i]->isEnabled(), expected[i].enabled);
  }
}

TEST_F(ShellCommandsTest, TypingReachesTheDrillAfterTheMenusOrADialogHadTheFocus) {
  QMenuBar* bar = shell->mainWindow->menuBar();
  // Given back after a dialog closed: the drill takes the keys.
  bar->setFocus(Qt::ActiveWindowFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), shell->readingsWindow);
  // Keyboard navigation of the menus keeps it until a menu closes.
  bar->setFocus(Qt::MenuBarFocusReason);
  QApplication::processEvents();
  EXPECT_EQ(QApplication::focusWidget(), bar);
  QMenu* help = bar->actions().back()->menu();
  help->popup(QPoint(0, 0));
  help->hide();
  QApplication::processEvents();
  ASSERT_EQ(shell->mainWindow->focusWidget(), shell->readingsWindow);
  QApplication::setActiveWindow(shell->mainWindow.get());
  QTest::keyClicks(shell->mainWindow->focusWidget(), "da");
  EXPECT_EQ(shell->readingsDrill->typedCount, 1u);  // ダ, not the Drill menu
}

TEST_F(ShellCommandsTest, SwitchingDrillsPresentsANewCardOnlyOnAChange) {
  ReadingsDrill& readings = *shell->readingsDrill;
  QTest::keyClicks(shell->readingsWindow, "n");
  ASSERT_STREQ(readings.pendingRomaji, "n");

  // Already current: nothing changes, not even the letters being typed.
  EXPECT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdReadings));
  EXPECT_STREQ(readings.pendingRomaji, "n");

  EXPECT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdFillIn));
  EXPECT_TRUE(shell->fillInWindow->isVisible());
  EXPECT_FALSE(shell->readingsWindow->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), shell->fillInWindow);

  EXPECT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdReadings));
  EXPECT_STREQ(readings.pendingRomaji, "");  // a new card
  EXPECT_EQ(QApplication::focusWidget(), shell->readingsWindow);
}

TEST_F(ShellCommandsTest, TabOnADrillButtonMovesTheFocusToTheMainWindow) {
  ReadingsDrill& readings = *shell->readingsDrill;
  QWidget* button = shell->windows.Widget(readings.buttons[ReadingsDrill::kRevealEntry]);
  ASSERT_NE(button, nullptr);
  button->setFocus();
  // Letters typed on a button are key-downs only: no character reaches the drill.
  QTest::keyClicks(button, "k");
  EXPECT_STREQ(readings.pendingRomaji, "");
  QTest::keyClick(button, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), shell->mainWindow.get());
  QTest::keyClicks(shell->mainWindow.get(), "k");
  EXPECT_STREQ(readings.pendingRomaji, "k");
}

TEST_F(ShellCommandsTest, InputMethodsAreOffInTheDrillsAndOnInTheNotes) {
  EXPECT_FALSE(shell->readingsWindow->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_FALSE(shell->mainWindow->testAttribute(Qt::WA_InputMethodEnabled));
  EXPECT_TRUE(shell->notesWindow->edit()->testAttribute(Qt::WA_InputMethodEnabled));
}

TEST_F(ShellCommandsTest, AltQuestionMarkAndAltSlashOpenAboutExceptOnADrillButton) {
  for (Qt::Key key : {Qt::Key_Question, Qt::Key_Slash}) {
    const QString title =
        TitleOfModalOpenedBy([&] { QTest::keyClick(shell->readingsWindow, key, Qt::AltModifier); });
    EXPECT_EQ(title, "About");
  }
  QWidget* button = shell->windows.Widget(shell->readingsDrill->buttons[1]);
  ASSERT_NE(button, nullptr);
  button->setFocus();
  const QString title =
      TitleOfModalOpenedBy([&] { QTest::keyClick(button, Qt::Key_Question, Qt::AltModifier); });
  QApplication::processEvents();  // the closer runs now if nothing opened
  EXPECT_EQ(title, "");
}

TEST_F(ShellCommandsTest, SentencesWindowOpensBesideTheNotesAndHidesOnClose) {
  SentencesDialog& sentences = *shell->sentencesWindow;
  sentences.SetText(u"\u65e5\u672c\r\nJapan\r\n\r\n");
  sentences.Show();
  EXPECT_EQ(sentences.pos(), shell->notesWindow->pos() + QPoint(20, 20));
  EXPECT_EQ(sentences.edit()->toPlainText(), QString::fromUtf16(u"\u65e5\u672c\nJapan\n\n"));
  sentences.close();
  EXPECT_FALSE(sentences.isVisible());
}

TEST_F(ShellCommandsTest, UserGuideOpensAFileUrlOrSaysWhy) {
  shell->HandleCommand(shell->mainHandle, Shell::kCmdUserGuide);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text, "Required help files appear to be missing.");
  EXPECT_EQ(messages[0].caption, "Error");
  EXPECT_TRUE(openedUrls.empty());

  std::filesystem::create_directories(dir / "Documentation");
  WriteBytes(dir / "Documentation" / "Doc_Start.html", "<html></html>");
  messages.clear();
  shell->HandleCommand(shell->mainHandle, Shell::kCmdUserGuide);
  EXPECT_TRUE(messages.empty());
  ASSERT_EQ(openedUrls.size(), 1u);
  EXPECT_EQ(openedUrls[0].toLocalFile().toStdString(),
            (std::filesystem::canonical(dir.path()) / "Documentation" / "Doc_Start.html").string());

  browserAvailable = false;
  shell->HandleCommand(shell->mainHandle, Shell::kCmdUserGuide);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].text,
            "Not able to find or open the default browser to display the online documentation.  "
            "If you have a browser, you can manually open the documentation from the "
            "\"Documentation\" folder.");
}

TEST_F(ShellCommandsTest, NotesWindowKeepsItsTextWhenClosedAndShowsNoMoreThanItKeeps) {
  shell->HandleCommand(shell->mainHandle, Shell::kCmdShowNotes);
  NotesDialog& notes = *shell->notesWindow;
  EXPECT_EQ(notes.windowTitle(), "Kanji Notes");
  QTest::keyClicks(notes.edit(), "kept");
  notes.close();
  shell->HandleCommand(shell->mainHandle, Shell::kCmdShowNotes);
  EXPECT_TRUE(notes.isVisible());
  EXPECT_EQ(notes.edit()->toPlainText(), "kept");
  EXPECT_EQ(QFontInfo(notes.edit()->font()).family(), "IPAMincho");
  // Typed at the end, pasted into an empty field, pasted over everything, dropped anywhere:
  // the field keeps 1020 characters, and what it shows is what the card change keeps.
  const struct {
    int before;
    bool selectAll;
    int inserted;
  } cases[] = {{1015, false, 10}, {0, false, 1101}, {40, true, 1101}, {1000, false, 30}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.inserted);
    notes.edit()->setPlainText(QString(c.before, QChar('a')));
    QTextCursor cursor = notes.edit()->textCursor();
    cursor.movePosition(c.selectAll ? QTextCursor::Start : QTextCursor::End);
    if (c.selectAll) cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    notes.edit()->setTextCursor(cursor);
    if (c.inserted == 30) {
      auto* data = new QMimeData;
      data->setText(QString(c.inserted, QChar('d')));
      QApplication::clipboard()->setMimeData(data);
      notes.edit()->paste();
    } else {
      notes.edit()->insertPlainText(QString(c.inserted, QChar('b')));
    }
    EXPECT_EQ(notes.edit()->toPlainText().size(), 1020);
    EXPECT_EQ(notes.GetText(), notes.edit()->toPlainText().toStdU16String());
  }
}

}  // namespace
