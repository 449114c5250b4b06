// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/StudyHistory.h"

#include <sqlite3.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <system_error>

#include "platform/System.h"

namespace {

// The schema, one step per version: step i brings version i up to i + 1. Steps are only ever
// appended; a step that has run is never changed.
constexpr std::array<const char*, 1> kSchemaSteps = {
    "CREATE TABLE reviews ("
    " id INTEGER PRIMARY KEY,"
    " time INTEGER NOT NULL,"
    " kanji INTEGER NOT NULL,"
    " drill TEXT,"  // NULL for introductions, which belong to no drill
    " outcome TEXT NOT NULL,"
    " card_score REAL NOT NULL,"
    " score_before REAL NOT NULL,"
    " score_after REAL NOT NULL,"
    " level_before INTEGER NOT NULL,"
    " level_after INTEGER NOT NULL,"
    " attempts_used INTEGER NOT NULL,"
    " wrong_tries INTEGER NOT NULL)",
};

constexpr const char* kInsert =
    "INSERT INTO reviews (time, kanji, drill, outcome, card_score, score_before, score_after,"
    " level_before, level_after, attempts_used, wrong_tries)"
    " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)";
constexpr const char* kRemove = "DELETE FROM reviews WHERE id = ?";
constexpr const char* kSelect =
    "SELECT id, time, kanji, drill, outcome, card_score, score_before, score_after,"
    " level_before, level_after, attempts_used, wrong_tries FROM reviews ORDER BY id";

// A second Veltrane in the same folder holds the write lock for a millisecond or so; a lock
// held longer than this belongs to something that will not let go soon.
constexpr int kBusyTimeoutMs = 1000;
constexpr int kMaxAsideNames = 999;

constexpr std::array<ReviewDrill, 2> kDrills = {ReviewDrill::Readings, ReviewDrill::FillIn};
constexpr std::array<ReviewOutcome, 9> kOutcomes = {
    ReviewOutcome::Complete, ReviewOutcome::Reveal,      ReviewOutcome::Study,
    ReviewOutcome::Mastered, ReviewOutcome::AttemptsOut, ReviewOutcome::Right,
    ReviewOutcome::Wrong,    ReviewOutcome::Introduced,  ReviewOutcome::LevelDown};

std::string_view ColumnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
  return text == nullptr ? std::string_view{} : std::string_view(text);
}

template <typename Value, std::size_t N, typename NameOf>
std::optional<Value> ByName(std::string_view name, const std::array<Value, N>& values,
                            NameOf nameOf) {
  for (const Value value : values) {
    if (nameOf(value) == name) return value;
  }
  return std::nullopt;
}

void BindText(sqlite3_stmt* statement, int index, std::string_view text) {
  // The names are string literals: SQLite need not copy them.
  sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
}

}  // namespace

int StudyHistory::SchemaVersion() {
  return static_cast<int>(kSchemaSteps.size());
}

StudyHistory::StudyHistory(const std::filesystem::path& directory, System& system,
                           WindowHandle owner)
    : path_(directory / kFileName), system_(system), owner_(owner) {
  Open();
}

StudyHistory::~StudyHistory() {
  Close();
}

bool StudyHistory::Open() {
  // One thread uses the connection: SQLite need not lock it on every call.
  const int opened =
      sqlite3_open_v2(path_.c_str(), &db_,
                      SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (opened != SQLITE_OK) {
    GiveUp(opened);
    return false;
  }
  sqlite3_extended_result_codes(db_, 1);
  sqlite3_busy_timeout(db_, kBusyTimeoutMs);
  bool newer = false;
  int result = Migrate(newer);
  if (newer) {
    GiveUp(Fault::Newer);
    return false;
  }
  if (result != SQLITE_OK) {
    GiveUp(result);
    return false;
  }
  // A file of the current version without the table is not a history of ours. Found before
  // the journal changes, so such a file is set aside exactly as it was.
  if (!Prepare()) {
    GiveUp(Fault::Damaged);
    return false;
  }
  // The write-ahead journal lets a second process read and write beside this one, and a commit
  // is one append. NORMAL syncing keeps every commit through a killed process; only a power
  // cut can lose the last few cards, and it never damages the file.
  result = Execute("PRAGMA journal_mode=WAL");
  if (result == SQLITE_OK) result = Execute("PRAGMA synchronous=NORMAL");
  if (result != SQLITE_OK) {
    GiveUp(result);
    return false;
  }
  return true;
}

int StudyHistory::Migrate(bool& newer) {
  const auto readVersion = [this](int& version) {
    sqlite3_stmt* statement = nullptr;
    int result = sqlite3_prepare_v2(db_, "PRAGMA user_version", -1, &statement, nullptr);
    if (result == SQLITE_OK) result = sqlite3_step(statement);
    if (result == SQLITE_ROW) {
      version = sqlite3_column_int(statement, 0);
      result = SQLITE_OK;
    }
    sqlite3_finalize(statement);
    return result;
  };
  int version = 0;
  int result = readVersion(version);
  // The usual start: up to date, and no write lock taken.
  if (result != SQLITE_OK || version == SchemaVersion()) return result;
  if (version > SchemaVersion()) {
    newer = true;
    return SQLITE_OK;
  }
  // Another process may be migrating at the same moment: read the version again under the
  // write lock, so that each step runs once.
  result = Execute("BEGIN IMMEDIATE");
  if (result == SQLITE_OK) result = readVersion(version);
  if (result == SQLITE_OK && version > SchemaVersion()) newer = true;
  for (int step = version; result == SQLITE_OK && !newer && step < SchemaVersion(); ++step) {
    result = Execute(kSchemaSteps[static_cast<std::size_t>(step)]);
  }
  if (result == SQLITE_OK && !newer) {
    const std::string setVersion = "PRAGMA user_version=" + std::to_string(SchemaVersion());
    result = Execute(setVersion.c_str());
  }
  if (result == SQLITE_OK && !newer) return Execute("COMMIT");
  sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
  return result;
}

bool StudyHistory::Prepare() {
  return sqlite3_prepare_v3(db_, kInsert, -1, SQLITE_PREPARE_PERSISTENT, &insert_, nullptr) ==
             SQLITE_OK &&
         sqlite3_prepare_v3(db_, kRemove, -1, SQLITE_PREPARE_PERSISTENT, &remove_, nullptr) ==
             SQLITE_OK &&
         sqlite3_prepare_v3(db_, kSelect, -1, SQLITE_PREPARE_PERSISTENT, &select_, nullptr) ==
             SQLITE_OK;
}

std::int64_t StudyHistory::Record(const ReviewRecord& record) {
  if (!IsRecording()) return 0;
  const int result = Insert(record);
  if (result != SQLITE_DONE) {
    GiveUp(result);
    return 0;
  }
  return sqlite3_last_insert_rowid(db_);
}

std::size_t StudyHistory::RecordBatch(const std::vector<ReviewRecord>& records) {
  if (!IsRecording()) return 0;
  int result = Execute("BEGIN IMMEDIATE");
  for (std::size_t i = 0; result == SQLITE_OK && i < records.size(); ++i) {
    result = Insert(records[i]);
    if (result == SQLITE_DONE) result = SQLITE_OK;
  }
  if (result == SQLITE_OK) result = Execute("COMMIT");
  if (result != SQLITE_OK) {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
    GiveUp(result);
    return 0;
  }
  return records.size();
}

int StudyHistory::Insert(const ReviewRecord& record) {
  sqlite3_bind_int64(insert_, 1, record.time);
  sqlite3_bind_int(insert_, 2, record.kanji);
  if (record.outcome == ReviewOutcome::Introduced) {
    sqlite3_bind_null(insert_, 3);
  } else {
    BindText(insert_, 3, ReviewDrillName(record.drill));
  }
  BindText(insert_, 4, ReviewOutcomeName(record.outcome));
  sqlite3_bind_double(insert_, 5, record.cardScore);
  sqlite3_bind_double(insert_, 6, record.scoreBefore);
  sqlite3_bind_double(insert_, 7, record.scoreAfter);
  sqlite3_bind_int(insert_, 8, record.levelBefore);
  sqlite3_bind_int(insert_, 9, record.levelAfter);
  sqlite3_bind_int(insert_, 10, record.attemptsUsed);
  sqlite3_bind_int(insert_, 11, record.wrongTries);
  const int result = sqlite3_step(insert_);
  sqlite3_reset(insert_);
  return result;
}

bool StudyHistory::Remove(std::int64_t id) {
  if (!IsRecording()) return false;
  sqlite3_bind_int64(remove_, 1, id);
  const int result = sqlite3_step(remove_);
  sqlite3_reset(remove_);
  if (result != SQLITE_DONE) {
    GiveUp(result);
    return false;
  }
  return sqlite3_changes(db_) == 1;
}

std::vector<ReviewRecord> StudyHistory::ReadReviews() const {
  std::vector<StoredReview> stored = ReadStoredReviews();
  std::vector<ReviewRecord> records;
  records.reserve(stored.size());
  for (const StoredReview& review : stored) records.push_back(review.record);
  return records;
}

std::vector<StoredReview> StudyHistory::ReadStoredReviews() const {
  std::vector<StoredReview> rows;
  if (!IsRecording()) return rows;
  int result;
  while ((result = sqlite3_step(select_)) == SQLITE_ROW) {
    const auto drill = ByName(ColumnText(select_, 3), kDrills, ReviewDrillName);
    const auto outcome = ByName(ColumnText(select_, 4), kOutcomes, ReviewOutcomeName);
    if (!outcome || (!drill && *outcome != ReviewOutcome::Introduced)) continue;
    StoredReview row;
    row.id = sqlite3_column_int64(select_, 0);
    ReviewRecord& record = row.record;
    record.time = sqlite3_column_int64(select_, 1);
    record.kanji = static_cast<KanjiCode>(sqlite3_column_int(select_, 2));
    record.drill = drill.value_or(ReviewDrill::Readings);
    record.outcome = *outcome;
    record.cardScore = static_cast<float>(sqlite3_column_double(select_, 5));
    record.scoreBefore = static_cast<float>(sqlite3_column_double(select_, 6));
    record.scoreAfter = static_cast<float>(sqlite3_column_double(select_, 7));
    record.levelBefore = static_cast<std::int16_t>(sqlite3_column_int(select_, 8));
    record.levelAfter = static_cast<std::int16_t>(sqlite3_column_int(select_, 9));
    record.attemptsUsed = static_cast<std::uint16_t>(sqlite3_column_int(select_, 10));
    record.wrongTries = static_cast<std::uint16_t>(sqlite3_column_int(select_, 11));
    rows.push_back(row);
  }
  sqlite3_reset(select_);
  if (result != SQLITE_DONE) {
    GiveUp(result);
    return {};
  }
  // Rows are kept in the order they were recorded; a clock set back makes that differ from
  // time order, which is rare, so the sort usually costs one pass.
  const auto byTime = [](const StoredReview& a, const StoredReview& b) {
    return a.record.time < b.record.time;
  };
  if (!std::is_sorted(rows.begin(), rows.end(), byTime)) {
    std::stable_sort(rows.begin(), rows.end(), byTime);
  }
  return rows;
}

int StudyHistory::Execute(const char* sql) const {
  return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
}

void StudyHistory::GiveUp(int resultCode) const {
  switch (resultCode & 0xFF) {
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
      GiveUp(Fault::Damaged);
      return;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
      GiveUp(Fault::Locked);
      return;
    case SQLITE_FULL:
      GiveUp(Fault::Full);
      return;
    default:
      GiveUp(Fault::Unwritable);
  }
}

void StudyHistory::GiveUp(Fault fault) const {
  // The connection goes first: its locks and file handles must be gone before the file moves.
  Close();
  const std::filesystem::path aside = fault == Fault::Damaged ? SetAside() : std::filesystem::path{};
  if (told_) return;
  told_ = true;
  system_.ShowMessage(Message(fault, aside), "Veltrane", owner_);
}

void StudyHistory::Close() const {
  for (sqlite3_stmt** statement : {&insert_, &remove_, &select_}) {
    sqlite3_finalize(*statement);
    *statement = nullptr;
  }
  sqlite3_close(db_);
  db_ = nullptr;
}

std::filesystem::path StudyHistory::SetAside() const {
  std::error_code error;
  for (int number = 1; number <= kMaxAsideNames; ++number) {
    std::filesystem::path aside = path_;
    aside += number == 1 ? std::string(".damaged") : ".damaged" + std::to_string(number);
    if (std::filesystem::exists(aside, error) || error) continue;
    std::filesystem::rename(path_, aside, error);
    if (error) return {};
    // The journal holds the latest rows; it travels with the file so that both can still be
    // opened together.
    for (const char* suffix : {"-wal", "-shm"}) {
      std::filesystem::path journal = path_;
      journal += suffix;
      std::filesystem::path journalAside = aside;
      journalAside += suffix;
      if (std::filesystem::exists(journal, error)) {
        std::filesystem::rename(journal, journalAside, error);
      }
    }
    return aside;
  }
  return {};
}

std::string StudyHistory::Message(Fault fault, const std::filesystem::path& aside) const {
  const std::string name = "The study history \"" + path_.filename().string() + "\"";
  const std::string goesOn = " Your study goes on, but this session's cards are not recorded.";
  switch (fault) {
    case Fault::Damaged:
      if (aside.empty()) return name + " is damaged and could not be moved aside." + goesOn;
      return name + " is damaged. It has been kept as \"" + aside.filename().string() +
             "\", and a new history will be started the next time Veltrane starts." + goesOn;
    case Fault::Locked:
      return name + " is locked by another program." + goesOn;
    case Fault::Newer:
      return name + " was written by a newer version of Veltrane and has been left as it is." +
             goesOn;
    case Fault::Full:
      return name + " cannot be written: the disk is full." + goesOn;
    case Fault::Unwritable:
      break;
  }
  return name + " cannot be written (its folder or disk may be read-only or full)." + goesOn;
}
