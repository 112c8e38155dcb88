#include "importerloader.h"

#include "idataimporter.h"

#include <QDir>
#include <QPluginLoader>

QList<IDataImporter*> loadImporters(const QString& directory)
{
    QList<IDataImporter*> importers;
    const QDir dir(directory);
    if (!dir.exists())
        return importers;
    const QStringList files = dir.entryList(QDir::Files, QDir::Unsorted);
    for (const QString& file : files) {
        QPluginLoader loader(dir.absoluteFilePath(file));
        if (auto* importer = qobject_cast<IDataImporter*>(loader.instance()))
            importers.append(importer);
    }
    return importers;
}
