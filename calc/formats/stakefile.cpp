// A stake-out file: the lines of its format, written in one piece.
#include "atomicfile.h"
#include "numbers.h"
#include "stakelines.h"

#include <algorithm>

namespace {

constexpr double kRoundingNudge = 0.00001;
// Room for a line of any format with a name, and a bound on what is made
// room for in advance.
constexpr long long kLineBytes = 72;
constexpr long long kMostReservedPoints = 1000000;

void appendLifted(std::string& out, double value)
{
    numbers::appendFixed(out, value + kRoundingNudge, 3);
}

}  // namespace

void formats::appendSurveyed(std::string& out, double first, double second, double height)
{
    appendLifted(out, first);
    out += ',';
    appendLifted(out, second);
    out += ',';
    appendLifted(out, height);
}

std::string surveyedText(double value)
{
    std::string text;
    appendLifted(text, value);
    return text;
}

StakeText::StakeText(StakeFormat format, long long firstNumber)
    : format_(format), firstNumber_(firstNumber)
{}

void StakeText::reserve(long long points)
{
    const long long bytes = std::min(points, kMostReservedPoints) * kLineBytes;
    if (bytes > 0)
        text_.reserve(static_cast<std::size_t>(bytes));
}

void StakeText::add(const StakePoint& p)
{
    switch (format_) {
    case StakeFormat::StationCsv:
        formats::appendStationCsv(text_, p);
        break;
    case StakeFormat::PnezdCsv:
        formats::appendPnezdCsv(text_, firstNumber_ + points_, p);
        break;
    case StakeFormat::CassDat:
        formats::appendCassDat(text_, p);
        break;
    }
    ++points_;
}

bool writeStakeFile(const std::string& path, std::string_view text)
{
    // Replaces only a regular file: never a device or a pipe of that name.
    return writeFileAtomically(path, text);
}
