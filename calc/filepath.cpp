#include "filepath.h"

#include <sys/stat.h>

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
    File file(isUsable(path) ? std::fopen(path.c_str(), "r") : nullptr);
    struct stat st;
    if (file && (::fstat(::fileno(file.get()), &st) != 0 || !S_ISREG(st.st_mode)))
        file.reset();
    return file;
}

}  // namespace filepath
