// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "drills/MissReason.h"

#include "text/KanjiCode.h"

namespace {

constexpr KanjiCode kHiraganaA = 0x2422;
constexpr KanjiCode kHiraganaI = 0x2424;
constexpr KanjiCode kHiraganaU = 0x2426;
constexpr KanjiCode kHiraganaE = 0x2428;
constexpr KanjiCode kHiraganaO = 0x242A;
constexpr KanjiCode kKatakanaVu = 0x2574;

// One unit in hiragana; the prolonged sound mark and everything else stay as they are. Unlike
// ToHiragana this goes unit by unit, so mixed answers compare fairly.
KanjiCode Hiragana(KanjiCode code) {
  if (code == kKatakanaVu) return kHiraganaU;  // its voiced mark is dropped by Unvoiced anyway
  if (code >= jis::kFirstKatakana && code <= jis::kHiraganaN + jis::kKatakanaOffset) {
    return static_cast<KanjiCode>(code - jis::kKatakanaOffset);
  }
  return code;
}

CodeString Hiragana(const CodeString& s) {
  CodeString out;
  for (const KanjiCode code : s.units) out.units.push_back(Hiragana(code));
  return out;
}

// The other script: hiragana to katakana and back, unit by unit.
CodeString OtherScript(const CodeString& s) {
  CodeString out;
  for (const KanjiCode code : s.units) {
    if (code >= jis::kFirstHiragana && code <= jis::kHiraganaN) {
      out.units.push_back(static_cast<KanjiCode>(code + jis::kKatakanaOffset));
    } else {
      out.units.push_back(Hiragana(code));
    }
  }
  return out;
}

// A hiragana unit without its voiced or semi-voiced mark. The rows ka to to put the voiced kana
// right after the plain one (small tsu aside), ha to ho put two after it.
KanjiCode Unvoiced(KanjiCode code) {
  const int k = code - jis::kFirstHiragana;
  if (code >= 0x242C && code <= 0x2442 && k % 2 == 1) return static_cast<KanjiCode>(code - 1);
  if (code == 0x2445 || code == 0x2447 || code == 0x2449) return static_cast<KanjiCode>(code - 1);
  if (code >= 0x2450 && code <= 0x245D) return static_cast<KanjiCode>(0x244F + (code - 0x244F) / 3 * 3);
  return code;
}

bool IsLongVowel(KanjiCode code) {
  return code == jis::kProlongedSound || code == kHiraganaA || code == kHiraganaI ||
         code == kHiraganaU || code == kHiraganaE || code == kHiraganaO;
}

// Whether taking one unit that passes keep out of longer (not its first) leaves shorter.
template <typename Pred>
bool OneMore(const CodeString& longer, const CodeString& shorter, Pred fits) {
  if (longer.length() != shorter.length() + 1) return false;
  for (std::uint32_t k = 0; k < longer.length(); ++k) {
    if (!fits(longer[k], k)) continue;
    CodeString without = longer;
    without.units.erase(without.units.begin() + k);
    if (Equals(without, shorter)) return true;
  }
  return false;
}

// Whether a and b, of one length, differ at exactly one place, where the two units pass fits.
template <typename Pred>
bool OneDifferent(const CodeString& a, const CodeString& b, Pred fits) {
  if (a.length() != b.length()) return false;
  int differences = 0;
  bool fitting = false;
  for (std::uint32_t k = 0; k < a.length(); ++k) {
    if (a[k] == b[k]) continue;
    ++differences;
    fitting = fits(a[k], b[k]);
  }
  return differences == 1 && fitting;
}

// The slip that separates typed from reading (both in hiragana), or None.
MissKind NearMiss(const CodeString& typed, const CodeString& reading) {
  const auto either = [&](auto check) { return check(typed, reading) || check(reading, typed); };
  // A long vowel never starts a word; it lengthens the kana before it.
  if (either([](const CodeString& a, const CodeString& b) {
        return OneMore(a, b, [](KanjiCode c, std::uint32_t k) { return k > 0 && IsLongVowel(c); });
      }) ||
      OneDifferent(typed, reading,
                   [](KanjiCode a, KanjiCode b) { return IsLongVowel(a) && IsLongVowel(b); })) {
    return MissKind::LongVowel;
  }
  if (either([](const CodeString& a, const CodeString& b) {
        return OneMore(a, b, [](KanjiCode c, std::uint32_t) { return c == jis::kSmallTu; });
      }) ||
      OneDifferent(typed, reading, [](KanjiCode a, KanjiCode b) {
        return a == jis::kSmallTu || b == jis::kSmallTu;
      })) {
    return MissKind::SmallTsu;
  }
  if (OneDifferent(typed, reading,
                   [](KanjiCode a, KanjiCode b) { return Unvoiced(a) == Unvoiced(b); })) {
    return MissKind::VoicedMark;
  }
  if (either([](const CodeString& a, const CodeString& b) {
        return OneMore(a, b, [](KanjiCode c, std::uint32_t) { return c == jis::kHiraganaN; });
      })) {
    return MissKind::SyllabicN;
  }
  return MissKind::None;
}

MissReason Reason(MissKind kind, const MissTarget& target, std::int16_t wantedKind) {
  MissReason reason;
  reason.kind = kind;
  reason.readingKind = target.kind;
  reason.wantedKind = wantedKind;
  reason.reading = target.kana;
  return reason;
}

const char* KindName(std::int16_t kind) {
  return kind == kMissOn ? "ON" : "KUN";
}

const char* ScriptName(const CodeString& reading) {
  return !reading.empty() && reading[0] >= jis::kFirstKatakana ? "katakana" : "hiragana";
}

}  // namespace

MissReason ExplainMiss(const CodeString& typed, const std::vector<MissTarget>& targets,
                       std::int16_t wantedKind) {
  if (typed.empty()) return {};
  for (const MissTarget& target : targets) {
    if (target.answer && Equals(typed, target.kana)) return {};
  }
  // Readings the learner typed in full, of the wrong kind or in the wrong script.
  const CodeString converted = OtherScript(typed);
  for (const MissTarget& target : targets) {
    if (target.answer) {
      if (Equals(converted, target.kana)) return Reason(MissKind::WrongScript, target, wantedKind);
      continue;
    }
    if (Equals(typed, target.kana) || Equals(converted, target.kana)) {
      const bool otherKind = wantedKind != 0 && target.kind != wantedKind;
      return Reason(otherKind ? MissKind::OtherKind : MissKind::OtherReading, target, wantedKind);
    }
  }
  const CodeString plain = Hiragana(typed);
  for (const MissTarget& target : targets) {
    if (!target.answer) continue;
    const MissKind slip = NearMiss(plain, Hiragana(target.kana));
    if (slip == MissKind::None) continue;
    MissReason reason = Reason(slip, target, wantedKind);
    reason.givesAnswerAway = !target.shown;
    return reason;
  }
  return {};
}

std::string MissReasonText(const MissReason& reason, const char* where, bool tabSwitches) {
  std::string text;
  switch (reason.kind) {
    case MissKind::None:
      return text;
    case MissKind::WrongScript:
    case MissKind::OtherKind:
      if (reason.wantedKind != 0 && reason.readingKind != reason.wantedKind) {
        text = std::string("That is a") + (reason.readingKind == kMissOn ? "n " : " ") +
               KindName(reason.readingKind) + " reading; this " + where + " wants " +
               KindName(reason.wantedKind) + ".";
      } else {
        text = "Right reading, wrong script.";
      }
      if (reason.kind == MissKind::WrongScript) {
        text += tabSwitches ? std::string(" Press Tab to switch to ") + ScriptName(reason.reading) + "."
                            : std::string(" Type it in ") + ScriptName(reason.reading) + ".";
      }
      return text;
    case MissKind::OtherReading:
      return std::string("That is another reading of this kanji, not the one this ") + where +
             " wants.";
    case MissKind::LongVowel:
      return "A long vowel apart.";
    case MissKind::SmallTsu:
      return "A small tsu apart.";
    case MissKind::VoicedMark:
      return "A voiced mark apart.";
    case MissKind::SyllabicN:
      return "An n apart.";
  }
  return text;
}
