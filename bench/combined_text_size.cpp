// Prints the length in bytes of the combined text that a scan of a source file works on: the
// file and everything it includes, each file opened by its marker line.
//   combined_text_size SOURCE
#include <clocale>
#include <cstdio>
#include <string>

#include "scan/source_loader.h"
#include "text/path.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: combined_text_size SOURCE\n");
    return 2;
  }
  std::setlocale(LC_ALL, "");  // lower-casing follows the locale, as in the programs
  const std::string source = argv[1];
  const std::string text = loadSource(folderPart(source), fileNamePart(source));
  std::printf("%zu\n", text.size());
  return text.empty() ? 1 : 0;
}
