#include "text/case_fold.h"

#include "text/utf8_decode.h"

namespace {

// Whether `c` is the capital of a pair in [first, last] whose capitals stand at first, first + 2...
bool pairedCapital(uint32_t c, uint32_t first, uint32_t last) {
  return c >= first && c <= last && (c - first) % 2 == 0;
}

}  // namespace

uint32_t foldCodePoint(uint32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 32 : c;
  if (c < 0x100) return c >= 0xC0 && c <= 0xDE && c != 0xD7 ? c + 32 : c;
  if (c < 0x180) {  // Latin Extended-A
    if (c == 0x130) return 'i';
    if (c == 0x178) return 0xFF;
    if (pairedCapital(c, 0x100, 0x136) || pairedCapital(c, 0x139, 0x147) ||
        pairedCapital(c, 0x14A, 0x176) || pairedCapital(c, 0x179, 0x17D))
      return c + 1;
    return c;
  }
  if (c < 0x250) {  // Latin Extended-B: its regular stretches and the digraphs
    if (c == 0x1C4 || c == 0x1C7 || c == 0x1CA || c == 0x1F1) return c + 2;
    if (c == 0x1C5 || c == 0x1C8 || c == 0x1CB || c == 0x1F2 || c == 0x1F4) return c + 1;
    if (pairedCapital(c, 0x1CD, 0x1DB) || pairedCapital(c, 0x1DE, 0x1EE) ||
        pairedCapital(c, 0x1F8, 0x21E) || pairedCapital(c, 0x222, 0x232) ||
        pairedCapital(c, 0x246, 0x24E))
      return c + 1;
    return c;
  }
  if (c >= 0x370 && c < 0x400) {  // Greek
    if (c == 0x386) return 0x3AC;
    if (c >= 0x388 && c <= 0x38A) return c + 37;
    if (c == 0x38C) return 0x3CC;
    if (c == 0x38E || c == 0x38F) return c + 63;
    if ((c >= 0x391 && c <= 0x3A1) || (c >= 0x3A3 && c <= 0x3AB)) return c + 32;
    if (c == 0x3C2) return 0x3C3;  // final sigma
    return pairedCapital(c, 0x3D8, 0x3EE) ? c + 1 : c;
  }
  if (c >= 0x400 && c < 0x530) {  // Cyrillic and its supplement
    if (c < 0x410) return c + 80;
    if (c < 0x430) return c + 32;
    if (c == 0x4C0) return 0x4CF;
    if (pairedCapital(c, 0x460, 0x480) || pairedCapital(c, 0x48A, 0x4BE) ||
        pairedCapital(c, 0x4D0, 0x52E) || pairedCapital(c, 0x4C1, 0x4CD))
      return c + 1;
    return c;
  }
  if (c >= 0x1E00 && c < 0x1F00) {  // Latin Extended Additional
    if (c == 0x1E9E) return 0xDF;
    return pairedCapital(c, 0x1E00, 0x1E94) || pairedCapital(c, 0x1EA0, 0x1EFE) ? c + 1 : c;
  }
  return c;
}

std::string foldCase(const std::string& name) {
  std::string key;
  key.reserve(name.size());
  for (size_t at = 0; at < name.size();) {
    const unsigned char byte = static_cast<unsigned char>(name[at]);
    if (byte < 0x80) {
      key.push_back(static_cast<char>(byte >= 'A' && byte <= 'Z' ? byte + 32 : byte));
      ++at;
    } else {
      appendUtf8(foldCodePoint(nextCodePoint(name, &at)), &key);
    }
  }
  return key;
}
