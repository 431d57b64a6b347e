#include "text/utf8_decode.h"

#include <cstring>

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the well-formed sequence at `at` (2 to 4), or 0: the right number of
// continuation bytes, no overlong form, no surrogate, nothing above U+10FFFF. Sets `codePoint`.
size_t sequenceLength(const unsigned char* bytes, size_t left, uint32_t* codePoint) {
  const unsigned char lead = bytes[0];
  size_t length;
  uint32_t value;
  uint32_t least;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1Fu, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0Fu, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07u, least = 0x10000;
  } else {
    return 0;
  }
  if (left < length) return 0;
  for (size_t k = 1; k < length; ++k) {
    if (!isContinuation(bytes[k])) return 0;
    value = (value << 6) | (bytes[k] & 0x3Fu);
  }
  if (value < least || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return 0;
  *codePoint = value;
  return length;
}

}  // namespace

bool holdsNonAscii(const char* bytes, size_t length) {
  size_t i = 0;
  // Eight bytes at a time while none of them has its top bit set.
  for (uint64_t word; i + sizeof word <= length; i += sizeof word) {
    std::memcpy(&word, bytes + i, sizeof word);
    if ((word & 0x8080808080808080u) != 0) return true;
  }
  for (; i < length; ++i)
    if (static_cast<unsigned char>(bytes[i]) >= 0x80) return true;
  return false;
}

std::string cleanUtf8(const std::string& bytes) {
  std::string out = bytes;
  out.resize(cleanUtf8InPlace(out.data(), out.size()));
  return out;
}

size_t cleanUtf8InPlace(char* text, size_t n) {
  // Every step writes at most the bytes it reads, so the cleaned text never overtakes the bytes
  // still to be read.
  unsigned char* bytes = reinterpret_cast<unsigned char*>(text);
  size_t out = 0;
  size_t i = 0;
  while (i < n) {
    const unsigned char lead = bytes[i];
    const size_t left = n - i;  // the lead and what follows it
    uint32_t codePoint = 0;
    if (lead < 0x80) {
      // A run of ASCII bytes passes at once.
      size_t run = i + 1;
      for (uint64_t word; run + sizeof word <= n; run += sizeof word) {
        std::memcpy(&word, bytes + run, sizeof word);
        if ((word & 0x8080808080808080u) != 0) break;
      }
      while (run < n && bytes[run] < 0x80) ++run;
      if (out != i) std::memmove(bytes + out, bytes + i, run - i);
      out += run - i;
      i = run;
    } else if (const size_t length = sequenceLength(bytes + i, left, &codePoint)) {
      if (out != i) std::memmove(bytes + out, bytes + i, length);
      out += length;
      i += length;
    } else if ((lead & 0xE0) == 0xC0 && left >= 2) {
      const unsigned char next = bytes[i + 1];
      if (isContinuation(next)) {
        // An overlong form of an ASCII character (C0, C1) reads as that character; an overlong
        // NUL is dropped like a NUL byte: text never holds one.
        codePoint = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
        if (codePoint != 0) bytes[out++] = static_cast<unsigned char>(codePoint);
        i += 2;
      } else {
        bytes[out++] = '?';
        ++i;  // the byte that broke the pair is read next
      }
    } else if (((lead & 0xF0) == 0xE0 && left >= 3) || ((lead & 0xF8) == 0xF0 && left >= 4)) {
      // A malformed three- or four-byte sequence gives one "?" and takes its continuations.
      bytes[out++] = '?';
      const size_t most = (lead & 0xF0) == 0xE0 ? 2 : 3;
      ++i;
      for (size_t k = 0; k < most && i < n && isContinuation(bytes[i]); ++k) ++i;
    } else {
      ++i;  // a stray continuation, a lead byte cut short, or F8-FF: nothing
    }
  }
  return out;
}

uint32_t nextCodePoint(std::string_view text, size_t* at) {
  const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text.data()) + *at;
  uint32_t codePoint = bytes[0];
  if (codePoint >= 0x80) {
    const size_t length = sequenceLength(bytes, text.size() - *at, &codePoint);
    if (length > 0) {
      *at += length;
      return codePoint;
    }
    codePoint = bytes[0];
  }
  ++*at;
  return codePoint;
}

void appendUtf8(uint32_t c, std::string* out) {
  if (c < 0x80) {
    out->push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out->push_back(static_cast<char>(0xC0 | (c >> 6)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out->push_back(static_cast<char>(0xE0 | (c >> 12)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out->push_back(static_cast<char>(0xF0 | (c >> 18)));
    out->push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out->push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string utf16ToUtf8(const std::vector<uint16_t>& units) {
  std::string out;
  out.reserve(units.size());
  for (size_t i = 0; i < units.size(); ++i) {
    const uint32_t unit = units[i];
    if (unit < 0xD800 || unit > 0xDFFF) {
      appendUtf8(unit, &out);
    } else if (unit <= 0xDBFF && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
               units[i + 1] <= 0xDFFF) {
      appendUtf8(0x10000 + ((unit - 0xD800) << 10) + (units[i + 1] - 0xDC00), &out);
      ++i;
    }
    // A surrogate without its partner stands for no character: it is dropped.
  }
  return out;
}
