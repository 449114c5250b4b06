// The three example queries of the drills.

#include <algorithm>
#include <cstdint>
#include <vector>

#include "text/KanjiDatabase.h"

namespace {

// Position of the first character k in word, or word's length when it holds none.
std::size_t FirstPosition(const CodeString& word, KanjiCode k) {
  return static_cast<std::size_t>(std::find(word.units.begin(), word.units.end(), k) -
                                  word.units.begin());
}

// The part of an example that belongs to the first k of its word, or null when there is none:
// a word without k, or fewer parts than characters (irregular examples have no parts).
const CodeString* PartFor(const ExampleRecord& example, KanjiCode k) {
  const std::size_t position = FirstPosition(example.word, k);
  if (position >= example.word.units.size() || position >= example.readingParts.size()) {
    return nullptr;
  }
  return &example.readingParts[position];
}

// Whether a reading part reads target for the given kind (-1 ON, 1 KUN). A parenthesised
// dictionary reading is what is compared when there is one; an unclosed one runs to the end of
// the part.
bool PartMatches(const CodeString& part, const CodeString& target, int kind) {
  const auto begin = part.units.begin();
  const auto end = part.units.end();
  const bool onOnly = !part.empty() && part[0] == jis::kLessThan;
  const bool kunOnly = !part.empty() && part[0] == jis::kGreaterThan;

  auto textBegin = begin;
  auto textEnd = end;
  const auto open = std::find(begin, end, jis::kLeftParen);
  if (open != end) {
    textBegin = open + 1;
    textEnd = std::find(textBegin, end, jis::kRightParen);
  } else if (onOnly || kunOnly) {
    ++textBegin;
  }
  if (!std::equal(textBegin, textEnd, target.units.begin(), target.units.end())) return false;
  return (onOnly && kind == -1) || (kunOnly && kind == 1) || (!onOnly && !kunOnly);
}

}  // namespace

void KanjiDatabase::ExamplesContaining(KanjiCode k, std::vector<ExampleRecord>& out) const {
  out.clear();
  for (const ExampleRecord& example : examples) {
    if (FirstPosition(example.word, k) < example.word.units.size()) out.push_back(example);
  }
  // Largest weight first. Examples of equal weight keep their file order, so the lists the
  // learner sees do not change from one card to the next.
  std::stable_sort(out.begin(), out.end(), [](const ExampleRecord& a, const ExampleRecord& b) {
    return a.weight > b.weight;
  });
}

void KanjiDatabase::ExamplesForReading(const CodeString& reading, KanjiCode k, int kind,
                                       const std::vector<ExampleRecord>& in,
                                       std::vector<ExampleRecord>& out) const {
  // ON readings are stored in katakana; the parts are written in hiragana.
  const CodeString target = ToHiragana(reading);
  out.clear();
  for (const ExampleRecord& example : in) {
    const CodeString* part = PartFor(example, k);
    if (part != nullptr && PartMatches(*part, target, kind)) out.push_back(example);
  }
}

void KanjiDatabase::ExamplesWithSpecialReading(KanjiCode k, const std::vector<ExampleRecord>& in,
                                               std::vector<ExampleRecord>& out) const {
  out.clear();
  for (const ExampleRecord& example : in) {
    if (example.irregular) {
      out.push_back(example);
      continue;
    }
    const CodeString* part = PartFor(example, k);
    if (part != nullptr && !part->empty() && (*part)[0] == jis::kAmpersand) out.push_back(example);
  }
}
