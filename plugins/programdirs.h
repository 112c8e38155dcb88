// Where the program's importers and catalogues lie, for the program and for
// every importer: beside the program while it runs from its build tree, and
// where the installation put them, relative to the program, once installed.
// Never the working directory: a program started from a launcher or another
// folder must find them all the same.
#ifndef VANTOREL_PROGRAMDIRS_H
#define VANTOREL_PROGRAMDIRS_H

#include <QCoreApplication>
#include <QDir>
#include <QString>

namespace programdirs {

inline QString find(const QString& besideProgram, const QString& installed)
{
    const QDir programDir(QCoreApplication::applicationDirPath());
    if (programDir.exists(besideProgram))
        return programDir.absoluteFilePath(besideProgram);
    return QDir::cleanPath(programDir.absoluteFilePath(installed));
}

inline QString importers()
{
    return find(QStringLiteral("importers"), QStringLiteral(VANTOREL_INSTALLED_IMPORTERS));
}

inline QString translations()
{
    return find(QStringLiteral("translations"), QStringLiteral(VANTOREL_INSTALLED_TRANSLATIONS));
}

}  // namespace programdirs

#endif  // VANTOREL_PROGRAMDIRS_H
