// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/Edict.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <optional>
#include <set>

#include "tools/EucJp.h"

namespace {

// Tags that keep a form or a word away from learners.
bool IsFormExcluded(std::string_view tag) {
  return tag == "rK" || tag == "oK" || tag == "iK" || tag == "ik" || tag == "io" || tag == "ok";
}
bool IsOutdated(std::string_view tag) {
  return tag == "obsc" || tag == "arch" || tag == "obs";
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> pieces;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find(separator, start);
    if (end == std::string_view::npos) end = text.size();
    pieces.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return pieces;
}

std::string_view Trim(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

bool IsTagText(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    // Letters, digits and separators only; a colon ends a dialect tag, (ksb:).
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ',' ||
           c == '-' || c == ':';
  });
}

// Removes the leading tag groups "(n,vs)", "(2)", "{comp}" of a gloss and collects their tags.
std::string_view StripTags(std::string_view gloss, std::vector<std::string_view>& tags) {
  gloss = Trim(gloss);
  while (!gloss.empty() && (gloss.front() == '(' || gloss.front() == '{')) {
    const char close = gloss.front() == '(' ? ')' : '}';
    const std::size_t end = gloss.find(close);
    if (end == std::string_view::npos || !IsTagText(gloss.substr(1, end - 1))) break;
    for (std::string_view tag : Split(gloss.substr(1, end - 1), ',')) tags.push_back(tag);
    gloss = Trim(gloss.substr(end + 1));
  }
  return gloss;
}

bool IsSenseNumber(std::string_view tag) {
  return !tag.empty() &&
         std::all_of(tag.begin(), tag.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A sense number's value; nothing when it does not fit an int (no real entry has that many
// senses, so the line is damaged).
std::optional<int> SenseValue(std::string_view tag) {
  int value = 0;
  const auto [end, failure] = std::from_chars(tag.data(), tag.data() + tag.size(), value);
  if (failure != std::errc() || end != tag.data() + tag.size()) return std::nullopt;
  return value;
}

// A written form or reading with its trailing tags: 漢字(iK), かな(ok), かな(漢字) (a
// restriction of a reading to some forms).
struct Form {
  JisString text;
  std::vector<std::string_view> tags;
  std::vector<JisString> onlyFor;
};

std::vector<Form> ParseForms(std::string_view list) {
  std::vector<Form> forms;
  for (std::string_view piece : Split(list, ';')) {
    piece = Trim(piece);
    if (piece.empty()) continue;
    Form form;
    const std::size_t open = piece.find('(');
    form.text = DecodeEucJp(Trim(piece.substr(0, open)));
    std::size_t pos = open;
    while (pos != std::string_view::npos && pos < piece.size() && piece[pos] == '(') {
      const std::size_t close = piece.find(')', pos);
      if (close == std::string_view::npos) break;
      const std::string_view inside = piece.substr(pos + 1, close - pos - 1);
      if (IsTagText(inside)) {
        for (std::string_view tag : Split(inside, ',')) form.tags.push_back(tag);
      } else {
        for (std::string_view only : Split(inside, ';'))
          form.onlyFor.push_back(DecodeEucJp(Trim(only)));
      }
      pos = close + 1;
    }
    forms.push_back(std::move(form));
  }
  return forms;
}

bool AnyTag(const std::vector<std::string_view>& tags, bool (*test)(std::string_view)) {
  return std::any_of(tags.begin(), tags.end(), test);
}

bool HasTag(const Form& form, std::string_view tag) {
  return std::find(form.tags.begin(), form.tags.end(), tag) != form.tags.end();
}

// EDICT2 marks the common forms of a common entry with (P) of their own; where it marks none,
// every form of the entry is common.
bool IsCommonForm(const Form& form, const std::vector<Form>& all) {
  const bool anyMarked =
      std::any_of(all.begin(), all.end(), [](const Form& f) { return HasTag(f, "P"); });
  return !anyMarked || HasTag(form, "P");
}

struct Body {
  bool common = false;
  bool usuallyKana = false;
  bool outdated = false;      // every sense obsolete or archaic
  bool formExcluded = false;  // EDICT's one form carries a form tag in its first gloss
  int senses = 1;
  bool damaged = false;  // a sense number out of range
};

Body ParseBody(std::string_view body) {
  Body result;
  int sense = 1;
  std::set<int> modernSenses;
  std::set<int> allSenses;
  for (std::string_view gloss : Split(body, '/')) {
    std::vector<std::string_view> tags;
    const std::string_view text = StripTags(gloss, tags);
    for (std::string_view tag : tags) {
      if (!IsSenseNumber(tag)) continue;
      const std::optional<int> value = SenseValue(tag);
      if (!value) {
        result.damaged = true;
        return result;
      }
      sense = std::max(1, *value);
    }
    if (tags.size() == 1 && tags[0] == "P" && text.empty()) {
      result.common = true;
      continue;
    }
    if (text.empty() || text.starts_with("EntL")) continue;
    allSenses.insert(sense);
    if (!AnyTag(tags, IsOutdated)) modernSenses.insert(sense);
    if (sense == 1) {
      if (std::find(tags.begin(), tags.end(), "uk") != tags.end()) result.usuallyKana = true;
      if (AnyTag(tags, IsFormExcluded)) result.formExcluded = true;
    }
  }
  // A sense without its own tag inherits nothing here; a word is outdated only when no sense
  // is free of the tags.
  result.outdated = !allSenses.empty() && modernSenses.empty();
  result.senses = std::max(1, static_cast<int>(allSenses.size()));
  return result;
}

void AppendGloss(std::string& meaning, std::string_view gloss) {
  if (!meaning.empty()) meaning += "; ";
  meaning += gloss;
}

}  // namespace

std::string EdictMeaning(std::string_view body) {
  std::string meaning;
  int sense = 1;
  for (std::string_view gloss : Split(body, '/')) {
    std::vector<std::string_view> tags;
    const std::string_view text = StripTags(gloss, tags);
    int glossSense = sense;
    for (std::string_view tag : tags) {
      if (IsSenseNumber(tag)) glossSense = SenseValue(tag).value_or(glossSense);
    }
    if (text.empty() || text.starts_with("EntL")) continue;
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) continue;
    // Later senses only while the meaning is still short, so it stays on one line.
    if (glossSense != sense && meaning.size() >= kMeaningLimit / 2) break;
    sense = glossSense;
    if (meaning.empty() && text.size() > kMeaningLimit) {
      std::size_t cut = text.rfind(' ', kMeaningLimit - 3);
      if (cut == std::string_view::npos || cut == 0) cut = kMeaningLimit - 3;
      meaning = std::string(text.substr(0, cut)) + "...";
      break;
    }
    if (!meaning.empty() && meaning.size() + 2 + text.size() > kMeaningLimit) break;
    AppendGloss(meaning, text);
  }
  return meaning;
}

std::vector<EdictEntry> ParseEdictLine(std::string_view line) {
  std::vector<EdictEntry> entries;
  ParseEdictLine(line, entries);
  return entries;
}

bool ParseEdictLine(std::string_view line, std::vector<EdictEntry>& entries) {
  const std::size_t slash = line.find(" /");
  if (slash == std::string_view::npos || line.empty() ||
      static_cast<unsigned char>(line[0]) < 0x80) {
    return true;
  }
  const std::string_view head = line.substr(0, slash);
  const std::string_view body = line.substr(slash + 2);
  const Body info = ParseBody(body);
  if (info.damaged) return false;
  if (info.outdated || info.formExcluded) return true;

  const std::size_t open = head.find('[');
  const std::size_t close = head.find(']');
  std::vector<Form> words = ParseForms(head.substr(0, open));
  std::vector<Form> readings =
      open == std::string_view::npos || close == std::string_view::npos || close < open
          ? words
          : ParseForms(head.substr(open + 1, close - open - 1));

  const std::string meaning = EdictMeaning(body);
  for (const Form& word : words) {
    if (AnyTag(word.tags, IsFormExcluded)) continue;
    for (const Form& reading : readings) {
      if (AnyTag(reading.tags, IsFormExcluded)) continue;
      if (!reading.onlyFor.empty() && std::find(reading.onlyFor.begin(), reading.onlyFor.end(),
                                                word.text) == reading.onlyFor.end()) {
        continue;
      }
      EdictEntry entry;
      entry.word = word.text;
      entry.reading = reading.text;
      entry.meaning = meaning;
      entry.common = info.common && IsCommonForm(word, words) && IsCommonForm(reading, readings);
      entry.usuallyKana = info.usuallyKana;
      entry.senses = info.senses;
      entries.push_back(std::move(entry));
    }
  }
  return true;
}

bool ReadEdict(const std::filesystem::path& file, std::vector<EdictEntry>& entries,
               std::string& error, const std::function<void(double)>& progress,
               int* unreadable) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot open the edict file " + file.string();
    return false;
  }
  in.seekg(0, std::ios::end);
  const double size = std::max<double>(1, static_cast<double>(in.tellg()));
  in.seekg(0);
  std::string line;
  std::size_t lines = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!ParseEdictLine(line, entries) && unreadable != nullptr) ++*unreadable;
    if (++lines % 8192 == 0 && progress) progress(static_cast<double>(in.tellg()) / size);
  }
  // Readings are kana in a real edict; a file in another encoding decodes to other characters.
  const auto kanaReadings = std::count_if(entries.begin(), entries.end(), [](const EdictEntry& e) {
    return !e.reading.empty() && std::all_of(e.reading.begin(), e.reading.end(), kana::IsKana);
  });
  if (entries.empty() || kanaReadings * 2 < static_cast<std::ptrdiff_t>(entries.size())) {
    error = file.string() + " holds no words: is it edict in EUC-JP?";
    return false;
  }
  return true;
}
