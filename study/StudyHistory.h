// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/WindowHandle.h"
#include "study/ReviewLog.h"
#include "study/ReviewRecord.h"

class System;
struct sqlite3;
struct sqlite3_stmt;

// A record as stored, with its row id (what Remove takes).
struct StoredReview {
  std::int64_t id = 0;
  ReviewRecord record;
};

// The learner's history: every finished card, introduction and level drop, one row each in the
// SQLite database "study_history.sqlite" of the working directory. This class owns the
// connection and every statement; callers see plain records.
//
// Recording never stops the study. A database that is damaged (kept aside under a new name,
// never deleted), locked by another program, from a later version, or that cannot be written
// turns recording off for the rest of the run after one message to the learner; the profile
// is never touched.
class StudyHistory : public ReviewLog {
 public:
  static constexpr const char* kFileName = "study_history.sqlite";
  // The schema this build writes; a database with a higher version is left alone.
  static int SchemaVersion();

  // Opens (or creates) the database in directory, bringing an older schema up to date. Reads
  // no rows, so it costs start-up almost nothing. Faults are told through system, with owner as
  // the message box's owner.
  StudyHistory(const std::filesystem::path& directory, System& system,
               WindowHandle owner = kNoWindow);
  ~StudyHistory() override;
  StudyHistory(const StudyHistory&) = delete;
  StudyHistory& operator=(const StudyHistory&) = delete;

  // Appends one row and commits it before returning; its row id, or 0 when not recording.
  std::int64_t Record(const ReviewRecord& record) override;
  // Appends rows in one transaction; how many were recorded: all or none.
  std::size_t RecordBatch(const std::vector<ReviewRecord>& records) override;
  // Deletes the row with id; false when there is no such row or nothing can be written.
  bool Remove(std::int64_t id) override;
  // Every row in time order (rows of the same second in the order they were recorded). Rows
  // whose drill or outcome this build does not know are left out. Empty when not recording.
  std::vector<ReviewRecord> ReadReviews() const;
  std::vector<StoredReview> ReadStoredReviews() const;
  // Whether rows are being recorded; false for the rest of the run after a fault.
  bool IsRecording() const { return db_ != nullptr; }
  // The database's path.
  const std::filesystem::path& path() const { return path_; }

 private:
  enum class Fault { Damaged, Locked, Newer, Unwritable, Full };

  // Opens the connection, sets the journal and waits, migrates and prepares the statements.
  // False (after giving up the connection and telling the learner) on any fault.
  bool Open();
  // Runs every schema step the database has not had yet, each once, in one transaction.
  // SQLite's result code; newer is set when the database is from a later schema.
  int Migrate(bool& newer);
  bool Prepare();
  // Gives up recording after a SQLite error: closes the connection, sets a damaged file aside
  // and tells the learner once.
  void GiveUp(int resultCode) const;
  void GiveUp(Fault fault) const;
  void Close() const;
  // Moves the database and its journal files to the first free "<name>.damaged<n>"; the new
  // name, or an empty path when it could not be moved.
  std::filesystem::path SetAside() const;
  std::string Message(Fault fault, const std::filesystem::path& aside) const;
  // Binds record to the insert statement and runs it; SQLite's result code.
  int Insert(const ReviewRecord& record);
  // Executes sql without results; SQLite's result code.
  int Execute(const char* sql) const;

  std::filesystem::path path_;
  System& system_;
  WindowHandle owner_;
  // Reading can meet a damaged page, which ends recording too.
  mutable sqlite3* db_ = nullptr;
  mutable sqlite3_stmt* insert_ = nullptr;
  mutable sqlite3_stmt* remove_ = nullptr;
  mutable sqlite3_stmt* select_ = nullptr;
  mutable bool told_ = false;
};
