#include "text/path.h"

const char kFolderSeparators[] = "/";
const bool kFolderPartStopsAtBar = false;
