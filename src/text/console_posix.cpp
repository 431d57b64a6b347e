#include <cstdio>

#include "text/console.h"

void writeError(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stderr); }
