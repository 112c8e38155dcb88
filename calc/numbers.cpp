#include "numbers.h"

#include <charconv>
#include <cmath>

namespace numbers {

namespace {

constexpr std::size_t kBufferSize = 512;  // a fixed double needs at most ~330

std::string format(double v, std::chars_format fmt, int precision)
{
    char buffer[kBufferSize];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, fmt, precision);
    return std::string(buffer, result.ptr);
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Where the number proper starts: after white space and a '+', which
// from_chars does not take but scanf does.
std::size_t numberStart(std::string_view text, bool& plusSign)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    plusSign = i < text.size() && text[i] == '+';
    if (plusSign)
        ++i;
    return i;
}

template <typename T, typename... Format>
std::size_t parseNumber(std::string_view text, T& value, Format... fmt)
{
    bool plusSign = false;
    const std::size_t start = numberStart(text, plusSign);
    if (start >= text.size() || (plusSign && text[start] == '-'))
        return 0;
    T parsed{};
    const char* begin = text.data() + start;
    const auto result = std::from_chars(begin, text.data() + text.size(), parsed, fmt...);
    if (result.ec != std::errc())
        return 0;
    value = parsed;
    return static_cast<std::size_t>(result.ptr - text.data());
}

}  // namespace

std::string fixed(double v, int decimals)
{
    return format(v, std::chars_format::fixed, decimals);
}

std::string general(double v, int significant)
{
    return format(v, std::chars_format::general, significant);
}

std::string integer(int v)
{
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v);
    return std::string(buffer, result.ptr);
}

std::size_t parse(std::string_view text, double& value)
{
    return parseNumber(text, value, std::chars_format::general);
}

std::size_t parse(std::string_view text, int& value)
{
    return parseNumber(text, value);
}

std::size_t skipBlanks(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return i;
}

}  // namespace numbers
