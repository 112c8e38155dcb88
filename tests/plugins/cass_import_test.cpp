#include "importers.h"
#include "roadset.h"

#include <QDir>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kTolerance = 1e-6;

class CassImport : public ::testing::Test
{
protected:
    void SetUp() override
    {
        importer = findImporter(QStringLiteral("Cass Data"));
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

    // A road that already holds an alignment of its own: three intersection
    // points and a start point.
    void giveRoadAnAlignment()
    {
        CrossEntity point;
        for (int i = 0; i < 3; ++i) {
            point.x = 10.0 * i;
            road.InsertCross(point);
        }
        road.InsertHorizonPoint(1, 2, 3);
    }

    void expectAlignmentKept(int crossCount) const
    {
        EXPECT_EQ(road.NumberOfCross(), crossCount);
        ASSERT_EQ(road.NumberOfHorizon(), 1);
        EXPECT_EQ(road.GetHorizon(0)->x1, 1);
        EXPECT_EQ(road.GetHorizon(0)->y1, 2);
        EXPECT_EQ(road.GetHorizon(0)->l1, 3);
    }

    IDataImporter* importer = nullptr;
    QTemporaryDir dir;
    RoadSet road;
};

// The imported points chained as a polyline: a start point at the first
// point with station 0, then one line per leg, each from its point to the
// next, with every point's station the running length.
void expectPolylineThroughPoints(const RoadSet& road)
{
    const int n = road.NumberOfCross();
    ASSERT_GE(n, 1);
    ASSERT_EQ(road.NumberOfHorizon(), n);
    const RoadEntity* start = road.GetHorizon(0);
    EXPECT_EQ(start->type, 0);
    EXPECT_EQ(start->x1, road.GetCross(0)->x);
    EXPECT_EQ(start->y1, road.GetCross(0)->y);
    EXPECT_EQ(start->l1, 0.0);
    EXPECT_EQ(road.GetCross(0)->l, 0.0);

    double station = 0.0;
    for (int i = 1; i < n; ++i) {
        const CrossEntity* from = road.GetCross(i - 1);
        const CrossEntity* to = road.GetCross(i);
        const RoadEntity* line = road.GetHorizon(i);
        EXPECT_EQ(line->type, 1) << "element " << i;
        EXPECT_NEAR(line->x1, from->x, kTolerance) << "element " << i;
        EXPECT_NEAR(line->y1, from->y, kTolerance) << "element " << i;
        EXPECT_NEAR(line->x2, to->x, kTolerance) << "element " << i;
        EXPECT_NEAR(line->y2, to->y, kTolerance) << "element " << i;
        EXPECT_NEAR(line->l1, station, kTolerance) << "element " << i;
        EXPECT_NEAR(line->length, std::hypot(to->x - from->x, to->y - from->y), kTolerance);
        station += line->length;
        EXPECT_NEAR(to->l, station, kTolerance) << "point " << i;
    }
}

TEST_F(CassImport, ThirdFieldIsYAndFourthIsX)
{
    ASSERT_TRUE(importText("K1,,100.0,200.0,0\nK2,JD,150.0,260.0,1.5\nK3,,180,250,2\n"));
    ASSERT_EQ(road.NumberOfCross(), 3);
    EXPECT_EQ(road.GetCross(0)->x, 200.0);
    EXPECT_EQ(road.GetCross(0)->y, 100.0);
    EXPECT_EQ(road.GetCross(1)->x, 260.0);
    EXPECT_EQ(road.GetCross(1)->y, 150.0);
    EXPECT_EQ(road.GetCross(2)->radius, 0.0);
    expectPolylineThroughPoints(road);
    EXPECT_TRUE(road.IsModified());
}

TEST_F(CassImport, BlanksAroundFieldsAndLinesAreAccepted)
{
    ASSERT_TRUE(importText("  K1 , , 100.0 ,\t200.0\t, 0  \n\tK2,JD, 150 ,260, 1.5 \t\n"));
    ASSERT_EQ(road.NumberOfCross(), 2);
    EXPECT_EQ(road.GetCross(0)->x, 200.0);
    EXPECT_EQ(road.GetCross(0)->y, 100.0);
    EXPECT_EQ(road.GetCross(1)->x, 260.0);
    EXPECT_EQ(road.GetCross(1)->y, 150.0);
}

TEST_F(CassImport, NumbersAreReadInCNotationWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const bool imported = importText("P1,,500123.456,3380012.5,12.3\nP2,,5.001e5,+3380100,-1.5\n");
    QLocale::setDefault(previous);
    ASSERT_TRUE(imported);
    EXPECT_EQ(road.GetCross(0)->x, 3380012.5);
    EXPECT_EQ(road.GetCross(0)->y, 500123.456);
    EXPECT_EQ(road.GetCross(1)->x, 3380100.0);
    EXPECT_EQ(road.GetCross(1)->y, 500100.0);
}

TEST_F(CassImport, NamesInAnyEightBitEncodingAreSkipped)
{
    // "交点1" in GB18030, then a file that starts with a UTF-8 byte order mark.
    ASSERT_TRUE(
        importText("\xbd\xbb\xb5\xe3"
                   "1,,500000,3380000,40\n\xbd\xbb\xb5\xe3"
                   "2,,500300,3380400,41\n"));
    EXPECT_EQ(road.GetCross(1)->x, 3380400.0);
    ASSERT_TRUE(
        importText("\xef\xbb\xbf"
                   "JD1,,500000,3380000,40\nJD2,,500300,3380400,41\n"));
    EXPECT_EQ(road.GetCross(0)->y, 500000.0);
}

TEST_F(CassImport, LineBreakAfterTheLastLineChangesNothing)
{
    const QByteArray lines = "A,,500000,3380000,40\nB,,500300,3380400,41\nC,,500500,3380900,42";
    ASSERT_TRUE(importText(lines));
    const RoadSet without = road;
    for (const QByteArray& text :
         {lines + "\n", QByteArray(lines).replace("\n", "\r\n") + "\r\n"}) {
        ASSERT_TRUE(importText(text));
        ASSERT_EQ(road.NumberOfCross(), without.NumberOfCross());
        ASSERT_EQ(road.NumberOfHorizon(), without.NumberOfHorizon());
        for (int i = 0; i < road.NumberOfCross(); ++i) {
            EXPECT_EQ(road.GetCross(i)->x, without.GetCross(i)->x);
            EXPECT_EQ(road.GetCross(i)->y, without.GetCross(i)->y);
            EXPECT_EQ(road.GetCross(i)->l, without.GetCross(i)->l);
        }
    }
}

TEST_F(CassImport, ThreeCollinearPointsGiveTwoLinesOfTheWholeLength)
{
    ASSERT_TRUE(importText("A,,0,0,0\nB,,30,40,0\nC,,60,80,0\n"));
    expectPolylineThroughPoints(road);
    ASSERT_EQ(road.NumberOfHorizon(), 3);
    EXPECT_NEAR(road.GetHorizon(1)->length + road.GetHorizon(2)->length, 100.0, kTolerance);
    EXPECT_NEAR(road.GetCross(2)->l, 100.0, kTolerance);
}

TEST_F(CassImport, OneOrTwoPointsGiveAStartPointAndAtMostOneLine)
{
    ASSERT_TRUE(importText("A,,500000,3380000,40\n"));
    expectPolylineThroughPoints(road);
    EXPECT_EQ(road.NumberOfHorizon(), 1);

    ASSERT_TRUE(importText("A,,500000,3380000,40\nB,,500300,3380400,41\n"));
    expectPolylineThroughPoints(road);
    EXPECT_EQ(road.NumberOfHorizon(), 2);
    EXPECT_NEAR(road.GetCross(1)->l, 500.0, kTolerance);
}

TEST_F(CassImport, RealisticTraverseOfTwoHundredPoints)
{
    ASSERT_TRUE(importFile(QStringLiteral(VANTOREL_CASS_DATA "/traverse-200.dat")));
    ASSERT_EQ(road.NumberOfCross(), 200);
    EXPECT_EQ(road.GetCross(0)->x, 3380512.347);
    EXPECT_EQ(road.GetCross(0)->y, 500218.906);
    EXPECT_EQ(road.GetCross(199)->x, 3372450.930);
    EXPECT_EQ(road.GetCross(199)->y, 479102.472);
    expectPolylineThroughPoints(road);
    EXPECT_NEAR(road.GetCross(199)->l, 49323.473, 0.001);
}

TEST_F(CassImport, ExampleTraversesImportCleanly)
{
    const QDir examples(QStringLiteral(VANTOREL_EXAMPLES));
    const QStringList files = examples.entryList({QStringLiteral("*.dat")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    for (const QString& file : files) {
        EXPECT_TRUE(importFile(examples.absoluteFilePath(file))) << file.toStdString();
        expectPolylineThroughPoints(road);
    }
}

TEST_F(CassImport, OnlyTheHorizontalAlignmentIsReplaced)
{
    giveRoadAnAlignment();
    road.InsertVertical(VerticalEntity());
    RoadTemplate kerb;
    kerb.name = "kerb";
    road.AddTemplate(kerb);
    ASSERT_TRUE(importText("A,,500000,3380000,40\nB,,500300,3380400,41\n"));
    EXPECT_EQ(road.NumberOfCross(), 2);
    EXPECT_EQ(road.GetCross(0)->x, 3380000.0);
    EXPECT_EQ(road.NumberOfVertical(), 1);
    EXPECT_EQ(road.NumberOfTemplates(), 1);
}

TEST_F(CassImport, UnopenableFileLeavesTheRoadAlone)
{
    giveRoadAnAlignment();
    EXPECT_FALSE(importFile(dir.filePath(QStringLiteral("missing.dat"))));
    expectAlignmentKept(3);
    EXPECT_FALSE(importFile(dir.path()));
    expectAlignmentKept(3);
    EXPECT_FALSE(importer->import(&road, nullptr));
    expectAlignmentKept(3);
}

TEST_F(CassImport, EmptyFileFailsAndDropsThePoints)
{
    giveRoadAnAlignment();
    EXPECT_FALSE(importText(""));
    expectAlignmentKept(0);
    EXPECT_FALSE(road.IsModified());
}

// A file whose third line is bad fails with the first two points in the road
// and its element chain as it was.
class CassRejectedLine : public CassImport, public ::testing::WithParamInterface<const char*>
{};

TEST_P(CassRejectedLine, FailsKeepingThePointsBefore)
{
    giveRoadAnAlignment();
    const QByteArray text = QByteArray("A,,500000,3380000,40\nB,,500300,3380400,41\n") +
                            GetParam() + "\nD,,500500,3380900,42\n";
    EXPECT_FALSE(importText(text));
    expectAlignmentKept(2);
    EXPECT_EQ(road.GetCross(1)->x, 3380400.0);
}

INSTANTIATE_TEST_SUITE_P(CassImport, CassRejectedLine,
                         ::testing::Values("C,,500400,3380600", "C,,500400,3380600,40,",
                                           "C,,500400,3380600,40,x", "C,,500400,3380600,abc",
                                           "C,,500400,3380600,", "C,,5OO4OO,3380600,40",
                                           "C,,500400,3380600m,40", "C,,500400,3380600.5.1,40",
                                           "C,,500400,,40", "C,,500400,5,3380600,40",
                                           "C,,inf,3380600,40", "C,,500400,nan,40",
                                           "C,,500400,3380600,-inf", "", " \t "));

}  // namespace
