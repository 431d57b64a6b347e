#include <windows.h>

#include "text/command_line.h"
#include "text/program_args.h"
#include "text/wide_text.h"

// The C runtime's own split of the command line into wide arguments (msvcrt).
extern "C" int __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** env, int expandWildcards,
                              int* startInfo);

namespace {

int counter = 0;

}  // namespace

void storeProgramArguments(int*, char***) {}

std::string nextProgramArgument() {
  // The line in UTF-8: spaces and double quotes, which cut it, are the same bytes as before.
  const wchar_t* line = GetCommandLineW();
  std::string token;
  if (line == nullptr || !commandLineToken(narrow(line), counter + 1, &token)) return std::string();
  ++counter;
  return token;
}

std::vector<std::string> runtimeArguments(int argc, char** argv) {
  int count = 0;
  wchar_t** wide = nullptr;
  wchar_t** environment = nullptr;
  int startInfo = 0;
  if (__wgetmainargs(&count, &wide, &environment, 0, &startInfo) != 0 || wide == nullptr)
    return std::vector<std::string>(argv, argv + argc);
  std::vector<std::string> arguments;
  for (int i = 0; i < count; ++i) arguments.push_back(narrow(wide[i]));
  return arguments;
}
