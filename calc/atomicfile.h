// Replacing a file's contents so that it never holds a partial version: the
// bytes go to a new file beside it, which takes the old one's name only once
// it is completely written and on disk.
#ifndef TRAZEL_ATOMICFILE_H
#define TRAZEL_ATOMICFILE_H

#include <string>
#include <string_view>

// Writes `contents` to `path`. On any failure the file at `path` is left as
// it was, no temporary file remains and false is returned; whatever exists at
// `path` and is no regular file (a device, a named pipe) is refused. A symbolic link
// at `path` stays a link to the replaced file; a replaced file keeps its
// permissions, a new one gets those the process would give it.
bool writeFileAtomically(const std::string& path, std::string_view contents);

#endif  // TRAZEL_ATOMICFILE_H
