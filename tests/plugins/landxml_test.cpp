// The LandXML importer as the program gets it — loaded from "importers"
// through QPluginLoader — on the published reference files, on one alignment
// written the many ways found in the wild, on broken files; and the writer,
// whose files must read back as the road that was written.
#include "../calc/roadbuilder.h"
#include "idataimporter.h"
#include "iimportchoice.h"
#include "iimportreport.h"
#include "landxmlwriter.h"
#include "roadset.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

constexpr double kMillimetre = 0.001;
constexpr double kRoundTrip = 1e-6;
constexpr double kFoot = 1200.0 / 3937.0;  // the US survey foot

QString dataFile(const char* name)
{
    return QStringLiteral(VANTOREL_LANDXML_DATA "/") + QLatin1StringView(name);
}

// What a file itself says of its alignments, read with the XML reader
// alone: each element's <End> and each PVI as "a b" pairs, in file order.
struct FileAlignment
{
    QList<std::pair<double, double>> ends;
    QList<std::pair<double, double>> pvis;
};

std::pair<double, double> pairIn(const QString& text)
{
    const QStringList values = text.simplified().split(' ');
    return {values.value(0).toDouble(), values.value(1).toDouble()};
}

QList<FileAlignment> readAsWritten(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QList<FileAlignment> alignments;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QStringView name = xml.name();
        if (name == u"Alignment")
            alignments.append(FileAlignment());
        else if (name == u"End")
            alignments.last().ends.append(pairIn(xml.readElementText()));
        else if (name == u"PVI" || name == u"ParaCurve" || name == u"CircCurve")
            alignments.last().pvis.append(pairIn(xml.readElementText()));
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return alignments;
}

// The text with every match of `pattern` replaced, or only the first.
QByteArray replaced(const QByteArray& text, const char* pattern, const QString& by,
                    bool firstOnly = false)
{
    QString result = QString::fromUtf8(text);
    const QRegularExpression expression(pattern);
    if (!firstOnly)
        return result.replace(expression, by).toUtf8();
    const QRegularExpressionMatch m = expression.match(result);
    return result
        .replace(m.capturedStart(), m.capturedLength(), m.captured(0).replace(expression, by))
        .toUtf8();
}

double angleBetween(double a, double b)
{
    return std::fabs(std::remainder(a - b, 2.0 * M_PI));
}

// Element by element and point by point, derived values included.
void expectSameRoad(const RoadSet& expected, const RoadSet& actual, double tolerance)
{
    ASSERT_EQ(actual.NumberOfHorizon(), expected.NumberOfHorizon());
    for (int i = 0; i < expected.NumberOfHorizon(); ++i) {
        SCOPED_TRACE(i);
        const RoadEntity& e = *expected.GetHorizon(i);
        const RoadEntity& a = *actual.GetHorizon(i);
        EXPECT_EQ(a.type, e.type);
        EXPECT_EQ(a.pz, e.pz);
        for (auto field : {&RoadEntity::x1, &RoadEntity::y1, &RoadEntity::x2, &RoadEntity::y2,
                           &RoadEntity::l1, &RoadEntity::length, &RoadEntity::radius})
            EXPECT_NEAR(a.*field, e.*field, tolerance);
        EXPECT_NEAR(a.rou1, e.rou1, 1e-12);
        EXPECT_NEAR(a.rou2, e.rou2, 1e-12);
        if (i > 0) {
            EXPECT_LE(angleBetween(a.angle1, e.angle1), tolerance);
            EXPECT_LE(angleBetween(a.angle2, e.angle2), tolerance);
        }
    }
    ASSERT_EQ(actual.NumberOfVertical(), expected.NumberOfVertical());
    for (int i = 0; i < expected.NumberOfVertical(); ++i) {
        const VerticalEntity& e = *expected.GetVertical(i);
        const VerticalEntity& a = *actual.GetVertical(i);
        EXPECT_NEAR(a.mile, e.mile, tolerance) << i;
        EXPECT_NEAR(a.height, e.height, tolerance) << i;
        EXPECT_NEAR(a.radius, e.radius, tolerance * (1.0 + e.radius)) << i;
    }
}

// A road with loop spirals and arcs of more than half a circle, a spiral
// between two arcs of different radius, a negative start station and a
// profile; `unit` metres to each of its length units.
RoadSet loopRoad(double unit = 1.0)
{
    const double m = 1.0 / unit;
    RoadSet road = RoadBuilder(3380000.0 * m, 500000.0 * m, 0.7, -250.5 * m)
                       .line(120.0 * m)
                       .spiral(0.0, -50.0 * m, 400.0 * m)
                       .arc(-50.0 * m, 200.0 * m)
                       .spiral(-50.0 * m, 0.0, 150.0 * m)
                       .line(80.0 * m)
                       .spiral(0.0, 150.0 * m, 90.0 * m)
                       .arc(150.0 * m, 60.0 * m)
                       .spiral(150.0 * m, 80.0 * m, 40.0 * m)
                       .arc(80.0 * m, 50.0 * m)
                       .spiral(80.0 * m, 0.0, 60.0 * m)
                       .line(50.0 * m)
                       .build();
    insertGrades(road, {{-250.5 * m, 20.0 * m, 0.0},
                        {300.0 * m, 31.0 * m, 4000.0 * m},
                        {900.0 * m, 25.0 * m, 6000.0 * m},
                        {1300.0 * m, 26.0 * m, 0.0}});
    EXPECT_EQ(road.ApplyVertical(), 0);
    return road;
}

QByteArray landXmlOf(const RoadSet& road)
{
    QByteArray bytes;
    QString failure;
    EXPECT_TRUE(landxml::writeLandXml(road, "loop", bytes, failure)) << failure.toStdString();
    return bytes;
}

class LandXmlImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The plug-in stays loaded for the rest of the process.
        QObject* plugin = QPluginLoader(QCoreApplication::applicationDirPath() +
                                        QStringLiteral("/importers/" LANDXML_FILE_NAME))
                              .instance();
        importer = qobject_cast<IDataImporter*>(plugin);
        report = qobject_cast<IImportReport*>(plugin);
        choice = qobject_cast<IImportChoice*>(plugin);
        ASSERT_TRUE(importer && report && choice);
        ASSERT_TRUE(dir.isValid());
    }
    void TearDown() override { choice->setChooser({}); }

    // Imports alignment `index`, keeping the choices offered.
    bool importFile(const QString& path, int index = 0)
    {
        choice->setChooser([this, index](const QString&, const QStringList& options) {
            offered = options;
            return index;
        });
        return importer->import(&road, &path);
    }
    bool importText(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("alignment.xml"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        file.close();
        return importFile(path);
    }
    std::string message() const { return report->lastMessage().toStdString(); }

    IDataImporter* importer = nullptr;
    IImportReport* report = nullptr;
    IImportChoice* choice = nullptr;
    QTemporaryDir dir;
    RoadSet road;
    QStringList offered;
};

// Every alignment of both files, element by element against the file's own
// <End> coordinates and PVIs; the chains convert to intersection points.
TEST_F(LandXmlImport, EveryAlignmentOfTheReferenceFilesImports)
{
    EXPECT_EQ(importer->type(), 1);  // elements
    EXPECT_EQ(importer->fileFilters(), QStringLiteral("LandXML (*.xml)"));
    for (const char* name : {"Alignment_exchange.xml", "BC003_AL01_alignments.xml"}) {
        const QList<FileAlignment> file = readAsWritten(dataFile(name));
        for (int a = 0; a < file.size(); ++a) {
            SCOPED_TRACE(std::string(name) + " alignment " + std::to_string(a));
            ASSERT_TRUE(importFile(dataFile(name), a)) << message();
            EXPECT_EQ(message(), "");
            ASSERT_EQ(road.NumberOfHorizon(), file[a].ends.size() + 1);
            for (int i = 1; i < road.NumberOfHorizon(); ++i) {
                const RoadEntity& e = *road.GetHorizon(i);
                EXPECT_LT(
                    std::hypot(e.x2 - file[a].ends[i - 1].first, e.y2 - file[a].ends[i - 1].second),
                    kMillimetre)
                    << "element " << i;
                EXPECT_EQ(e.mode, 3);
            }
            ASSERT_EQ(road.NumberOfVertical(), file[a].pvis.size());
            for (int i = 0; i < road.NumberOfVertical(); ++i) {
                EXPECT_DOUBLE_EQ(road.GetVertical(i)->mile, file[a].pvis[i].first);
                EXPECT_DOUBLE_EQ(road.GetVertical(i)->height, file[a].pvis[i].second);
            }
            EXPECT_GE(road.NumberOfCross(), 2);
            EXPECT_TRUE(road.IsModified());
        }
    }
    EXPECT_EQ(offered.size(), 4);
    EXPECT_TRUE(offered[1].startsWith("2. SAN1_XD-B02: 1709.845 m from station K-0+008.250"))
        << offered[1].toStdString();
    EXPECT_NEAR(
        road.GetVertical(1)->radius,
        7.189546895 / std::fabs((3.73813269 - 3.636333429) / (331.330152076 - 297.726937401) -
                                (3.636333429 - 3.710079204) / (297.726937401 - 280.0)),
        1e-6);
}

TEST_F(LandXmlImport, WrittenRoadsReadBackUnchanged)
{
    RoadSet example;
    ASSERT_TRUE(example.Load(VANTOREL_EXAMPLES "/example-road.rod"));
    for (const RoadSet& written : {example, loopRoad()}) {
        const QString path = dir.filePath("written.xml");
        QString failure;
        ASSERT_TRUE(landxml::exportLandXml(written, "written", path, failure))
            << failure.toStdString();
        road = RoadSet();
        ASSERT_TRUE(importFile(path)) << message();
        expectSameRoad(written, road, kRoundTrip);
    }
    // Failures are said, and leave no file behind.
    QString failure;
    EXPECT_FALSE(landxml::exportLandXml(road, "x", dir.filePath("no/such/dir.xml"), failure));
    EXPECT_FALSE(failure.isEmpty());
    EXPECT_FALSE(landxml::exportLandXml(RoadSet(), "x", dir.filePath("empty.xml"), failure));
    EXPECT_EQ(failure.toStdString(), "The road has no alignment to export.");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList("written.xml"));
}

// One alignment written as other programs write it: each variant must give
// the road the plain file gives.
TEST_F(LandXmlImport, AlignmentsImportHoweverTheyAreWritten)
{
    const RoadSet expected = loopRoad();
    const QByteArray plain = landXmlOf(expected);
    int point = 0;
    const std::pair<const char*, std::function<QByteArray(QByteArray)>> variants[] = {
        {"LandXML 1.1, directions in a unit never needed",
         [](QByteArray t) {
             return t.replace("LandXML-1.2", "LandXML-1.1").replace("radians", "gon");
         }},
        {"no namespace", [](QByteArray t) { return replaced(t, " xmlns=\"[^\"]*\"", ""); }},
        {"prefixed elements",
         [](QByteArray t) {
             t = replaced(t, "<(/?)(\\w+)", "<\\1lx:\\2");
             return t.replace("xmlns=", "xmlns:lx=");
         }},
        {"attributes in another order",
         [](QByteArray t) {
             return replaced(t, "<(\\w+) (\\w+=\"[^\"]*\") (\\w+=\"[^\"]*\")", "<\\1 \\3 \\2");
         }},
        {"byte-order mark, CRLF, tabs and an elevation of NaN",
         [](QByteArray t) {
             t = replaced(t, "<(Start|End|Center|PI)>(\\S+) (\\S+)<",
                          "<\\1>\r\n\t\\2\t \\3  NaN\r\n<");
             return "\xef\xbb\xbf" + t.replace("\n", "\r\n");
         }},
        {"points by reference after the alignments",
         [&](QByteArray t) {
             QString text = QString::fromUtf8(t);
             QString points;
             QRegularExpression start("<Start>([^<]*)</Start>");
             for (QRegularExpressionMatch m = start.match(text); m.hasMatch();
                  m = start.match(text)) {
                 const QString name = QString("P%1").arg(++point);
                 points += QString("<CgPoint name=\"%1\">%2</CgPoint>").arg(name, m.captured(1));
                 text.replace(m.capturedStart(), m.capturedLength(),
                              QString("<Start pntRef=\"%1\"/>").arg(name));
             }
             return text
                 .replace("</Alignments>", "</Alignments><CgPoints>" + points + "</CgPoints>")
                 .toUtf8();
         }},
        {"spirals without PI",
         [](QByteArray t) {
             return replaced(t, "(clothoid\">\\s*<Start>[^<]*</Start>)\\s*<PI>[^<]*</PI>", "\\1");
         }},
        {"first line by its direction, no end",
         [&](QByteArray t) {
             const double dir = M_PI / 2.0 - expected.GetHorizon(1)->angle1;
             return replaced(
                 t, "<Line (length=\"[^\"]*\")>(\\s*<Start>[^<]*</Start>)\\s*<End>[^<]*</End>",
                 QString("<Line \\1 dir=\"%1\">\\2").arg(dir, 0, 'g', 17), true);
         }},
        {"zero-length element, station equation, cant",
         [](QByteArray t) {
             t = replaced(t, "(</Line>)", "\\1<Line length=\"0\"/>");
             return t.replace("</CoordGeom>",
                              "</CoordGeom><StaEquation staBack=\"10\" staAhead=\"20\"/>"
                              "<Cant name=\"c\"><CantStation station=\"0\"/></Cant>");
         }},
    };
    for (const auto& [name, variant] : variants) {
        SCOPED_TRACE(name);
        road = RoadSet();
        ASSERT_TRUE(importText(variant(plain))) << message();
        expectSameRoad(expected, road, kRoundTrip);
    }
    EXPECT_TRUE(report->lastMessage().contains("station equation")) << message();  // the last

    // The same road measured in US survey feet and in international feet,
    // which an imperial file without a linear unit is in.
    const std::pair<double, const char*> feet[] = {
        {kFoot, "linearUnit=\"USSurveyFoot\""}, {0.3048, "linearUnit=\"foot\""}, {0.3048, ""}};
    for (const auto& [unit, attribute] : feet) {
        QByteArray text = landXmlOf(loopRoad(unit));
        text.replace("<Metric", "<Imperial").replace("linearUnit=\"meter\"", attribute);
        ASSERT_TRUE(importText(text)) << message();
        expectSameRoad(expected, road, kRoundTrip);
    }
}

// Each broken file fails with its reason and leaves the road as it was.
TEST_F(LandXmlImport, BrokenFilesFailWithTheirReasonAndChangeNothing)
{
    const RoadSet before = loopRoad();
    const QByteArray plain = landXmlOf(before);
    const auto with = [&plain](const char* from, const char* to) {
        return QByteArray(plain).replace(from, to);
    };
    // A straight whose length misses the distance between its ends.
    const auto straight = [](const QByteArray& length) {
        return "<LandXML><Units><Metric linearUnit=\"meter\"/></Units><Alignments><Alignment>"
               "<CoordGeom><Line length=\"" +
               length +
               "\"><Start>0 0</Start><End>0 100</End></Line></CoordGeom></Alignment>"
               "</Alignments></LandXML>";
    };
    const std::pair<QByteArray, const char*> files[] = {
        {"this is no XML", "line 1, column 1"},
        {plain.left(plain.size() / 2), "Premature end of document"},
        {"<Road><Version>2</Version></Road>", "no LandXML file"},
        {"<LandXML><Units><Metric linearUnit=\"meter\"/></Units></LandXML>", "no alignment"},
        {replaced(plain, "<End>(\\S+) \\S+</End>", "<End>\\1</End>"), "is no pair of coordinates"},
        {with("<Start>3", "<Start>x3"), "element 1 (<Line> at line"},
        {with("<Line length=\"", "<Line length=\"NaN\" x=\""), "length \"NaN\" is not a number"},
        {with("<Line length=\"", "<Line length=\"INF\" x=\""), "length \"INF\" is not a number"},
        {with("</CoordGeom>", "<IrregularLine/></CoordGeom>"), "cannot hold a <IrregularLine>"},
        {with("clothoid", "bloss"), "spiType \"bloss\" is no clothoid"},
        {with("\"arc\"", "\"chord\""), "crvType \"chord\" is no arc"},
        {with("rot=\"cw\" radius", "rot=\"ccw\" radius"), "m from its <End> in the file"},
        {straight("100.0015"), "ends 0.0015 m from its <End> in the file"},
        {with("ParaCurve", "UnsymParaCurve"), "cannot hold a <UnsymParaCurve>"},
        {with("<PVI>-250", "<PVI>1250"), "does not follow the station"},
        {with("\"meter\"", "\"furlong\""), "linear unit \"furlong\" is unknown"},
        {"<LandXML><Units><Metric directionUnit=\"gon\"/></Units><Alignments><Alignment><CoordGeom>"
         "<Line dir=\"100\" length=\"10\"><Start>0 0</Start></Line></CoordGeom></Alignment>"
         "</Alignments></LandXML>",
         "direction unit \"gon\" is unknown"},
        {"<LandXML>" + QByteArray(50 * 1024 * 1024, 'x'), "line 1"},
        {"<LandXML>" + QByteArray("<a>").repeated(1000), "nested too deeply"},
    };
    ASSERT_TRUE(importText(straight("100.0009"))) << message();  // within a millimetre
    for (const auto& [bytes, reason] : files) {
        SCOPED_TRACE(reason);
        road = before;
        EXPECT_FALSE(importText(bytes));
        EXPECT_NE(report->lastMessage().indexOf(reason), -1) << message();
        expectSameRoad(before, road, 0.0);
    }
    for (const QString& path : {dir.path(), dir.filePath("missing.xml")}) {
        EXPECT_FALSE(importFile(path));
        EXPECT_FALSE(report->lastMessage().isEmpty());
    }
    choice->setChooser([](const QString&, const QStringList&) { return -1; });
    const QString both = dataFile("BC003_AL01_alignments.xml");
    EXPECT_FALSE(importer->import(&road, &both));
    expectSameRoad(before, road, 0.0);
}

}  // namespace
