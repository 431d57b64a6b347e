#include "driver/run.h"

#include <gtest/gtest.h>

#include "fake_ui.h"
#include "test_support.h"

// The window's title, the save dialog's, the error box for a missing argument, a source without
// declarations or one that can't be read, and the save outcomes are the GTK end-to-end scripts'
// and the CLI script's; here the order of what the user sees on each way out of a run.
TEST(Run, EachWayOutShowsWhatItMustInOrder) {
  ScratchDir dir;
  // Tokens: marker LF, x, LF, proceduredll, F, (, a, ), LF, y, LF = 11. The declaration's
  // tokens are consumed in one iteration: 4 to 7 are skipped. No pause follows the last
  // iteration.
  const std::string source = dir.write("src/a.pb", "x\nProcedureDLL F(a)\ny\n");
  const std::string scan = "open:10 0 . 1 . 2 . 3 . 8 . 9 . 10 save close";
  struct Case {
    const char* name;
    std::string argument, savePath;
    int closeAtPoll;
    RunOutcome outcome;
    std::string log;
    std::vector<std::string> messages;  // "TITLE: TEXT [STATUS, open|closed]"
    int32_t errorLine;
  };
  const Case cases[] = {
      {"saved", " " + source + " ", dir.path() + "out.pbi", -1, RunOutcome::Saved, scan, {}, -1},
      {"cancelled", source, "", -1, RunOutcome::Cancelled, scan, {}, -1},
      {"the source refused", source, source, -1, RunOutcome::SourceRefused, scan + " message",
       {"Error: Can't overwrite a source file. [Found: F, closed]"}, -1},
      {"no file created", source, dir.path() + "no/such/out.pbi", -1, RunOutcome::CreateFailed,
       scan + " message", {"Error: Can't create file. [Found: F, closed]"}, -1},
      // A close request ends the scan at once and silently.
      {"a close request", dir.write("b.pb", "ProcedureDLL F(a)\nx y z\n"), "", 2,
       RunOutcome::Closed, "open:10 0 . 1 .", {}, -1},
      // The name shows though its declaration fails; where none was read, nothing shows.
      {"an error after the name", dir.write("syntax.pb", "ProcedureDLL.l Name\n"), "", -1,
       RunOutcome::DeclarationError, "open:5 0 . 1 message",
       {"Error: Syntax error in line 2 [Found: Name, open]"}, 2},
      {"an error before a name", dir.write("noname.pb", "ProcedureDLL\nF()\n"), "", -1,
       RunOutcome::DeclarationError, "open:6 0 . 1 message",
       {"Error: Syntax error in line 2 [, open]"}, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    FakeUi ui;
    ui.savePath = c.savePath;
    ui.closeAtPoll = c.closeAtPoll;
    const RunResult result = runGantrell(c.argument, &ui);
    EXPECT_EQ(c.outcome, result.outcome);
    EXPECT_EQ(c.log, ui.log);
    EXPECT_EQ(c.messages, ui.messages);
    EXPECT_EQ(c.errorLine, result.errorLine);
    if (c.outcome != RunOutcome::Saved) continue;
    EXPECT_EQ("Found: F", ui.status);
    EXPECT_EQ(result.header.text, readFileBytes(c.savePath));
  }
  EXPECT_EQ("x\nProcedureDLL F(a)\ny\n", readFileBytes(source));
}
