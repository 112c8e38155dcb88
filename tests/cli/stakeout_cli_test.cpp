// vantorel-stakeout as a script meets it: the example road's stake file as
// the Export dialog wrote it, and the exit statuses and messages of what
// goes wrong, with no partial file left behind.
#include "../namedpipe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "roadset.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <array>
#include <cmath>
#include <csignal>

namespace {

const QString kRoad = VANTOREL_EXAMPLES "/example-road.rod";

struct Outcome
{
    int status;
    QByteArray out;
    QByteArray err;
};

// Runs the tool; `limitFileSize` lets it write no more than 4 kB to any
// file, as a full disk would.
Outcome stakeout(const QStringList& arguments, bool limitFileSize = false)
{
    QProcess process;
    if (limitFileSize) {
        process.setChildProcessModifier([] {
            std::signal(SIGXFSZ, SIG_IGN);
            rlimit limit{};
            ::getrlimit(RLIMIT_FSIZE, &limit);
            limit.rlim_cur = 4096;
            ::setrlimit(RLIMIT_FSIZE, &limit);
        });
    }
    process.start(VANTOREL_STAKEOUT, arguments);
    if (!process.waitForFinished(60000))
        return {-1, {}, "did not finish"};
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(StakeoutTool, WritesTheExampleRoadAsTheExportDialogDid)
{
    const QByteArray forward = readFile(VANTOREL_TEST_DATA "/stakeout/forward-20.csv");
    ASSERT_FALSE(forward.isEmpty());
    // The road's own ends by default, to standard output.
    const Outcome all = stakeout({kRoad});
    EXPECT_EQ(all.status, 0) << all.err.constData();
    EXPECT_EQ(all.out, forward);

    QTemporaryDir dir;
    const QString file = dir.filePath("right.csv");
    const Outcome right = stakeout({kRoad, "--start", "K4+120", "--end", "0", "--offsets", "7.5",
                                    "--integral", "--key-points", "-o", file});
    EXPECT_EQ(right.status, 0) << right.err.constData();
    EXPECT_TRUE(right.out.isEmpty());
    EXPECT_EQ(readFile(file),
              readFile(VANTOREL_TEST_DATA "/stakeout/backward-prime-integral-right.csv"));
}

TEST(StakeoutTool, SaysWhatWentWrongAndExitsWithItsStatus)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.rod");
    const QString badSurvey = dir.filePath("bad.csv");
    QFile bad(badSurvey);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("1,3381250,502340,150\n2,3381251,502341\n");
    bad.close();
    const NamedPipe pipe(dir.filePath("pipe.csv").toStdString());  // never replaced by a file
    ASSERT_TRUE(pipe.created());
    const struct
    {
        QStringList arguments;
        int status;
        QByteArray message;
    } cases[] = {
        {{kRoad, "--interval", "2O"}, 1, "--interval: \"2O\""},
        {{kRoad, "--offsets", "-7.5,0,7,5m"}, 1, "--offsets: \"5m\""},
        {{kRoad, "--format", "gsi"}, 1, "--format: \"gsi\""},
        {{kRoad, "--bogus"}, 1, "Unknown option 'bogus'"},
        {{}, 1, "name one road file"},
        {{missing}, 2, "cannot read the road file \"" + missing.toUtf8() + '"'},
        {{kRoad, "-o", dir.filePath("no/such/stakes.csv")}, 3, "cannot write"},
        {{kRoad, "-o", QString::fromStdString(pipe.path())}, 3, "cannot write"},
        {{kRoad, "--check", badSurvey, "--interval", "5"}, 1, "--interval is for a stake-out"},
        {{kRoad, "--check", badSurvey}, 4, "bad.csv\", line 2: 3 fields"},
        {{kRoad, "--check", missing}, 4, "cannot be read"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = stakeout(c.arguments);
        const QByteArray shown = c.arguments.join(' ').toUtf8();
        EXPECT_EQ(outcome.status, c.status) << shown.constData();
        EXPECT_TRUE(outcome.err.startsWith("vantorel-stakeout: ")) << outcome.err.constData();
        EXPECT_TRUE(outcome.err.contains(c.message)) << outcome.err.constData();
        // Usage only after a mistake in the arguments.
        EXPECT_EQ(outcome.err.contains("Usage:"), c.status == 1) << shown.constData();
        EXPECT_TRUE(outcome.out.isEmpty()) << shown.constData();
    }
    EXPECT_TRUE(pipe.isStillAPipe());
}

// Points beside the example road with known offsets and height errors, and
// two beyond its ends: the check finds each point's station, offset and
// error to the millimetre of its report, and flags the two.
TEST(StakeoutTool, ChecksSurveyedPointsAgainstTheDesign)
{
    RoadSet road;
    ASSERT_TRUE(road.Load(kRoad.toStdString()));
    const double offsets[] = {-12.0, -7.5, -3.2, 0.0, 2.5, 7.5, 11.0};
    QByteArray survey;
    QHash<QByteArray, std::array<double, 3>> known;  // station, offset, error
    for (double station = 0.5; station < 4120.0; station += 7.3) {
        const int i = static_cast<int>(known.size());
        const double offset = offsets[i % 7];
        const double error = (i % 5 - 2) * 0.0173;
        double x = 0, y = 0, height = 0;
        ASSERT_TRUE(road.L2XY(station, offset, &x, &y));
        ASSERT_TRUE(road.CalElevation(station, &height, nullptr));
        height += road.CalDetaH(road.GetSectionByLC(station), offset) + error;
        const QByteArray name = 'P' + QByteArray::number(i);
        survey += name + ',' + QByteArray::number(x, 'f', 6) + ',' + QByteArray::number(y, 'f', 6) +
                  ',' + QByteArray::number(height, 'f', 6) + ",edge\n";
        known[name] = {station, offset, error};
    }
    // 5 m beyond each end on its tangent, 2 m to the right.
    const RoadEntity& first = *road.GetHorizon(1);
    const RoadEntity& last = *road.GetHorizon(road.NumberOfHorizon() - 1);
    const auto beyond = [&survey](const char* name, double x, double y, double azimuth,
                                  double along) {
        x += along * std::cos(azimuth) - 2 * std::sin(azimuth);
        y += along * std::sin(azimuth) + 2 * std::cos(azimuth);
        survey += QByteArray(name) + ',' + QByteArray::number(x, 'f', 6) + ',' +
                  QByteArray::number(y, 'f', 6) + ",150,\n";
    };
    beyond("start", first.x1, first.y1, first.angle1, -5);
    beyond("end", last.x2, last.y2, last.angle2, 5);
    QTemporaryDir dir;
    const QString surveyFile = dir.filePath("survey.csv");
    QFile file(surveyFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(survey) == survey.size());
    file.close();

    const Outcome check = stakeout({kRoad, "--check", surveyFile});
    EXPECT_EQ(check.status, 0) << check.err.constData();
    QList<QByteArray> report = check.out.split('\n');
    EXPECT_EQ(report.takeFirst(),
              "name,station,offset,measured height,design height,difference,cut/fill,beyond end");
    EXPECT_EQ(report.takeLast(), "");
    ASSERT_EQ(report.size(), known.size() + 2);
    const double end = last.l1 + last.length;
    EXPECT_EQ(report[report.size() - 2], "start,-5.000,2.000,150.000,,,,start");
    EXPECT_EQ(report.back(),
              "end," + QByteArray::number(end + 5, 'f', 3) + ",2.000,150.000,,,,end");
    for (const QByteArray& row : report.mid(0, known.size())) {
        const QList<QByteArray> f = row.split(',');
        ASSERT_EQ(f.size(), 8) << row.constData();
        const std::array<double, 3> k = known.value(f[0]);
        EXPECT_NEAR(f[1].toDouble(), k[0], 0.001) << row.constData();
        EXPECT_NEAR(f[2].toDouble(), k[1], 0.001) << row.constData();
        EXPECT_NEAR(f[5].toDouble(), k[2], 0.001) << row.constData();
        EXPECT_EQ(f[6], k[2] > 0 ? "cut" : k[2] < 0 ? "fill" : "") << row.constData();
        EXPECT_EQ(f[7], "") << row.constData();
    }
}

TEST(StakeoutTool, FailedWriteLeavesTheEarlierFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("stakes.csv");
    ASSERT_EQ(stakeout({kRoad, "--end", "40", "-o", file}).status, 0);
    const QByteArray earlier = readFile(file);
    const Outcome outcome = stakeout({kRoad, "--interval", "1", "-o", file}, true);
    EXPECT_EQ(outcome.status, 3) << outcome.err.constData();
    EXPECT_EQ(readFile(file), earlier);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
