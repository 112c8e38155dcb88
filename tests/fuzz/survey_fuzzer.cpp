// readSurvey on arbitrary bytes, detecting the format and with each one
// named. Whatever reads must read back the same from its own PNEZD lines,
// and check against a road without trouble.
#include "asbuilt.h"

#include <charconv>
#include <cmath>
#include <cstdint>

namespace {

const RoadSet& road()
{
    static const RoadSet r = [] {
        RoadSet built;
        built.InsertHorizonPoint(0, 0, 0);
        built.InsertHorizonLine(0.3, 100);
        built.InsertHorizonArc(50, 60);
        built.ApplyHorizon();
        return built;
    }();
    return r;
}

// Begins with a blank line: a name may begin with what at the start of a
// text would be a byte-order mark.
std::string pnezdLines(const std::vector<SurveyedPoint>& points)
{
    std::string text = "\n";
    for (const SurveyedPoint& p : points) {
        text += p.name;
        for (const double v : {p.x, p.y, p.height}) {
            char digits[32];
            text += ',';
            text.append(digits, std::to_chars(digits, digits + sizeof digits, v).ptr);
        }
        text += ",\n";
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const SurveyFormat format :
         {SurveyFormat::Detect, SurveyFormat::PnezdCsv, SurveyFormat::CassDat}) {
        const SurveyReading r = readSurvey(text, format);
        if (!r.ok()) {
            if (!r.points.empty())
                __builtin_trap();
            continue;
        }
        const SurveyReading again = readSurvey(pnezdLines(r.points), SurveyFormat::PnezdCsv);
        if (!again.ok() || again.points.size() != r.points.size())
            __builtin_trap();
        for (std::size_t i = 0; i < r.points.size(); ++i) {
            const SurveyedPoint& a = r.points[i];
            const SurveyedPoint& b = again.points[i];
            if (a.name != b.name || a.x != b.x || a.y != b.y || a.height != b.height ||
                !std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(a.height))
                __builtin_trap();
        }
        std::vector<PointCheck> checks;
        if (!checkSurvey(road(), r.points, checks) || checks.size() != r.points.size())
            __builtin_trap();
        checkReport(r.points, checks);
    }
    return 0;
}
