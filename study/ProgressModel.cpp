// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "study/ProgressModel.h"

#include <algorithm>
#include <map>

#include "study/UserProfile.h"

namespace {

constexpr std::size_t kCodes = 0x10000;

std::uint8_t ScoreBand(float score) {
  if (score < 25.0f) return 0;
  if (score < 50.0f) return 1;
  if (score < 75.0f) return 2;
  return 3;
}

std::uint8_t LevelBand(std::int16_t level) {
  return static_cast<std::uint8_t>(std::clamp<int>(level - 1, 0, KanjiStanding::kBands - 1));
}

}  // namespace

ProgressModel::ProgressModel(const UserProfile& profile, const LocalTimeZone& zone)
    : profile_(profile), zone_(zone) {}

bool ProgressModel::IsCard(const ReviewRecord& review) {
  return review.outcome != ReviewOutcome::Introduced && review.outcome != ReviewOutcome::LevelDown;
}

bool ProgressModel::IsFirstTryRight(const ReviewRecord& review) {
  const bool right = review.outcome == ReviewOutcome::Complete ||
                     review.outcome == ReviewOutcome::Right ||
                     review.outcome == ReviewOutcome::Mastered;
  return right && review.wrongTries == 0;
}

void ProgressModel::Compute(std::vector<ReviewRecord> reviews, std::int64_t now) {
  reviews_ = std::move(reviews);
  today_ = zone_.DayOf(now);
  totalCards_ = 0;
  days_.clear();
  overTime_.clear();
  std::vector<Tally> tallies(kCodes);
  TallyReviews(tallies);
  AddTodayFromProfile();
  PlaceStudyList(tallies);
  FindLeeches();
}

void ProgressModel::TallyReviews(std::vector<Tally>& tallies) {
  // Replays the history in time order: cards per day, and active and mastered kanji at the end
  // of each day. A kanji counts as active from its introduction or, when that came before the
  // history began, from its first card.
  std::uint32_t active = 0;
  std::uint32_t mastered = 0;
  for (const ReviewRecord& review : reviews_) {
    Tally& tally = tallies[review.kanji];
    const std::int32_t day = zone_.DayOf(review.time);
    if (IsCard(review)) {
      ++totalCards_;
      ++tally.cards;
      tally.lastSeen = std::max(tally.lastSeen, review.time);
      AddCardToDays(days_, day, IsFirstTryRight(review));
    }
    if (!tally.active) {
      tally.active = true;
      ++active;
    }
    const bool masteredNow = profile_.IsMastered(review.scoreAfter);
    if (masteredNow != tally.mastered) {
      tally.mastered = masteredNow;
      if (masteredNow) {
      ++mastered;
    } else {
      --mastered;
    }
    }
    if (overTime_.empty() || overTime_.back().day < day) overTime_.push_back({day, 0, 0});
    overTime_.back().active = active;
    overTime_.back().mastered = mastered;
  }
}

void ProgressModel::AddTodayFromProfile() {
  // Today ends with what the profile holds now, score decline and all.
  KanjiCounts counts{today_, 0, 0};
  for (const std::int32_t index : profile_.activeList) {
    ++counts.active;
    if (profile_.IsMastered(profile_.progress[static_cast<std::size_t>(index)].score)) {
      ++counts.mastered;
    }
  }
  while (!overTime_.empty() && overTime_.back().day >= today_) overTime_.pop_back();
  overTime_.push_back(counts);
}

void ProgressModel::PlaceStudyList(const std::vector<Tally>& tallies) {
  kanji_.clear();
  indexByCode_.assign(kCodes, -1);
  for (const KanjiCode code : profile_.studyList) {
    const KanjiProgress* entry = profile_.FindProgress(code);
    if (entry == nullptr || indexByCode_[code] >= 0) continue;
    KanjiStanding standing;
    standing.code = code;
    standing.score = entry->score;
    standing.level = entry->masteryLevel;
    standing.timesSeen = tallies[code].cards;
    standing.lastSeen = tallies[code].lastSeen;
    if (!entry->active) {
      standing.stage = KanjiStage::NotIntroduced;
    } else if (profile_.IsMastered(entry->score)) {
      standing.stage = KanjiStage::Mastered;
      standing.band = LevelBand(entry->masteryLevel);
    } else {
      standing.stage = KanjiStage::Active;
      standing.band = ScoreBand(entry->score);
    }
    indexByCode_[code] = static_cast<std::int32_t>(kanji_.size());
    kanji_.push_back(standing);
  }
}

void ProgressModel::FindLeeches() {
  // The most recent cards, newest first: the first card of a kanji met here is its last.
  struct Recent {
    Leech leech;
    float firstScoreBefore = 0.0f;
  };
  std::map<KanjiCode, Recent> recent;
  std::size_t seen = 0;
  for (auto it = reviews_.rbegin(); it != reviews_.rend() && seen < kLeechWindow; ++it) {
    if (!IsCard(*it)) continue;
    ++seen;
    auto [place, added] = recent.try_emplace(it->kanji);
    Recent& r = place->second;
    if (added) {
      r.leech.code = it->kanji;
      r.leech.scoreFall = -it->scoreAfter;  // completed below with the earliest score
    }
    ++r.leech.cards;
    if (!IsFirstTryRight(*it)) ++r.leech.misses;
    r.firstScoreBefore = it->scoreBefore;
  }
  leeches_.clear();
  for (auto& [code, r] : recent) {
    r.leech.scoreFall = std::max(0.0f, r.firstScoreBefore + r.leech.scoreFall);
    const KanjiProgress* entry = profile_.FindProgress(code);
    r.leech.score = entry != nullptr ? entry->score : 0.0f;
    if (r.leech.misses >= kLeechMisses || r.leech.scoreFall >= kLeechFall) {
      leeches_.push_back(r.leech);
    }
  }
  std::sort(leeches_.begin(), leeches_.end(), [](const Leech& a, const Leech& b) {
    if (a.misses != b.misses) return a.misses > b.misses;
    if (a.scoreFall != b.scoreFall) return a.scoreFall > b.scoreFall;
    return a.code < b.code;
  });
  if (leeches_.size() > kMaxLeeches) leeches_.resize(kMaxLeeches);
}

const KanjiStanding* ProgressModel::Find(KanjiCode code) const {
  if (indexByCode_.empty() || indexByCode_[code] < 0) return nullptr;
  return &kanji_[static_cast<std::size_t>(indexByCode_[code])];
}

std::size_t ProgressModel::CountIn(KanjiStage stage) const {
  return static_cast<std::size_t>(std::count_if(
      kanji_.begin(), kanji_.end(), [stage](const KanjiStanding& k) { return k.stage == stage; }));
}

std::vector<ScorePoint> ProgressModel::ScoreHistory(KanjiCode code) const {
  std::vector<ScorePoint> points;
  for (const ReviewRecord& review : reviews_) {
    if (review.kanji == code) points.push_back({review.time, review.scoreAfter});
  }
  return points;
}
