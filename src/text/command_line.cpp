#include "text/command_line.h"

bool commandLineToken(const std::string& line, int index, std::string* token) {
  const size_t n = line.size();
  size_t i = 0;
  for (int number = 0;; ++number) {
    while (i < n && line[i] == ' ') ++i;
    if (i >= n) return false;
    std::string current;
    if (line[i] == '"') {
      const size_t close = line.find('"', i + 1);
      const size_t end = close == std::string::npos ? n : close;
      current = line.substr(i + 1, end - i - 1);
      i = close == std::string::npos ? n : close + 1;
    } else {
      const size_t space = line.find(' ', i);
      const size_t end = space == std::string::npos ? n : space;
      current = line.substr(i, end - i);
      i = space == std::string::npos ? n : space + 1;
    }
    if (number == index) {
      *token = current;
      return true;
    }
  }
}
