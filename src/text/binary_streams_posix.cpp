#include "text/binary_streams.h"

// POSIX streams never translate line ends.
void useBinaryStandardStreams() {}
