#include "test_support.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "text/file_io.h"
#include "text/pattern.h"

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  std::random_device random;
  path_ = (fs::temp_directory_path() / ("gantrell-test-" + std::to_string(random()) + "-" +
                                        std::to_string(random()))).generic_string() + "/";
  fs::create_directories(path_);
}

ScratchDir::~ScratchDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::string ScratchDir::write(const std::string& relative, const std::string& bytes) const {
  const fs::path file = fs::path(path_) / relative;
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << bytes;
  return path_ + relative;
}

std::string readFileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<missing>";
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

std::string readTextLines(const std::string& path) {
  const OwnedFile file(openForReading(path));
  if (file == nullptr) return "<none>";
  const TextFormat format = detectTextFormat(file.get());
  std::string out = std::to_string(static_cast<int>(format)) + ":";
  while (!atEndOfFile(file.get())) out += readLine(file.get(), format) + "|";
  return out;
}

std::vector<std::string> matchesOf(const Pattern* pattern, const std::string& text) {
  std::vector<std::string> matches;
  std::string_view rest(text.c_str());
  size_t start = 0;
  size_t end = 0;
  while (findMatch(pattern, rest.data(), rest.size(), &start, &end)) {
    matches.emplace_back(rest.substr(start, end - start));
    const size_t advance = rest.find(matches.back()) + matches.back().size();
    if (advance == 0) break;  // an empty match at the start ends the walk
    rest.remove_prefix(advance);
  }
  return matches;
}

bool patternEndsLiteralsAsTheLexer(const std::string& text) {
  if (text.find("~\"") != std::string::npos) return false;
  int quotes = 0;
  for (const char c : text) {
    if (c == '\n') quotes = 0;
    if (c == '"' && ++quotes > 2) return false;
  }
  return true;
}
