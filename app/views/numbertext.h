// Numbers as the views show them: fixed notation with a set number of
// decimals, never an exponent, whatever the size of a survey coordinate.
#ifndef VANTOREL_VIEWS_NUMBERTEXT_H
#define VANTOREL_VIEWS_NUMBERTEXT_H

#include <QString>

namespace numbertext {

// "3382081.234"; a value that rounds to zero has no minus sign.
QString fixed(double value, int decimals = 3);

// A station in K notation, "K1+234.500".
QString station(double L, int decimals = 3);

// A grade (rise per metre) in per cent with its sign, "+1.200%".
QString percent(double grade, int decimals = 3);

// The slope of a cross-section segment as surveyors write it: per cent on
// the carriageway ("-2.00%"), 1:n on side slopes ("1:1.5").
QString crossSlope(double grade);

// An angle in degrees, minutes and seconds to a tenth, "60°09'37.2\"".
QString dms(double radians);

}  // namespace numbertext

#endif  // VANTOREL_VIEWS_NUMBERTEXT_H
