// Writes the finished import block to a file, and tells the files a run read from the others.
#ifndef GANTRELL_HEADER_HEADER_OUTPUT_H_
#define GANTRELL_HEADER_HEADER_OUTPUT_H_

#include <string>
#include <vector>

/// How writing the header file ended.
enum class WriteOutcome { Written, CreateFailed, WriteFailed };

/// Tells whether `path` names one of the files in `sources`, by spelling or by identity.
bool namesSourceFile(const std::string& path, const std::vector<std::string>& sources);

/// Writes the header's bytes in place of the file at `path`, which keeps its old content on
/// any failure; tells whether creating or writing failed, with the reason in `err`.
WriteOutcome writeHeaderFile(const std::string& path, const std::string& text,
                             std::string* err = nullptr);

#endif  // GANTRELL_HEADER_HEADER_OUTPUT_H_
