#include "text/utf8_decode.h"

#include <cstdint>
#include <cstring>

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::string decodeUtf8ToBytes(const std::string& bytes) {
  std::string out = bytes;
  out.resize(decodeUtf8InPlace(out.data(), out.size()));
  return out;
}

size_t decodeUtf8InPlace(char* bytes, size_t n) {
  // Every step reads at least one byte and writes at most one, so the decoded text never
  // overtakes the bytes still to be read.
  size_t out = 0;
  size_t i = 0;
  while (i < n) {
    const unsigned char lead = static_cast<unsigned char>(bytes[i]);
    const size_t left = n - i - 1;  // bytes after the lead
    if (lead < 0x80) {
      // A run of ASCII bytes passes at once.
      size_t run = i + 1;
      // Eight bytes at a time while none of them has its top bit set.
      for (uint64_t word; run + sizeof word <= n; run += sizeof word) {
        std::memcpy(&word, bytes + run, sizeof word);
        if ((word & 0x8080808080808080u) != 0) break;
      }
      while (run < n && static_cast<unsigned char>(bytes[run]) < 0x80) ++run;
      if (out != i) std::memmove(bytes + out, bytes + i, run - i);
      out += run - i;
      i = run;
    } else if ((lead & 0xE0) == 0xC0 && left >= 1) {
      const unsigned char next = static_cast<unsigned char>(bytes[i + 1]);
      if (isContinuation(next)) {
        const unsigned codePoint = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
        // An overlong NUL (C0 80) is dropped like a NUL byte: text never holds one.
        if (codePoint != 0) bytes[out++] = codePoint <= 0xFF ? static_cast<char>(codePoint) : '?';
        i += 2;
      } else {
        bytes[out++] = '?';
        ++i;  // decoding goes on at the byte that broke the pair
      }
    } else if (((lead & 0xF0) == 0xE0 && left >= 2) || ((lead & 0xF8) == 0xF0 && left >= 3)) {
      bytes[out++] = '?';
      const size_t most = (lead & 0xF0) == 0xE0 ? 2 : 3;
      ++i;
      for (size_t k = 0; k < most && i < n && isContinuation(static_cast<unsigned char>(bytes[i])); ++k)
        ++i;
    } else {
      ++i;  // a stray continuation, a lead byte cut short, or F8-FF: nothing
    }
  }
  return out;
}
