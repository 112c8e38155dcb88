#include "landxmlunits.h"

#include "landxmltext.h"
#include "roadset.h"

namespace landxml {

namespace {

constexpr double kPi = 3.141592653589793;

struct UnitFactor
{
    const char* name;
    double factor;
};

// LandXML's linear units, in metres; the US survey foot is 1200/3937 m.
constexpr UnitFactor kLinearUnits[] = {
    {"meter", 1.0},        {"millimeter", 0.001}, {"centimeter", 0.01},
    {"kilometer", 1000.0}, {"foot", 0.3048},      {"USSurveyFoot", 1200.0 / 3937.0},
    {"inch", 0.0254},      {"mile", 1609.344},
};

constexpr UnitFactor kAngularUnits[] = {
    {"radians", 1.0},
    {"decimal degrees", kPi / 180.0},
    {"grads", kPi / 200.0},
};

constexpr const char* kPackedDms = "decimal dd.mm.ss";

const UnitFactor* find(const UnitFactor* begin, const UnitFactor* end, QStringView name)
{
    for (const UnitFactor* unit = begin; unit != end; ++unit)
        if (name.compare(QLatin1StringView(unit->name), Qt::CaseInsensitive) == 0)
            return unit;
    return nullptr;
}

}  // namespace

Units unitsOf(QStringView system, QStringView linearUnit, QStringView directionUnit)
{
    Units units;
    const bool imperial = system == u"Imperial";
    if (linearUnit.isEmpty())
        linearUnit = imperial ? u"foot" : u"meter";
    if (directionUnit.isEmpty())
        directionUnit = imperial ? u"decimal degrees" : u"radians";

    if (const UnitFactor* unit =
            find(std::begin(kLinearUnits), std::end(kLinearUnits), linearUnit.trimmed()))
        units.metresPerUnit = unit->factor;
    else
        units.problem = tr("The linear unit \"%1\" is unknown.").arg(linearUnit);

    if (directionUnit.trimmed().compare(QLatin1StringView(kPackedDms), Qt::CaseInsensitive) == 0)
        units.packedDms = true;
    else if (const UnitFactor* unit =
                 find(std::begin(kAngularUnits), std::end(kAngularUnits), directionUnit.trimmed()))
        units.radiansPerDirectionUnit = unit->factor;
    else
        units.directionProblem = tr("the direction unit \"%1\" is unknown.").arg(directionUnit);
    return units;
}

double directionInRadians(const Units& units, double value)
{
    return units.packedDms ? dms2rad(value) : value * units.radiansPerDirectionUnit;
}

}  // namespace landxml
