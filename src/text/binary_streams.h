// Standard output and standard error as plain byte streams, on every system.
#ifndef GANTRELL_TEXT_BINARY_STREAMS_H_
#define GANTRELL_TEXT_BINARY_STREAMS_H_

/// Makes standard output and standard error pass every byte through as written, so a block's
/// CR LF line ends and a message's LF reach a pipe or file the same on every system.
void useBinaryStandardStreams();

#endif  // GANTRELL_TEXT_BINARY_STREAMS_H_
