// Finding importers the way the program does, and writing files for them.
#ifndef VANTOREL_TESTS_IMPORTERS_H
#define VANTOREL_TESTS_IMPORTERS_H

#include "idataimporter.h"

#include <QByteArray>
#include <QString>

// The directory "importers" beside the running executable.
QString importersDirectory();

// The importer called name among the plug-ins of importersDirectory(), or
// nullptr. The plug-in stays loaded for the rest of the process.
IDataImporter* findImporter(const QString& name);

// Writes bytes to path exactly as given; false when it cannot.
bool writeFile(const QString& path, const QByteArray& bytes);

#endif  // VANTOREL_TESTS_IMPORTERS_H
