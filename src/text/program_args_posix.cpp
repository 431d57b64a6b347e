#include "text/program_args.h"

namespace {

int* storedCount = nullptr;
char*** storedVector = nullptr;
int counter = 0;

}  // namespace

void storeProgramArguments(int* argc, char*** argv) {
  storedCount = argc;
  storedVector = argv;
}

std::string nextProgramArgument() {
  ++counter;
  if (storedCount == nullptr || counter >= *storedCount || (*storedVector)[counter] == nullptr)
    return std::string();
  return (*storedVector)[counter];
}

std::vector<std::string> runtimeArguments(int argc, char** argv) {
  return std::vector<std::string>(argv, argv + argc);
}
