// Cutting a Windows command line into its tokens: spaces separate, double quotes group.
#ifndef GANTRELL_TEXT_COMMAND_LINE_H_
#define GANTRELL_TEXT_COMMAND_LINE_H_

#include <string>

/// Returns token `index` of a Windows command line (0 is the program), or false when absent.
bool commandLineToken(const std::string& commandLine, int index, std::string* token);

#endif  // GANTRELL_TEXT_COMMAND_LINE_H_
