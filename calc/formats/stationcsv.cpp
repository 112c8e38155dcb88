#include "numbers.h"
#include "stakelines.h"

// The station is written as it is: it was rounded when the walk placed it.
void formats::appendStationCsv(std::string& out, const StakePoint& p)
{
    numbers::appendFixed(out, p.station, 3);
    out += ',';
    appendSurveyed(out, p.x);
    out += ',';
    appendSurveyed(out, p.y);
    out += ',';
    appendSurveyed(out, p.height);
    out += '\n';
}
