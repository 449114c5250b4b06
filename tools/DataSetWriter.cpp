// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataSetWriter.h"

#include <fstream>
#include <string>

#include "text/KanjiFactsFile.h"
#include "tools/Utf16File.h"

namespace {

// Text fields end at a tab or CR, so these never reach a meaning.
std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\t' || c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

bool AppendCodes(Utf16File& out, const JisString& codes, const CharacterTable& table) {
  const auto units = table.ToUtf16(codes);
  if (!units) return false;
  out.Append(*units);
  return true;
}

bool AppendReadings(Utf16File& out, const std::vector<Reading>& readings,
                    const CharacterTable& table) {
  for (std::size_t i = 0; i < readings.size(); ++i) {
    if (i > 0 && !AppendCodes(out, JisString(1, jis::kSolidus), table)) return false;
    if (!AppendCodes(out, readings[i].written, table)) return false;
  }
  return true;
}

}  // namespace

bool WriteKanjiFile(const std::filesystem::path& file, const std::vector<KanjiEntry>& kanji,
                    const CharacterTable& table) {
  Utf16File out;
  for (const KanjiEntry& entry : kanji) {
    out.NewLine();
    if (!AppendCodes(out, JisString(1, entry.code), table)) return false;
    out.Append(u'\t');
    out.Append(static_cast<char16_t>(u'0' + entry.grade));
    out.Append(u'\t');
    if (!AppendReadings(out, entry.on, table)) return false;
    out.Append(u'\t');
    if (!AppendReadings(out, entry.kun, table)) return false;
    out.Append(u'\t');
    out.AppendLatin1(OneLine(entry.meaning));
  }
  return out.Save(file);
}

bool WriteExamplesFile(const std::filesystem::path& file, const std::vector<Example>& examples,
                       const CharacterTable& table) {
  Utf16File out;
  for (const Example& example : examples) {
    out.NewLine();
    if (!AppendCodes(out, example.word, table)) return false;
    out.Append(u"\t\u3010");
    if (!AppendCodes(out, example.field, table)) return false;
    out.Append(u"\u3011\t");
    out.AppendLatin1(std::to_string(example.weight));
    out.Append(u'\t');
    out.AppendLatin1(OneLine(example.meaning));
  }
  return out.Save(file);
}

bool WriteStudyList(const std::filesystem::path& file, const std::vector<KanjiCode>& order,
                    const CharacterTable& table) {
  Utf16File out;
  for (KanjiCode code : order) {
    out.NewLine();
    if (!AppendCodes(out, JisString(1, code), table)) return false;
  }
  out.EndLastLine();
  return out.Save(file);
}

bool WriteKanjiFacts(const std::filesystem::path& file, const std::vector<KanjiFacts>& facts,
                     const CharacterTable& table) {
  std::string text = std::string(kKanjiFactsHeader) +
                     "\n# kanji (Unicode, hex)\tstrokes\tfrequency rank\tJLPT level\tradical\tgrade"
                     " (0: none)\n";
  for (const KanjiFacts& kanji : facts) {
    const auto unicode = table.ToUtf16(JisString(1, kanji.code));
    if (!unicode || unicode->size() != 1) return false;
    text += KanjiFactsLine(static_cast<std::uint16_t>((*unicode)[0]), kanji);
  }
  return WriteBinaryFile(file, text);
}

bool WriteNotice(const std::filesystem::path& file, bool withSentences) {
  std::string text =
      "Veltrane's data files\n"
      "=====================\n\n"
      "kanji_data.dat and examples.dat are derived from the KANJIDIC and EDICT dictionary\n"
      "files of the Electronic Dictionary Research and Development Group (EDRDG),\n"
      "https://www.edrdg.org/, as packaged by Debian (kanjidic, edict). The files are used in\n"
      "conformance with the Group's licence: Creative Commons Attribution-ShareAlike 4.0\n"
      "International (CC BY-SA 4.0), https://creativecommons.org/licenses/by-sa/4.0/.\n"
      "The derived files are shared under the same licence.\n\n"
      "Changes made: readings converted to Veltrane's notation, duplicate and untypeable\n"
      "readings merged or left out, example words chosen and their readings split per\n"
      "character, meanings shortened.\n";
  if (withSentences) {
    text +=
        "\nsentences.dat is derived from the Tanaka Corpus (examples.utf) as distributed by the\n"
        "EDRDG, placed by its compilers under the same CC BY-SA licence (see\n"
        "https://www.edrdg.org/wiki/index.php/Tanaka_Corpus).\n";
  }
  text +=
      "\njis0208.dat lists JIS X 0208 with its Unicode values as converted by the system's\n"
      "iconv; Sound/00000.wav is synthesised by veltrane-data.\n";
  return WriteBinaryFile(file, text);
}

bool WriteBinaryFile(const std::filesystem::path& file, const std::string& bytes) {
  std::error_code error;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), error);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}
