#include "text/path.h"

const char kFolderSeparators[] = "/";
const bool kFolderPartStopsAtBar = false;

bool isAbsolutePath(const std::string& path) { return !path.empty() && path[0] == '/'; }
