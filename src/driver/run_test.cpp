#include "driver/run.h"

#include <gtest/gtest.h>

#include "fake_ui.h"
#include "test_support.h"

// The window's title, the save dialog's, the error box for a missing argument, a source without
// declarations or one that can't be read, and the save outcomes are the GTK end-to-end scripts'
// and the CLI script's.
TEST(Run, ScansEveryTokenPausingBetweenThemAndSaves) {
  ScratchDir dir;
  // Tokens: marker LF, x, LF, proceduredll, F, (, a, ), LF, y, LF = 11.
  dir.write("src/a.pb", "x\nProcedureDLL F(a)\ny\n");
  FakeUi ui;
  ui.savePath = dir.path() + "out.pbi";
  const RunResult result = runGantrell(" " + dir.path() + "src/a.pb ", &ui);
  EXPECT_EQ(RunOutcome::Saved, result.outcome);
  // The declaration's tokens are consumed in one iteration: 4 to 7 are skipped. No pause
  // follows the last iteration.
  EXPECT_EQ("open:10 0 . 1 . 2 . 3 . 8 . 9 . 10 save close", ui.log);
  EXPECT_EQ("Found: F", ui.status);
  EXPECT_EQ(result.header.text, readFileBytes(ui.savePath));

  // A close request ends the scan at once and silently.
  dir.write("b.pb", "ProcedureDLL F(a)\nx y z\n");
  FakeUi closing;
  closing.closeAtPoll = 2;
  EXPECT_EQ(RunOutcome::Closed, runGantrell(dir.path() + "b.pb", &closing).outcome);
  EXPECT_EQ("open:10 0 . 1 .", closing.log);
}

TEST(Run, ADeclarationErrorIsShownWithTheWindowStillOpen) {
  ScratchDir dir;
  FakeUi ui;
  const RunResult bad = runGantrell(dir.write("syntax.pb", "ProcedureDLL.l Name\n"), &ui);
  EXPECT_EQ(RunOutcome::DeclarationError, bad.outcome);
  EXPECT_EQ(std::vector<std::string>{"Error: Syntax error in line 2 [Found: Name, open]"},
            ui.messages);
  EXPECT_EQ(2, bad.errorLine);
}
