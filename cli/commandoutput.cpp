#include "commandoutput.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

bool writeToStandardOutput(const std::string& text)
{
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

}  // namespace

ExitStatus fail(ExitStatus status, const QString& message)
{
    const QString line = QCoreApplication::applicationName() + ": " + message + '\n';
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return status;
}

bool loadRoad(const StakeoutOptions& options, RoadSet& road)
{
    if (road.Load(QFile::encodeName(options.roadPath).toStdString()))
        return true;
    fail(RoadUnreadable, QString("cannot read the road file \"%1\"").arg(options.roadPath));
    return false;
}

ExitStatus writeOutput(const StakeoutOptions& options, const std::string& text,
                       bool (*writeFile)(const std::string& path, std::string_view text))
{
    if (options.outputPath.isEmpty()) {
        if (!writeToStandardOutput(text))
            return fail(OutputNotWritable, "cannot write to standard output");
    } else if (!writeFile(QFile::encodeName(options.outputPath).toStdString(), text)) {
        return fail(
            OutputNotWritable,
            QString("cannot write \"%1\"; a file there is left as it was").arg(options.outputPath));
    }
    return Done;
}
