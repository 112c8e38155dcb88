// Paths as the file system takes them: UTF-8 bytes without NUL characters,
// and the files the readers accept behind them.
#ifndef TRAZEL_FILEPATH_H
#define TRAZEL_FILEPATH_H

#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace filepath {

// The UTF-8 form of a UTF-16 path; none when the path is empty, holds a NUL
// or a lone surrogate, since no file name can be made of those.
std::optional<std::string> fromUtf16(std::u16string_view path);

// True when the C library can take the path as it stands: a NUL would
// silently cut it short and name another file.
bool isUsable(std::string_view path);

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The file at `path` opened for reading, or null when it is no regular file
// (see regularfile.h).
File openRegularFile(const std::string& path);

}  // namespace filepath

#endif  // TRAZEL_FILEPATH_H
