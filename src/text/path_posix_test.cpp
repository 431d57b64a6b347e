#include "text/path.h"

#include <gtest/gtest.h>

#include "scan/source_loader.h"
#include "test_support.h"
#include "text/case_fold.h"

// Backslashes and letter case of sources written on Windows are the corpus's windows_project.
TEST(PathPosix, SplitsAtTheLastSlashOnlyOutsideQuotes) {
  // A path, its folder part and its file name part; a backslash is an ordinary character here.
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"src/main.pb", "src/", "main.pb"}, {"main.pb", "", "main.pb"}, {"/a/b/c.pbi", "/a/b/", "c.pbi"},
      {"dir/", "dir/", ""}, {"C:\\dir\\main.pb", "", "C:\\dir\\main.pb"}, {"a|b/c", "a|b/", "c"},
      {"\"dir/a.pb\"", "dir/", "a.pb"}, {"dir/a.pb\" trailing", "dir/", "a.pb"}, {"", "", ""}};
  for (const auto& [path, folder, name] : cases)
    EXPECT_EQ(std::string(folder) + "|" + name, folderPart(path) + "|" + fileNamePart(path))
        << path;
  EXPECT_TRUE(isAbsolutePath("/a") && !isAbsolutePath("a/b") && !isAbsolutePath("C:\\a"));
  // A relative folder gets the working folder in front of it.
  const std::string absolute = absoluteFolder("sub/");
  EXPECT_TRUE(absolute[0] == '/' && absolute.size() > 5 &&
              absolute.compare(absolute.size() - 5, 5, "/sub/") == 0)
      << absolute;
  EXPECT_EQ(absoluteFolder("/a/"), "/a/");
}

TEST(PathPosix, OtherSpellingsIgnoreLetterCaseBeyondAscii) {
  ScratchDir dir;
  dir.write("Caf\xC3\xA9/\xD0\xB6\xD1\x83\xD0\xBA.pbi", "");    // Café/жук.pbi in UTF-8
  dir.write("latin\xC9.pbi", "");                                // latinÉ.pbi in Latin-1 bytes
  dir.write("\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.pbi", "");  // Σοφία.pbi
  PathSpellings spellings;
  const std::pair<std::string, std::string> cases[] = {
      {"CAF\xC3\x89\\\xD0\x96\xD0\xA3\xD0\x9A.PBI", "Caf\xC3\xA9/\xD0\xB6\xD1\x83\xD0\xBA.pbi"},
      {"LATIN\xE9.pbi", "latin\xC9.pbi"},
      {"\xCF\x83\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91.pbi",
       "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1.pbi"},
      {"caf\xC3\xA8/\xD0\xB6\xD1\x83\xD0\xBA.pbi", "-"}};  // è is no other case of é
  for (const auto& [path, found] : cases) {
    const std::vector<std::string> tries = spellings.of(dir.path() + path);
    EXPECT_EQ(found == "-" ? "-" : dir.path() + found, tries.empty() ? "-" : tries.back()) << path;
  }
  // Latin Extended, Greek and Cyrillic capitals beyond the folder above fold as well.
  EXPECT_EQ("\xC4\x81\xC5\x82\xC7\x86\xE1\xBA\xA1\xCE\xAC\xD1\x90\xD3\x8F",
            foldCase("\xC4\x80\xC5\x81\xC7\x84\xE1\xBA\xA0\xCE\x86\xD0\x80\xD3\x80"));
}

TEST(PathPosix, ANameOpensByTheBytesItsSourceHolds) {
  // A name read from an 8-bit source goes back to its Latin-1 bytes; one from a UTF-8 or
  // UTF-16 source stays UTF-8.
  EXPECT_EQ("caf\xE9.pbi", pathOfSourceText("caf\xC3\xA9.pbi", true));
  EXPECT_EQ("caf\xC3\xA9.pbi", pathOfSourceText("caf\xC3\xA9.pbi", false));
  ScratchDir dir;
  dir.write("caf\xE9.pbi", "latin1\n");
  dir.write("caf\xC3\xA9.pbi", "utf8\n");
  std::string utf16 = "\xFF\xFE";  // the same line in UTF-16, U+00E9 a unit of its own
  for (const char c : std::string("IncludeFile \"caf\xE9.pbi\"\n")) utf16 += {c, '\0'};
  const std::pair<std::string, std::string> cases[] = {
      {"IncludeFile \"caf\xE9.pbi\"\n", "latin1"},
      {"\xEF\xBB\xBFIncludeFile \"caf\xC3\xA9.pbi\"\n", "utf8"},
      {utf16, "utf8"}};
  for (const auto& [source, read] : cases) {
    dir.write("main.pb", source);
    const std::string text = loadSource(dir.path(), "main.pb");
    EXPECT_EQ(read, text.find("\nlatin1\n") != std::string::npos ? "latin1"
                    : text.find("\nutf8\n") != std::string::npos ? "utf8" : "-") << source;
  }
}

TEST(PathPosix, OfNamesThatDifferOnlyInLetterCaseTheFirstInByteOrderIsTaken) {
  ScratchDir scratch;
  scratch.write("Lib.pbi", "upper\n");
  scratch.write("lib.pbi", "lower\n");
  PathSpellings spellings;
  EXPECT_EQ(std::vector<std::string>{scratch.path() + "Lib.pbi"},
            spellings.of(scratch.path() + "LIB.PBI"));
}
