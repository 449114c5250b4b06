// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "text/RomajiConverter.h"

#include <cstring>

#include "text/KanjiCode.h"

namespace {

// Spellings of the hiragana 0x2421..0x2473 in code order; a code with two spellings has two
// cells, the first-named first.
struct SingleKana {
  char romaji[5];
  KanjiCode code;
};

constexpr SingleKana kSingleKana[] = {
    {"xa", 0x2421},  {"a", 0x2422},   {"xi", 0x2423},  {"i", 0x2424},    {"xu", 0x2425},
    {"u", 0x2426},   {"xe", 0x2427},  {"e", 0x2428},   {"xo", 0x2429},   {"o", 0x242A},
    {"ka", 0x242B},  {"ga", 0x242C},  {"ki", 0x242D},  {"gi", 0x242E},   {"ku", 0x242F},
    {"gu", 0x2430},  {"ke", 0x2431},  {"ge", 0x2432},  {"ko", 0x2433},   {"go", 0x2434},
    {"sa", 0x2435},  {"za", 0x2436},  {"si", 0x2437},  {"shi", 0x2437},  {"ji", 0x2438},
    {"su", 0x2439},  {"zu", 0x243A},  {"se", 0x243B},  {"ze", 0x243C},   {"so", 0x243D},
    {"zo", 0x243E},  {"ta", 0x243F},  {"da", 0x2440},  {"ti", 0x2441},   {"chi", 0x2441},
    {"di", 0x2442},  {"dji", 0x2442}, {"xtu", 0x2443}, {"xtsu", 0x2443}, {"tu", 0x2444},
    {"tsu", 0x2444}, {"du", 0x2445},  {"dzu", 0x2445}, {"te", 0x2446},   {"de", 0x2447},
    {"to", 0x2448},  {"do", 0x2449},  {"na", 0x244A},  {"ni", 0x244B},   {"nu", 0x244C},
    {"ne", 0x244D},  {"no", 0x244E},  {"ha", 0x244F},  {"ba", 0x2450},   {"pa", 0x2451},
    {"hi", 0x2452},  {"bi", 0x2453},  {"pi", 0x2454},  {"hu", 0x2455},   {"fu", 0x2455},
    {"bu", 0x2456},  {"pu", 0x2457},  {"he", 0x2458},  {"be", 0x2459},   {"pe", 0x245A},
    {"ho", 0x245B},  {"bo", 0x245C},  {"po", 0x245D},  {"ma", 0x245E},   {"mi", 0x245F},
    {"mu", 0x2460},  {"me", 0x2461},  {"mo", 0x2462},  {"xya", 0x2463},  {"ya", 0x2464},
    {"xyu", 0x2465}, {"yu", 0x2466},  {"xyo", 0x2467}, {"yo", 0x2468},   {"ra", 0x2469},
    {"ri", 0x246A},  {"ru", 0x246B},  {"re", 0x246C},  {"ro", 0x246D},   {"xwa", 0x246E},
    {"wa", 0x246F},  {"wi", 0x2470},  {"we", 0x2471},  {"wo", 0x2472},   {"n'", 0x2473},
    {"", 0},
};

// A consonant kana followed by small ya, yu or yo.
struct PairKana {
  char romaji[4];
  KanjiCode first;
  KanjiCode small;
};

constexpr KanjiCode kSmallYa = 0x2463;
constexpr KanjiCode kSmallYu = 0x2465;
constexpr KanjiCode kSmallYo = 0x2467;

constexpr PairKana kPairKana[] = {
    {"kya", 0x242D, kSmallYa}, {"kyu", 0x242D, kSmallYu}, {"kyo", 0x242D, kSmallYo},
    {"gya", 0x242E, kSmallYa}, {"gyu", 0x242E, kSmallYu}, {"gyo", 0x242E, kSmallYo},
    {"sha", 0x2437, kSmallYa}, {"sya", 0x2437, kSmallYa}, {"shu", 0x2437, kSmallYu},
    {"syu", 0x2437, kSmallYu}, {"sho", 0x2437, kSmallYo}, {"syo", 0x2437, kSmallYo},
    {"ja", 0x2438, kSmallYa},  {"zya", 0x2438, kSmallYa}, {"ju", 0x2438, kSmallYu},
    {"zyu", 0x2438, kSmallYu}, {"jo", 0x2438, kSmallYo},  {"zyo", 0x2438, kSmallYo},
    {"cha", 0x2441, kSmallYa}, {"tya", 0x2441, kSmallYa}, {"chu", 0x2441, kSmallYu},
    {"tyu", 0x2441, kSmallYu}, {"cho", 0x2441, kSmallYo}, {"tyo", 0x2441, kSmallYo},
    {"nya", 0x244B, kSmallYa}, {"nyu", 0x244B, kSmallYu}, {"nyo", 0x244B, kSmallYo},
    {"hya", 0x2452, kSmallYa}, {"hyu", 0x2452, kSmallYu}, {"hyo", 0x2452, kSmallYo},
    {"bya", 0x2453, kSmallYa}, {"byu", 0x2453, kSmallYu}, {"byo", 0x2453, kSmallYo},
    {"pya", 0x2454, kSmallYa}, {"pyu", 0x2454, kSmallYu}, {"pyo", 0x2454, kSmallYo},
    {"mya", 0x245F, kSmallYa}, {"myu", 0x245F, kSmallYu}, {"myo", 0x245F, kSmallYo},
    {"rya", 0x246A, kSmallYa}, {"ryu", 0x246A, kSmallYu}, {"ryo", 0x246A, kSmallYo},
};

bool IsAsciiLetter(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Up to four letters packed into one number, first letter lowest.
std::uint32_t Pack(const char* letters) {
  std::uint32_t key = 0;
  for (int i = 0; i < 4 && letters[i] != '\0'; ++i) {
    key |= static_cast<std::uint32_t>(static_cast<unsigned char>(letters[i])) << (8 * i);
  }
  return key;
}

std::uint32_t SlotOf(std::uint32_t key, std::uint32_t slots) {
  return (key * 2654435761u >> 16) & (slots - 1);
}

bool IsVowelOrY(char c) {
  return c == 'a' || c == 'i' || c == 'u' || c == 'e' || c == 'o' || c == 'y' || c == '\'';
}

}  // namespace

RomajiConverter::RomajiConverter() {
  for (const SingleKana* entry = kSingleKana; entry->code != 0; ++entry) {
    table.push_back({entry->romaji, CodeString(entry->code)});
  }
  for (const PairKana& entry : kPairKana) {
    table.push_back({entry.romaji, CodeString(entry.first, entry.small)});
  }
  index_.resize(kIndexSlots);
  for (std::size_t i = 0; i < table.size(); ++i) {
    katakanaKana_.push_back(ToKatakana(table[i].kana));
    const std::uint32_t key = Pack(table[i].romaji.c_str());
    std::uint32_t slot = SlotOf(key, kIndexSlots);
    while (index_[slot].entry >= 0 && index_[slot].key != key) slot = (slot + 1) % kIndexSlots;
    if (index_[slot].entry < 0) index_[slot] = {key, static_cast<int>(i)};  // first one wins
  }
}

int RomajiConverter::FindEntry() const {
  const std::uint32_t key = Pack(pending);
  for (std::uint32_t slot = SlotOf(key, kIndexSlots);; slot = (slot + 1) % kIndexSlots) {
    if (index_[slot].entry < 0) return -1;
    if (index_[slot].key == key) return index_[slot].entry;
  }
}

void RomajiConverter::Reset(char* pendingOut) {
  Clear(pendingOut);
}

CodeString RomajiConverter::AddLetter(char c, char* pendingOut) {
  // 1. Only letters and the apostrophe take part.
  if (!IsAsciiLetter(c) && c != '\'') return CodeString();

  // 2. The letter joins the pending ones.
  pending[pendingLength++] = c;
  pending[pendingLength] = '\0';

  if (pendingLength == 2) {
    // 3. "nn" is a complete n.
    if (pending[0] == 'n' && pending[1] == 'n') {
      Clear(pendingOut);
      return Output(jis::kHiraganaN);
    }
    // 4. n before a consonant is an n of its own.
    if (pending[0] == 'n' && !IsVowelOrY(pending[1])) {
      KeepOnly(pending[1], pendingOut);
      return Output(jis::kHiraganaN);
    }
    // 5. A doubled consonant (or "tc" before "ch") is a small tu.
    if (pending[0] == pending[1] || (pending[0] == 't' && pending[1] == 'c')) {
      KeepOnly(pending[1], pendingOut);
      return Output(jis::kSmallTu);
    }
  }

  // 6. A complete spelling.
  if (const int entry = FindEntry(); entry >= 0) {
    Clear(pendingOut);
    return Output(entry);
  }

  // 7. Not yet a spelling: wait for more letters.
  if (pendingLength < 4) {
    std::memcpy(pendingOut, pending, static_cast<std::size_t>(pendingLength) + 1);
    return CodeString();
  }

  // 8. Four letters that never made a kana: keep only the last, which may be a vowel.
  KeepOnly(c, pendingOut);
  if (const int entry = FindEntry(); entry >= 0) {
    Clear(pendingOut);
    return Output(entry);
  }
  return CodeString();
}

CodeString RomajiConverter::Flush(char* pendingOut) {
  const bool loneN = pendingLength == 1 && pending[0] == 'n';
  Clear(pendingOut);
  return loneN ? Output(jis::kHiraganaN) : CodeString();
}

bool RomajiConverter::Backspace(char* pendingOut) {
  if (pendingLength == 0) return false;
  pending[--pendingLength] = '\0';
  std::memcpy(pendingOut, pending, static_cast<std::size_t>(pendingLength) + 1);
  return true;
}

CodeString RomajiConverter::Output(int entry) const {
  return katakana ? katakanaKana_[entry] : table[entry].kana;
}

CodeString RomajiConverter::Output(KanjiCode hiragana) const {
  return CodeString(katakana ? static_cast<KanjiCode>(hiragana + jis::kKatakanaOffset) : hiragana);
}

void RomajiConverter::KeepOnly(char c, char* pendingOut) {
  pending[0] = c;
  pending[1] = '\0';
  pendingLength = 1;
  std::memcpy(pendingOut, pending, 2);
}

void RomajiConverter::Clear(char* pendingOut) {
  pending[0] = '\0';
  pendingLength = 0;
  pendingOut[0] = '\0';
}
