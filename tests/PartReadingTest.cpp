#include "tools/PartReading.h"

#include <gtest/gtest.h>

#include "tests/ToolTestData.h"

namespace {

TEST(PartReadingTest, DecidesLikeTheProgramsReadingQuery) {
  const struct {
    const char* word;
    const char* field;
    const char* kanji;
    const char* reading;
    int kind;
    bool shows;
  } cases[] = {
      {"一杯", "いっ（いち）／ぱい（はい）", "一", "いち", -1, true},
      {"一杯", "いっ（いち）／ぱい（はい）", "杯", "はい", -1, true},
      {"一杯", "いっ（いち）／ぱい（はい）", "杯", "ぱい", -1, false},
      {"差別", "＜さ／べつ", "差", "さ", -1, true},
      {"差別", "＜さ／べつ", "差", "さ", 1, false},
      {"差す", "＞さ／す", "差", "さ", 1, true},
      {"漢字", "かん／じ", "字", "じ", 1, true},  // no mark: either kind
      {"今日", "＊きょう", "今", "きょう", -1, false},
      {"日本", "＆に／ほん", "日", "に", -1, false},
      {"人人", "ひと／びと（ひと）", "人", "ひと", 1, true},  // the first occurrence decides
      {"人人", "じん／ひと", "人", "ひと", 1, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.word) + " " + c.kanji + " " + c.reading);
    EXPECT_EQ(PartShowsReading(Jis(c.word), Jis(c.field), Jis(c.kanji)[0], Jis(c.reading), c.kind),
              c.shows);
  }
}

}  // namespace
