#include "stakelines.h"

#include <charconv>

void formats::appendPnezdCsv(std::string& out, long long number, const StakePoint& p)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
    out += ',';
    appendSurveyed(out, p.x, p.y, p.height);
    out += ',';
    out += stakePointName(p);
    out += '\n';
}
