#include "profilebuilder.h"

#include "landxmltext.h"

#include <cmath>

namespace landxml {

namespace {

// Grades closer than this meet without a curve.
constexpr double kMinGradeChange = 1e-12;

QString failureAt(const Alignment& alignment, const ProfilePoint& point, const QString& what)
{
    return tr("Alignment \"%1\", profile \"%2\" at line %3: %4")
        .arg(alignment.name, alignment.profileName, QString::number(point.line), what);
}

}  // namespace

bool buildProfile(const Alignment& alignment, const Units& units,
                  std::vector<VerticalEntity>& points, QString& failure)
{
    const QList<ProfilePoint>& file = alignment.profile;
    points.clear();
    for (const ProfilePoint& p : file) {
        if (!p.problem.isEmpty()) {
            failure = failureAt(alignment, p, p.problem);
            return false;
        }
        VerticalEntity v;
        v.mile = p.station * units.metresPerUnit;
        v.height = p.elevation * units.metresPerUnit;
        if (!points.empty() && !(points.back().mile < v.mile)) {
            failure = failureAt(alignment, p,
                                tr("its station %1 does not follow the station %2 before it.")
                                    .arg(p.station, 0, 'f', 3)
                                    .arg(points.back().mile / units.metresPerUnit, 0, 'f', 3));
            return false;
        }
        points.push_back(v);
    }
    if (points.size() == 1) {
        failure = failureAt(alignment, file.first(),
                            tr("the profile has a single PVI; a profile needs two."));
        return false;
    }

    // The first and the last point carry no curve.
    for (std::size_t i = 1; i + 1 < points.size(); ++i) {
        const ProfilePoint& p = file[static_cast<qsizetype>(i)];
        if (p.kind == ProfilePoint::Pvi)
            continue;
        const auto grade = [&points](std::size_t from) {
            return (points[from + 1].height - points[from].height) /
                   (points[from + 1].mile - points[from].mile);
        };
        const double gradeChange = std::fabs(grade(i) - grade(i - 1));
        if (p.kind == ProfilePoint::Circle && p.radius) {
            points[i].radius = std::fabs(*p.radius) * units.metresPerUnit;
        } else if (!p.length || *p.length < 0.0) {
            failure = failureAt(alignment, p, tr("its vertical curve has no length."));
            return false;
        } else if (gradeChange > kMinGradeChange) {
            points[i].radius = *p.length * units.metresPerUnit / gradeChange;
        }
        if (!std::isfinite(points[i].radius)) {
            failure = failureAt(alignment, p, tr("its vertical curve has no finite radius."));
            return false;
        }
    }
    return true;
}

}  // namespace landxml
