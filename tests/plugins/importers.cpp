#include "importers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPluginLoader>

QString importersDirectory()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/importers");
}

IDataImporter* findImporter(const QString& name)
{
    const QDir dir(importersDirectory());
    for (const QString& file : dir.entryList(QDir::Files)) {
        QPluginLoader loader(dir.absoluteFilePath(file));
        auto* importer = qobject_cast<IDataImporter*>(loader.instance());
        if (importer != nullptr && importer->name() == name) {
            return importer;
        }
    }
    return nullptr;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
