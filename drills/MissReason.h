// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "text/CodeString.h"

// Why a wrong answer was wrong, when a reason applies. Worked out from the typed kana and the
// card's readings alone, so both drills and their tests share one set of rules.
enum class MissKind : std::uint8_t {
  None,          // nothing to say: an ordinary wrong answer
  WrongScript,   // a reading the card asks for, typed in the other script
  OtherKind,     // a reading of the kanji of the other kind than the one wanted
  OtherReading,  // a reading of the kanji of the wanted kind, but not the one wanted
  LongVowel,     // one long vowel more or less than a reading
  SmallTsu,      // one small tsu more, less or in place of another kana
  VoicedMark,    // one voiced or semi-voiced mark more, less or different
  SyllabicN,     // one n more or less
};

// Reading kinds, as the drills number them.
inline constexpr std::int16_t kMissOn = -1;
inline constexpr std::int16_t kMissKun = 1;

// A reading a wrong answer is compared with.
struct MissTarget {
  CodeString kana;     // as the drill wants it typed (ON in katakana in the Readings drill)
  std::int16_t kind;   // kMissOn or kMissKun
  bool answer;         // typing it would have been right on this card
  bool shown;          // the learner can already see it (a reading found or not asked for)
};

struct MissReason {
  MissKind kind = MissKind::None;
  std::int16_t readingKind = 0;  // kind of the reading the answer names or is close to
  std::int16_t wantedKind = 0;   // kind the drill wants now; 0 when it cannot tell
  CodeString reading;            // that reading, as it must be typed
  // Naming the reading would tell the learner an answer not yet found; such a reason waits
  // until the card has ended.
  bool givesAnswerAway = false;

  // A near miss: close to a reading by one small slip.
  bool IsNearMiss() const { return kind >= MissKind::LongVowel; }
  // What the forgiving grading option refuses without charging an attempt.
  bool Forgivable() const { return kind == MissKind::WrongScript || kind == MissKind::OtherKind; }
};

// The reason for the wrong answer typed against targets, for a drill that wants wantedKind (0
// when it cannot tell). A typed answer equal to an answer target is no miss: None. Names the
// first target that applies, trying exact readings before near misses.
MissReason ExplainMiss(const CodeString& typed, const std::vector<MissTarget>& targets,
                       std::int16_t wantedKind);

// The reason in Latin-1 words, without the kana (the face paints the near reading itself). where names what wants
// the kind ("column" in the Readings drill, "word" in the Fill-in drill); tabSwitches says
// whether Tab changes the script there.
std::string MissReasonText(const MissReason& reason, const char* where, bool tabSwitches);
