// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "text/CodeString.h"
#include "text/ExampleRecord.h"
#include "text/KanjiCode.h"
#include "text/KanjiRecord.h"
#include "text/SentenceRecord.h"

class JisTable;
class System;

// The read-only data set: kanji, example words and the index of example sentences.
// Its files lie in one directory (the working directory in the program).
class KanjiDatabase {
 public:
  static constexpr const char* kKanjiFileName = "kanji_data.dat";
  static constexpr const char* kExamplesFileName = "examples.dat";
  static constexpr const char* kSentencesFileName = "sentences.dat";

  KanjiDatabase(const JisTable& jis, System& system, std::filesystem::path directory = ".");

  // Loads the kanji, the examples and the sentence index, in this order. A fault in a data
  // file is reported and ends the process.
  void LoadAll();
  void LoadKanjiFile();
  void LoadExamplesFile();
  void LoadSentencesFile();

  // Empties out, then fills it with every example whose word holds k, largest weight first.
  void ExamplesContaining(KanjiCode k, std::vector<ExampleRecord>& out) const;
  // Empties out, then appends the examples of in (in order) whose character k is read
  // `reading`; kind is -1 for an ON reading, 1 for a KUN reading.
  void ExamplesForReading(const CodeString& reading, KanjiCode k, int kind,
                          const std::vector<ExampleRecord>& in,
                          std::vector<ExampleRecord>& out) const;
  // Empties out, then appends the irregular examples of in and those whose part for k is
  // marked special.
  void ExamplesWithSpecialReading(KanjiCode k, const std::vector<ExampleRecord>& in,
                                  std::vector<ExampleRecord>& out) const;

  // Empties out; copies the sentence offsets of word (UTF-16 units) into it.
  void SentenceOffsetsFor(const CodeString& word, std::vector<std::int32_t>& out) const;
  // Reads the sentence at byte offset of "sentences.dat".
  void ReadSentence(std::int32_t offset, CodeString& japanese, std::string& english);

  std::vector<KanjiRecord> kanji;
  std::vector<ExampleRecord> examples;
  std::ifstream sentenceFile;
  std::map<CodeString, std::vector<std::int32_t>> sentenceIndex;

 private:
  // Opens a data file of the directory for reading; false when it is missing, unreadable or
  // not a regular file.
  bool OpenDataFile(const char* name, std::ifstream& file) const;
  // Reports a fault of a data file and ends the process. LoadAll stops here even when ending
  // the process returns, as a test double may.
  void Fail(const char* text, const char* caption);

  // The index of examples by the codes of their words. The drills ask for a kanji's examples on
  // every card, and a scan of every example's word costs milliseconds. It is built once the
  // examples are loaded and serves while examples is still that array (which is read-only
  // after loading); otherwise the queries scan. words holds the words of examples one after
  // another; wordEnds says where each ends.
  void IndexExamples(const std::vector<KanjiCode>& words, const std::vector<std::size_t>& wordEnds);
  bool ExampleIndexServes() const;
  // Positions in examples of the examples whose word holds k, in file order.
  void PositionsContaining(KanjiCode k, std::vector<std::uint32_t>& positions) const;

  const JisTable& jis_;
  System& system_;
  std::filesystem::path directory_;
  bool failed_ = false;
  std::vector<std::uint32_t> exampleIndexStarts_;  // per code, where its positions begin
  std::vector<std::uint32_t> exampleIndex_;        // positions, grouped by code
  const ExampleRecord* indexedExamples_ = nullptr;
  std::size_t indexedCount_ = 0;
};

// Splits one zero-terminated readings field at the fullwidth solidus and appends the readings
// to record's ON readings (kun false) or KUN readings (kun true).
void ParseReadings(const KanjiCode* field, KanjiRecord& record, bool kun);
