#include "landxmlwriter.h"

#include "landxmltext.h"
#include "planegeometry.h"
#include "roadset.h"

#include <QDateTime>
#include <QSaveFile>
#include <QXmlStreamWriter>

#include <charconv>

namespace landxml {

namespace {

enum ElementType { LineType = 1, ArcType = 2, SpiralType = 3 };

constexpr const char* kNamespace = "http://www.landxml.org/schema/LandXML-1.2";
constexpr const char* kSchemaLocation =
    "http://www.landxml.org/schema/LandXML-1.2 "
    "http://www.landxml.org/schema/LandXML-1.2/LandXML-1.2.xsd";

// Writes into a QString, which QXmlStreamWriter appends to directly; a
// device would take thousands of small writes.
class Writer
{
    Q_DECLARE_TR_FUNCTIONS(landxml)

public:
    explicit Writer(QString& text) : xml_(&text)
    {
        xml_.setAutoFormatting(true);
        xml_.setAutoFormattingIndent(-1);  // one tab per level
    }

    bool write(const RoadSet& road, const QString& name, QString& failure);

private:
    // The shortest fixed-point text that reads back as the same double.
    QString number(double v)
    {
        if (!std::isfinite(v)) {
            finite_ = false;
            return QStringLiteral("0");
        }
        char buffer[400];
        const auto result =
            std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
        return QString::fromLatin1(buffer, result.ptr - buffer);
    }
    QString radius(double curvature) { return curvature > 0.0 ? number(1.0 / curvature) : "INF"; }
    void point(const char* tag, Point p)
    {
        xml_.writeTextElement(QLatin1StringView(tag), number(p.x) + u' ' + number(p.y));
    }

    void header();
    void element(const RoadEntity& e);
    void profile(const RoadSet& road, const QString& name);

    QXmlStreamWriter xml_;
    bool finite_ = true;
};

bool Writer::write(const RoadSet& road, const QString& name, QString& failure)
{
    std::vector<const RoadEntity*> elements;
    double length = 0.0;
    for (int i = 0; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity* e = road.GetHorizon(i);
        if (e->type >= LineType && e->type <= SpiralType) {
            elements.push_back(e);
            length += e->length;
        }
    }
    if (elements.empty()) {
        failure = tr("The road has no alignment to export.");
        return false;
    }

    header();
    xml_.writeStartElement("Alignments");
    xml_.writeStartElement("Alignment");
    xml_.writeAttribute("name", name);
    xml_.writeAttribute("length", number(length));
    xml_.writeAttribute("staStart", number(elements.front()->l1));
    xml_.writeStartElement("CoordGeom");
    for (const RoadEntity* e : elements)
        element(*e);
    xml_.writeEndElement();
    profile(road, name);
    xml_.writeEndDocument();

    if (!finite_) {
        failure = tr("The road holds a value that is no number.");
        return false;
    }
    return true;
}

void Writer::header()
{
    const QDateTime now = QDateTime::currentDateTime();
    xml_.writeStartElement("LandXML");
    xml_.writeAttribute("xmlns", QLatin1StringView(kNamespace));
    xml_.writeAttribute("xmlns:xsi",
                        QLatin1StringView("http://www.w3.org/2001/XMLSchema-instance"));
    xml_.writeAttribute("xsi:schemaLocation", QLatin1StringView(kSchemaLocation));
    xml_.writeAttribute("version", "1.2");
    xml_.writeAttribute("date", now.toString(QStringLiteral("yyyy-MM-dd")));
    xml_.writeAttribute("time", now.toString(QStringLiteral("HH:mm:ss")));

    xml_.writeStartElement("Units");
    xml_.writeEmptyElement("Metric");
    xml_.writeAttribute("areaUnit", "squareMeter");
    xml_.writeAttribute("linearUnit", "meter");
    xml_.writeAttribute("volumeUnit", "cubicMeter");
    xml_.writeAttribute("temperatureUnit", "celsius");
    xml_.writeAttribute("pressureUnit", "HPA");
    xml_.writeAttribute("angularUnit", "radians");
    xml_.writeAttribute("directionUnit", "radians");
    xml_.writeEndElement();

    xml_.writeEmptyElement("Application");
    xml_.writeAttribute("name", "Vantorel");
    xml_.writeAttribute("version", VANTOREL_VERSION);
}

void Writer::element(const RoadEntity& e)
{
    const Point start{e.x1, e.y1};
    const Point end{e.x2, e.y2};
    const QString rot = e.pz == 1 ? QStringLiteral("cw") : QStringLiteral("ccw");
    const std::optional<Point> pi = tangentsMeet(start, e.angle1, end, e.angle2);
    switch (e.type) {
    case LineType:
        xml_.writeStartElement("Line");
        xml_.writeAttribute("length", number(e.length));
        point("Start", start);
        point("End", end);
        break;
    case ArcType:
        xml_.writeStartElement("Curve");
        xml_.writeAttribute("rot", rot);
        xml_.writeAttribute("radius", number(e.radius));
        xml_.writeAttribute("length", number(e.length));
        xml_.writeAttribute("crvType", "arc");
        point("Start", start);
        point("Center", pointAt(start, e.angle1 + (e.pz == 1 ? kHalfPi : -kHalfPi), e.radius));
        point("End", end);
        if (pi)
            point("PI", *pi);
        break;
    default:
        xml_.writeStartElement("Spiral");
        xml_.writeAttribute("length", number(e.length));
        xml_.writeAttribute("radiusStart", radius(e.rou1));
        xml_.writeAttribute("radiusEnd", radius(e.rou2));
        xml_.writeAttribute("rot", rot);
        xml_.writeAttribute("spiType", "clothoid");
        point("Start", start);
        if (pi)
            point("PI", *pi);
        point("End", end);
        break;
    }
    xml_.writeEndElement();
}

// The grade points as PVIs; one with a vertical curve becomes the symmetric
// parabola of length R·|g2 − g1| between its grades.
void Writer::profile(const RoadSet& road, const QString& name)
{
    const int n = road.NumberOfVertical();
    if (n < 2)
        return;
    const auto grade = [&road](int from) {
        const VerticalEntity* a = road.GetVertical(from);
        const VerticalEntity* b = road.GetVertical(from + 1);
        return (b->height - a->height) / (b->mile - a->mile);
    };
    xml_.writeStartElement("Profile");
    xml_.writeStartElement("ProfAlign");
    xml_.writeAttribute("name", name);
    for (int i = 0; i < n; ++i) {
        const VerticalEntity* v = road.GetVertical(i);
        const double curveLength =
            i > 0 && i + 1 < n ? v->radius * std::fabs(grade(i) - grade(i - 1)) : 0.0;
        if (curveLength > 0.0) {
            xml_.writeStartElement("ParaCurve");
            xml_.writeAttribute("length", number(curveLength));
        } else {
            xml_.writeStartElement("PVI");
        }
        xml_.writeCharacters(number(v->mile) + u' ' + number(v->height));
        xml_.writeEndElement();
    }
    xml_.writeEndElement();
    xml_.writeEndElement();
}

}  // namespace

bool writeLandXml(const RoadSet& road, const QString& name, QByteArray& bytes, QString& failure)
{
    // A writer on a string leaves the encoding out of the declaration.
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n");
    if (!Writer(text).write(road, name, failure))
        return false;
    bytes = text.toUtf8();
    return true;
}

bool exportLandXml(const RoadSet& road, const QString& name, const QString& path, QString& failure)
{
    // Written in memory first: a road that cannot be written never touches
    // the file.
    QByteArray bytes;
    if (!writeLandXml(road, name, bytes, failure))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        failure = tr("\"%1\" cannot be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

}  // namespace landxml
