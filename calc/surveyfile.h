// Surveyed points as data collectors and the CASS software write them, one
// point a line: PNEZD CSV ("number,northing,easting,elevation,description",
// the description optional) or CASS DAT ("name,code,Y,X,height").
//
// A public header of the library beside roadset.h; it includes no Qt.
#ifndef TRAZEL_SURVEYFILE_H
#define TRAZEL_SURVEYFILE_H

#include "roadset.h"

#include <string>
#include <string_view>
#include <vector>

struct TRAZEL_EXPORT SurveyedPoint
{
    std::string name;  // PNEZD's point number, CASS's point name
    double x = 0.0;    // northing
    double y = 0.0;    // easting
    double height = 0.0;
};

enum class SurveyFormat {
    Detect,  // from the content: see readSurvey
    PnezdCsv,
    CassDat,
};

struct TRAZEL_EXPORT SurveyReading
{
    std::vector<SurveyedPoint> points;
    SurveyFormat format = SurveyFormat::Detect;  // the one read
    // Why the text was refused, empty when it was read; `line` counts from
    // 1, 0 when the problem is the text as a whole.
    std::string problem;
    long line = 0;

    bool ok() const { return problem.empty(); }
};

// Reads every point of a survey text, or none and the first problem. Fields
// are separated by commas, blanks around them and blank lines are ignored,
// line ends may be LF or CR LF. Numbers use the C notation and must be
// finite. Detecting the format, the first line that only one format allows
// decides: four fields, or a fifth that is no number, make PNEZD; a second
// field that is no number (CASS's point code, usually empty) makes CASS. A
// text whose every line is five numbers fits both: it is refused unless the
// format is named.
TRAZEL_EXPORT SurveyReading readSurvey(std::string_view text,
                                       SurveyFormat format = SurveyFormat::Detect);

// The same for the regular file at `path` (never a pipe or a device).
TRAZEL_EXPORT SurveyReading readSurveyFile(const std::string& path,
                                           SurveyFormat format = SurveyFormat::Detect);

#endif  // TRAZEL_SURVEYFILE_H
