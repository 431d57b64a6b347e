// Letter case beyond ASCII, as a Windows file system ignores it in names.
#ifndef GANTRELL_TEXT_CASE_FOLD_H_
#define GANTRELL_TEXT_CASE_FOLD_H_

#include <cstdint>
#include <string>

/// Returns the lower-case form of a capital of Basic Latin, Latin-1, Latin Extended-A and -B,
/// Latin Extended Additional, Greek or Cyrillic; any other character as it is.
uint32_t foldCodePoint(uint32_t c);

/// Returns the key under which names that differ only in letter case are alike: each character
/// folded, as UTF-8. A byte that starts no UTF-8 character counts as the Latin-1 character of
/// its value, so names written in Latin-1 bytes fold too.
std::string foldCase(const std::string& name);

#endif  // GANTRELL_TEXT_CASE_FOLD_H_
