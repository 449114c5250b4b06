// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "app/KanjiSearchBar.h"
#include "app/ProgressWindow.h"
#include "app/tests/ShellFixture.h"
#include "study/StudyListFile.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"

namespace {

// 二 is on the study list and introduced at the first card; 水 and 火 are not on it.
class KanjiSearchBarTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteFullJisTable(dir.path());
    WriteUtf16File(dir / "kanji_data.dat",
                   "二\t1\tニ\tふた（つ）\ttwo\r\n"
                   "水\t1\tスイ\tみず\twater\r\n"
                   "火\t1\tカ\tひ\tfire");
    WriteUtf16File(dir / "examples.dat", "二月\t【に／がつ】\t50\tFebruary");
    WriteUtf16File(dir / "study_list.vls", "二");
    ASSERT_TRUE(StartShell());
    messages.clear();
    ASSERT_TRUE(shell->HandleCommand(shell->mainHandle, Shell::kCmdProgress));
    ASSERT_NE(shell->progressWindow, nullptr);
    field = shell->progressWindow->findChild<QLineEdit*>("searchField");
    ASSERT_NE(field, nullptr);
  }
  KanjiCode Code(char16_t unicode) {
    KanjiCode code = 0;
    shell->jis->UnicodeToCode(unicode, code);
    return code;
  }
  QWidget* Child(const char* name) { return shell->progressWindow->findChild<QWidget*>(name); }

  QLineEdit* field = nullptr;
};

TEST_F(KanjiSearchBarTest, FindsWaterEveryWayAndIntroducesItAtOnce) {
  for (const char* query : {"mizu", "sui", "water", "水"}) {
    SCOPED_TRACE(query);
    field->setText(QString::fromUtf8(query));
    auto* matches = qobject_cast<QListWidget*>(Child("searchMatches"));
    ASSERT_EQ(matches->count(), 1);
    EXPECT_EQ(matches->item(0)->text(), QString::fromUtf8("水"));
    EXPECT_EQ(shell->progressWindow->ShownKanji(), Code(u'水'));
  }
  const std::string before = ReadBytes(dir / "user_profile.vlu");
  qobject_cast<QPushButton*>(Child("introduceNow"))->click();
  EXPECT_TRUE(shell->profile->activeSet.contains(Code(u'水')));
  EXPECT_NE(ReadBytes(dir / "user_profile.vlu"), before);  // saved at once
  EXPECT_FALSE(Child("introduceNow")->isEnabled());
  EXPECT_TRUE(messages.empty());
}

TEST_F(KanjiSearchBarTest, StudyNextPutsTheKanjiFirstOfTheOnesToCome) {
  field->setText("fire");
  QTest::keyClick(Child("studyNext"), Qt::Key_Space);
  EXPECT_EQ(shell->profile->studyList, (std::vector<KanjiCode>{Code(u'二'), Code(u'火')}));
  EXPECT_EQ(ParseStudyList(ReadBytes(dir / "study_list.vls"), *shell->jis),
            shell->profile->studyList);
  EXPECT_EQ(qobject_cast<QLabel*>(Child("searchLine"))->text(),
            QString::fromUtf8("火 will be the next kanji introduced."));
}

}  // namespace
