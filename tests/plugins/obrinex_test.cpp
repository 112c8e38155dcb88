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
#include <vector>

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

TEST(ImporterLoading, CassImporterLoadsAsTheVersionedInterface)
{
    QPluginLoader loader(obrinexPath());
    EXPECT_EQ(loader.metaData().value(QStringLiteral("IID")).toString(),
              QStringLiteral(IDataImporter_iid));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    const auto* importer = qobject_cast<IDataImporter*>(instance);
    ASSERT_NE(importer, nullptr);
    // A host built for another version of the interface must not get it.
    EXPECT_EQ(instance->qt_metacast("org.vantorel.Plugin.IDataImporter/1.0"), nullptr);
    EXPECT_EQ(importer->type(), 0);  // intersection points
    // The program appends ";;All Files( *.* )" and hands the text to the file dialog.
    EXPECT_EQ(importer->fileFilters(), QStringLiteral("CASS Data Format( *.dat )"));
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
// last line changes nothing. Only the horizontal alignment is replaced.
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
    EXPECT_EQ(road.NumberOfVertical() + road.NumberOfTemplates() + road.NumberOfSections(), 3);
}

TEST_F(CassImport, RealisticAndExampleTraversesImportCleanly)
{
    // 200 points with CRLF line ends, one after the last line too.
    ASSERT_TRUE(importFile(QStringLiteral(VANTOREL_CASS_DATA "/traverse-200.dat")));
    ASSERT_EQ(road.NumberOfCross(), 200);
    expectPolylineThroughPoints();

    const QDir examples(QStringLiteral(VANTOREL_EXAMPLES));
    const QStringList files = examples.entryList({QStringLiteral("*.dat")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        EXPECT_TRUE(importFile(examples.absoluteFilePath(file))) << file.toStdString();
        expectPolylineThroughPoints();
    }
}

// The stake-out file in the CASS format, three offsets on the example road's
// curves, imports back as its points (to the millimetre it is written to),
// in the order written.
TEST_F(CassImport, StakeOutFileImportsBackAsItsPoints)
{
    RoadSet example;
    ASSERT_TRUE(example.Load(VANTOREL_EXAMPLES "/example-road.rod"));
    StakeOutRun run;
    run.start = 400;
    run.end = 1300;
    run.offsets = {-7.5, 0, 7.5};
    std::vector<StakePoint> points;
    StakeText file(StakeFormat::CassDat);
    ASSERT_EQ(stakeOut(example, run,
                       [&](const StakePoint& p) {
                           points.push_back(p);
                           file.add(p);
                       }),
              StakeOutStatus::Done);
    ASSERT_TRUE(importText(QByteArray::fromStdString(file.text())));
    ASSERT_EQ(road.NumberOfCross(), static_cast<int>(points.size()));
    for (int i = 0; i < road.NumberOfCross(); ++i) {
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
