// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/TanakaCorpus.h"

#include <fstream>
#include <vector>

#include "tools/Utf8.h"

namespace {

// The program reads sentence texts and words into buffers of this many units.
constexpr std::size_t kMaxUnits = 2047;

std::string_view TrimLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
  return line;
}

bool IsControl(char16_t unit) {
  return unit < 0x20 || (unit >= 0x7F && unit <= 0x9F);
}

// The program reads a sentence line up to its CR and its words up to a space or CR: a control
// character inside the corpus's text would split a line or shift the pairs after it. In the
// sentences they are dropped (in the English a space keeps the words apart); in a word line
// they part words.
std::u16string WithoutControls(std::u16string_view text, bool keepSpace) {
  std::u16string clean;
  clean.reserve(text.size());
  for (const char16_t unit : text) {
    if (!IsControl(unit)) {
      clean.push_back(unit);
    } else if (keepSpace) {
      clean.push_back(u' ');
    }
  }
  return clean;
}

std::vector<std::u16string> Words(std::u16string_view text) {
  std::vector<std::u16string> words;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u' ', start);
    if (end == std::u16string_view::npos) end = text.size();
    std::u16string word = PlainTanakaWord(text.substr(start, end - start));
    if (!word.empty() && word.size() <= kMaxUnits) words.push_back(std::move(word));
    start = end + 1;
  }
  return words;
}

}  // namespace

std::u16string PlainTanakaWord(std::u16string_view token) {
  std::u16string word;
  char16_t closing = 0;
  for (char16_t unit : token) {
    if (closing != 0) {
      if (unit == closing) closing = 0;
    } else if (unit == u'(') {
      closing = u')';
    } else if (unit == u'[') {
      closing = u']';
    } else if (unit == u'{') {
      closing = u'}';
    } else if (unit != u'~') {
      word.push_back(unit);
    }
  }
  return word;
}

int ConvertTanakaCorpus(const std::filesystem::path& file, Utf16File& out, std::string& error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = "cannot open the Tanaka corpus file " + file.string();
    return -1;
  }
  return ConvertTanakaLines(in, out);
}

int ConvertTanakaLines(std::istream& in, Utf16File& out) {
  int sentences = 0;
  std::string raw;
  std::u16string japanese;
  std::string english;
  bool haveSentence = false;
  bool firstLine = true;
  while (std::getline(in, raw)) {
    std::string_view line = TrimLine(raw);
    // A byte-order mark would hide the first pair's tag.
    if (firstLine && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
    firstLine = false;
    if (line.starts_with("A: ")) {
      const std::u16string text = DecodeUtf8(line.substr(3));
      const std::size_t tab = text.find(u'\t');
      haveSentence = false;
      if (tab == std::u16string::npos) continue;
      japanese = WithoutControls(std::u16string_view(text).substr(0, tab), false);
      haveSentence = !japanese.empty() && japanese.size() <= kMaxUnits;
      if (!haveSentence) continue;
      std::u16string_view rest = std::u16string_view(text).substr(tab + 1);
      rest = rest.substr(0, rest.find(u"#ID="));
      english = ToLatin1(WithoutControls(rest, true));
    } else if (line.starts_with("B: ") && haveSentence) {
      haveSentence = false;
      out.Append(u"A: ");
      out.Append(japanese);
      out.Append(u'\t');
      out.AppendLatin1(english);
      out.Append(u"\r\n");
      out.Append(u"B: ");
      const std::vector<std::u16string> words = Words(WithoutControls(DecodeUtf8(line.substr(3)), true));
      for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0) out.Append(u' ');
        out.Append(words[i]);
      }
      out.Append(u"\r\n");
      ++sentences;
    }
  }
  return sentences;
}
