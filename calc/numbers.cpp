#include "numbers.h"

#include <algorithm>
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

// Scaled values below this are integers a double holds exactly, with room
// for the halves that decide rounding.
constexpr double kExactScaled = 4503599627370496.0;  // 2^52
constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
constexpr int kFastDecimals = 9;

// printf("%.*f") from integer digits, for the values whose scaled form is
// below 2^52 — every coordinate, station and height: to_chars with a
// precision costs about a hundred nanoseconds a number, a stake file has
// hundreds of thousands. v·10^d is p plus an error that fma gives exactly;
// the error settles the values that p puts on a half, and exact halves go
// to the even digit, as printf and to_chars round. False for other values.
bool appendScaledDigits(std::string& out, double v, int decimals)
{
    if (decimals < 0 || decimals > kFastDecimals)
        return false;
    const double scale = kPowersOfTen[decimals];
    const double p = v * scale;
    if (!(std::fabs(p) < kExactScaled))  // also not a number
        return false;
    const double magnitude = std::fabs(p);
    const double error = p < 0.0 ? -std::fma(v, scale, -p) : std::fma(v, scale, -p);
    const double whole = std::floor(magnitude);
    const double fraction = magnitude - whole;  // exact
    bool up = fraction > 0.5;
    if (fraction == 0.5)
        up = error > 0.0 || (error == 0.0 && std::fmod(whole, 2.0) == 1.0);
    const auto rounded = static_cast<unsigned long long>(whole) + (up ? 1 : 0);

    // All digits, with zeros in front up to the one before the point (5 at
    // three decimals is 0005), then cut at the point; appended at once.
    char digits[32];
    char* const first = digits + decimals + 1;
    char* const last = std::to_chars(first, digits + sizeof digits, rounded).ptr;
    char* const from = std::min(first, last - decimals - 1);
    std::fill(from, first, '0');
    char text[40];
    char* t = text;
    if (std::signbit(v))
        *t++ = '-';
    t = std::copy(from, last - decimals, t);
    if (decimals > 0) {
        *t++ = '.';
        t = std::copy(last - decimals, last, t);
    }
    out.append(text, static_cast<std::size_t>(t - text));
    return true;
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

void appendFixed(std::string& out, double v, int decimals)
{
    if (appendScaledDigits(out, v, decimals))
        return;
    char buffer[kBufferSize];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
    out.append(buffer, static_cast<std::size_t>(result.ptr - buffer));
}

std::string fixed(double v, int decimals)
{
    std::string text;
    appendFixed(text, v, decimals);
    return text;
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

std::string_view trimmed(std::string_view text)
{
    text.remove_prefix(skipBlanks(text));
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

}  // namespace numbers
