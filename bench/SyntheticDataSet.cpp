// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "bench/SyntheticDataSet.h"

#include <fstream>
#include <string>
#include <vector>

#include "tools/JisTableWriter.h"

namespace {

// A deterministic generator, so every run measures the same files.
class Random {
 public:
  std::uint32_t Next() {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::uint32_t>(state_ >> 33);
  }
  std::uint32_t Below(std::uint32_t n) { return Next() % n; }

 private:
  std::uint64_t state_ = 0x5eed;
};

// Appends UTF-16LE units to a file through a buffer.
class Utf16Writer {
 public:
  explicit Utf16Writer(const std::filesystem::path& file) : out_(file, std::ios::binary) {
    Unit(0xFEFF);
  }
  ~Utf16Writer() { Flush(); }

  void Unit(char16_t unit) {
    bytes_.push_back(static_cast<char>(unit & 0xFF));
    bytes_.push_back(static_cast<char>(unit >> 8));
    if (bytes_.size() >= (1 << 20)) Flush();
  }
  void Text(std::u16string_view text) {
    for (const char16_t unit : text) Unit(unit);
  }
  void Latin(std::string_view text) {
    for (const char c : text) Unit(static_cast<unsigned char>(c));
  }
  void EndLine() { Text(u"\r\n"); }
  bool Ok() {
    Flush();
    return static_cast<bool>(out_);
  }

 private:
  void Flush() {
    out_.write(bytes_.data(), static_cast<std::streamsize>(bytes_.size()));
    bytes_.clear();
  }

  std::ofstream out_;
  std::string bytes_;
};

struct Characters {
  std::vector<char16_t> kanji;  // every JIS kanji but the planted one
  std::vector<char16_t> hiragana;
};

Characters CharactersOf(const std::vector<JisRow>& rows) {
  Characters characters;
  for (const JisRow& row : rows) {
    if (row.jis >= 0x2421 && row.jis <= 0x2473) characters.hiragana.push_back(row.unicode);
    if (row.jis >= 0x3021 && row.unicode != SyntheticDataSet::kPlantedKanji) {
      characters.kanji.push_back(row.unicode);
    }
  }
  return characters;
}

std::u16string Kana(Random& random, const Characters& characters, int count) {
  std::u16string kana;
  for (int i = 0; i < count; ++i) {
    kana.push_back(
        characters.hiragana[random.Below(static_cast<std::uint32_t>(characters.hiragana.size()))]);
  }
  return kana;
}

std::u16string ToKatakana(std::u16string kana) {
  for (char16_t& unit : kana) unit = static_cast<char16_t>(unit + 0x60);
  return kana;
}

bool WriteKanji(const std::filesystem::path& file, const Characters& characters, int count,
                Random& random) {
  Utf16Writer out(file);
  for (int i = 0; i < count; ++i) {
    if (i > 0) out.EndLine();
    const bool planted = i == 0;
    out.Unit(planted ? SyntheticDataSet::kPlantedKanji : characters.kanji[i - 1]);
    out.Unit(u'\t');
    out.Unit(static_cast<char16_t>(u'0' + random.Below(10)));
    out.Unit(u'\t');
    // 1 or 2 ON readings in katakana, 1 or 2 KUN readings in hiragana with their marks.
    const int onCount = planted ? 1 : 1 + static_cast<int>(random.Below(2));
    for (int r = 0; r < onCount; ++r) {
      if (r > 0) out.Unit(u'／');
      out.Text(planted ? u"イチ" : ToKatakana(Kana(random, characters, 2)));
    }
    out.Unit(u'\t');
    const int kunCount = planted ? 1 : 1 + static_cast<int>(random.Below(2));
    for (int r = 0; r < kunCount; ++r) {
      if (r > 0) out.Unit(u'／');
      if (planted) {
        out.Text(u"ひと（つ）");
      } else if (random.Below(4) == 0) {
        out.Unit(u'―');
        out.Text(Kana(random, characters, 2));
      } else {
        out.Text(Kana(random, characters, 2));
        out.Unit(u'（');
        out.Text(Kana(random, characters, 2));
        out.Unit(u'）');
      }
    }
    out.Unit(u'\t');
    out.Latin("meaning of kanji number " + std::to_string(i));
  }
  return out.Ok();
}

// The words of the examples, kept as the pool the sentences draw their words from.
bool WriteExamples(const std::filesystem::path& file, const Characters& characters, int count,
                   int kanjiCount, Random& random, std::vector<std::u16string>& words) {
  Utf16Writer out(file);
  for (int i = 0; i < count; ++i) {
    if (i > 0) out.EndLine();
    std::u16string word;
    std::u16string reading;
    const int length = 1 + static_cast<int>(random.Below(3));
    for (int c = 0; c < length; ++c) {
      if (c > 0) reading.push_back(u'／');
      if (c == 0 && i % 40 == 0) {
        word.push_back(SyntheticDataSet::kPlantedKanji);
        reading += i % 80 == 0 ? u"いっ（いち）" : u"＞ひと";
        continue;
      }
      word.push_back(characters.kanji[random.Below(static_cast<std::uint32_t>(kanjiCount - 1))]);
      switch (random.Below(4)) {
        case 0:
          reading += Kana(random, characters, 1) + u"（" + Kana(random, characters, 2) + u"）";
          break;
        case 1:
          reading += u"＜" + Kana(random, characters, 2);
          break;
        default:
          reading += Kana(random, characters, 2);
      }
    }
    if (random.Below(3) == 0) {  // okurigana
      const std::u16string kana = Kana(random, characters, 1);
      word += kana;
      reading += u"／" + kana;
    }
    out.Text(word);
    out.Text(u"\t【");
    out.Text(reading);
    out.Text(u"】\t");
    out.Latin(std::to_string(random.Below(100000)) + "\texample word number " + std::to_string(i));
    words.push_back(word);
  }
  return out.Ok();
}

bool WriteSentences(const std::filesystem::path& file, int count,
                    const std::vector<std::u16string>& words, Random& random) {
  // Sentences list words from a pool of common words, as a real corpus does.
  const auto pool = static_cast<std::uint32_t>(words.size() < 40000 ? words.size() : 40000);
  Utf16Writer out(file);
  std::vector<std::u16string> listed;
  for (int i = 0; i < count; ++i) {
    listed.clear();
    const int wordCount = 5 + static_cast<int>(random.Below(4));
    for (int w = 0; w < wordCount; ++w) listed.push_back(words[random.Below(pool)]);
    if (i % (count / 20) == 0 && i / (count / 20) < 20) listed[0] = SyntheticDataSet::kPlantedWord;

    out.Text(u"A: ");
    for (const std::u16string& word : listed) out.Text(word);
    out.Text(u"。\t");
    out.Latin("This is example sentence number " + std::to_string(i) + " of the set.");
    out.EndLine();
    out.Text(u"B: ");
    for (const std::u16string& word : listed) {
      out.Text(word);
      out.Unit(u' ');
    }
    out.EndLine();
  }
  return out.Ok();
}

}  // namespace

bool SyntheticDataSet::Write(const std::filesystem::path& directory, int percent) {
  const std::vector<JisRow> rows = JisX0208Rows();
  if (!WriteJisTable(directory / "jis0208.dat", rows)) return false;
  const Characters characters = CharactersOf(rows);
  const int kanjiCount = (static_cast<int>(characters.kanji.size()) + 1) * percent / 100;
  Random random;
  std::vector<std::u16string> words;
  return WriteKanji(directory / "kanji_data.dat", characters, kanjiCount, random) &&
         WriteExamples(directory / "examples.dat", characters, 200000 * percent / 100, kanjiCount,
                       random, words) &&
         WriteSentences(directory / "sentences.dat", 150000 * percent / 100, words, random);
}
