#include "translators.h"

#include "catalogue.h"

#include <QLibraryInfo>

void installTranslators(QObject* owner, const QString& localeName)
{
    // Qt's catalogues lie beside the program when it was deployed with them,
    // otherwise where Qt keeps them.
    programdirs::installCatalogue(owner, QStringLiteral("qt_"), localeName,
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    programdirs::installCatalogue(owner, QStringLiteral("vantorel_"), localeName);
}
