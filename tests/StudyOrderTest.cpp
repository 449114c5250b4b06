#include "tools/StudyList.h"

#include <gtest/gtest.h>

#include "tests/ToolTestData.h"

namespace {

TEST(StudyOrderTest, OrdersJouyouByGradeAndFrequencyThenJinmeiyou) {
  const std::vector<KanjiEntry> kanji = {
      TestKanji("亜", 8, 1509), TestKanji("一", 1, 2),   TestKanji("右", 1, 0),
      TestKanji("丑", 9, 0),    TestKanji("人", 1, 5),   TestKanji("丞", 10, 30),
      TestKanji("乂", 0, 0),    TestKanji("羽", 2, 800),
  };
  std::string order;
  for (KanjiCode code : StudyOrder(kanji)) order += Utf8(JisString(1, code));
  EXPECT_EQ(order, "一人右羽亜丞丑");
}

}  // namespace
