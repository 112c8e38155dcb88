#include "filepath.h"

#include "regularfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace filepath {

namespace {

bool isHighSurrogate(char32_t u)
{
    return u >= 0xD800 && u <= 0xDBFF;
}

bool isLowSurrogate(char32_t u)
{
    return u >= 0xDC00 && u <= 0xDFFF;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

std::optional<std::string> fromUtf16(std::u16string_view path)
{
    if (path.empty())
        return std::nullopt;
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        char32_t c = path[i];
        if (c == 0 || isLowSurrogate(c))
            return std::nullopt;
        if (isHighSurrogate(c)) {
            if (i + 1 == path.size() || !isLowSurrogate(path[i + 1]))
                return std::nullopt;
            c = 0x10000 + ((c - 0xD800) << 10) + (path[++i] - 0xDC00);
        }
        appendUtf8(out, c);
    }
    return out;
}

bool isUsable(std::string_view path)
{
    return !path.empty() && path.find('\0') == std::string_view::npos;
}

File openRegularFile(const std::string& path)
{
    const int fd = isUsable(path) ? openRegularFileDescriptor(path.c_str()) : -1;
    if (fd < 0)
        return nullptr;
    File file(::fdopen(fd, "r"));
    if (!file)
        ::close(fd);
    return file;
}

}  // namespace filepath

int openRegularFileDescriptor(const char* path)
{
    // Whatever is no regular file is not even opened: opening a device can
    // act on it. The check after the open catches a file swapped meanwhile.
    struct stat st;
    if (!path || ::stat(path, &st) != 0 || !S_ISREG(st.st_mode))
        return -1;
    const int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return -1;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || flags < 0 ||
        ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}
