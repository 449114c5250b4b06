#include "app/tests/ShellFixture.h"
#include "drills/ReadingsDrill.h"
#include "study/StudyHistory.h"

namespace {

using ShellHistoryTest = ShellTest;

TEST_F(ShellHistoryTest, TheProgramRecordsIntroductionsAndCardsAsTheyHappen) {
  WriteDataSet();
  ASSERT_TRUE(StartShell());
  shell->HandleCommand(shell->readingsHandle, Drill::CmdReveal);
  const std::vector<ReviewRecord> rows = shell->history->ReadReviews();
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].outcome, ReviewOutcome::Introduced);
  EXPECT_EQ(rows[1].outcome, ReviewOutcome::Reveal);
  EXPECT_EQ(rows[1].drill, ReviewDrill::Readings);
}

TEST_F(ShellHistoryTest, ADamagedHistoryIsToldOnceAndTheDrillsGoOn) {
  WriteDataSet();
  WriteBytes(dir / StudyHistory::kFileName, "not a database, but long enough to look at");
  ASSERT_TRUE(StartShell());
  shell->HandleCommand(shell->readingsHandle, Drill::CmdReveal);
  shell->HandleCommand(shell->readingsHandle, Drill::CmdNext);
  int told = 0;
  for (const Message& message : messages) {
    if (message.text.find("study history") != std::string::npos) ++told;
  }
  EXPECT_EQ(told, 1);
  EXPECT_FALSE(shell->readingsDrill->cardFinished);  // the next card is open
  EXPECT_TRUE(std::filesystem::exists(dir / "study_history.sqlite.damaged"));
}

}  // namespace
