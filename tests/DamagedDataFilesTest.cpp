// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/DataFilesFixture.h"

namespace {

using DamagedDataFilesTest = DataFilesTest;

const std::string kTwoKanji =
    "一\t1\tイチ／イツ\tひと／ひと（つ）\tone\r\n食\t2\tショク\tた（べる）／く（う）\teat, food";
const std::string kTwoExamples =
    "一杯\t【いっ（いち）／ぱい（はい）】\t50\ta cupful\r\n一人\t【＊ひとり】\t70\tone person";

// The two required files meet the same damage: each is refused with its own message, never
// half loaded, never crashing; a file cut anywhere loads the lines before the cut or fails.
TEST_F(DamagedDataFilesTest, EveryRequiredFileIsRefusedWithItsOwnMessage) {
  const struct {
    const char* file;
    void (KanjiDatabase::*load)();
    const char *missing, *failure;
    std::string valid;
    std::vector<std::string> meanings;
    std::vector<std::string> malformed;
  } loaders[] = {
      {KanjiDatabase::kKanjiFileName, &KanjiDatabase::LoadKanjiFile,
       "Could not open the kanji data file.", kKanjiReadFailure, kTwoKanji, {"one", "eat, food"},
       {kTwoKanji + "\r\n", "一\t1\tイチ\tひと\tone\r\n😀\t1\tニ\tふた\ttwo",
        "一\t1\tイチ\tひとA\tone"}},
      {KanjiDatabase::kExamplesFileName, &KanjiDatabase::LoadExamplesFile,
       "Could not open the examples data file.", kExamplesReadFailure, kTwoExamples,
       {"a cupful", "one person"},
       {kTwoExamples + "\r\n", "A語\t【ご】\t1\tword", "語\t【ごA】\t1\tword"}},
  };
  for (const auto& l : loaders) {
    SCOPED_TRACE(l.file);
    const auto load = [&] { (database.*l.load)(); };
    ExpectFatal(system, load, l.missing, kFileErrorCaption);
    std::filesystem::create_directory(dir / l.file);  // a folder by the file's name
    ExpectFatal(system, load, l.missing, kFileErrorCaption);
    std::filesystem::remove(dir / l.file);
    for (const std::string& content : l.malformed) {
      WriteUtf16File(dir / l.file, content);
      ExpectFatal(system, load, l.failure, kFileErrorCaption);
    }
    for (const std::string& content : GarbageFiles()) {
      WriteBytes(dir / l.file, content);
      ExpectFatal(system, load, l.failure, kFileErrorCaption);
      // Room is made for no more records than the file could hold.
      EXPECT_LE(database.examples.capacity(), content.size() / 12 + 1);
    }
    WriteUtf16File(dir / l.file, l.valid);
    if (l.load == &KanjiDatabase::LoadKanjiFile) {
      ExpectEveryCutLoadsOrFails(l.file, l.valid, l.meanings, l.load, database.kanji, l.failure);
    } else {
      ExpectEveryCutLoadsOrFails(l.file, l.valid, l.meanings, l.load, database.examples,
                                 l.failure);
    }
  }
  // Without its byte-order mark the kanji file is refused too.
  WriteKanji(kTwoKanji, false);
  ExpectFatal(
      system, [&] { database.LoadKanjiFile(); }, kKanjiReadFailure, kFileErrorCaption);
}

}  // namespace
