#include "importers.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QPluginLoader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString obrinexPath()
{
    return QDir(importersDirectory()).absoluteFilePath(QStringLiteral(OBRINEX_FILE_NAME));
}

TEST(ImporterLoading, CassImporterIsFoundInImportersBesideTheProgram)
{
    const IDataImporter* importer = findImporter(QStringLiteral("Cass Data"));
    ASSERT_NE(importer, nullptr) << "no CASS importer in " << importersDirectory().toStdString();
    EXPECT_EQ(importer->category(), 0);
    EXPECT_EQ(importer->type(), 0);
    EXPECT_EQ(importer->description(), QStringLiteral("CASS Data ( *.dat ) Importer"));
    // The program appends ";;All Files( *.* )" and hands the text to the file dialog.
    EXPECT_EQ(importer->fileFilters(), QStringLiteral("CASS Data Format( *.dat )"));
}

TEST(ImporterLoading, PluginDeclaresTheInterfaceIdentifier)
{
    QPluginLoader loader(obrinexPath());
    EXPECT_EQ(loader.metaData().value(QStringLiteral("IID")).toString(),
              QStringLiteral(IDataImporter_iid));
    QObject* instance = loader.instance();
    ASSERT_NE(instance, nullptr) << loader.errorString().toStdString();
    EXPECT_STREQ(instance->metaObject()->className(), "Obrinex");

    auto* importer = qobject_cast<IDataImporter*>(instance);
    ASSERT_NE(importer, nullptr);
    EXPECT_EQ(instance->qt_metacast("IDataImporter"), importer);
    EXPECT_EQ(instance->qt_metacast(IDataImporter_iid), importer);
    EXPECT_EQ(instance->qt_metacast("org.vantorel.Plugin.IDataImporter/1.0"), nullptr);
}

TEST(ImporterLoading, FilesThatAreNoPluginsAreRefusedCleanly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString text = dir.filePath(QStringLiteral("libnotes.so"));
    ASSERT_TRUE(writeFile(text, "JD1,,500000.000,3380000.000,12.000\n"));
    // A plug-in cut short by an interrupted copy: little more than its ELF header.
    QFile plugin(obrinexPath());
    ASSERT_TRUE(plugin.open(QIODevice::ReadOnly));
    const QString truncated = dir.filePath(QStringLiteral("libtruncated.so"));
    ASSERT_TRUE(writeFile(truncated, plugin.read(256)));

    const QString refused[] = {text, truncated, QStringLiteral(TRAZEL_LIBRARY),
                               dir.filePath(QStringLiteral("libmissing.so"))};
    for (const QString& path : refused) {
        QPluginLoader loader(path);
        EXPECT_EQ(loader.instance(), nullptr) << path.toStdString();
        EXPECT_FALSE(loader.isLoaded()) << path.toStdString();
        EXPECT_FALSE(loader.errorString().isEmpty()) << path.toStdString();
    }
}

}  // namespace
