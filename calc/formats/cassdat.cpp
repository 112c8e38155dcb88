#include "stakelines.h"

// The point code stays empty; easting comes before northing.
void formats::appendCassDat(std::string& out, const StakePoint& p)
{
    out += stakePointName(p);
    out += ",,";
    appendSurveyed(out, p.y, p.x, p.height);
    out += '\n';
}
