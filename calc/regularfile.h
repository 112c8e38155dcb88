// Opening a file for reading without ever waiting on it. A named pipe with
// no writer blocks the open itself, a terminal blocks the first read, and a
// device such as /dev/zero never ends: only regular files are opened.
// Shared by the library's file readers and the importer plug-ins.
//
// A public header of the library beside roadset.h; it includes no Qt.
#ifndef TRAZEL_REGULARFILE_H
#define TRAZEL_REGULARFILE_H

#include "roadset.h"

// A descriptor for reading the regular file at `path` (blocking reads,
// closed on exec; the caller closes it), or -1 for anything else: a missing
// file, a directory, a named pipe, a socket, a device.
TRAZEL_EXPORT int openRegularFileDescriptor(const char* path);

#endif  // TRAZEL_REGULARFILE_H
