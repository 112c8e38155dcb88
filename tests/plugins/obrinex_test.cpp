// The CASS importer as the program gets it: loaded from "importers" beside the
// executable through QPluginLoader, never linked, and run on real files.
#include "../namedpipe.h"
#include "idataimporter.h"
#include "roadset.h"
#include "stakeout.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QLocale>
#include <QPluginLoader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTolerance = 1e-6;
const QByteArray kCollinear = "A,,0,0,0\nB,,30,40,0\nC,,60,80,0";
const QByteArray kTwoPoints = "A,,500000,3380000,40\nB,,500300,3380400,41\n";

QString obrinexPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/importers/" OBRINEX_FILE_NAME);
}

// Writes bytes to path exactly as given; false when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

class CassImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // The plug-in stays loaded for the rest of the process.
        importer = qobject_cast<IDataImporter*>(QPluginLoader(obrinexPath()).instance());
        ASSERT_NE(importer, nullptr);
        ASSERT_TRUE(dir.isValid());
    }

    bool importFile(const QString& path) { return importer->import(&road, &path); }

    bool importText(const QByteArray& bytes)
    {
        const QString path = dir.filePath(QStringLiteral("points.dat"));
        EXPECT_TRUE(writeFile(path, bytes));
        return importFile(path);
    }

    // The points chained as a polyline: a start point at the first, one line
    // per leg, and the last point's station the length along them.
    void expectPolylineThroughPoints() const
    {
        const int n = road.NumberOfCross();
        ASSERT_GE(n, 1);
        ASSERT_EQ(road.NumberOfHorizon(), n);
        EXPECT_EQ(road.GetHorizon(0)->x1, road.GetCross(0)->x);
        EXPECT_EQ(road.GetHorizon(0)->y1, road.GetCross(0)->y);
        double length = 0.0;
        for (int i = 1; i < n; ++i) {
            EXPECT_EQ(road.GetHorizon(i)->type, 1) << i;
            length += std::hypot(road.GetCross(i)->x - road.GetCross(i - 1)->x,
                                 road.GetCross(i)->y - road.GetCross(i - 1)->y);
        }
        EXPECT_NEAR(road.GetCross(n - 1)->l, length, kTolerance * n);
    }

    IDataImporter* importer = nullptr;
    QTemporaryDir dir;
    RoadSet road;
};

TEST_F(CassImport, LoadsAsTheVersionedInterfaceForIntersectionPoints)
{
    QPluginLoader loader(obrinexPath());
    EXPECT_EQ(loader.metaData().value(QStringLiteral("IID")).toString(),
              QStringLiteral(IDataImporter_iid));
    // A host built for another version of the interface must not get it.
    EXPECT_EQ(loader.instance()->qt_metacast("org.vantorel.Plugin.IDataImporter/1.0"), nullptr);
    EXPECT_EQ(importer->type(), 0);
    // The program appends ";;All Files( *.* )" and hands the text to the file dialog.
    EXPECT_EQ(importer->fileFilters(), QStringLiteral("CASS Data Format( *.dat )"));
}

// Numbers in C notation whatever the locale; blanks around fields and lines
// and names in any 8-bit encoding are accepted.
TEST_F(CassImport, ThirdFieldIsYAndFourthIsX)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    // A UTF-8 byte order mark, then the name "交点2" in GB18030.
    const bool imported = importText(
        "\xef\xbb\xbfK1,,100.0,200.0,0\n  \xbd\xbb\xb5\xe3"
        "2 ,JD, 5.001e5 ,\t+3380012.5\t, -1.5 \t\n");
    QLocale::setDefault(previous);
    ASSERT_TRUE(imported);
    ASSERT_EQ(road.NumberOfCross(), 2);
    EXPECT_EQ(road.GetCross(0)->x, 200.0);
    EXPECT_EQ(road.GetCross(0)->y, 100.0);
    EXPECT_EQ(road.GetCross(1)->x, 3380012.5);
    EXPECT_EQ(road.GetCross(1)->y, 500100.0);
    expectPolylineThroughPoints();
    EXPECT_TRUE(road.IsModified());
}

// One line per leg, whatever the number of points; a line break after the
// last line, CRLF line ends change nothing. Only the horizontal alignment is
// replaced.
TEST_F(CassImport, PointsGiveAStartPointAndOneLinePerLeg)
{
    road.InsertVertical(VerticalEntity());
    road.AddTemplate(RoadTemplate());
    ASSERT_TRUE(road.AddSection(RoadSection()));
    for (const QByteArray& text :
         {QByteArray("A,,500000,3380000,40\n"), kTwoPoints, kCollinear, kCollinear + "\n"}) {
        ASSERT_TRUE(importText(text)) << text.constData();
        expectPolylineThroughPoints();
    }
    // The examples, then 200 points with CRLF line ends, one after the last line too.
    const QDir examples(QStringLiteral(VANTOREL_EXAMPLES));
    QStringList files;
    for (const QString& file : examples.entryList({QStringLiteral("*.dat")}, QDir::Files))
        files << examples.absoluteFilePath(file);
    for (const QString& file : files << QStringLiteral(VANTOREL_CASS_DATA "/traverse-200.dat")) {
        ASSERT_TRUE(importFile(file)) << file.toStdString();
        expectPolylineThroughPoints();
    }
    EXPECT_EQ(road.NumberOfCross(), 200);
    EXPECT_EQ(road.NumberOfVertical() + road.NumberOfTemplates() + road.NumberOfSections(), 3);
}

// A stake file in the CASS format imports back as its points, in the order
// written, to the millimetre it is written to.
TEST_F(CassImport, StakeFileImportsBackAsItsPoints)
{
    const StakePoint points[] = {{1000, -7.5, 3381000.12345, 502000.56789, 150.1},
                                 {1000, 7.5, 3381002.4, 502015.3, 150.2},
                                 {1020, 0, 3381020.7, 502008.1, 150.3}};
    StakeText file(StakeFormat::CassDat);
    for (const StakePoint& p : points)
        file.add(p);
    ASSERT_TRUE(importText(QByteArray::fromStdString(file.text())));
    ASSERT_EQ(road.NumberOfCross(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(road.GetCross(i)->x, points[i].x, 0.001) << i;
        EXPECT_NEAR(road.GetCross(i)->y, points[i].y, 0.001) << i;
    }
}

// Failures leave the element chain of the road's own three points as it was.
TEST_F(CassImport, UnopenableFileLeavesThePointsAndEmptyFileDropsThem)
{
    ASSERT_TRUE(importText(kCollinear));
    EXPECT_FALSE(importFile(dir.filePath(QStringLiteral("missing.dat"))));
    EXPECT_FALSE(importFile(dir.path()));
    EXPECT_FALSE(importer->import(&road, nullptr));
    const NamedPipe pipe(dir.filePath(QStringLiteral("pipe.dat")).toStdString());
    ASSERT_TRUE(pipe.created());
    bool imported = true;
    EXPECT_TRUE(pipe.returnsWithoutAWriter(
        [&] { imported = importFile(QString::fromStdString(pipe.path())); }));
    EXPECT_FALSE(imported);
    EXPECT_EQ(road.NumberOfCross(), 3);
    EXPECT_FALSE(importText(""));
    EXPECT_EQ(road.NumberOfCross(), 0);
    EXPECT_EQ(road.NumberOfHorizon(), 3);
}

TEST_F(CassImport, RejectedLineFailsKeepingThePointsBeforeAndTheOldChain)
{
    for (const char* line :
         {"C,,500400,3380600", "C,,500400,3380600,40,", "C,,500400,5,3380600,40",
          "C,,500400,3380600,abc", "C,,5OO4OO,3380600,40", "C,,500400,3380600m,40", "C,,500400,,40",
          "C,,inf,3380600,40", "C,,500400,nan,40", "", " \t "}) {
        SCOPED_TRACE(line);
        ASSERT_TRUE(importText(kCollinear));
        EXPECT_FALSE(importText(kTwoPoints + line + "\nD,,500500,3380900,42\n"));
        ASSERT_EQ(road.NumberOfCross(), 2);
        EXPECT_EQ(road.GetCross(1)->x, 3380400.0);
        EXPECT_EQ(road.NumberOfHorizon(), 3);
    }
}

}  // namespace
