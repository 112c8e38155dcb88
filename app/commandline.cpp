#include "commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

QString roadOnCommandLine(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QCoreApplication::translate("main",
                                    "Road stake-out design: alignment, profile, "
                                    "cross-sections and stake-out files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("road"),
                                 QCoreApplication::translate("main", "The road file to open."),
                                 QStringLiteral("[road.rod]"));
    parser.process(arguments);
    const QString road = parser.positionalArguments().value(0);
    return road.isEmpty() ? road : QFileInfo(road).absoluteFilePath();
}
