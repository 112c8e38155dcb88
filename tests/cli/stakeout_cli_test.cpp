// vantorel-stakeout as a script meets it: the example road's stake file as
// the Export dialog wrote it, and the exit statuses and messages of what
// goes wrong, with no partial file left behind.
#include "../namedpipe.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/resource.h>

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
