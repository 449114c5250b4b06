// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/KanjiEntry.h"

#include <algorithm>

namespace {

constexpr KanjiCode kSu = 0x2439;  // す
constexpr KanjiCode kZu = 0x243A;  // ず
constexpr KanjiCode kJi = 0x2438;  // じ
constexpr KanjiCode kRu = 0x246B;  // る

// The reading's kana without kanjidic's marks.
JisString PlainKana(const JisString& reading) {
  JisString plain;
  for (KanjiCode c : reading) {
    if (c != '.' && c != '-') plain.push_back(c);
  }
  return plain;
}

bool IsSuruNoise(const JisString& kun, const std::vector<JisString>& onReadings) {
  const JisString plain = PlainKana(kun);
  if (plain.size() < 3 || plain.back() != kRu) return false;
  const KanjiCode verb = plain[plain.size() - 2];
  if (verb != kSu && verb != kZu && verb != kJi) return false;
  const JisString stem = plain.substr(0, plain.size() - 2);
  return std::any_of(onReadings.begin(), onReadings.end(),
                     [&](const JisString& on) { return kana::ToHiragana(PlainKana(on)) == stem; });
}

// Which written form of merged readings a learner learns most from: one with okurigana shows
// the word (た（べる）), and one without a position mark says the reading stands on its own
// (う（つ） rather than う（ち）―). Among equals kanjidic's first, its main form, stays.
int Informativeness(const Reading& reading) {
  const bool okurigana = reading.written.find(jis::kLeftParen) != JisString::npos;
  const bool positionMark = reading.written.find(jis::kHorizontalBar) != JisString::npos;
  return (okurigana ? 2 : 0) - (positionMark ? 1 : 0);
}

bool MoreInformative(const Reading& a, const Reading& b) {
  return Informativeness(a) > Informativeness(b);
}

JisString OkuriganaOf(const JisString& written) {
  const std::size_t open = written.find(jis::kLeftParen);
  if (open == JisString::npos) return {};
  const std::size_t close = written.find(jis::kRightParen, open);
  return written.substr(open + 1, close == JisString::npos ? JisString::npos : close - open - 1);
}

void AddMerged(std::vector<Reading>& readings, Reading reading, ReadingRuleCounts& counts) {
  const JisString okurigana = OkuriganaOf(reading.written);
  for (Reading& kept : readings) {
    if (kept.bare == reading.bare) {
      ++counts.merged;
      if (!okurigana.empty() && std::find(kept.okurigana.begin(), kept.okurigana.end(),
                                          okurigana) == kept.okurigana.end()) {
        kept.okurigana.push_back(okurigana);
      }
      if (okurigana.empty()) {
        kept.standsAlone = true;
      }
      if (MoreInformative(reading, kept)) kept.written = reading.written;
      return;
    }
  }
  if (!okurigana.empty()) reading.okurigana.push_back(okurigana);
  reading.standsAlone = okurigana.empty();
  readings.push_back(std::move(reading));
}

void AddReadings(const std::vector<JisString>& source, const std::vector<JisString>& onReadings,
                 bool kun, std::vector<Reading>& target, ReadingRuleCounts& counts) {
  for (const JisString& raw : source) {
    if (kun && IsSuruNoise(raw, onReadings)) {
      ++counts.suruNoise;
      continue;
    }
    Reading reading;
    reading.written = WrittenReading(raw);
    reading.bare = BareReading(reading.written);
    if (!kana::IsTypeable(kana::ToHiragana(reading.bare))) {
      ++counts.untypeable;
      continue;
    }
    AddMerged(target, std::move(reading), counts);
  }
}

std::string LatinMeaning(const std::vector<std::string>& meanings) {
  std::string joined;
  for (const std::string& meaning : meanings) {
    const bool ascii = std::all_of(meaning.begin(), meaning.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii || meaning.empty()) continue;
    if (!joined.empty()) joined += ", ";
    joined += meaning;
  }
  return joined;
}

}  // namespace

int GradeDigit(int kanjidicGrade) {
  if (kanjidicGrade >= 1 && kanjidicGrade <= 6) return kanjidicGrade;
  if (kanjidicGrade == 8) return 8;
  if (kanjidicGrade == 9 || kanjidicGrade == 10) return 9;
  return 0;
}

JisString WrittenReading(const JisString& kanjidicReading) {
  JisString written;
  bool okurigana = false;
  for (std::size_t i = 0; i < kanjidicReading.size(); ++i) {
    const KanjiCode c = kanjidicReading[i];
    if (c == '-') {
      // A mark inside the okurigana (rare) belongs after its closing parenthesis.
      if (okurigana && i + 1 == kanjidicReading.size()) {
        written.push_back(jis::kRightParen);
        okurigana = false;
      }
      written.push_back(jis::kHorizontalBar);
    } else if (c == '.') {
      written.push_back(jis::kLeftParen);
      okurigana = true;
    } else {
      written.push_back(c);
    }
  }
  if (okurigana) written.push_back(jis::kRightParen);
  return written;
}

JisString BareReading(const JisString& written) {
  std::size_t start = !written.empty() && written[0] == jis::kHorizontalBar ? 1 : 0;
  JisString bare;
  for (std::size_t i = start; i < written.size(); ++i) {
    const KanjiCode c = written[i];
    if (c == jis::kLeftParen || c == jis::kHorizontalBar || c == jis::kIdeographicSpace) break;
    bare.push_back(c);
  }
  return bare;
}

KanjiEntry MakeKanjiEntry(const KanjidicEntry& source, ReadingRuleCounts& counts) {
  KanjiEntry entry;
  entry.code = source.code;
  entry.grade = GradeDigit(source.grade);
  entry.frequency = source.frequency;
  entry.strokes = source.strokes;
  entry.jlpt = source.jlpt;
  entry.radical = source.radical;
  AddReadings(source.on, source.on, false, entry.on, counts);
  AddReadings(source.kun, source.on, true, entry.kun, counts);
  entry.meaning = LatinMeaning(source.meanings);
  return entry;
}

KanjiEntry MakeKanjiEntry(const KanjidicEntry& source) {
  ReadingRuleCounts ignored;
  return MakeKanjiEntry(source, ignored);
}
