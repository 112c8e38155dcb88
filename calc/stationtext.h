// Stations in the notation field crews and drawings use: "K", the whole
// kilometres, "+", the metres with three digits before the point —
// station 1234.5 is "K1+234.500", station -13.5 is "K-0+013.500".
//
// A public header of the library beside roadset.h; it includes no Qt.
#ifndef TRAZEL_STATIONTEXT_H
#define TRAZEL_STATIONTEXT_H

#include "roadset.h"

#include <string>
#include <string_view>

// The station in K notation with `decimals` decimals (0 to 6), rounded once
// so that 1999.9996 reads "K2+000.000". Holds no comma and no blank.
TRAZEL_EXPORT std::string stationText(double L, int decimals = 3);

// Reads "K1+234.5", "1+234.5" (the K may be lower case) or a plain number
// such as "1234.5", with blanks around; false for anything else — metres of
// 1000 or more after the plus, values that are not finite. L is written
// only on success.
TRAZEL_EXPORT bool parseStation(std::string_view text, double& L);

#endif  // TRAZEL_STATIONTEXT_H
