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

struct ListDeleter {
  void operator()(TokenList* list) const { list->ops->free(list); }
};
using ListPtr = std::unique_ptr<TokenList, ListDeleter>;

// The file and file line of a combined-text line, as "path:line", or "-" outside the text.
std::string origin(const SourceMap& map, int32_t line) {
  std::string path;
  int32_t fileLine = 0;
  return map.locate(line, &path, &fileLine) ? path + ":" + std::to_string(fileLine) : "-";
}

}  // namespace

TEST(SourceLoader, MarkersOpenEachFileAndTheMapLeadsBack) {
  ScratchDir scratch;
  const std::string d = scratch.path() + "dir/";
  scratch.write("dir/a.pb", "x\r\nIncludeFile \"b.pbi\"\r\nz");
  // C0 8A is a line feed written as two bytes: the line stays one line of its file.
  scratch.write("dir/b.pbi", "\xEF\xBB\xBFw\xC0\x8Av\n");
  SourceMap map;
  EXPECT_EQ(
      marker(d + "a.pb") + "x\n" + marker(d + "b.pbi") + "w\nv\n" + marker(d + "a.pb") + "z\n",
      loadSource(d, "a.pb", &map));
  EXPECT_EQ("-", origin(map, 0));
  EXPECT_EQ(d + "a.pb:1", origin(map, 2));
  EXPECT_EQ(d + "b.pbi:0", origin(map, 3));  // a marker line
  EXPECT_EQ(d + "b.pbi:1", origin(map, 4));
  EXPECT_EQ(d + "b.pbi:1", origin(map, 5));
  EXPECT_EQ(d + "a.pb:3", origin(map, 7));
}

TEST(SourceLoader, EachFileIsReadOnceWhateverItsSpellingOrRepeat) {
  ScratchDir scratch;
  const std::string d = scratch.path();
  scratch.write("main.pb",
                "XIncludeFile \"sub/c.pbi\"\nincludefile \"sub/../sub/c.pbi\" ; again\n"
                "IncludeFile \"missing.pbi\"\nIncludeFile \"\"\n; includefile in a comment\n");
  scratch.write("sub/c.pbi", "XIncludeFile \"d.pbi\"\nIncludeFile \"../main.pb\"\n");
  scratch.write("sub/d.pbi", "d\n");
  EXPECT_EQ(marker(d + "main.pb") + marker(d + "sub/c.pbi") + marker(d + "sub/d.pbi") + "d\n" +
                marker(d + "sub/c.pbi") + marker(d + "main.pb") +  // back from sub/c.pbi
                marker(d + "main.pb") + marker(d + "main.pb") +    // missing.pbi, ""
                "; includefile in a comment\n",
            loadSource(d, "main.pb"));
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
  EXPECT_EQ("gone.pbi " + d + "main.pb 4", map.missingIncludes[0].name + " " +
                                               map.missingIncludes[0].file + " " +
                                               std::to_string(map.missingIncludes[0].line));
}

TEST(SourceLoader, UnreadableEmptyAndTooLargeSources) {
  ScratchDir scratch;
  scratch.write("empty.pb", "");
  ListPtr empty(tokenizeFile(scratch.path() + "empty.pb"));
  ASSERT_EQ(1, empty->count);
  EXPECT_EQ(TokenKind::StatementEnd, static_cast<TokenKind>(empty->ops->getKind(empty.get(), 0)));

  scratch.write("b.pbi", "ProcedureDLL B()\n");
  scratch.write("a.pb", "IncludeFile \"b.pbi\"\nProcedureDLL A()\n");
  const size_t whole = loadSource(scratch.path(), "a.pb").size();
  SourceMap fits, over;
  fits.textLimit = whole;
  over.textLimit = whole - 1;
  EXPECT_LT(0, ListPtr(tokenizeFile(scratch.path() + "a.pb", &fits))->count);
  EXPECT_FALSE(fits.tooLarge);
  EXPECT_EQ(0, ListPtr(tokenizeFile(scratch.path() + "a.pb", &over))->count);
  EXPECT_TRUE(over.tooLarge);
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
  EXPECT_EQ(40006, ListPtr(tokenizeFile(path))->count);
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
