#ifndef VANTOREL_IMPORTERLOADER_H
#define VANTOREL_IMPORTERLOADER_H

#include <QList>
#include <QString>

class IDataImporter;

// The importer plug-ins in `directory`, in the order the directory lists
// them. Files that are no importer plug-ins are skipped; a missing directory
// gives none. The plug-in libraries stay loaded for the rest of the run.
QList<IDataImporter*> loadImporters(const QString& directory);

#endif  // VANTOREL_IMPORTERLOADER_H
