// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QTest>
#include <QTreeWidget>

#include "app/DrillWindow.h"
#include "app/KanjiGridView.h"
#include "app/MainWindow.h"
#include "app/ProgressWindow.h"
#include "app/tests/ShellFixture.h"
#include "bench/SyntheticHistory.h"
#include "study/UserProfile.h"
#include "text/JisTable.h"

namespace {

constexpr std::int64_t kNow = 1'780'000'000;  // 2026-05-28

// Eighty first-grade kanji; 水 has readings and a meaning for the details pane.
const std::u8string_view kKanji =
    u8"一二三四五六七八九十百千日月火水木金土人子女男山川田天空雨花草竹林森石犬虫貝目耳口"
    u8"手足大小上下中左右入出立休見生先早夕年名字文本学校車町村王玉円音気力糸白赤青正";
constexpr std::size_t kKanjiCount = 80;
constexpr std::size_t kIntroduced = 64;

class ProgressWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteFullJisTable(dir.path());
    const std::string list(kKanji.begin(), kKanji.end());
    std::string data;
    for (std::size_t i = 0; i < list.size(); i += 3) {  // three UTF-8 bytes a kanji
      const std::string kanji = list.substr(i, 3);
      if (!data.empty()) data += "\r\n";  // no line break after the last line
      data += kanji + (kanji == "水" ? "\t1\tスイ\tみず\twater" : "\t1\t\t\t-");
    }
    WriteUtf16File(dir / "kanji_data.dat", data);
    WriteUtf16File(dir / "examples.dat", "水\t【すい】\t60\twater");
    WriteUtf16File(dir / "study_list.vls", list);
    ASSERT_TRUE(StartShell());
  }

  // A history of the first kanji of the list, and the profile that it leaves behind.
  std::vector<ReviewRecord> History() {
    UserProfile& profile = *shell->profile;
    const std::vector<KanjiCode> studied(profile.studyList.begin(),
                                         profile.studyList.begin() + kIntroduced);
    std::vector<ReviewRecord> history = SyntheticHistory(studied, 9000, kNow);
    ApplyHistory(profile, history);
    return history;
  }

  std::unique_ptr<ProgressWindow> MakeWindow(std::vector<ReviewRecord> history) {
    ProgressSources sources;
    sources.readHistory = [history] { return history; };
    sources.now = [] { return kNow; };
    sources.timeZone = [](std::int64_t, std::int64_t) { return LocalTimeZone(0); };
    auto window = std::make_unique<ProgressWindow>(
        *shell->profile, *shell->database, *shell->jis, std::move(sources),
        shell->fontFactory.Font(shell->fonts.mincho54.handle),
        shell->fontFactory.Font(shell->fonts.gothic16.handle), dir.path());
    window->Refresh();
    return window;
  }

  KanjiCode Code(const char16_t* kanji) {
    KanjiCode code = 0;
    shell->jis->UnicodeToCode(static_cast<std::uint16_t>(kanji[0]), code);
    return code;
  }
};

TEST_F(ProgressWindowTest, CtrlPOpensItAndItKeepsItsPlace) {
  // The shortcut works from the drill, which otherwise takes every key.
  shell->mainWindow->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(shell->mainWindow.get()));
  QTest::keyClick(shell->readingsWindow, Qt::Key_P, Qt::ControlModifier);
  ProgressWindow* window = shell->progressWindow;
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->Model().Kanji().size(), kKanjiCount);
  EXPECT_EQ(window->Model().TotalCards(), 0u);
  window->resize(1000, 700);
  window->close();
  EXPECT_TRUE(std::filesystem::exists(dir / ProgressWindow::kGeometryFileName));
  EXPECT_EQ(MakeWindow({})->size(), QSize(1000, 700));
}

TEST_F(ProgressWindowTest, ShowsTheHistoryAndOneKanjiInDetail) {
  std::unique_ptr<ProgressWindow> window = MakeWindow(History());
  window->resize(1180, 820);
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  EXPECT_EQ(window->Model().CountIn(KanjiStage::NotIntroduced), kKanjiCount - kIntroduced);
  EXPECT_GT(window->Model().StudyStreaks().longest, 0);

  // Keys move through the grid and the details follow; a chosen kanji shows at once.
  auto* grid = window->findChild<KanjiGridView*>();
  ASSERT_NE(grid, nullptr);
  grid->setFocus();
  QTest::keyClick(grid, Qt::Key_Right);
  EXPECT_EQ(window->ShownKanji(), Code(u"二"));
  QTest::keyClick(grid, Qt::Key_End);
  EXPECT_EQ(window->ShownKanji(), Code(u"正"));
  window->ShowKanji(Code(u"水"));
  EXPECT_EQ(grid->CurrentIndex(), 15);
  EXPECT_EQ(window->ShownKanji(), Code(u"水"));

  EXPECT_EQ(Render(window.get(), "progress").size(), QSize(1180, 820));
  // The leech list, reached by its mnemonic.
  QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
  Render(window.get(), "progress-failing");
  EXPECT_NE(window->findChild<QTreeWidget*>()->topLevelItemCount(), 0);
}

}  // namespace
