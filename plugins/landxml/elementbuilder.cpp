#include "elementbuilder.h"

#include "landxmltext.h"
#include "landxmlunits.h"
#include "planegeometry.h"

#include <cmath>

namespace landxml {

namespace {

enum ElementType { LineType = 1, ArcType = 2, SpiralType = 3 };
enum Mode { OwnAzimuth = 1, OwnStartPoint = 2 };

constexpr double kMinLength = 0.001;     // the road's shortest element
constexpr double kEndTolerance = 0.001;  // 1 mm between computed and written end
constexpr double kMinRadiusChange = 1e-6;
// Points closer than this give no direction.
constexpr double kMinChord = 1e-6;
// How close a written direction must come to the coordinates' one to tell
// how the file measures directions.
constexpr double kDirectionMatch = 1e-3;

// The type and signed end radii (positive turning right, 0 straight) of an
// element, as RoadEntity::set takes them.
struct Shape
{
    int type = LineType;
    double startRadius = 0.0;
    double endRadius = 0.0;
};

// Where the elements built so far end.
struct ChainEnd
{
    bool known = false;
    Point at;
    double azimuth = 0.0;
    double station = 0.0;
};

bool isArcType(const QString& crvType)
{
    return crvType.isEmpty() || crvType.compare(QLatin1StringView("arc"), Qt::CaseInsensitive) == 0;
}

bool isClothoidType(const QString& spiType)
{
    return spiType.isEmpty() ||
           spiType.compare(QLatin1StringView("clothoid"), Qt::CaseInsensitive) == 0;
}

// What RoadEntity::set refused, by its code.
QString refusalText(int code)
{
    switch (code) {
    case 3:
        return tr("its radius is zero.");
    case 5:
        return tr("its radii turn both ways.");
    default:
        return tr("its numbers describe no element.");
    }
}

// Directions are written either clockwise from north or, as most writers
// do, counter-clockwise from east; the alignment's own lines tell which.
bool directionsFromNorth(const Alignment& alignment, const Units& units)
{
    if (!units.directionProblem.isEmpty())
        return false;
    int fromNorth = 0;
    int fromEast = 0;
    for (const GeometryElement& e : alignment.elements) {
        if (e.kind != GeometryElement::Line || !e.start || !e.end || !e.direction)
            continue;
        const Point start{e.start->north, e.start->east};
        const Point end{e.end->north, e.end->east};
        if (distance(start, end) < 1.0)
            continue;
        const double written = directionInRadians(units, *e.direction);
        const double actual = azimuth(start, end);
        fromNorth += angleBetween(written, actual) < kDirectionMatch;
        fromEast += angleBetween(kHalfPi - written, actual) < kDirectionMatch;
    }
    return fromNorth > fromEast;
}

class ElementBuilder
{
    Q_DECLARE_TR_FUNCTIONS(landxml)

public:
    ElementBuilder(const Alignment& alignment, const Units& units)
        : alignment_(alignment), units_(units), fromNorth_(directionsFromNorth(alignment, units))
    {
        end_.station = alignment.startStation * units.metresPerUnit;
    }

    bool add(const GeometryElement& e, std::vector<RoadEntity>& elements);
    const QString& failure() const { return failure_; }

private:
    bool fail(const GeometryElement& e, const QString& what);
    std::optional<Point> scaled(const std::optional<Coordinates>& c) const;
    bool shapeOf(const GeometryElement& e, Shape& shape);
    std::optional<double> lengthOf(const GeometryElement& e, const Shape& shape) const;
    std::optional<double> writtenAzimuth(const GeometryElement& e) const;
    std::optional<double> startAzimuth(const GeometryElement& e, const Shape& shape, Point from,
                                       double length) const;

    const Alignment& alignment_;
    const Units& units_;
    const bool fromNorth_;
    ChainEnd end_;
    QString failure_;
};

bool ElementBuilder::fail(const GeometryElement& e, const QString& what)
{
    const qsizetype number = &e - alignment_.elements.constData() + 1;
    failure_ =
        tr("Alignment \"%1\", element %2 (<%3> at line %4): %5")
            .arg(alignment_.name, QString::number(number), e.tag, QString::number(e.line), what);
    return false;
}

std::optional<Point> ElementBuilder::scaled(const std::optional<Coordinates>& c) const
{
    if (!c)
        return std::nullopt;
    return Point{c->north * units_.metresPerUnit, c->east * units_.metresPerUnit};
}

bool ElementBuilder::shapeOf(const GeometryElement& e, Shape& shape)
{
    shape = Shape();
    if (e.kind == GeometryElement::Line)
        return true;
    if (e.kind == GeometryElement::Curve && !isArcType(e.shapeType))
        return fail(e,
                    tr("its crvType \"%1\" is no arc; the road holds arcs only.").arg(e.shapeType));
    if (e.kind == GeometryElement::Spiral && !isClothoidType(e.shapeType))
        return fail(e, tr("its spiType \"%1\" is no clothoid; the road holds clothoids only.")
                           .arg(e.shapeType));

    const double scale = units_.metresPerUnit;
    const std::optional<Point> start = scaled(e.start);
    const std::optional<Point> end = scaled(e.end);
    const std::optional<Point> center = scaled(e.center);
    const std::optional<Point> pi = scaled(e.pi);
    // Unsigned end radii, 0 for a straight end (an infinite or missing one).
    double startRadius = 0.0;
    double endRadius = 0.0;
    if (e.kind == GeometryElement::Curve) {
        if (e.radius)
            startRadius = std::fabs(*e.radius) * scale;
        else if (center && (start || end))
            startRadius = distance(*center, start ? *start : *end);
        else
            return fail(e, tr("it has no radius."));
        if (startRadius == 0.0)
            return fail(e, refusalText(3));
        endRadius = startRadius;
    } else {
        const auto radius = [scale](const std::optional<double>& r) {
            return r && std::isfinite(*r) ? *r * scale : 0.0;
        };
        startRadius = radius(e.radiusStart);
        endRadius = radius(e.radiusEnd);
        if (startRadius == 0.0 && endRadius == 0.0)
            return true;  // a spiral between two straights is one
    }

    bool right = e.rotation == Rotation::Clockwise;
    if (e.rotation == Rotation::Unknown) {
        // The end lies right of the start tangent, or the centre right of
        // the chord, on a right-hand curve.
        if (start && pi && end)
            right = sideOf(*start, *pi, *end) > 0.0;
        else if (start && center && end)
            right = sideOf(*start, *end, *center) > 0.0;
        else
            return fail(e, tr("it has no rot."));
    }
    const double sign = right ? 1.0 : -1.0;
    // A spiral whose curvature does not change is an arc.
    const bool arc = std::fabs(startRadius - endRadius) < kMinRadiusChange;
    shape = {arc ? ArcType : SpiralType, sign * startRadius, sign * endRadius};
    return true;
}

std::optional<double> ElementBuilder::lengthOf(const GeometryElement& e, const Shape& shape) const
{
    const double scale = units_.metresPerUnit;
    if (e.length)
        return *e.length * scale;
    const std::optional<Point> start = scaled(e.start);
    const std::optional<Point> end = scaled(e.end);
    const std::optional<Point> center = scaled(e.center);
    if (shape.type == LineType && start && end)
        return distance(*start, *end);
    if (shape.type == ArcType && start && end && center) {
        const double sweep = shape.startRadius > 0.0
                                 ? wrapAzimuth(azimuth(*center, *end) - azimuth(*center, *start))
                                 : wrapAzimuth(azimuth(*center, *start) - azimuth(*center, *end));
        return std::fabs(shape.startRadius) * sweep;
    }
    // A spiral from or to a straight: A² = R·L.
    if (shape.type == SpiralType && e.constant &&
        (shape.startRadius == 0.0 || shape.endRadius == 0.0)) {
        const double radius =
            std::fabs(shape.startRadius == 0.0 ? shape.endRadius : shape.startRadius);
        return std::pow(*e.constant * scale, 2) / radius;
    }
    return std::nullopt;
}

std::optional<double> ElementBuilder::writtenAzimuth(const GeometryElement& e) const
{
    if (!e.direction || !units_.directionProblem.isEmpty())
        return std::nullopt;
    const double written = directionInRadians(units_, *e.direction);
    return wrapAzimuth(fromNorth_ ? written : kHalfPi - written);
}

// The start azimuth from the coordinates where they give it: square to the
// radius of an arc, towards the PI, or from the chord and the element's own
// shape; the written direction only where they do not.
std::optional<double> ElementBuilder::startAzimuth(const GeometryElement& e, const Shape& shape,
                                                   Point from, double length) const
{
    const std::optional<Point> end = scaled(e.end);
    const std::optional<Point> center = scaled(e.center);
    const std::optional<Point> pi = scaled(e.pi);
    if (shape.type == ArcType && center && distance(*center, from) > kMinChord)
        return wrapAzimuth(azimuth(from, *center) + (shape.startRadius > 0.0 ? -kHalfPi : kHalfPi));
    if (shape.type != LineType && pi && distance(from, *pi) > kMinChord)
        return azimuth(from, *pi);
    if (end && distance(from, *end) > kMinChord) {
        RoadEntity local;
        if (local.set(shape.type, 0.0, 0.0, 0.0, shape.startRadius, shape.endRadius, length, 0) ==
            0) {
            double u = 0.0;
            double v = 0.0;
            local.L2XY(length, &u, &v, nullptr);
            if (std::hypot(u, v) > kMinChord)
                return wrapAzimuth(azimuth(from, *end) - std::atan2(v, u));
        }
    }
    return writtenAzimuth(e);
}

bool ElementBuilder::add(const GeometryElement& e, std::vector<RoadEntity>& elements)
{
    if (!e.problem.isEmpty())
        return fail(e, e.problem);
    Shape shape;
    if (!shapeOf(e, shape))
        return false;
    const std::optional<double> length = lengthOf(e, shape);
    if (!length)
        return fail(e, tr("it has no length."));
    if (*length < 0.0)
        return fail(e, tr("its length is negative."));
    if (*length < kMinLength)
        return true;  // no extent: the next element starts where it stands

    const std::optional<Point> start = scaled(e.start);
    if (!start && !end_.known)
        return fail(e, tr("the alignment's first element has no <Start>."));
    const Point from = start ? *start : end_.at;
    const std::optional<double> ownAzimuth = startAzimuth(e, shape, from, *length);
    if (!ownAzimuth && e.direction && !units_.directionProblem.isEmpty())
        return fail(e, units_.directionProblem);
    if (!ownAzimuth && !end_.known)
        return fail(e, tr("the alignment's first element has no start direction."));
    const int mode = (start ? OwnStartPoint : 0) | (ownAzimuth ? OwnAzimuth : 0);

    RoadEntity element;
    const int code = element.set(shape.type, from.x, from.y, ownAzimuth.value_or(end_.azimuth),
                                 shape.startRadius, shape.endRadius, *length, mode);
    if (code != 0)
        return fail(e, refusalText(code));
    element.l1 = end_.station;
    element.L2XY(element.l1 + element.length, &element.x2, &element.y2, &element.angle2);
    if (!std::isfinite(element.x2) || !std::isfinite(element.y2))
        return fail(e, tr("its end cannot be computed."));
    if (const std::optional<Point> end = scaled(e.end)) {
        const double misfit = distance({element.x2, element.y2}, *end);
        if (!(misfit <= kEndTolerance))
            return fail(e, tr("it ends %1 m from its <End> in the file; the file's numbers do "
                              "not describe this element.")
                               .arg(misfit, 0, 'f', 4));
    }
    end_ = {true, {element.x2, element.y2}, element.angle2, element.l1 + element.length};
    elements.push_back(element);
    return true;
}

}  // namespace

bool buildElements(const Alignment& alignment, const Units& units,
                   std::vector<RoadEntity>& elements, QString& failure)
{
    ElementBuilder builder(alignment, units);
    elements.clear();
    for (const GeometryElement& e : alignment.elements) {
        if (!builder.add(e, elements)) {
            failure = builder.failure();
            return false;
        }
    }
    if (elements.empty()) {
        failure = tr("Alignment \"%1\" (line %2) has no element of measurable length.")
                      .arg(alignment.name, QString::number(alignment.line));
        return false;
    }
    return true;
}

}  // namespace landxml
