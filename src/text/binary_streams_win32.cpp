#include "text/binary_streams.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

// The C runtime opens them in text mode, which writes every LF as CR LF: a block's CR LF would
// reach the file as CR CR LF.
void useBinaryStandardStreams() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
}
