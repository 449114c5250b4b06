#include "tools/HandCheckedWords.h"

namespace {

// Each split follows the kanji's dictionary readings; a sound that differs from the reading
// carries the reading in parentheses, ON readings in hiragana.
constexpr HandCheckedWord kWords[] = {
    {"漢字", "かんじ", "かん／じ"},
    {"一杯", "いっぱい", "いっ（いち）／ぱい（はい）"},
    {"手紙", "てがみ", "て／がみ（かみ）"},
    {"今日", "きょう", "＊きょう"},
};

}  // namespace

std::span<const HandCheckedWord> HandCheckedWords() {
  return kWords;
}
