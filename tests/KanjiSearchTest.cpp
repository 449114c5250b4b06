// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <memory>

#include "tests/FakeSystem.h"
#include "tests/TestFiles.h"
#include "text/JisTable.h"
#include "text/KanjiSearch.h"

namespace {

class KanjiSearchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFullJisTable(dir.path());
    jis = std::make_unique<JisTable>(dir / "jis0208.dat", system);
    // kanji, ON, KUN, meaning, strokes, frequency
    Add("水", "スイ", "みず", "water, fluid", 4, 223);
    Add("吹", "スイ", "ふ", "blow, breathe", 7, 1134);
    Add("滝", "ロウ", "たき", "waterfall, rapids", 13, 0);
    Add("火", "カ", "ひ", "fire", 4, 574);
  }
  void Add(const char* kanji, const char* on, const char* kun, const char* meaning, int strokes,
           int frequency) {
    KanjiRecord record;
    record.code = Codes(kanji).units[0];
    record.onReadings.push_back({Codes(on), Codes(on)});
    record.kunReadings.push_back({Codes(kun), Codes(kun)});
    record.meaning = meaning;
    records.push_back(record);
    KanjiFacts f;
    f.code = record.code;
    f.strokes = static_cast<std::uint16_t>(strokes);
    f.frequency = static_cast<std::uint16_t>(frequency);
    facts.push_back(f);
  }
  CodeString Codes(const char* utf8) {
    CodeString codes;
    for (const char16_t unit : Utf16(utf8)) {
      KanjiCode code = 0;
      jis->UnicodeToCode(unit, code);
      codes.units.push_back(code);
    }
    return codes;
  }

  TempDir dir;
  FakeSystem system;
  std::unique_ptr<JisTable> jis;
  std::vector<KanjiRecord> records;
  std::vector<KanjiFacts> facts;
};

TEST_F(KanjiSearchTest, FindsKanjiByCharacterReadingMeaningOrStrokes) {
  using Key = KanjiSearch::Key;
  struct Case {
    const char* query;
    Key key;
    std::vector<std::int32_t> matches;
  };
  const Case cases[] = {
      {"水", Key::kCharacter, {0}},
      {"火と水と火", Key::kCharacter, {3, 0}},
      {"mizu", Key::kReadingOrMeaning, {0}},
      {"sui", Key::kReadingOrMeaning, {0, 1}},  // ON of both, most frequent first
      {"SUI ", Key::kReadingOrMeaning, {0, 1}},
      {"すい", Key::kReadingOrMeaning, {0, 1}},
      {"スイ", Key::kReadingOrMeaning, {0, 1}},
      {"water", Key::kReadingOrMeaning, {0}},  // a whole word: not "waterfall"
      {"waterfall", Key::kReadingOrMeaning, {2}},
      {"blow", Key::kReadingOrMeaning, {1}},
      {"4", Key::kStrokes, {0, 3}},
      {"13", Key::kStrokes, {2}},
      {"xyz", Key::kReadingOrMeaning, {}},
      {"  ", Key::kNothing, {}},
      {"漢", Key::kNothing, {}},  // a kanji the data set lacks
  };
  const KanjiSearch search(records, facts, *jis);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.query);
    const KanjiSearch::Result result = search.Find(Utf16(c.query));
    EXPECT_EQ(result.key, c.key);
    EXPECT_EQ(result.matches, c.matches);
    EXPECT_TRUE(result.unavailable.empty());
  }
}

}  // namespace
