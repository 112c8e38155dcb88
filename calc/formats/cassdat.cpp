#include "stakelines.h"

// The point code stays empty; easting comes before northing.
void formats::appendCassDat(std::string& out, const StakePoint& p)
{
    out += stakePointName(p);
    out += ",,";
    appendSurveyed(out, p.y);
    out += ',';
    appendSurveyed(out, p.x);
    out += ',';
    appendSurveyed(out, p.height);
    out += '\n';
}
