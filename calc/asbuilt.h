// As-built checks: where surveyed points lie against the design of a road —
// station and offset on the centre line, and how far the measured height is
// above or below the design height there (profile plus template).
//
// A public header of the library beside roadset.h; it includes no Qt.
#ifndef TRAZEL_ASBUILT_H
#define TRAZEL_ASBUILT_H

#include "roadset.h"
#include "surveyfile.h"

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

struct TRAZEL_EXPORT PointCheck
{
    enum Place {
        OnRoad,
        // Beyond an end of the road: station and offset continue the end's
        // tangent; the design has no height there.
        BeforeStart,
        AfterEnd,
    };

    double station = 0.0;
    double offset = 0.0;  // positive to the right
    // NaN where the design has no height: beyond the ends, off the profile.
    double design = 0.0;
    // Measured minus design: positive above the design (to cut), negative
    // below it (to fill); NaN where there is no design height.
    double difference = 0.0;
    Place place = OnRoad;

    bool hasDesign() const { return design == design; }

    enum CutFill { Neither, Cut, Fill };
    // Cut above the design, fill below it; neither where the difference
    // reads 0.000 at three decimals (it rounds to zero from below half a
    // millimetre) or where there is no design height.
    CutFill cutOrFill() const
    {
        constexpr double kLeastShown = 0.0005;
        return difference >= kLeastShown ? Cut : difference <= -kLeastShown ? Fill : Neither;
    }
};

// Checks every point against the road, on the machine's cores. `progress`,
// when given, is called now and then on the calling thread with the number
// of points checked so far; when it returns false the check stops and
// returns false. `checks` gets one entry per point, in their order. A road
// without elements has nothing to check against: false, and `checks` empty.
TRAZEL_EXPORT bool checkSurvey(const RoadSet& road, const std::vector<SurveyedPoint>& points,
                               std::vector<PointCheck>& checks,
                               const std::function<bool(std::size_t checked)>& progress = {});

// Whether a road has an alignment to check points against.
TRAZEL_EXPORT bool canCheckAgainst(const RoadSet& road);

// The check as a CSV table with a header line, one line per point:
// "name,station,offset,measured height,design height,difference,cut/fill,beyond end",
// numbers with three decimals, "cut" or "fill" as the rounded difference is
// above or below zero, "start" or "end" beyond an end; fields without a
// value stay empty. `order` lists the points to write by index; empty
// writes all in their own order.
TRAZEL_EXPORT std::string checkReport(const std::vector<SurveyedPoint>& points,
                                      const std::vector<PointCheck>& checks,
                                      const std::vector<std::size_t>& order = {});

// Writes a report as writeStakeFile writes a stake file: whole or not at all.
TRAZEL_EXPORT bool writeCheckReport(const std::string& path, std::string_view text);

#endif  // TRAZEL_ASBUILT_H
