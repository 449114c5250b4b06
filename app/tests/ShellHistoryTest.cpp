// SPDX-FileCopyrightText: 2026 The Veltrane developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/tests/ShellFixture.h"
#include "drills/Drill.h"
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

}  // namespace
