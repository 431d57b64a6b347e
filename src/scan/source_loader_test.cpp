#include "scan/source_loader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <new>

#include "scan/classifier.h"
#include "test_support.h"
#include "text/memory_budget.h"

namespace {

std::string marker(const std::string& path) { return ";{PB+}:" + path + "\n"; }

}  // namespace

TEST(SourceLoader, MarkersOpenEachFileWhichIsReadOnceAndTheMapLeadsBack) {
  ScratchDir scratch;
  const std::string d = scratch.path() + "dir/";
  // A repeat under another spelling or through a cycle is not read again; a missing include and
  // an empty name leave only the marker of the file that names them.
  scratch.write("dir/a.pb",
                "x\r\nIncludeFile \"b.pbi\"\r\nz\nincludefile \"../dir/b.pbi\"\n"
                "IncludeFile \"gone.pbi\"\nIncludeFile \"\"\n; includefile in a comment\n");
  // C0 8A is a line feed written as two bytes: the line stays one line of its file.
  scratch.write("dir/b.pbi", "\xEF\xBB\xBFw\xC0\x8Av\nXIncludeFile \"a.pb\"\n");
  SourceMap map;
  EXPECT_EQ(marker(d + "a.pb") + "x\n" + marker(d + "b.pbi") + "w\nv\n" + marker(d + "a.pb") +
                "z\n" + marker(d + "a.pb") + marker(d + "a.pb") + "; includefile in a comment\n",
            loadSource(d, "a.pb", &map));
  std::string origins, path;  // the file and file line of each combined-text line; markers are 0
  for (int32_t line = 0, fileLine = 0; line < 11; ++line)
    origins += map.locate(line, &path, &fileLine)
                   ? path.substr(d.size()) + ":" + std::to_string(fileLine) + " " : "- ";
  EXPECT_EQ("- a.pb:0 a.pb:1 b.pbi:0 b.pbi:1 b.pbi:1 a.pb:0 a.pb:3 a.pb:0 a.pb:0 a.pb:7 ",
            origins);
}

TEST(SourceLoader, IncludesAreSearchedForAsTheCompilerDoes) {
  ScratchDir scratch;
  const std::string d = scratch.path() + "dll/";
  scratch.write("dll/main.pb", "IncludePath \"lib\"\nIncludeFile \"inc/a.pbi\"\nIncludeFile \"" +
                                   scratch.path() + "abs.pbi\"\nIncludeFile \"gone.pbi\"\n");
  scratch.write("abs.pbi", "abs\n");
  // Beside the including file first, then in the IncludePath folder, then in the main folder.
  scratch.write("dll/inc/a.pbi",
                "IncludeFile \"c.pbi\"\nIncludeFile \"b.pbi\"\nIncludeFile \"m.pbi\"\n");
  for (const char* name : {"inc/c.pbi", "lib/c.pbi", "lib/b.pbi", "b.pbi", "m.pbi"})
    scratch.write(std::string("dll/") + name, std::string(name) + "\n");
  SourceMap map;
  const std::string back = marker(d + "inc/a.pbi");
  EXPECT_EQ(marker(d + "main.pb") + "IncludePath \"lib\"\n" + back + marker(d + "inc/c.pbi") +
                "inc/c.pbi\n" + back + marker(d + "lib/b.pbi") + "lib/b.pbi\n" + back +
                marker(d + "m.pbi") + "m.pbi\n" + back + marker(d + "main.pb") +
                marker(scratch.path() + "abs.pbi") + "abs\n" + marker(d + "main.pb") +
                marker(d + "main.pb"),
            loadSource(d, "main.pb", &map));
  ASSERT_EQ(1u, map.missingIncludes.size());
  EXPECT_EQ("gone.pbi", map.missingIncludes[0].name);
  EXPECT_EQ(d + "main.pb", map.missingIncludes[0].file);
  EXPECT_EQ(4, map.missingIncludes[0].line);
}

TEST(SourceLoader, ASourceTooLargeForTheLimitGivesNoTokens) {
  ScratchDir scratch;
  scratch.write("b.pbi", "ProcedureDLL B()\n");
  scratch.write("a.pb", "IncludeFile \"b.pbi\"\nProcedureDLL A()\n");
  SourceMap fits, over;
  fits.textLimit = loadSource(scratch.path(), "a.pb").size();
  over.textLimit = fits.textLimit - 1;
  EXPECT_LT(0, OwnedTokenList(tokenizeFile(scratch.path() + "a.pb", &fits))->count);
  EXPECT_EQ(0, OwnedTokenList(tokenizeFile(scratch.path() + "a.pb", &over))->count);
  EXPECT_TRUE(!fits.tooLarge && over.tooLarge);
}

TEST(SourceLoader, RunningOutOfMemoryIsNeverSilent) {
  ScratchDir scratch;
  std::string many;
  for (int i = 0; i < 20000; ++i) many += "x\n";
  const std::string path = scratch.write("many.pb", many + "ProcedureDLL Late()\n");
  struct LiftBudget {
    ~LiftBudget() { setMemoryBudget(SIZE_MAX); }
  } lift;
  // No room for a new list; room for the list but not the token pattern; room for the list,
  // the pattern and some tokens, but not 40,000 of them.
  for (size_t budget : {size_t{0}, size_t{100}, size_t{200000}}) {
    setMemoryBudget(budget);
    EXPECT_THROW(tokenizeFile(path), std::bad_alloc) << budget;
  }
  setMemoryBudget(SIZE_MAX);
  EXPECT_EQ(40006, OwnedTokenList(tokenizeFile(path))->count);
  // The lines of a file being read count too: 100,000 line feeds need 400 kB of line table.
  scratch.write("feeds.pb", std::string(100000, '\n'));
  setMemoryBudget(300000);
  EXPECT_THROW(loadSource(scratch.path(), "feeds.pb"), std::bad_alloc);
  // What was taken is given back: the same budget holds two files that fit one after the other.
  scratch.write("half.pb", std::string(30000, '\n'));
  scratch.write("two.pb", "IncludeFile \"half.pb\"\nXIncludeFile \"feeds.pb\"\n");
  setMemoryBudget(1000000);
  for (int run = 0; run < 3; ++run) EXPECT_NO_THROW(loadSource(scratch.path(), "two.pb")) << run;
}

TEST(SourceLoader, AnIncludeIsFollowedWhereverItsLinePlacesIt) {
  ScratchDir scratch;
  scratch.write("b.pbi", "w\n");
  for (const char* keyword : {"IncludeFile", "XINCLUDEFILE", "xincludefile"})
    for (size_t blanks = 0; blanks < 20; ++blanks) {
      const std::string line = std::string(blanks, ' ') + keyword + "\"b.pbi\"";
      scratch.write("a.pb", line);
      EXPECT_NE(std::string::npos, loadSource(scratch.path(), "a.pb").find("\nw\n")) << line;
    }
}

TEST(SourceLoader, TheStatementsOfALineWithIncludesKeepTheirLineAndAnAbsoluteNameStands) {
  ScratchDir scratch;
  const std::string d = scratch.path();
  scratch.write("one.pbi", "1\n");
  scratch.write("sub/one.pbi", "sub 1\n");
  scratch.write("lib/x", "x\n");
  // The include, then the rest of its line (as written, but for the comment); a repeat and a
  // folder leave the rest alone; an absolute name is read by that name, not beside the includer
  // (sub/one.pbi).
  scratch.write("sub/a.pb", "a : XIncludeFile \"" + d +
                                "one.pbi\" : b\nXIncludeFile \"../one.pbi\" : c : c2 ; ok\n"
                                "IncludeFile \"../lib\" : d\n");
  SourceMap map;
  EXPECT_EQ(marker(d + "sub/a.pb") + "a \n" + marker(d + "one.pbi") + "1\n" +
                marker(d + "sub/a.pb") + " b\n c : c2 \n" + marker(d + "sub/a.pb") + " d\n",
            loadSource(d + "sub/", "a.pb", &map));
  std::string origins, path;
  for (int32_t line = 1, fileLine = 0; line <= 9; ++line)
    origins += map.locate(line, &path, &fileLine) ? std::to_string(fileLine) + " " : "- ";
  EXPECT_EQ("0 1 0 1 0 1 2 0 3 ", origins);
  ASSERT_EQ(1u, map.missingIncludes.size());
  EXPECT_EQ("../lib", map.missingIncludes[0].name);
  EXPECT_EQ("Is a directory", map.missingIncludes[0].reason);
}
