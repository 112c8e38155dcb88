// The line of one stake point in each field format, appended to a text.
#ifndef TRAZEL_FORMATS_STAKELINES_H
#define TRAZEL_FORMATS_STAKELINES_H

#include "stakeout.h"

#include <string>

namespace formats {

// "station,X,Y,height": the stake export as it has always been.
void appendStationCsv(std::string& out, const StakePoint& p);
// "number,northing,easting,elevation,name", no header.
void appendPnezdCsv(std::string& out, long long number, const StakePoint& p);
// "name,,Y,X,height": a CASS coordinate file, which the CASS importer reads.
void appendCassDat(std::string& out, const StakePoint& p);

// Two coordinates and a height, comma-separated, with three decimals each,
// lifted by 0.00001 first so that a value a hair below a half millimetre
// rounds up.
void appendSurveyed(std::string& out, double first, double second, double height);

}  // namespace formats

#endif  // TRAZEL_FORMATS_STAKELINES_H
