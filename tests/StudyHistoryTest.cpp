// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/StudyHistory.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "drills/FillInDrill.h"
#include "drills/Keys.h"
#include "drills/ReadingsDrill.h"
#include "study/ReviewLog.h"
#include "tests/DrillFixture.h"
#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"

namespace {

namespace fs = std::filesystem;

ReviewRecord Card(std::int64_t time, KanjiCode kanji = 0x3021,
                  ReviewOutcome outcome = ReviewOutcome::Complete) {
  return {.time = time, .kanji = kanji, .outcome = outcome};
}

// Runs sql on the database file directly, as another program would; the first column of the
// last row, if any.
std::string Sql(const fs::path& file, const std::string& sql) {
  sqlite3* db = nullptr;
  std::string result;
  sqlite3_open(file.c_str(), &db);
  sqlite3_exec(
      db, sql.c_str(),
      [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) = values[0] != nullptr ? values[0] : "";
        return 0;
      },
      &result, nullptr);
  sqlite3_close(db);
  return result;
}

// Starts body in a child process (as an ordinary user when asked and running as root, so that
// file permissions hold); Succeeded tells whether it returned true.
pid_t Spawn(const std::function<bool()>& body, bool ordinaryUser = false) {
  const pid_t child = fork();
  if (child == 0) {
    if (ordinaryUser && geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(2);
    _exit(body() ? 0 : 1);
  }
  return child;
}

bool Succeeded(pid_t child) {
  int status = 0;
  waitpid(child, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

class StudyHistoryTest : public ::testing::Test {
 protected:
  fs::path File() const { return dir / StudyHistory::kFileName; }
  // A history of count cards, closed again.
  void MakeHistory(int count) {
    StudyHistory history(dir.path(), system);
    std::vector<ReviewRecord> cards;
    for (int i = 0; i < count; ++i) cards.push_back(Card(i));
    ASSERT_EQ(history.RecordBatch(cards), cards.size());
  }
  // Whether history gives up (by the next record at the latest) with one "Veltrane" message
  // saying what.
  static bool GaveUpSaying(StudyHistory& history, FakeSystem& system, const std::string& what) {
    return history.Record(Card(1)) == 0 && !history.IsRecording() &&
           history.ReadReviews().empty() && system.messages.size() == 1 &&
           system.messages[0].caption == "Veltrane" &&
           system.messages[0].text.find(what) != std::string::npos &&
           system.messages[0].text.find("not recorded") != std::string::npos;
  }

  TempDir dir;
  FakeSystem system;
};

TEST_F(StudyHistoryTest, RecordsComeBackWholeInTimeOrderAndOneCanBeTakenBack) {
  ReviewRecord full{200, 0x4F7D, ReviewDrill::FillIn, ReviewOutcome::AttemptsOut, -0.375f, 89.99f,
                    100.0f, 32767, 3, 65535, 19};
  const auto fields = [](const ReviewRecord& r) {
    return std::tuple{r.time,        r.kanji,      r.drill,      r.outcome,
                      r.cardScore,   r.scoreBefore, r.scoreAfter, r.levelBefore,
                      r.levelAfter,  r.attemptsUsed, r.wrongTries};
  };
  std::int64_t ids[4];
  {
    StudyHistory history(dir.path(), system);
    ids[0] = history.Record(full);
    ids[1] = history.Record(Card(100, 0x3022, ReviewOutcome::Introduced));  // clock set back
    ids[2] = history.Record(Card(200, 0x3023, ReviewOutcome::LevelDown));
    ids[3] = history.Record(Card(300));
    EXPECT_TRUE(history.Remove(ids[3]));
    EXPECT_FALSE(history.Remove(ids[3]));
  }
  StudyHistory history(dir.path(), system);
  const std::vector<StoredReview> rows = history.ReadStoredReviews();
  ASSERT_EQ(rows.size(), 3u);
  // Same second: recording order.
  EXPECT_EQ((std::tuple{rows[0].id, rows[1].id, rows[2].id}),
            (std::tuple{ids[1], ids[0], ids[2]}));
  EXPECT_EQ(fields(rows[1].record), fields(full));
  EXPECT_EQ(Sql(File(), "SELECT IFNULL(drill, '-') FROM reviews WHERE outcome = 'introduced'"),
            "-");
  EXPECT_EQ(Sql(File(), "PRAGMA user_version"), std::to_string(StudyHistory::SchemaVersion()));
  EXPECT_EQ(Sql(File(), "PRAGMA journal_mode"), "wal");
  EXPECT_TRUE(system.messages.empty());
}

TEST_F(StudyHistoryTest, UnusableFilesStopRecordingWithOneMessageAndAreNeverLost) {
  struct Case {
    const char* name;
    std::function<void()> prepare;
    const char* said;
    const char* keptAs;  // where the original bytes are afterwards
    bool recordingAtOpen = false;
  };
  const Case cases[] = {
      {"not a database", [&] { WriteBytes(File(), std::string(5000, 'x')); }, "is damaged",
       "study_history.sqlite.damaged"},
      {"damaged again", [&] {
         WriteBytes(File(), "SQLite format 3");
         WriteBytes(dir / "study_history.sqlite.damaged", "older");
       }, "kept as \"study_history.sqlite.damaged2\"", "study_history.sqlite.damaged2"},
      {"a database without our table", [&] { Sql(File(), "PRAGMA user_version = 1"); },
       "is damaged", "study_history.sqlite.damaged"},
      {"a later schema", [&] {
         MakeHistory(3);
         Sql(File(), "PRAGMA user_version = 99");
       }, "newer version", "study_history.sqlite"},
      // Opening reads no rows, so this damage is found by the first reading.
      {"damaged past the first page", [&] {
         MakeHistory(2000);
         std::string bytes = ReadBytes(File());
         bytes.replace(4096, bytes.size() - 4096, bytes.size() - 4096, '\xFF');
         WriteBytes(File(), bytes);
       }, "is damaged", "study_history.sqlite.damaged", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& entry : fs::directory_iterator(dir.path())) fs::remove(entry.path());
    system.messages.clear();
    c.prepare();
    const std::string bytes = ReadBytes(File());
    {
      StudyHistory history(dir.path(), system);
      EXPECT_EQ(history.IsRecording(), c.recordingAtOpen);
      EXPECT_TRUE(GaveUpSaying(history, system, c.said));
    }
    EXPECT_EQ(ReadBytes(dir / c.keptAs), bytes);
    EXPECT_EQ(fs::exists(File()), std::string_view(c.keptAs) == StudyHistory::kFileName);
  }
}

TEST_F(StudyHistoryTest, AFileLockedByAnotherProgramStopsRecordingButStaysInPlace) {
  MakeHistory(1);
  sqlite3* other = nullptr;
  sqlite3_open(File().c_str(), &other);
  sqlite3_exec(other, "BEGIN IMMEDIATE; DELETE FROM reviews;", nullptr, nullptr, nullptr);
  {
    StudyHistory history(dir.path(), system);
    EXPECT_TRUE(GaveUpSaying(history, system, "locked by another program"));
  }
  sqlite3_close(other);  // the other program ends without committing
  StudyHistory again(dir.path(), system);
  EXPECT_EQ(again.ReadReviews().size(), 1u);
}

TEST_F(StudyHistoryTest, AFolderOrDiskThatTakesNoWritesStopsRecording) {
  MakeHistory(1);
  const auto cannotWrite = [this] {
    FakeSystem childSystem;
    StudyHistory history(dir.path(), childSystem);
    if (history.IsRecording()) {
      // A disk that is full for this process: files may not grow any more.
      std::signal(SIGXFSZ, SIG_IGN);
      const rlimit none{0, RLIM_INFINITY};
      setrlimit(RLIMIT_FSIZE, &none);
    }
    return GaveUpSaying(history, childSystem, "cannot be written");
  };
  EXPECT_TRUE(Succeeded(Spawn(cannotWrite)));
  fs::permissions(dir.path(), fs::perms::owner_all | fs::perms::others_read |
                                  fs::perms::others_exec);
  fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read);
  EXPECT_TRUE(Succeeded(Spawn(cannotWrite, true))) << "read-only folder with a history";
  fs::remove(File());
  EXPECT_TRUE(Succeeded(Spawn(cannotWrite, true))) << "read-only folder without a history";
}

// One recorder records steadily while another is killed partway through its cards. The killed one
// pauses after each card, as a learner does, so that the steady one is never kept from the lock
// for the whole busy timeout however loaded the machine is.
TEST_F(StudyHistoryTest, TwoRecordersAtOnceKeepEveryRowAndAKilledOneLosesAtMostItsLastCard) {
  constexpr int kCards = 300;
  const pid_t steady = Spawn([this] {
    FakeSystem childSystem;
    StudyHistory history(dir.path(), childSystem);
    for (int i = 0; i < kCards; ++i) {
      if (history.Record(Card(i, 0x3022)) == 0) return false;
    }
    return childSystem.messages.empty();
  });
  int acks[2];
  ASSERT_EQ(pipe(acks), 0);
  const std::int64_t start = 1'000'000;
  const pid_t killed = Spawn([&] {
    FakeSystem childSystem;
    StudyHistory history(dir.path(), childSystem);
    for (std::int64_t i = start;; ++i) {
      if (history.Record(Card(i)) == 0 || write(acks[1], &i, sizeof i) != sizeof i) return false;
      usleep(2000);
    }
  });
  close(acks[1]);
  std::int64_t last = start - 1;
  for (int seen = 0; seen < 250 && read(acks[0], &last, sizeof last) == sizeof last;) ++seen;
  kill(killed, SIGKILL);
  while (read(acks[0], &last, sizeof last) == sizeof last) continue;
  close(acks[0]);
  waitpid(killed, nullptr, 0);
  EXPECT_TRUE(Succeeded(steady));

  EXPECT_EQ(Sql(File(), "PRAGMA integrity_check"), "ok");
  StudyHistory history(dir.path(), system);
  std::vector<ReviewRecord> rows = history.ReadReviews();
  EXPECT_EQ(std::erase_if(rows, [](const ReviewRecord& r) { return r.kanji == 0x3022; }), kCards);
  const std::int64_t acknowledged = last - start + 1;
  ASSERT_GE(static_cast<std::int64_t>(rows.size()), acknowledged);
  ASSERT_LE(static_cast<std::int64_t>(rows.size()), acknowledged + 1);
  for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i].time, start + std::int64_t(i));
  EXPECT_TRUE(system.messages.empty());
}

// Keeps what it is given; ids count from 1.
struct FakeReviewLog : ReviewLog {
  std::int64_t Record(const ReviewRecord& record) override {
    records.push_back(record);
    return static_cast<std::int64_t>(records.size());
  }
  std::size_t RecordBatch(const std::vector<ReviewRecord>& batch) override {
    records.insert(records.end(), batch.begin(), batch.end());
    return batch.size();
  }
  bool Remove(std::int64_t) override { return false; }
  std::vector<ReviewRecord> records;
};

// 日 with one ON and one KUN reading (6 attempts on a Readings card) and one Fill-in word.
class ReviewRecordingTest : public DrillTest {
 protected:
  ReviewRecordingTest() {
    AddKanji("日", {Reading("ニチ")}, {Reading("ひ")});
    AddExample("毎日", {"まい", "にち"}, "every day", 8);
    profile.reviewLog = &log;
    clock.seconds = 1'800'000'000;
    readings.CreateControls();
    fillIn.CreateControls();
  }

  FakeReviewLog log;
  ReadingsDrill readings{Host(kReadingsWindow)};
  FillInDrill fillIn{Host(kFillInWindow)};
};

TEST_F(ReviewRecordingTest, EveryCardEndOfBothDrillsMapsToOneOutcome) {
  using O = ReviewOutcome;
  const struct {
    const char* name;
    bool fillInDrill;
    std::function<void(Drill&)> play;
    std::vector<ReviewOutcome> recorded;
    float cardScore;
    std::uint16_t attemptsUsed, wrongTries;
  } cases[] = {
      {"all found", false, [](Drill& d) { Answer(d, "nichi"), Answer(d, "\thi"); }, {O::Complete},
       100, 2, 0},
      {"Reveal", false, [](Drill& d) { Answer(d, "ka"), d.OnCommand(Drill::CmdReveal); },
       {O::Reveal}, 0, 6, 1},
      {"attempts used up", false,
       [](Drill& d) { for (const char* a : {"ka", "ki", "ku", "ke", "ko", "sa"}) Answer(d, a); },
       {O::AttemptsOut}, 0, 6, 6},
      {"Study", false, [](Drill& d) { d.OnKeyDown(vk::kF8); }, {O::Study}, 0, 0, 0},
      {"Mastered", false, [](Drill& d) { d.OnCommand(Drill::CmdMastered); }, {O::Mastered}, 0, 0,
       0},
      {"Mastered after all found", false,
       [](Drill& d) { Answer(d, "nichi"), Answer(d, "\thi"), d.OnKeyDown(vk::kF5); },
       {O::Complete, O::Mastered}, 100, 2, 0},
      {"Study after Reveal", false,
       [](Drill& d) { d.OnCommand(Drill::CmdReveal), d.OnCommand(Drill::CmdStudy); }, {O::Reveal},
       0, 6, 0},
      {"left open for the next card", false, [](Drill& d) { Answer(d, "nichi"), d.NextCard(); },
       {}, 0, 0, 0},
      {"right first answer", true, [](Drill& d) { Answer(d, "nichi"); }, {O::Right}, 1.5f, 1, 0},
      {"three wrong answers", true,
       [](Drill& d) { Answer(d, "ka"), Answer(d, "ki"), Answer(d, "ku"); }, {O::Wrong}, -1.5f, 3,
       3},
      {"Reveal", true, [](Drill& d) { d.OnKeyDown(vk::kF12); }, {O::Wrong}, -1.5f, 3, 0},
      {"Decrease Mastery Level, only while the level falls", true,
       [](Drill& d) { d.DecreaseMasteryLevel(), d.DecreaseMasteryLevel(); }, {O::LevelDown}, 0, 0,
       0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    log.records.clear();
    Progress("日") = {Code("日"), 50.0f, 1, true};
    Drill& drill = c.fillInDrill ? static_cast<Drill&>(fillIn) : readings;
    drill.NextCard();
    c.play(drill);

    ASSERT_EQ(log.records.size(), c.recorded.size());
    if (c.recorded.empty()) continue;
    for (std::size_t i = 0; i < c.recorded.size(); ++i) {
      const ReviewRecord& r = log.records[i];
      EXPECT_EQ(r.outcome, c.recorded[i]) << i;
      EXPECT_EQ(r.drill, c.fillInDrill ? ReviewDrill::FillIn : ReviewDrill::Readings);
      EXPECT_EQ((std::tuple{r.kanji, r.time}), (std::tuple{Code("日"), 1'800'000'000}));
    }
    const ReviewRecord& first = log.records.front();
    EXPECT_EQ((std::tuple{first.cardScore, first.attemptsUsed, first.wrongTries}),
              (std::tuple{c.cardScore, c.attemptsUsed, c.wrongTries}));
    // The first record starts from the card's standing; the last ends at the profile's.
    EXPECT_EQ((std::tuple{first.scoreBefore, first.levelBefore}), (std::tuple{50.0f, 1}));
    EXPECT_EQ(log.records.back().scoreAfter, Progress("日").score);
    EXPECT_EQ(log.records.back().levelAfter, Progress("日").masteryLevel);
    EXPECT_EQ(drill.lastReviewId, static_cast<std::int64_t>(log.records.size()));
  }
}

TEST_F(ReviewRecordingTest, EachIntroducedKanjiIsRecordedAtTheBaseline) {
  AddKanji("月", {Reading("ゲツ")}, {});
  AddKanji("火", {Reading("カ")}, {});
  profile.activeList.resize(1);
  profile.activeSet = {Code("日")};
  profile.studyList = {Code("日"), Code("月"), Code("火")};
  profile.settings.scoreBaseline = 30;
  profile.IntroduceKanji(false);
  ASSERT_EQ(log.records.size(), 2u);
  for (std::size_t i = 0; i < 2; ++i) {
    const ReviewRecord& r = log.records[i];
    EXPECT_EQ((std::tuple{r.kanji, r.outcome, r.scoreBefore, r.scoreAfter}),
              (std::tuple{profile.studyList[i + 1], ReviewOutcome::Introduced, 50.0f, 30.0f}));
  }
}

}  // namespace
