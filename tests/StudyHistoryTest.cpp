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

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"

namespace {

namespace fs = std::filesystem;

ReviewRecord Card(std::int64_t time, KanjiCode kanji = 0x3021,
                  ReviewOutcome outcome = ReviewOutcome::Complete) {
  ReviewRecord record;
  record.time = time;
  record.kanji = kanji;
  record.outcome = outcome;
  return record;
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
  EXPECT_EQ((std::tuple{rows[0].id, rows[1].id, rows[2].id}), (std::tuple{ids[1], ids[0], ids[2]}));
  EXPECT_EQ(fields(rows[1].record), fields(full));
  EXPECT_EQ(Sql(File(), "SELECT IFNULL(drill, '-') FROM reviews WHERE outcome = 'introduced'"), "-");
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
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const auto& entry : fs::directory_iterator(dir.path())) fs::remove(entry.path());
    system.messages.clear();
    c.prepare();
    const std::string bytes = ReadBytes(File());
    {
      StudyHistory history(dir.path(), system);
      EXPECT_TRUE(GaveUpSaying(history, system, c.said));
    }
    EXPECT_EQ(ReadBytes(dir / c.keptAs), bytes);
  }
}

TEST_F(StudyHistoryTest, DamageFoundWhileReadingSetsTheFileAsideOnce) {
  MakeHistory(2000);
  std::string bytes = ReadBytes(File());
  ASSERT_GT(bytes.size(), 3 * 4096u);
  bytes.replace(4096, bytes.size() - 4096, bytes.size() - 4096, '\xFF');
  WriteBytes(File(), bytes);

  StudyHistory history(dir.path(), system);
  EXPECT_TRUE(history.IsRecording());
  EXPECT_TRUE(history.ReadReviews().empty());
  EXPECT_TRUE(GaveUpSaying(history, system, "is damaged"));
  EXPECT_EQ(ReadBytes(dir / "study_history.sqlite.damaged"), bytes);
  EXPECT_FALSE(fs::exists(File()));
}

TEST_F(StudyHistoryTest, AFileLockedByAnotherProcessStopsRecordingButStaysInPlace) {
  MakeHistory(1);
  int toParent[2], toChild[2];
  ASSERT_EQ(pipe(toParent), 0);
  ASSERT_EQ(pipe(toChild), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(toChild[1]);
    sqlite3* db = nullptr;
    sqlite3_open(File().c_str(), &db);
    sqlite3_exec(db, "BEGIN IMMEDIATE; DELETE FROM reviews;", nullptr, nullptr, nullptr);
    char byte = 1;
    if (write(toParent[1], &byte, 1) != 1 || read(toChild[0], &byte, 1) < 0) _exit(1);
    _exit(0);  // the transaction dies with the process
  }
  close(toChild[0]);
  char byte;
  ASSERT_EQ(read(toParent[0], &byte, 1), 1);
  {
    StudyHistory history(dir.path(), system);
    EXPECT_TRUE(GaveUpSaying(history, system, "locked by another program"));
  }
  close(toChild[1]);
  waitpid(child, nullptr, 0);
  close(toParent[0]);
  close(toParent[1]);
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

TEST_F(StudyHistoryTest, AKilledRecorderLosesAtMostTheCardBeingRecorded) {
  for (const int killAfter : {1, 250}) {
    SCOPED_TRACE(killAfter);
    int acks[2];
    ASSERT_EQ(pipe(acks), 0);
    std::int64_t start = static_cast<std::int64_t>(killAfter) * 1'000'000;
    const pid_t child = fork();
    if (child == 0) {
      FakeSystem childSystem;
      StudyHistory history(dir.path(), childSystem);
      for (std::int64_t i = start;; ++i) {
        if (history.Record(Card(i)) == 0) _exit(1);
        if (write(acks[1], &i, sizeof i) != sizeof i) _exit(1);
      }
    }
    close(acks[1]);
    std::int64_t last = start - 1;
    int seen = 0;
    while (seen < killAfter && read(acks[0], &last, sizeof last) == sizeof last) ++seen;
    kill(child, SIGKILL);
    while (read(acks[0], &last, sizeof last) == sizeof last) continue;
    close(acks[0]);
    waitpid(child, nullptr, 0);

    EXPECT_EQ(Sql(File(), "PRAGMA integrity_check"), "ok");
    StudyHistory history(dir.path(), system);
    std::vector<ReviewRecord> rows = history.ReadReviews();
    std::erase_if(rows, [start](const ReviewRecord& r) { return r.time < start; });
    const std::int64_t acknowledged = last - start + 1;
    ASSERT_GE(static_cast<std::int64_t>(rows.size()), acknowledged);
    ASSERT_LE(static_cast<std::int64_t>(rows.size()), acknowledged + 1);
    for (const ReviewRecord& row : rows) EXPECT_EQ(row.time, start++);
  }
  EXPECT_TRUE(system.messages.empty());
}

TEST_F(StudyHistoryTest, TwoProcessesRecordingAtOnceKeepEveryRow) {
  constexpr int kCards = 300;
  const auto writer = [this](KanjiCode kanji) {
    return [this, kanji] {
      FakeSystem childSystem;
      StudyHistory history(dir.path(), childSystem);
      for (int i = 0; i < kCards; ++i) {
        if (history.Record(Card(i, kanji)) == 0) return false;
      }
      return childSystem.messages.empty();
    };
  };
  const pid_t first = Spawn(writer(0x3021));
  EXPECT_TRUE(Succeeded(Spawn(writer(0x3022))));
  EXPECT_TRUE(Succeeded(first));

  EXPECT_EQ(Sql(File(), "PRAGMA integrity_check"), "ok");
  StudyHistory history(dir.path(), system);
  const std::vector<ReviewRecord> rows = history.ReadReviews();
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](auto& r) { return r.kanji == 0x3021; }),
            kCards);
  EXPECT_EQ(rows.size(), 2u * kCards);
}

}  // namespace
