// The program's command-line arguments, handed out one at a time.
#ifndef GANTRELL_TEXT_PROGRAM_ARGS_H_
#define GANTRELL_TEXT_PROGRAM_ARGS_H_

#include <string>

/// Keeps the process's argument vector; the toolkit may later remove its own options from it.
void storeProgramArguments(int* argc, char*** argv);

/// Returns the next argument after the program's name, or "" when none is left.
std::string nextProgramArgument();

#endif  // GANTRELL_TEXT_PROGRAM_ARGS_H_
