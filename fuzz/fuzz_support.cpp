#include "fuzz_support.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

void fuzzCheckFailed(const char* condition, const std::string& note, const char* file,
                     int line) {
  std::fprintf(stderr, "%s:%d: check failed: %s\n  %s\n", file, line, condition, note.c_str());
  std::fflush(stderr);
  std::abort();
}

ScratchFolder::ScratchFolder() {
  std::string pattern = (fs::temp_directory_path() / "gantrell-fuzz-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) fuzzCheckFailed("mkdtemp", pattern, __FILE__, __LINE__);
  path_ = pattern + "/";
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string ScratchFolder::write(const std::string& relative, const std::string& bytes) const {
  const fs::path file = fs::path(path_) / relative;
  std::error_code ignored;
  fs::create_directories(file.parent_path(), ignored);
  std::ofstream out(file, std::ios::binary);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return path_ + relative;
}

std::string readWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}
