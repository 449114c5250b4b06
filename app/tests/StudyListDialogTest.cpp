// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>

#include "app/MainWindow.h"
#include "app/StudyListDialog.h"
#include "app/tests/ShellFixture.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "text/KanjiFactsFile.h"

namespace {

class StudyListDialogTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteDataSet();
    WriteBytes(dir / kKanjiFactsFileName, std::string(kKanjiFactsHeader) +
                                              "\n4E00\t1\t2\t4\t1\t1\n4E8C\t2\t9\t4\t7\t1\n");
    std::filesystem::create_directories(dir / "StudyLists");
    WriteUtf16File(dir / "StudyLists/grade.vls", "二\r\n一\r\n");
    WriteUtf16File(dir / "StudyLists/jlpt.vls", "一\r\n二\r\n");
    ASSERT_TRUE(StartShell());
    messages.clear();
  }
};

TEST_F(StudyListDialogTest, TheMenuAppliesAReadyListAndKeepsTheOldOne) {
  const std::string old = ReadBytes(dir / "study_list.vls");
  QString preview;
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<StudyListDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    dialog->findChild<QComboBox*>("readyList")->setCurrentIndex(1);
    preview = dialog->findChild<QLabel*>("preview")->text();
    dialog->findChild<QPushButton*>("apply")->click();
  });
  EXPECT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdStudyList));
  EXPECT_TRUE(messages.empty());
  EXPECT_TRUE(preview.startsWith(QString::fromUtf8("一")));
  EXPECT_EQ(ReadBytes(dir / "study_list.vls.bak"), old);
  ASSERT_EQ(shell->profile->studyList.size(), 2u);
  EXPECT_EQ(shell->jis->CodeToUnicode(shell->profile->studyList[0]), 0x4E00);
}

}  // namespace
