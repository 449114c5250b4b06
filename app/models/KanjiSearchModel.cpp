// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/models/KanjiSearchModel.h"

#include "study/UserProfile.h"
#include "text/JisTable.h"
#include "text/KanjiDatabase.h"
#include "text/KanjiFactsFile.h"

namespace {

constexpr const char* kHint =
    "Type a kanji, a reading in romaji or kana (mizu, sui), an English word or a stroke count.";

void AppendUtf8(std::string& out, std::uint32_t unit) {
  if (unit < 0x80) {
    out += static_cast<char>(unit);
  } else if (unit < 0x800) {
    out += static_cast<char>(0xC0 | (unit >> 6));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (unit >> 12));
    out += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (unit & 0x3F));
  }
}

// The query as the learner typed it, without surrounding blanks, for the line.
std::string Typed(std::u16string_view query) {
  std::string text;
  for (const char16_t unit : query) AppendUtf8(text, unit);
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

KanjiSearchModel::KanjiSearchModel(UserProfile& profile, const KanjiDatabase& database,
                                   const JisTable& jis, const std::filesystem::path& directory)
    : profile_(profile), database_(database), jis_(jis), inDataSet_(0x10000, false), line_(kHint) {
  for (const KanjiRecord& record : database.kanji) inDataSet_[record.code] = true;
  // Without the facts only stroke searches are lost; the search says so when asked for one.
  std::vector<KanjiFacts> loaded;
  std::string ignored;
  std::vector<KanjiFacts> facts;
  if (LoadKanjiFacts(directory / kKanjiFactsFileName, jis, loaded, ignored) == FactsLoad::kLoaded) {
    facts = FactsForDataSet(database.kanji, loaded);
  }
  search_ = std::make_unique<KanjiSearch>(database.kanji, facts, jis);
}

KanjiSearchModel::~KanjiSearchModel() = default;

void KanjiSearchModel::Search(std::u16string_view query) {
  const KanjiSearch::Result result = search_->Find(query);
  matches_.clear();
  for (const std::int32_t position : result.matches) {
    if (matches_.size() == kMaxMatches) break;
    matches_.push_back(database_.kanji[static_cast<std::size_t>(position)].code);
  }
  const std::string typed = Typed(query);
  const std::size_t found = result.matches.size();
  std::string what;
  switch (result.key) {
    case KanjiSearch::Key::kNothing:
      line_ = typed.empty() ? kHint : "No kanji of the data set found for \"" + typed + "\".";
      return;
    case KanjiSearch::Key::kCharacter:
      break;
    case KanjiSearch::Key::kStrokes:
      if (!result.unavailable.empty()) {
        line_ = result.unavailable;
        return;
      }
      what = " with " + typed + " strokes";
      break;
    case KanjiSearch::Key::kReadingOrMeaning:
      if (!result.reading.empty()) what = " read " + Utf8(result.reading.units) + " or";
      what += " meaning \"" + typed + "\"";
      break;
  }
  if (found == 0) {
    line_ = "No kanji" + what + ".";
    return;
  }
  line_ = std::to_string(found) + " kanji" + what;
  if (found > kMaxMatches) line_ += "; the first " + std::to_string(kMaxMatches) + " are listed";
  line_ += ".";
}

std::string KanjiSearchModel::ActionBlocked(KanjiCode code) const {
  if (code == 0 || !inDataSet_[code]) return "Choose a kanji first.";
  if (profile_.activeSet.contains(code)) return Utf8({code}) + " is already being studied.";
  return {};
}

std::string KanjiSearchModel::IntroduceNow(KanjiCode code, bool& ok) {
  ok = false;
  if (const std::string blocked = ActionBlocked(code); !blocked.empty()) return blocked;
  ok = profile_.IntroduceNow(code);
  return Utf8({code}) + " is now being studied.";
}

std::string KanjiSearchModel::StudyNext(KanjiCode code, bool& ok) {
  ok = false;
  if (const std::string blocked = ActionBlocked(code); !blocked.empty()) return blocked;
  std::string error;
  ok = profile_.StudyNext(code, error);
  if (!ok) return "The study list was not changed: " + error + ".";
  return Utf8({code}) + " will be the next kanji introduced.";
}

std::string KanjiSearchModel::Utf8(const std::vector<std::uint16_t>& codes) const {
  std::string text;
  for (const KanjiCode code : codes) {
    if (const std::uint16_t unicode = jis_.CodeToUnicode(code); unicode != 0) AppendUtf8(text, unicode);
  }
  return text;
}
