// vantorel-stakeout as a script meets it: the example road's stake file as
// the Export dialog wrote it, the check of surveyed points, and the exit
// statuses and messages of what goes wrong, with no partial file left behind.
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

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
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
    const QByteArray expected =
        readFile(VANTOREL_TEST_DATA "/stakeout/backward-prime-integral-right.csv");
    EXPECT_EQ(readFile(file), expected);

    // A disk that fills up: the earlier file stays, and no scrap beside it.
    const Outcome full = stakeout({kRoad, "--interval", "1", "-o", file}, true);
    EXPECT_EQ(full.status, 3) << full.err.constData();
    EXPECT_EQ(readFile(file), expected);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

TEST(StakeoutTool, SaysWhatWentWrongAndExitsWithItsStatus)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("missing.rod");
    const QString badSurvey = dir.filePath("bad.csv");
    ASSERT_TRUE(writeFile(badSurvey, "1,3381250,502340,150\n2,3381251,502341\n"));
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

// Points beside the example road with known offsets and height errors: the
// check finds each point's station, offset and error to the millimetre of
// its report.
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
    QTemporaryDir dir;
    const QString surveyFile = dir.filePath("survey.csv");
    ASSERT_TRUE(writeFile(surveyFile, survey));

    const Outcome check = stakeout({kRoad, "--check", surveyFile});
    EXPECT_EQ(check.status, 0) << check.err.constData();
    QList<QByteArray> report = check.out.split('\n');
    EXPECT_EQ(report.takeFirst(),
              "name,station,offset,measured height,design height,difference,cut/fill,beyond end");
    EXPECT_EQ(report.takeLast(), "");
    ASSERT_EQ(report.size(), known.size());
    for (const QByteArray& row : report) {
        const QList<QByteArray> f = row.split(',');
        ASSERT_EQ(f.size(), 8) << row.constData();
        const std::array<double, 3> k = known.value(f[0]);
        EXPECT_NEAR(f[1].toDouble(), k[0], 0.001) << row.constData();
        EXPECT_NEAR(f[2].toDouble(), k[1], 0.001) << row.constData();
        EXPECT_NEAR(f[5].toDouble(), k[2], 0.001) << row.constData();
        EXPECT_EQ(f[6], k[2] > 0 ? "cut" : k[2] < 0 ? "fill" : "") << row.constData();
    }
}

}  // namespace
