// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/ReadingAligner.h"

#include <algorithm>
#include <limits>

namespace {

// Hiragana used by the sound rules.
constexpr KanjiCode kKa = 0x242B, kKo = 0x2433, kGa = 0x242C;
constexpr KanjiCode kKi = 0x242D, kKu = 0x242F;
constexpr KanjiCode kJi = 0x2438, kZu = 0x243A;
constexpr KanjiCode kTi = 0x2441, kSmallTu = 0x2443, kTu = 0x2444;
constexpr KanjiCode kRi = 0x246A, kRu = 0x246B, kN = 0x2473;

enum class PartKind { kKana, kOn, kKun, kRepeat, kCounter, kSpecial };

// Costs of a split: the cheapest split wins. A special part costs more than any number of
// sound changes a real word has; a switch between ON and KUN costs less than a sound change.
constexpr int kSoundChangeCost = 2;
constexpr int kOkuriganaCost = 2;
constexpr int kKindSwitchCost = 1;
constexpr int kSpecialCost = 40;
// Okurigana after a kanji point to its KUN reading where the kana is both (差す さす).
constexpr int kOnBeforeOkuriganaCost = 1;

// One way a kanji may sound before compound sound changes.
struct Form {
  JisString sound;       // hiragana
  JisString dictionary;  // the bare reading in hiragana
  PartKind kind;
  int cost;
};

struct Part {
  JisString sound;       // as the word's reading writes it
  JisString dictionary;  // the reading the sound stands for; empty for kana and special parts
  PartKind kind;
  KanjiCode character;
};

constexpr KanjiCode kDigitZero = 0x2330;  // full-width ０

bool IsDigit(KanjiCode c) {
  return c >= kDigitZero && c <= kDigitZero + 9;
}

// Full-width digits read like the kanji numerals (４月 しがつ); other characters as themselves.
KanjiCode NumeralOf(KanjiCode c) {
  static constexpr KanjiCode kNumerals[] = {0x213B, 0x306C, 0x4673, 0x3B30, 0x3B4D,
                                            0x385E, 0x4F3B, 0x3C37, 0x482C, 0x3665};
  return IsDigit(c) ? kNumerals[c - kDigitZero] : c;
}

bool IsSmallOrN(KanjiCode c) {
  c = kana::Hiragana(c);
  return c == 0x2421 || c == 0x2423 || c == 0x2425 || c == 0x2427 || c == 0x2429 || c == kSmallTu ||
         c == 0x2463 || c == 0x2465 || c == 0x2467 || c == 0x246E || c == kN;
}

// k, s, t and p sounds: the ones a geminated consonant stands before.
bool StartsVoicelessStop(KanjiCode c) {
  static constexpr KanjiCode kStops[] = {
      0x242B, 0x242D, 0x242F, 0x2431, 0x2433,  // か き く け こ
      0x2435, 0x2437, 0x2439, 0x243B, 0x243D,  // さ し す せ そ
      0x243F, 0x2441, 0x2444, 0x2446, 0x2448,  // た ち つ て と
      0x2451, 0x2454, 0x2457, 0x245A, 0x245D,  // ぱ ぴ ぷ ぺ ぽ
  };
  c = kana::Hiragana(c);
  return std::find(std::begin(kStops), std::end(kStops), c) != std::end(kStops);
}

// The voiced forms of a first kana under rendaku; h also becomes p, allowed after ん or っ.
void VoicedForms(KanjiCode c, bool afterNOrTu, std::vector<KanjiCode>& out) {
  out.clear();
  if (c >= kKa && c <= 0x243D && (c - kKa) % 2 == 0) {
    out.push_back(static_cast<KanjiCode>(c + 1));
    if (c == 0x2437) out.push_back(kJi);  // し → じ
  } else if (c == 0x243F || c == 0x2446 || c == 0x2448) {
    out.push_back(static_cast<KanjiCode>(c + 1));
  } else if (c == kTi) {
    out.push_back(kJi);
    out.push_back(0x2442);
  } else if (c == kTu) {
    out.push_back(kZu);
    out.push_back(0x2445);
  } else if (c >= 0x244F && c <= 0x245B && (c - 0x244F) % 3 == 0) {
    out.push_back(static_cast<KanjiCode>(c + 1));
    if (afterNOrTu) out.push_back(static_cast<KanjiCode>(c + 2));
  }
}

// あ い う え お after ん become な に ぬ ね の; 0 for other kana.
KanjiCode LinkedAfterN(KanjiCode first) {
  static constexpr KanjiCode kVowels[] = {0x2422, 0x2424, 0x2426, 0x2428, 0x242A};
  static constexpr KanjiCode kLinked[] = {0x244A, 0x244B, 0x244C, 0x244D, 0x244E};
  for (std::size_t v = 0; v < std::size(kVowels); ++v) {
    if (first == kVowels[v]) return kLinked[v];
  }
  return 0;
}

bool CanGeminate(KanjiCode last) {
  return last == kTu || last == kTi || last == kKu || last == kKi || last == kRi;
}

// The masu stem of a godan ending: う→い, く→き, る→り and so on (one row up in the table).
KanjiCode IRow(KanjiCode u) {
  switch (u) {
    case 0x2426:
      return 0x2424;  // う→い
    case kKu:
      return kKi;
    case 0x2430:
      return 0x242E;  // ぐ→ぎ
    case 0x2439:
      return 0x2437;  // す→し
    case kTu:
      return kTi;
    case 0x244C:
      return 0x244B;  // ぬ→に
    case 0x2456:
      return 0x2453;  // ぶ→び
    case 0x2460:
      return 0x245F;  // む→み
    case 0x246B:
      return kRi;  // る→り
    default:
      return 0;
  }
}

bool Contains(const std::vector<JisString>& list, const JisString& s) {
  return std::find(list.begin(), list.end(), s) != list.end();
}

// Everything the aligner knows of one kanji.
struct KanjiForms {
  bool present = false;
  std::vector<Form> forms;
  std::vector<JisString> onBare;  // hiragana
  std::vector<JisString> kunBare;
  // KUN stems that are no word without their okurigana (明 あ of あ.ける, あ.かり): a godan
  // verb's stem, unlike an ichidan verb's or an adjective's, which compounds do use bare.
  std::vector<JisString> boundStems;
};

class Search {
 public:
  Search(const std::vector<KanjiForms>& kanji, const JisString& word, const JisString& reading)
      : kanji_(kanji), word_(word), reading_(reading) {}

  bool Run() {
    Step(0, 0, 0, 0);
    return bestCost_ != std::numeric_limits<int>::max();
  }
  const std::vector<Part>& best() const { return best_; }

 private:
  bool Matches(std::size_t j, const JisString& sound) const {
    if (j + sound.size() > reading_.size()) return false;
    for (std::size_t k = 0; k < sound.size(); ++k) {
      if (reading_[j + k] != sound[k]) return false;  // kanji parts are hiragana in the reading
    }
    return true;
  }

  void Push(const Part& part, std::size_t i, std::size_t j, int cost, int specials) {
    current_.push_back(part);
    Step(i + 1, j + part.sound.size(), cost, specials);
    current_.pop_back();
  }

  int SwitchCost(PartKind kind) const {
    for (auto it = current_.rbegin(); it != current_.rend(); ++it) {
      if (it->kind == PartKind::kOn || it->kind == PartKind::kKun) {
        return it->kind != kind ? kKindSwitchCost : 0;
      }
    }
    return 0;
  }

  // Tries one form of a kanji with the sound changes a compound allows at this place.
  void TryForm(const Form& form, std::size_t i, std::size_t j, int cost, int specials) {
    const bool afterNOrTu = j > 0 && (kana::Hiragana(reading_[j - 1]) == kN ||
                                      kana::Hiragana(reading_[j - 1]) == kSmallTu);
    const bool reading = form.kind == PartKind::kOn || form.kind == PartKind::kKun;
    const bool okuriganaNext = i + 1 < word_.size() && kana::IsHiragana(word_[i + 1]);
    const int base = cost + form.cost + (reading ? SwitchCost(form.kind) : 0) +
                     (form.kind == PartKind::kOn && okuriganaNext ? kOnBeforeOkuriganaCost : 0);
    firsts_.clear();
    firsts_.push_back(form.sound[0]);
    if (i > 0) {
      VoicedForms(form.sound[0], afterNOrTu, voiced_);
      firsts_.insert(firsts_.end(), voiced_.begin(), voiced_.end());
      // Liaison: after ん a vowel takes an n (天皇 てんのう, 観音 かんのん).
      const KanjiCode linked = LinkedAfterN(form.sound[0]);
      if (linked != 0 && kana::Hiragana(reading_[j - 1]) == kN) firsts_.push_back(linked);
    }
    const std::vector<KanjiCode> firsts = firsts_;
    for (std::size_t f = 0; f < firsts.size(); ++f) {
      JisString sound = form.sound;
      sound[0] = firsts[f];
      const int changed = f == 0 ? 0 : kSoundChangeCost;
      if (Matches(j, sound)) {
        Push({sound, form.dictionary, form.kind, word_[i]}, i, j, base + changed, specials);
      }
      // Gemination: a final つ, ち, く, き or り becomes っ before a k, s, t or p sound.
      if (sound.size() >= 2 && CanGeminate(sound.back())) {
        sound.back() = kSmallTu;
        const std::size_t end = j + sound.size();
        if (end < reading_.size() && StartsVoicelessStop(reading_[end]) && Matches(j, sound)) {
          Push({sound, form.dictionary, form.kind, word_[i]}, i, j,
               base + changed + kSoundChangeCost, specials);
        }
      }
    }
  }

  void TrySpecial(std::size_t i, std::size_t j, int cost, int specials) {
    if (specials > 0 || j >= reading_.size() || IsSmallOrN(reading_[j])) return;
    for (std::size_t length = 1; length <= 6 && j + length <= reading_.size(); ++length) {
      const JisString sound = reading_.substr(j, length);
      if (!kana::IsTypeable(sound)) break;
      Push({sound, {}, PartKind::kSpecial, word_[i]}, i, j, cost + kSpecialCost, specials + 1);
    }
  }

  void TryRepeat(std::size_t i, std::size_t j, int cost, int specials) {
    if (current_.empty() || current_.back().kind == PartKind::kKana) {
      TrySpecial(i, j, cost, specials);
      return;
    }
    const Part& previous = current_.back();
    const JisString base = previous.dictionary.empty() ? previous.sound : previous.dictionary;
    TryForm({base, {}, PartKind::kRepeat, 0}, i, j, cost, specials);
  }

  // A KUN reading listed without okurigana whose end the word writes in kana: 此れ これ gives
  // こ（これ） and れ.
  void TryWrittenTail(const Form& form, std::size_t i, std::size_t j, int cost, int specials) {
    for (std::size_t split = 1; split < form.sound.size(); ++split) {
      const std::size_t tail = form.sound.size() - split;
      if (i + 1 + tail > word_.size()) continue;
      bool written = true;
      for (std::size_t t = 0; t < tail && written; ++t) {
        written = kana::Hiragana(word_[i + 1 + t]) == form.sound[split + t];
      }
      const JisString sound = form.sound.substr(0, split);
      if (written && Matches(j, sound)) {
        Push({sound, form.dictionary, form.kind, word_[i]}, i, j,
             cost + kOkuriganaCost + SwitchCost(form.kind), specials);
      }
    }
  }

  // The first of two digits names the tens: ２１日 にじゅういちにち, １４日 じゅうよっか.
  void TryTens(std::size_t i, std::size_t j, int cost, int specials) {
    const auto isDigit = [&](std::size_t k) { return k < word_.size() && IsDigit(word_[k]); };
    if (!isDigit(i + 1) || word_[i + 1] == kDigitZero || (i > 0 && isDigit(i - 1)) ||
        isDigit(i + 2)) {
      return;
    }
    const JisString ten = {kJi, 0x2465, 0x2426};  // じゅう
    if (word_[i] == kDigitZero + 1) {
      if (Matches(j, ten)) Push({ten, {}, PartKind::kCounter, word_[i]}, i, j, cost, specials);
      return;
    }
    for (const Form& form : kanji_[NumeralOf(word_[i])].forms) {
      const JisString sound = form.sound + ten;
      if (form.kind == PartKind::kOn && form.cost == 0 && Matches(j, sound)) {
        Push({sound, {}, PartKind::kCounter, word_[i]}, i, j, cost, specials);
      }
    }
  }

  void TryCounter(std::size_t i, std::size_t j, int cost, int specials) {
    for (KanjiCode sound : {kKa, kGa, kKo}) {
      if (j < reading_.size() && reading_[j] == sound) {
        Push({JisString(1, sound), {}, PartKind::kCounter, word_[i]}, i, j, cost, specials);
      }
    }
  }

  void Step(std::size_t i, std::size_t j, int cost, int specials) {
    if (cost >= bestCost_) return;
    if (i == word_.size()) {
      if (j == reading_.size()) {
        bestCost_ = cost;
        best_ = current_;
      }
      return;
    }
    const KanjiCode c = word_[i];
    if (c == kana::kSmallKe || c == kana::kSmallKa) {
      TryCounter(i, j, cost, specials);
      return;
    }
    if (kana::IsKana(c)) {
      if (j < reading_.size() && kana::Hiragana(reading_[j]) == kana::Hiragana(c)) {
        Push({JisString(1, c), {}, PartKind::kKana, c}, i, j, cost, specials);
      }
      return;
    }
    if (c == kana::kRepeat) {
      TryRepeat(i, j, cost, specials);
      return;
    }
    const KanjiCode numeral = NumeralOf(c);
    if (numeral != c) TryTens(i, j, cost, specials);
    for (const Form& form : kanji_[numeral].forms) {
      TryForm(form, i, j, cost, specials);
      if (form.cost == 0 && form.kind == PartKind::kKun) TryWrittenTail(form, i, j, cost, specials);
    }
    TrySpecial(i, j, cost, specials);
  }

  const std::vector<KanjiForms>& kanji_;
  const JisString& word_;
  const JisString& reading_;
  std::vector<Part> current_;
  std::vector<Part> best_;
  int bestCost_ = std::numeric_limits<int>::max();
  std::vector<KanjiCode> firsts_;
  std::vector<KanjiCode> voiced_;
};

bool IsBoundStem(const Reading& kun) {
  if (kun.standsAlone || kun.okurigana.empty()) return false;
  const JisString ru = {kRu};
  const JisString i = {0x2424};
  const JisString shii = {0x2437, 0x2424};
  return std::none_of(kun.okurigana.begin(), kun.okurigana.end(),
                      [&](const JisString& o) { return o == ru || o == i || o == shii; });
}

bool HasBoundStem(const std::vector<KanjiForms>& byCode, const JisString& word,
                  const std::vector<Part>& parts) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Part& part = parts[i];
    if (part.kind != PartKind::kKun || part.sound.size() != part.dictionary.size()) continue;
    const bool okuriganaWritten = i + 1 < word.size() && kana::IsHiragana(word[i + 1]);
    const std::vector<JisString>& bound = byCode[part.character].boundStems;
    if (!okuriganaWritten &&
        std::find(bound.begin(), bound.end(), part.dictionary) != bound.end()) {
      return true;
    }
  }
  return false;
}

// Adds a form unless the same sound for the same reading is there already.
void AddForm(KanjiForms& forms, Form form) {
  for (const Form& known : forms.forms) {
    if (known.sound == form.sound && known.dictionary == form.dictionary &&
        known.kind == form.kind) {
      return;
    }
  }
  forms.forms.push_back(std::move(form));
}

}  // namespace

struct ReadingAligner::Tables {
  std::vector<KanjiForms> byCode = std::vector<KanjiForms>(0x10000);
};

ReadingAligner::ReadingAligner(const std::vector<KanjiEntry>& kanji)
    : tables_(std::make_unique<Tables>()) {
  for (const KanjiEntry& entry : kanji) {
    KanjiForms& forms = tables_->byCode[entry.code];
    forms.present = true;
    for (const Reading& on : entry.on) {
      const JisString bare = kana::ToHiragana(on.bare);
      forms.onBare.push_back(bare);
      forms.forms.push_back({bare, bare, PartKind::kOn, 0});
    }
    for (const Reading& kun : entry.kun) {
      forms.kunBare.push_back(kun.bare);
      if (IsBoundStem(kun)) forms.boundStems.push_back(kun.bare);
      forms.forms.push_back({kun.bare, kun.bare, PartKind::kKun, 0});
      // Okurigana the word leaves unwritten (受付 うけつけ), whole or as the masu stem.
      for (const JisString& okurigana : kun.okurigana) {
        for (std::size_t length = 1; length <= okurigana.size(); ++length) {
          AddForm(forms, {kun.bare + okurigana.substr(0, length), kun.bare, PartKind::kKun,
                          kOkuriganaCost});
        }
        if (IRow(okurigana.back()) != 0) {
          JisString stem = kun.bare + okurigana;
          stem.back() = IRow(okurigana.back());
          AddForm(forms, {stem, kun.bare, PartKind::kKun, kOkuriganaCost});
        }
      }
    }
  }
}

ReadingAligner::~ReadingAligner() = default;

bool ReadingAligner::IsKanji(KanjiCode code) const {
  return tables_->byCode[code].present;
}

Alignment ReadingAligner::Align(const JisString& word, const JisString& reading) const {
  Alignment result;
  Search search(tables_->byCode, word, reading);
  const bool found = !word.empty() && search.Run();
  if (!found) {
    result.type = AlignmentClass::kIrregular;
    result.field = JisString(1, jis::kAsterisk) + reading;
    return result;
  }
  // A kanji read as the bare stem of a verb beside a special part is a word read as a whole
  // (明日 あす is not 明 あ(ける) and a special 日).
  const std::vector<Part>& parts = search.best();
  const bool special = std::any_of(parts.begin(), parts.end(),
                                   [](const Part& p) { return p.kind == PartKind::kSpecial; });
  if (special && HasBoundStem(tables_->byCode, word, parts)) {
    result.type = AlignmentClass::kIrregular;
    result.field = JisString(1, jis::kAsterisk) + reading;
    return result;
  }
  result.type = AlignmentClass::kAligned;
  for (const Part& part : parts) {
    JisString text;
    if (part.kind == PartKind::kSpecial) {
      result.type = AlignmentClass::kSpecial;
      text.push_back(jis::kAmpersand);
    } else if (part.kind == PartKind::kOn || part.kind == PartKind::kKun) {
      const KanjiForms& forms = tables_->byCode[part.character];
      if (Contains(forms.onBare, part.dictionary) && Contains(forms.kunBare, part.dictionary)) {
        text.push_back(part.kind == PartKind::kOn ? jis::kLessThan : jis::kGreaterThan);
      }
    }
    text += part.sound;
    if (!part.dictionary.empty() && part.dictionary != part.sound) {
      text.push_back(jis::kLeftParen);
      text += part.dictionary;
      text.push_back(jis::kRightParen);
    }
    result.parts.push_back(text);
  }
  for (std::size_t i = 0; i < result.parts.size(); ++i) {
    if (i > 0) result.field.push_back(jis::kSolidus);
    result.field += result.parts[i];
  }
  return result;
}

JisString WithoutKindMarks(const JisString& field) {
  JisString text;
  for (KanjiCode c : field) {
    if (c != jis::kLessThan && c != jis::kGreaterThan) text.push_back(c);
  }
  return text;
}
