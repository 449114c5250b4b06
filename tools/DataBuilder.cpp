// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tools/DataBuilder.h"

#include <algorithm>
#include <chrono>
#include <set>

#include "study/ReadyStudyList.h"
#include "text/KanjiFactsFile.h"
#include "tools/CharacterTable.h"
#include "tools/Chime.h"
#include "tools/DataSetWriter.h"
#include "tools/Edict.h"
#include "tools/ExampleSelector.h"
#include "tools/HandCheckedWords.h"
#include "tools/Kanjidic.h"
#include "tools/ReadingAligner.h"
#include "tools/StudyList.h"
#include "tools/TanakaCorpus.h"

namespace {

bool IsJoyo(int grade) {
  return (grade >= 1 && grade <= 6) || grade == 8;
}

// A reading with a character the table lacks (a control byte, a letter in its okurigana)
// could not be written into the kanji file, and a learner could not type it.
void DropUnwritableReadings(std::vector<JisString>& readings, const CharacterTable& table,
                            ReadingRuleCounts& counts) {
  std::erase_if(readings, [&](const JisString& reading) {
    const bool writable = std::all_of(reading.begin(), reading.end(), [&](KanjiCode c) {
      return c == '.' || c == '-' || table.Has(c);
    });
    counts.untypeable += writable ? 0 : 1;
    return !writable;
  });
}

void CountReadings(const std::vector<KanjiEntry>& kanji, BuildReport& report) {
  for (const KanjiEntry& entry : kanji) {
    report.onReadings += static_cast<int>(entry.on.size());
    report.kunReadings += static_cast<int>(entry.kun.size());
    for (const auto* readings : {&entry.on, &entry.kun}) {
      std::set<JisString> bare;
      for (const Reading& reading : *readings) {
        if (!bare.insert(reading.bare).second) ++report.duplicateBareReadings;
      }
    }
  }
}

void CheckHandCheckedWords(const ReadingAligner& aligner, const CharacterTable& table,
                           BuildReport& report) {
  for (const HandCheckedWord& word : HandCheckedWords()) {
    ++report.handChecked;
    const auto text = table.FromUtf8(word.word);
    const auto reading = table.FromUtf8(word.reading);
    const auto expected = table.FromUtf8(word.field);
    if (text && reading && expected &&
        WithoutKindMarks(aligner.Align(*text, *reading).field) == *expected) {
      ++report.handCheckedRight;
    } else {
      if (!report.handCheckedMisses.empty()) report.handCheckedMisses += ", ";
      report.handCheckedMisses += word.word;
    }
  }
}

// The text a learner must type for a part: the part's kana before any parenthesis, less its
// leading mark.
JisString BlankedText(const JisString& part) {
  JisString shown = part.substr(0, part.find(jis::kLeftParen));
  if (!shown.empty() && (shown[0] == jis::kAmpersand || shown[0] == jis::kLessThan ||
                         shown[0] == jis::kGreaterThan)) {
    shown.erase(0, 1);
  }
  return shown;
}

void CheckExamples(const std::vector<KanjiEntry>& kanji, const ExampleSelection& selection,
                   const ReadingAligner& aligner, const CharacterTable& table,
                   BuildReport& report) {
  std::vector<int> counts(0x10000, 0);
  for (const Example& example : selection.examples) {
    ++report.examples;
    if (example.type == AlignmentClass::kAligned) ++report.aligned;
    if (example.type == AlignmentClass::kSpecial) ++report.special;
    if (example.type == AlignmentClass::kIrregular) ++report.irregular;
    std::set<KanjiCode> seen;
    for (KanjiCode c : example.word) {
      if (aligner.IsKanji(c) && seen.insert(c).second) ++counts[c];
    }
    if (example.type == AlignmentClass::kIrregular) continue;
    std::size_t start = 0;
    for (std::size_t i = 0; i < example.word.size(); ++i) {
      std::size_t end = example.field.find(jis::kSolidus, start);
      if (end == JisString::npos) end = example.field.size();
      if (aligner.IsKanji(example.word[i]) &&
          !kana::IsTypeable(BlankedText(example.field.substr(start, end - start)))) {
        ++report.untypeableBlanks;
      }
      start = end + 1;
    }
  }
  report.commonWords = selection.commonWords;
  report.readingsWithExample = selection.readingsWithExample;
  report.readingsEdictLacks = selection.readingsEdictLacks;
  report.commonAligned = selection.commonAligned;
  for (const KanjiEntry& entry : kanji) {
    const int have = counts[entry.code];
    const int available = selection.availableWords[entry.code];
    if (have == 0 && available > 0) ++report.kanjiWithout;
    if (IsJoyo(entry.grade) && have < 3) {
      ++report.joyoUnderThree;
      if (available >= 3) ++report.joyoUnderThreeAvoidable;
      if (const auto unicode = table.ToUtf16(JisString(1, entry.code))) {
        if (!report.joyoUnderThreeList.empty()) report.joyoUnderThreeList += " ";
        // One BMP character: three UTF-8 bytes.
        const char16_t c = (*unicode)[0];
        report.joyoUnderThreeList += static_cast<char>(0xE0 | (c >> 12));
        report.joyoUnderThreeList += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        report.joyoUnderThreeList += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
  }
}

}  // namespace

bool BuildDataSet(const BuildOptions& options, BuildReport& report, ProgressBar& progress,
                  std::string& error) {
  const auto started = std::chrono::steady_clock::now();

  progress.Show("JIS table", 0.0);
  const CharacterTable table(JisX0208Rows());
  if (table.rows().empty()) {
    error = "the system's iconv cannot convert EUC-JP";
    return false;
  }

  progress.Show("reading kanjidic", 0.02);
  std::vector<KanjidicEntry> kanjidic;
  if (!ReadKanjidic(options.kanjidic, kanjidic, error, &report.unreadableLines)) return false;
  std::vector<KanjiEntry> kanji;
  for (KanjidicEntry& source : kanjidic) {
    if (!table.Has(source.code)) continue;
    DropUnwritableReadings(source.on, table, report.rules);
    DropUnwritableReadings(source.kun, table, report.rules);
    kanji.push_back(MakeKanjiEntry(source, report.rules));
  }
  report.kanji = static_cast<int>(kanji.size());
  CountReadings(kanji, report);

  progress.Show("reading edict", 0.05);
  std::vector<EdictEntry> edict;
  if (!ReadEdict(
          options.edict, edict, error,
          [&](double f) { progress.Show("reading edict", 0.05 + 0.25 * f); },
          &report.unreadableLines)) {
    return false;
  }

  // Every source is read before the first data file is written, so a bad source leaves an
  // earlier data set in the folder as it was.
  Utf16File sentences;
  if (options.tanaka) {
    progress.Show("converting the Tanaka corpus", 0.3);
    report.sentences = ConvertTanakaCorpus(*options.tanaka, sentences, error);
    if (report.sentences < 0) return false;
  }

  const ReadingAligner aligner(kanji);
  const ExampleSelection selection = SelectExamples(edict, kanji, aligner, table, [&](double f) {
    progress.Show("aligning words", 0.3 + 0.6 * f);
  });
  CheckExamples(kanji, selection, aligner, table, report);
  CheckHandCheckedWords(aligner, table, report);

  progress.Show("writing files", 0.9);
  const std::vector<KanjiCode> order = StudyOrder(kanji);
  report.studyList = static_cast<int>(order.size());
  std::vector<int> grades(0x10000, 0);
  for (const KanjiEntry& entry : kanji) grades[entry.code] = entry.grade;
  for (KanjiCode code : order) report.joyoOnStudyList += IsJoyo(grades[code]) ? 1 : 0;
  std::error_code created;
  std::filesystem::create_directories(options.out, created);
  if (created) {
    error = "cannot create the folder " + options.out.string() + ": " + created.message();
    return false;
  }
  const auto writeFailed = [&](const char* name) {
    error = "cannot write " + (options.out / name).string();
    return false;
  };
  if (!WriteJisTable(options.out / kJisFileName, table.rows())) {
    return writeFailed(kJisFileName);
  }
  if (!WriteKanjiFile(options.out / kKanjiFileName, kanji, table)) {
    return writeFailed(kKanjiFileName);
  }
  if (!WriteExamplesFile(options.out / kExamplesFileName, selection.examples, table)) {
    return writeFailed(kExamplesFileName);
  }
  if (!WriteStudyList(options.out / kStudyListFileName, order, table)) {
    return writeFailed(kStudyListFileName);
  }
  const std::vector<KanjiFacts> facts = FactsOf(kanji);
  if (!WriteKanjiFacts(options.out / kKanjiFactsFileName, facts, table)) {
    return writeFailed(kKanjiFactsFileName);
  }
  for (const ReadyStudyList& ready : ReadyStudyLists()) {
    const std::vector<KanjiCode> list = ComposeStudyList(ready.recipe, facts, {});
    const std::filesystem::path name = std::filesystem::path(kStudyListsFolder) / ready.fileName;
    std::filesystem::create_directories(options.out / kStudyListsFolder, created);
    if (!WriteStudyList(options.out / name, list, table)) return writeFailed(name.c_str());
    report.readyLists.emplace_back(ready.fileName, static_cast<int>(list.size()));
  }
  if (!WriteBinaryFile(options.out / kSoundFileName, ChimeWave())) {
    return writeFailed(kSoundFileName);
  }

  // Without a corpus the program runs without sentences: an older sentences file would no
  // longer belong to this data set.
  std::filesystem::remove(options.out / kSentencesFileName, created);
  if (options.tanaka && !sentences.Save(options.out / kSentencesFileName)) {
    return writeFailed(kSentencesFileName);
  }
  if (!WriteNotice(options.out / kNoticeFileName, options.tanaka.has_value())) {
    return writeFailed(kNoticeFileName);
  }
  progress.Finish();
  report.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return true;
}
