// The as-built check as a CSV table.
#include "asbuilt.h"
#include "numbers.h"

#include <cmath>

namespace {

constexpr std::string_view kHeader =
    "name,station,offset,measured height,design height,difference,cut/fill,beyond end\n";
// Room for a line with a name of usual length.
constexpr std::size_t kLineBytes = 96;

// Appends the number with three decimals and a comma. A value that rounds
// to zero shows without a sign, and one that is no number as nothing.
void appendNumber(std::string& out, double v)
{
    if (std::isfinite(v)) {
        const std::size_t from = out.size();
        numbers::appendFixed(out, v, 3);
        if (out[from] == '-' && out.find_first_of("123456789", from) == std::string::npos)
            out.erase(from, 1);
    }
    out += ',';
}

void appendLine(std::string& out, const SurveyedPoint& p, const PointCheck& c)
{
    out += p.name;
    out += ',';
    appendNumber(out, c.station);
    appendNumber(out, c.offset);
    appendNumber(out, p.height);
    appendNumber(out, c.design);
    appendNumber(out, c.difference);
    if (c.cutOrFill() != PointCheck::Neither)
        out += c.cutOrFill() == PointCheck::Cut ? "cut" : "fill";
    out += ',';
    if (c.place == PointCheck::BeforeStart)
        out += "start";
    else if (c.place == PointCheck::AfterEnd)
        out += "end";
    out += '\n';
}

}  // namespace

std::string checkReport(const std::vector<SurveyedPoint>& points,
                        const std::vector<PointCheck>& checks,
                        const std::vector<std::size_t>& order)
{
    const std::size_t count = std::min(points.size(), checks.size());
    std::string out(kHeader);
    out.reserve(kHeader.size() + (order.empty() ? count : order.size()) * kLineBytes);
    if (order.empty()) {
        for (std::size_t i = 0; i < count; ++i)
            appendLine(out, points[i], checks[i]);
    }
    for (const std::size_t i : order) {
        if (i < count)
            appendLine(out, points[i], checks[i]);
    }
    return out;
}
