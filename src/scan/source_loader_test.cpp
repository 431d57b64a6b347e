#include "scan/source_loader.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>

#include "scan/classifier.h"
#include "test_support.h"
#include "text/memory_budget.h"

namespace {

std::string marker(const std::string& path) { return std::string(kFileMarker) + path + "\n"; }

struct ListDeleter {
  void operator()(TokenList* list) const { list->ops->free(list); }
};

}  // namespace

TEST(SourceLoader, MarkersOpenEachFileAndFollowEachInclude) {
  ScratchDir scratch;
  const std::string dir = scratch.path() + "dir/";
  scratch.write("dir/a.pb", "x\r\nIncludeFile \"b.pbi\"\r\nz");
  scratch.write("dir/b.pbi", "w\n");
  SourceMap map;
  EXPECT_EQ(marker(dir + "a.pb") + "x\n" + marker(dir + "b.pbi") + "w\n" + marker(dir + "a.pb") +
                "z\n",
            loadSource(dir, "a.pb", &map));
  std::string path;
  int32_t line = 0;
  ASSERT_TRUE(map.locate(4, &path, &line));
  EXPECT_EQ(dir + "b.pbi", path);
  EXPECT_EQ(1, line);
  ASSERT_TRUE(map.locate(6, &path, &line));
  EXPECT_EQ(dir + "a.pb", path);
  EXPECT_EQ(3, line);
  ASSERT_TRUE(map.locate(5, &path, &line));
  EXPECT_EQ(0, line);  // the resume marker
  EXPECT_FALSE(map.locate(0, &path, &line));

  std::unique_ptr<TokenList, ListDeleter> tokens(tokenizeFile(dir + "a.pb"));
  const TokenListOps& ops = *tokens->ops;
  // Markers are comments: only their line feeds are tokens.
  ASSERT_EQ(9, ops.count(tokens.get()));
  EXPECT_EQ("\n", ops.getText(tokens.get(), 0));
  EXPECT_EQ("x", ops.getText(tokens.get(), 1));
  EXPECT_EQ(2, ops.getLine(tokens.get(), 1));
  EXPECT_EQ("w", ops.getText(tokens.get(), 4));
  EXPECT_EQ(4, ops.getLine(tokens.get(), 4));
  EXPECT_EQ("z", ops.getText(tokens.get(), 7));
  EXPECT_EQ(6, ops.getLine(tokens.get(), 7));
}

TEST(SourceLoader, ALineFeedDecodedInsideALineKeepsTheMapRight) {
  ScratchDir scratch;
  // C0 8A is a line feed written as two bytes: the line stays one line of its file.
  scratch.write("a.pb", "\xEF\xBB\xBFx\xC0\x8Ay\nz\n");
  SourceMap map;
  EXPECT_EQ(marker(scratch.path() + "a.pb") + "x\ny\nz\n", loadSource(scratch.path(), "a.pb", &map));
  std::string path;
  int32_t line = 0;
  for (int32_t combined : {2, 3}) {
    ASSERT_TRUE(map.locate(combined, &path, &line));
    EXPECT_EQ(1, line) << combined;
  }
  ASSERT_TRUE(map.locate(4, &path, &line));
  EXPECT_EQ(2, line);
}

TEST(SourceLoader, RepeatsMissingFilesAndSubfolders) {
  ScratchDir scratch;
  const std::string d = scratch.path();
  scratch.write("main.pb",
                "XIncludeFile \"sub/c.pbi\"\n"
                "includefile \"sub/c.pbi\" ; again\n"
                "IncludeFile \"missing.pbi\"\n"
                "IncludeFile \"\"\n"
                "; mentions includefile in a comment\n"
                "end\n");
  scratch.write("sub/c.pbi", "XIncludeFile \"d.pbi\"\n");
  scratch.write("sub/d.pbi", "d\n");
  EXPECT_EQ(marker(d + "main.pb") + marker(d + "sub/c.pbi") + marker(d + "sub/d.pbi") + "d\n" +
                marker(d + "sub/c.pbi") + marker(d + "main.pb") +  // back from sub/c.pbi
                marker(d + "main.pb") +                            // missing.pbi
                marker(d + "main.pb") +                            // the empty name
                "; mentions includefile in a comment\nend\n",
            loadSource(d, "main.pb"));
}

TEST(SourceLoader, OneFileUnderTwoSpellingsAndCyclesAreReadOnce) {
  ScratchDir scratch;
  const std::string d = scratch.path();
  scratch.write("main.pb", "IncludeFile \"common.pbi\"\nIncludeFile \"sub/b.pbi\"\nm\n");
  scratch.write("common.pbi", "c\n");
  scratch.write("sub/b.pbi",
                "IncludeFile \"../common.pbi\"\nIncludeFile \"../main.pb\"\n"
                "IncludeFile \"b.pbi\"\nb\n");
  EXPECT_EQ(marker(d + "main.pb") + marker(d + "common.pbi") + "c\n" + marker(d + "main.pb") +
                marker(d + "sub/b.pbi") + "b\n" + marker(d + "main.pb") + "m\n",
            loadSource(d, "main.pb"));
}

TEST(SourceLoader, IncludesAreSearchedForAsTheCompilerDoes) {
  ScratchDir scratch;
  const std::string d = scratch.path() + "dll/";
  scratch.write("dll/main.pb",
                "IncludeFile \"inc/a.pbi\"\n"
                "IncludePath \"lib\"\n"
                "XIncludeFile \"util.pbi\"\n"
                "IncludeFile \"" + scratch.path() + "abs.pbi\"\n"
                "IncludeFile \"gone.pbi\" ; never written\n");
  scratch.write("dll/inc/a.pbi", "IncludeFile \"b.pbi\"\n");  // found in the main folder
  scratch.write("dll/b.pbi", "b\n");
  scratch.write("dll/lib/util.pbi", "u\n");  // in the IncludePath folder
  scratch.write("abs.pbi", "abs\n");
  SourceMap map;
  const std::string text = loadSource(d, "main.pb", &map);
  EXPECT_EQ(marker(d + "main.pb") + marker(d + "inc/a.pbi") + marker(d + "b.pbi") + "b\n" +
                marker(d + "inc/a.pbi") + marker(d + "main.pb") + "IncludePath \"lib\"\n" +
                marker(d + "lib/util.pbi") + "u\n" + marker(d + "main.pb") +
                marker(scratch.path() + "abs.pbi") + "abs\n" + marker(d + "main.pb") +
                marker(d + "main.pb"),
            text);
  ASSERT_EQ(1u, map.missingIncludes.size());
  EXPECT_EQ("gone.pbi", map.missingIncludes[0].name);
  EXPECT_EQ(d + "main.pb", map.missingIncludes[0].file);
  EXPECT_EQ(5, map.missingIncludes[0].line);
}

TEST(SourceLoader, ADeepChainLoadsCompletely) {
  ScratchDir scratch;
  const int depth = 5000;
  for (int i = 0; i < depth; ++i)
    scratch.write("f" + std::to_string(i) + ".pbi",
                  "IncludeFile \"f" + std::to_string(i + 1) + ".pbi\"\nv" + std::to_string(i) +
                      "\n");
  scratch.write("f" + std::to_string(depth) + ".pbi", "bottom\n");
  const std::string text = loadSource(scratch.path(), "f0.pbi");
  EXPECT_NE(std::string::npos, text.find("\nbottom\n"));
  EXPECT_EQ(text.size() - 3, text.rfind("v0\n"));
  EXPECT_NE(std::string::npos, text.find(marker(scratch.path() + "f4999.pbi") + marker(
                                             scratch.path() + "f5000.pbi") + "bottom\n"));
}

TEST(SourceLoader, UnreadableAndEmptyFiles) {
  ScratchDir scratch;
  std::unique_ptr<TokenList, ListDeleter> none(tokenizeFile(scratch.path() + "nothing.pb"));
  EXPECT_EQ(0, none->ops->count(none.get()));
  scratch.write("empty.pb", "");
  std::unique_ptr<TokenList, ListDeleter> empty(tokenizeFile(scratch.path() + "empty.pb"));
  ASSERT_EQ(1, empty->ops->count(empty.get()));
  EXPECT_EQ(StatementEnd, empty->ops->getKind(empty.get(), 0));
  EXPECT_EQ(marker(scratch.path() + "empty.pb"), loadSource(scratch.path(), "empty.pb"));
}

TEST(SourceLoader, ACombinedTextPastItsLimitIsRefused) {
  ScratchDir scratch;
  scratch.write("b.pbi", "ProcedureDLL B()\n");
  scratch.write("a.pb", "IncludeFile \"b.pbi\"\nProcedureDLL A()\n");
  const size_t whole = loadSource(scratch.path(), "a.pb").size();
  SourceMap fits;
  fits.textLimit = whole;
  std::unique_ptr<TokenList, ListDeleter> all(tokenizeFile(scratch.path() + "a.pb", &fits));
  EXPECT_FALSE(fits.tooLarge);
  EXPECT_LT(0, all->ops->count(all.get()));
  SourceMap over;
  over.textLimit = whole - 1;
  std::unique_ptr<TokenList, ListDeleter> none(tokenizeFile(scratch.path() + "a.pb", &over));
  EXPECT_TRUE(over.tooLarge);
  EXPECT_EQ(0, none->ops->count(none.get()));
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
  std::unique_ptr<TokenList, ListDeleter> all(tokenizeFile(path));
  EXPECT_EQ(40006, all->ops->count(all.get()));
}

TEST(SourceLoader, AnIncludeIsFollowedWhereverItsLinePlacesIt) {
  ScratchDir scratch;
  scratch.write("b.pbi", "w\n");
  for (const char* keyword : {"IncludeFile", "XINCLUDEFILE", "xincludefile"}) {
    for (size_t blanks = 0; blanks < 20; ++blanks) {
      const std::string line = std::string(blanks, ' ') + keyword + "\"b.pbi\"";
      scratch.write("a.pb", line);
      EXPECT_NE(std::string::npos, loadSource(scratch.path(), "a.pb").find("\nw\n")) << line;
    }
  }
}
