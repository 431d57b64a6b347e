#include <windows.h>

#include "text/command_line.h"
#include "text/program_args.h"

namespace {

int counter = 0;

}  // namespace

void storeProgramArguments(int*, char***) {}

std::string nextProgramArgument() {
  const char* line = GetCommandLineA();
  std::string token;
  if (line == nullptr || !commandLineToken(line, counter + 1, &token)) return std::string();
  ++counter;
  return token;
}
