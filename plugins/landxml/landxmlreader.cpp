#include "landxmlreader.h"

#include "landxmltext.h"
#include "landxmlunits.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QVarLengthArray>
#include <QXmlStreamReader>

#include <charconv>
#include <cmath>
#include <limits>

namespace landxml {

namespace {

// LandXML nests a handful of levels; anything far deeper is no alignment
// file, and the bound keeps the descent's stack small.
constexpr int kMaxDepth = 128;
// A 10,000-element alignment takes about 5 MB.
constexpr qint64 kMaxFileSize = 256LL * 1024 * 1024;

using PointField = std::optional<Coordinates> GeometryElement::*;

// A point given by name only (pntRef), to be looked up among the CgPoints,
// which may follow the alignments in the file.
struct PointReference
{
    qsizetype alignment;
    qsizetype element;
    PointField field;
    QString name;
};

// A number in the C notation, as std::from_chars reads it (with a leading
// '+' allowed); QStringView::toDouble goes through the locale machinery and
// would take most of the import's time.
std::optional<double> finiteNumber(QStringView text)
{
    char ascii[64];
    if (text.startsWith(u'+') && !text.startsWith(u"+-"))
        text = text.sliced(1);
    if (text.isEmpty() || text.size() > qsizetype(sizeof ascii))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() > 127)
            return std::nullopt;
        ascii[i] = char(text[i].unicode());
    }
    double value = 0.0;
    const char* end = ascii + text.size();
    const auto [stop, error] = std::from_chars(ascii, end, value);
    if (error != std::errc() || stop != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The blank-separated words of a text; none when there are more than `most`.
std::optional<QVarLengthArray<QStringView, 3>> wordsIn(QStringView text, qsizetype most)
{
    QVarLengthArray<QStringView, 3> words;
    qsizetype i = 0;
    while (true) {
        while (i < text.size() && text[i].isSpace())
            ++i;
        if (i == text.size())
            return words;
        if (words.size() == most)
            return std::nullopt;
        qsizetype end = i;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        words.append(text.sliced(i, end - i));
        i = end;
    }
}

// "northing easting [elevation]"; none when that is not what the text
// holds. The elevation is dropped unread: 2D alignments may write it as
// anything.
std::optional<Coordinates> coordinatesIn(QStringView text)
{
    const auto words = wordsIn(text, 3);
    if (!words || words->size() < 2)
        return std::nullopt;
    const std::optional<double> north = finiteNumber((*words)[0]);
    const std::optional<double> east = finiteNumber((*words)[1]);
    if (!north || !east)
        return std::nullopt;
    return Coordinates{*north, *east};
}

template <typename Kind>
struct NamedKind
{
    const char16_t* name;
    Kind kind;
};

constexpr NamedKind<GeometryElement::Kind> kGeometryKinds[] = {
    {u"Line", GeometryElement::Line},
    {u"Curve", GeometryElement::Curve},
    {u"Spiral", GeometryElement::Spiral},
};
constexpr NamedKind<ProfilePoint::Kind> kProfileKinds[] = {
    {u"PVI", ProfilePoint::Pvi},
    {u"ParaCurve", ProfilePoint::Parabola},
    {u"CircCurve", ProfilePoint::Circle},
};

template <typename Kind, std::size_t N>
std::optional<Kind> kindNamed(const NamedKind<Kind> (&kinds)[N], QStringView name)
{
    for (const NamedKind<Kind>& k : kinds)
        if (name == QStringView(k.name))
            return k.kind;
    return std::nullopt;
}

void note(QString& problem, const QString& text)
{
    if (problem.isEmpty())
        problem = text;
}

class DocumentReader
{
    Q_DECLARE_TR_FUNCTIONS(landxml)

public:
    explicit DocumentReader(QIODevice& device) : xml_(&device) {}

    bool read(Document& document, QString& failure);

private:
    // Calls `handle` on every child element, which must consume it.
    template <typename Handle>
    void forEachChild(Handle handle)
    {
        while (xml_.readNextStartElement()) {
            if (depth_ >= kMaxDepth) {
                xml_.raiseError(tr("The elements are nested too deeply."));
                return;
            }
            ++depth_;
            handle(xml_.name());
            --depth_;
        }
    }
    void skip()
    {
        forEachChild([this](QStringView) { skip(); });
    }
    QString attribute(const char* name) const
    {
        return xml_.attributes().value(QLatin1StringView(name)).toString();
    }
    // Text content; an element inside it is an XML error.
    QString text() { return xml_.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement); }

    void readContainer();
    void readUnits();
    void readCgPoint();
    void readAlignment();
    void readCoordGeom(Alignment& alignment);
    void readGeometry(Alignment& alignment, GeometryElement::Kind kind);
    void readPoint(GeometryElement& element, qsizetype index, PointField field);
    void readProfile(Alignment& alignment);
    void readProfAlign(Alignment& alignment);
    void readProfilePoint(Alignment& alignment, ProfilePoint::Kind kind);
    void resolvePointReferences();

    // The number in an attribute; none when the attribute is absent, and a
    // problem noted when it is there but holds no finite number.
    std::optional<double> number(const char* name, QString& problem) const;
    // A spiral's end radius: "INF" (and 0, which no curve can have) is a
    // straight end, returned as infinity.
    std::optional<double> spiralRadius(const char* name, QString& problem) const;
    Rotation rotation(QString& problem) const;

    QXmlStreamReader xml_;
    int depth_ = 0;
    Document document_;
    bool unitsSeen_ = false;
    QHash<QString, Coordinates> cgPoints_;
    QList<PointReference> references_;
};

bool DocumentReader::read(Document& document, QString& failure)
{
    if (xml_.readNextStartElement()) {
        if (xml_.name() == u"LandXML")
            readContainer();
        else
            xml_.raiseError(tr("This is no LandXML file: its root element is <%1>.")
                                .arg(xml_.name().toString()));
    }
    // Whatever follows the root must still be well-formed, so that a
    // damaged file is not taken for a complete one.
    while (!xml_.atEnd() && !xml_.hasError())
        xml_.readNext();
    if (xml_.hasError()) {
        failure = tr("The file is no readable LandXML: %1 (line %2, column %3).")
                      .arg(xml_.errorString(), QString::number(xml_.lineNumber()),
                           QString::number(xml_.columnNumber()));
        return false;
    }
    if (!unitsSeen_)
        document_.units = unitsOf(u"Metric", {}, {});
    resolvePointReferences();
    document = std::move(document_);
    return true;
}

// Alignments and points may sit at any depth (Alignments, Roadways, …).
void DocumentReader::readContainer()
{
    forEachChild([this](QStringView name) {
        if (name == u"Units" && !unitsSeen_)
            readUnits();
        else if (name == u"CgPoint")
            readCgPoint();
        else if (name == u"Alignment")
            readAlignment();
        else
            readContainer();
    });
}

void DocumentReader::readUnits()
{
    forEachChild([this](QStringView name) {
        if (!unitsSeen_ && (name == u"Metric" || name == u"Imperial")) {
            unitsSeen_ = true;
            // Directions without a unit of their own are angles like others.
            const QString direction = attribute("directionUnit");
            document_.units = unitsOf(name, attribute("linearUnit"),
                                      direction.isEmpty() ? attribute("angularUnit") : direction);
        }
        skip();
    });
}

void DocumentReader::readCgPoint()
{
    const QString name = attribute("name");
    if (const std::optional<Coordinates> at = coordinatesIn(text()); at && !name.isEmpty())
        cgPoints_.insert(name, *at);
}

void DocumentReader::readAlignment()
{
    Alignment alignment;
    alignment.name = attribute("name");
    alignment.line = xml_.lineNumber();
    alignment.length = number("length", alignment.problem);
    alignment.startStation = number("staStart", alignment.problem).value_or(0.0);
    forEachChild([this, &alignment](QStringView name) {
        if (name == u"CoordGeom") {
            readCoordGeom(alignment);
        } else if (name == u"Profile") {
            readProfile(alignment);
        } else {
            if (name == u"StaEquation")
                ++alignment.stationEquations;
            skip();
        }
    });
    document_.alignments.append(std::move(alignment));
}

void DocumentReader::readCoordGeom(Alignment& alignment)
{
    forEachChild([this, &alignment](QStringView name) {
        if (const auto kind = kindNamed(kGeometryKinds, name)) {
            readGeometry(alignment, *kind);
        } else if (name == u"Feature") {
            skip();
        } else {
            // IrregularLine, Chain or anything newer: the road would have a
            // gap where it stands.
            GeometryElement element;
            element.tag = name.toString();
            element.line = xml_.lineNumber();
            element.problem = tr("the road cannot hold a <%1>.").arg(element.tag);
            alignment.elements.append(std::move(element));
            skip();
        }
    });
}

void DocumentReader::readGeometry(Alignment& alignment, GeometryElement::Kind kind)
{
    GeometryElement element;
    element.kind = kind;
    element.tag = xml_.name().toString();
    element.line = xml_.lineNumber();
    element.length = number("length", element.problem);
    if (kind == GeometryElement::Line) {
        element.direction = number("dir", element.problem);
    } else {
        element.rotation = rotation(element.problem);
        element.direction = number("dirStart", element.problem);
        element.shapeType = attribute(kind == GeometryElement::Curve ? "crvType" : "spiType");
    }
    if (kind == GeometryElement::Curve) {
        element.radius = number("radius", element.problem);
    } else if (kind == GeometryElement::Spiral) {
        element.radiusStart = spiralRadius("radiusStart", element.problem);
        element.radiusEnd = spiralRadius("radiusEnd", element.problem);
        element.constant = number("constant", element.problem);
    }

    const qsizetype index = alignment.elements.size();
    forEachChild([this, &element, index](QStringView name) {
        if (name == u"Start")
            readPoint(element, index, &GeometryElement::start);
        else if (name == u"End")
            readPoint(element, index, &GeometryElement::end);
        else if (name == u"Center")
            readPoint(element, index, &GeometryElement::center);
        else if (name == u"PI")
            readPoint(element, index, &GeometryElement::pi);
        else
            skip();
    });
    alignment.elements.append(std::move(element));
}

void DocumentReader::readPoint(GeometryElement& element, qsizetype index, PointField field)
{
    const QString reference = attribute("pntRef");
    const QString content = text();
    if (content.trimmed().isEmpty() && !reference.isEmpty()) {
        references_.append({document_.alignments.size(), index, field, reference});
        return;
    }
    element.*field = coordinatesIn(content);
    if (!(element.*field))
        note(element.problem, tr("its <%1> \"%2\" is no pair of coordinates.")
                                  .arg(xml_.name().toString(), content.simplified().left(80)));
}

void DocumentReader::readProfile(Alignment& alignment)
{
    forEachChild([this, &alignment](QStringView name) {
        if (name == u"ProfAlign" && alignment.profileCount++ == 0) {
            alignment.profileName = attribute("name");
            readProfAlign(alignment);
        } else {
            skip();
        }
    });
}

void DocumentReader::readProfAlign(Alignment& alignment)
{
    forEachChild([this, &alignment](QStringView name) {
        if (const auto kind = kindNamed(kProfileKinds, name)) {
            readProfilePoint(alignment, *kind);
        } else if (name == u"Feature") {
            skip();
        } else {
            // UnsymParaCurve and the like: our vertical curves are symmetric
            // parabolas.
            ProfilePoint point;
            point.line = xml_.lineNumber();
            point.problem = tr("the profile cannot hold a <%1>.").arg(name.toString());
            alignment.profile.append(std::move(point));
            skip();
        }
    });
}

void DocumentReader::readProfilePoint(Alignment& alignment, ProfilePoint::Kind kind)
{
    ProfilePoint point;
    point.kind = kind;
    point.line = xml_.lineNumber();
    const QString tag = xml_.name().toString();
    if (kind != ProfilePoint::Pvi)
        point.length = number("length", point.problem);
    if (kind == ProfilePoint::Circle)
        point.radius = number("radius", point.problem);
    const QString content = text();
    const auto words = wordsIn(content, 2);
    const std::optional<double> station =
        words && words->size() == 2 ? finiteNumber((*words)[0]) : std::nullopt;
    const std::optional<double> elevation =
        words && words->size() == 2 ? finiteNumber((*words)[1]) : std::nullopt;
    if (station && elevation) {
        point.station = *station;
        point.elevation = *elevation;
    } else {
        note(point.problem, tr("its <%1> \"%2\" is no station and elevation.")
                                .arg(tag, content.simplified().left(80)));
    }
    alignment.profile.append(std::move(point));
}

void DocumentReader::resolvePointReferences()
{
    for (const PointReference& reference : references_) {
        GeometryElement& element =
            document_.alignments[reference.alignment].elements[reference.element];
        const auto found = cgPoints_.constFind(reference.name);
        if (found != cgPoints_.constEnd())
            element.*reference.field = *found;
        else
            note(element.problem, tr("it refers to the point \"%1\", which the file does not hold.")
                                      .arg(reference.name));
    }
}

std::optional<double> DocumentReader::number(const char* name, QString& problem) const
{
    const QXmlStreamAttributes attributes = xml_.attributes();
    const QLatin1StringView key(name);
    const QStringView value = attributes.value(key);
    if (value.isNull())
        return std::nullopt;  // absent (or empty, which says as little)
    const std::optional<double> parsed = finiteNumber(value.trimmed());
    if (!parsed)
        note(problem, tr("its %1 \"%2\" is not a number.").arg(key, value.left(80)));
    return parsed;
}

std::optional<double> DocumentReader::spiralRadius(const char* name, QString& problem) const
{
    const QXmlStreamAttributes attributes = xml_.attributes();
    if (attributes.value(QLatin1StringView(name)).trimmed().startsWith(u"INF", Qt::CaseInsensitive))
        return std::numeric_limits<double>::infinity();
    const std::optional<double> radius = number(name, problem);
    if (radius && *radius == 0.0)
        return std::numeric_limits<double>::infinity();
    return radius ? std::optional<double>(std::fabs(*radius)) : std::nullopt;
}

Rotation DocumentReader::rotation(QString& problem) const
{
    const QString rot = attribute("rot").trimmed();
    if (rot.isEmpty())
        return Rotation::Unknown;
    if (rot.compare(QLatin1StringView("cw"), Qt::CaseInsensitive) == 0)
        return Rotation::Clockwise;
    if (rot.compare(QLatin1StringView("ccw"), Qt::CaseInsensitive) == 0)
        return Rotation::CounterClockwise;
    note(problem, tr("its rot \"%1\" is neither cw nor ccw.").arg(rot.left(80)));
    return Rotation::Unknown;
}

}  // namespace

bool readDocument(QIODevice& device, Document& document, QString& failure)
{
    return DocumentReader(device).read(document, failure);
}

bool readFile(const QString& path, Document& document, QString& failure)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        failure = info.exists() ? tr("\"%1\" is no file.").arg(path)
                                : tr("The file \"%1\" does not exist.").arg(path);
        return false;
    }
    if (info.size() > kMaxFileSize) {
        failure = tr("The file \"%1\" is too large for an alignment file (%2 MB).")
                      .arg(path, QString::number(info.size() / (1024 * 1024)));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        failure = tr("The file \"%1\" cannot be opened: %2").arg(path, file.errorString());
        return false;
    }
    return readDocument(file, document, failure);
}

}  // namespace landxml
