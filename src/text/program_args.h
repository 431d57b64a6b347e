// The program's command-line arguments, handed out one at a time.
#ifndef GANTRELL_TEXT_PROGRAM_ARGS_H_
#define GANTRELL_TEXT_PROGRAM_ARGS_H_

#include <string>
#include <vector>

/// Keeps the process's argument vector; the toolkit may later remove its own options from it.
void storeProgramArguments(int* argc, char*** argv);

/// Returns the next argument after the program's name, or "" when none is left.
std::string nextProgramArgument();

/// Returns the C runtime's argument vector, the program's name first, as UTF-8: on Linux as
/// given; on Windows the runtime's wide arguments (its rules for quotes and backslashes).
std::vector<std::string> runtimeArguments(int argc, char** argv);

#endif  // GANTRELL_TEXT_PROGRAM_ARGS_H_
