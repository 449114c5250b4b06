// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QImage>
#include <QMenuBar>
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

// The first-grade kanji with their meanings; 水 has readings for the details pane.
constexpr const char* kKanji[][2] = {
    {"一", "one"}, {"二", "two"}, {"三", "three"}, {"四", "four"}, {"五", "five"},
    {"六", "six"}, {"七", "seven"}, {"八", "eight"}, {"九", "nine"}, {"十", "ten"},
    {"百", "hundred"}, {"千", "thousand"}, {"日", "day, sun"}, {"月", "moon, month"},
    {"火", "fire"}, {"水", "water"}, {"木", "tree, wood"}, {"金", "gold, money"},
    {"土", "soil, earth"}, {"人", "person"}, {"子", "child"}, {"女", "woman"}, {"男", "man"},
    {"山", "mountain"}, {"川", "river"}, {"田", "rice field"}, {"天", "heaven"}, {"空", "sky, empty"},
    {"雨", "rain"}, {"花", "flower"}, {"草", "grass"}, {"竹", "bamboo"}, {"林", "grove"},
    {"森", "forest"}, {"石", "stone"}, {"犬", "dog"}, {"虫", "insect"}, {"貝", "shellfish"},
    {"目", "eye"}, {"耳", "ear"}, {"口", "mouth"}, {"手", "hand"}, {"足", "foot, leg"},
    {"大", "large"}, {"小", "small"}, {"上", "above, up"}, {"下", "below, down"},
    {"中", "inside, middle"}, {"左", "left"}, {"右", "right"}, {"入", "enter"},
    {"出", "exit, leave"}, {"立", "stand up"}, {"休", "rest"}, {"見", "see"}, {"生", "life, birth"},
    {"先", "ahead"}, {"早", "early"}, {"夕", "evening"}, {"年", "year"}, {"名", "name"},
    {"字", "character"}, {"文", "writing"}, {"本", "book, origin"}, {"学", "study"},
    {"校", "school"}, {"車", "vehicle"}, {"町", "town"}, {"村", "village"}, {"王", "king"},
    {"玉", "jewel, ball"}, {"円", "circle, yen"}, {"音", "sound"}, {"気", "spirit"},
    {"力", "power"}, {"糸", "thread"}, {"白", "white"}, {"赤", "red"}, {"青", "blue"},
    {"正", "correct"},
};
constexpr std::size_t kIntroduced = 64;

class ProgressWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    WriteFullJisTable(dir.path());
    std::string data;
    std::string list;
    for (const auto& [kanji, meaning] : kKanji) {
      const std::string readings = std::string(kanji) == "水" ? "スイ\tみず" : "\t";
      if (!data.empty()) data += "\r\n";  // no line break after the last line
      data += std::string(kanji) + "\t1\t" + readings + "\t" + meaning;
      list += kanji;
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
    profile.activeList.clear();
    profile.activeSet.clear();
    for (const ReviewRecord& review : history) {
      std::int32_t index;
      if (!profile.FindProgressIndex(review.kanji, index)) continue;
      KanjiProgress& entry = profile.progress[static_cast<std::size_t>(index)];
      if (!entry.active) profile.activeList.push_back(index);
      entry.active = true;
      profile.activeSet.insert(review.kanji);
      if (review.scoreAfter >= 90 && review.scoreBefore < 90) ++entry.masteryLevel;
      entry.score = review.scoreAfter;
    }
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

TEST_F(ProgressWindowTest, KanjiMenuOpensItWithCtrlPAndItKeepsItsPlace) {
  QAction* progress = nullptr;
  for (QAction* menu : shell->mainWindow->menuBar()->actions()) {
    for (QAction* item : menu->menu()->actions()) {
      if (item->data().toInt() == Shell::kCmdProgress) progress = item;
    }
    if (progress != nullptr) {
      EXPECT_EQ(menu->text(), "&Kanji");
      break;
    }
  }
  ASSERT_NE(progress, nullptr);
  EXPECT_EQ(progress->text(), "&Progress...");
  EXPECT_EQ(progress->shortcut(), QKeySequence("Ctrl+P"));

  // The shortcut works from the drill, which otherwise takes every key.
  shell->mainWindow->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(shell->mainWindow.get()));
  QTest::keyClick(shell->readingsWindow, Qt::Key_P, Qt::ControlModifier);
  ProgressWindow* window = shell->progressWindow;
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(window->isModal());
  EXPECT_EQ(window->Model().Kanji().size(), std::size(kKanji));
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
  EXPECT_EQ(window->Model().CountIn(KanjiStage::NotIntroduced), std::size(kKanji) - kIntroduced);
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

  const QImage image = window->grab().toImage();
  QDir().mkpath(VELTRANE_SCREENSHOT_DIR);
  image.save(QString(VELTRANE_SCREENSHOT_DIR) + "/progress.png");
  EXPECT_EQ(image.size(), QSize(1180, 820));
  // The leech list, reached by its mnemonic.
  QTest::keyClick(window.get(), Qt::Key_F, Qt::AltModifier);
  window->grab().save(QString(VELTRANE_SCREENSHOT_DIR) + "/progress-failing.png");
  EXPECT_NE(window->findChild<QTreeWidget*>()->topLevelItemCount(), 0);
}

}  // namespace
