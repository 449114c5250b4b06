// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <vector>

#include "study/LocalTimeZone.h"
#include "study/ReviewRecord.h"
#include "study/StudyDays.h"
#include "text/KanjiCode.h"

class UserProfile;

// Where a kanji of the study list stands.
enum class KanjiStage : std::uint8_t { NotIntroduced, Active, Mastered };

// One kanji of the study list as the Progress window shows it.
struct KanjiStanding {
  // Active: by score, under 25, under 50, under 75, 75 and over. Mastered: by level, 1 (or
  // 0), 2, 3, 4 and over. Not introduced: 0.
  static constexpr int kBands = 4;

  KanjiCode code = 0;
  KanjiStage stage = KanjiStage::NotIntroduced;
  std::uint8_t band = 0;
  float score = 0.0f;
  std::int16_t level = 0;
  std::uint32_t timesSeen = 0;  // cards of it in the history
  std::int64_t lastSeen = 0;    // seconds since 1970 of its last card; 0: never
};

// Active and mastered kanji at the end of a local day.
struct KanjiCounts {
  std::int32_t day = 0;
  std::uint32_t active = 0;
  std::uint32_t mastered = 0;
};

// A kanji that keeps failing, among the most recent cards.
struct Leech {
  KanjiCode code = 0;
  std::uint32_t cards = 0;
  std::uint32_t misses = 0;  // cards not answered right at the first try
  float scoreFall = 0.0f;    // points lost from its first to its last card among them
  float score = 0.0f;        // its score now
};

struct ScorePoint {
  std::int64_t time = 0;
  float score = 0.0f;
};

// Everything the Progress window shows, computed from the learner's history and profile. The
// history records cards; the profile is the present state (it also holds what the history
// cannot: score decline, and kanji introduced before the history began).
class ProgressModel {
 public:
  // How many recent cards the leech list looks at, and how long it is at most.
  static constexpr std::size_t kLeechWindow = 200;
  static constexpr std::size_t kMaxLeeches = 20;
  // A kanji is a leech with this many misses, or this score fall, among the recent cards.
  static constexpr std::uint32_t kLeechMisses = 2;
  static constexpr float kLeechFall = 10.0f;

  // Both must outlive the model.
  ProgressModel(const UserProfile& profile, const LocalTimeZone& zone);

  // Takes reviews (in time order) and computes everything as of now (seconds since 1970).
  void Compute(std::vector<ReviewRecord> reviews, std::int64_t now);

  // The study list's kanji of the data set, in its order, each once.
  const std::vector<KanjiStanding>& Kanji() const { return kanji_; }
  // The kanji's standing, or nullptr when it is not on the study list.
  const KanjiStanding* Find(KanjiCode code) const;
  // How many of Kanji() are in stage.
  std::size_t CountIn(KanjiStage stage) const;

  std::int32_t Today() const { return today_; }
  // Days with cards, oldest first.
  const std::vector<DayTotals>& Days() const { return days_; }
  // The count days ending today, days without cards included.
  std::vector<DayTotals> LastDays(int count) const { return ::LastDays(days_, today_, count); }
  Streaks StudyStreaks() const { return FindStreaks(days_, today_); }
  std::vector<WeekTotals> Weeks() const { return WeeksOf(days_); }
  std::uint64_t TotalCards() const { return totalCards_; }

  // One entry per day with history, then today's from the profile.
  const std::vector<KanjiCounts>& KanjiOverTime() const { return overTime_; }
  const std::vector<Leech>& Leeches() const { return leeches_; }
  // The kanji's score after each of its recorded events, oldest first.
  std::vector<ScorePoint> ScoreHistory(KanjiCode code) const;

  // Whether a card of this outcome counts as answered right at the first try.
  static bool IsFirstTryRight(const ReviewRecord& review);
  // Whether the row is a card (not an introduction or a level change).
  static bool IsCard(const ReviewRecord& review);

 private:
  struct Tally {
    std::uint32_t cards = 0;
    std::int64_t lastSeen = 0;
    bool active = false;
    bool mastered = false;
  };

  void TallyReviews(std::vector<Tally>& tallies);
  void PlaceStudyList(const std::vector<Tally>& tallies);
  void AddTodayFromProfile();
  void FindLeeches();

  const UserProfile& profile_;
  const LocalTimeZone& zone_;
  std::vector<ReviewRecord> reviews_;
  std::int32_t today_ = 0;
  std::uint64_t totalCards_ = 0;
  std::vector<KanjiStanding> kanji_;
  std::vector<std::int32_t> indexByCode_;  // into kanji_, -1 for none; one per code
  std::vector<DayTotals> days_;
  std::vector<KanjiCounts> overTime_;
  std::vector<Leech> leeches_;
};
