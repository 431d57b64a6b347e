#include "text/text_ops.h"

std::string lowerCase(const std::string& text) { return lowered(text); }

int32_t findText(const std::string& text, const std::string& wanted, int32_t start) {
  if (text.empty() || wanted.empty()) return 0;
  if (start < 1) start = 1;
  if (static_cast<size_t>(start) > text.size()) return 0;
  const size_t at = text.find(wanted, static_cast<size_t>(start - 1));
  return at == std::string::npos ? 0 : static_cast<int32_t>(at + 1);
}

std::string midText(const std::string& text, int32_t start, int32_t length) {
  if (start < 1) start = 1;
  if (length < 0) length = 0;
  if (static_cast<size_t>(start) > text.size()) return std::string();
  return text.substr(static_cast<size_t>(start - 1), static_cast<size_t>(length));
}

std::string leftText(const std::string& text, int32_t n) {
  if (n < 0) return std::string();
  return text.substr(0, static_cast<size_t>(n));
}

std::string trimSpaces(const std::string& text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string::npos) return std::string();
  const size_t last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string replaceText(const std::string& text, const std::string& wanted,
                        const std::string& replacement) {
  if (wanted.empty()) return text;
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (size_t at = text.find(wanted); at != std::string::npos; at = text.find(wanted, from)) {
    out.append(text, from, at - from);
    out += replacement;
    from = at + wanted.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

std::string decimalText(int64_t value) {
  // Work on the magnitude as unsigned so that the most negative value has no overflow.
  uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value);
  char digits[24];
  int n = 0;
  do {
    digits[n++] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::string out(value < 0 ? "-" : "");
  while (n > 0) out.push_back(digits[--n]);
  return out;
}

bool textEquals(const std::string& a, const std::string& b) { return a == b; }
