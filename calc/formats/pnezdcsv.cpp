#include "stakelines.h"

#include <charconv>

void formats::appendPnezdCsv(std::string& out, long long number, const StakePoint& p)
{
    char digits[24];
    const char* const end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, static_cast<std::size_t>(end - digits));
    out += ',';
    appendSurveyed(out, p.x, p.y, p.height);
    out += ',';
    out += stakePointName(p);
    out += '\n';
}
