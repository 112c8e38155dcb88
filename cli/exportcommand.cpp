#include "exportcommand.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

ExitStatus fail(ExitStatus status, const QString& message)
{
    const QString line = QCoreApplication::applicationName() + ": " + message + '\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return status;
}

bool writeToStandardOutput(const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

// Start and End as asked, the road's own ends where not.
StakeOutRun runOn(const RoadSet& road, const StakeoutOptions& options)
{
    StakeOutRun run = options.run;
    const int n = road.NumberOfHorizon();
    const RoadEntity* first = road.GetHorizon(1);
    const RoadEntity* last = road.GetHorizon(n - 1);
    run.start = options.start.value_or(first ? first->l1 : 0.0);
    run.end = options.end.value_or(last && n > 1 ? last->l1 + last->length : 0.0);
    return run;
}

}  // namespace

ExitStatus exportStakeOut(const StakeoutOptions& options)
{
    RoadSet road;
    if (!road.Load(QFile::encodeName(options.roadPath).toStdString()))
        return fail(RoadUnreadable,
                    QString("cannot read the road file \"%1\"").arg(options.roadPath));

    const StakeOutRun run = runOn(road, options);
    StakeText text(options.format, options.firstNumber);
    if (stakeOut(road, run, text) != StakeOutStatus::Done) {
        return fail(RoadUnreadable,
                    QString("the road in \"%1\" gives no sound stakes from the start station on")
                        .arg(options.roadPath));
    }

    if (options.outputPath.isEmpty()) {
        if (!writeToStandardOutput(text.text()))
            return fail(OutputNotWritable, "cannot write to standard output");
    } else if (!writeStakeFile(QFile::encodeName(options.outputPath).toStdString(), text.text())) {
        return fail(
            OutputNotWritable,
            QString("cannot write \"%1\"; a file there is left as it was").arg(options.outputPath));
    }
    return Done;
}
