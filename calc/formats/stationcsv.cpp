#include "numbers.h"
#include "stakelines.h"

// The station is written as it is: it was rounded when the walk placed it.
void formats::appendStationCsv(std::string& out, const StakePoint& p)
{
    numbers::appendFixed(out, p.station, 3);
    out += ',';
    appendSurveyed(out, p.x, p.y, p.height);
    out += '\n';
}
