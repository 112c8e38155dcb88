// The catalogue of the user's language for the program and for each
// importer: "<prefix><locale>.qm" from the program's translations directory.
#ifndef VANTOREL_CATALOGUE_H
#define VANTOREL_CATALOGUE_H

#include "programdirs.h"

#include <QCoreApplication>
#include <QLocale>
#include <QString>
#include <QTranslator>

namespace programdirs {

// Installs the catalogue, found or not: without one the texts stay in
// English. A catalogue not beside the program is looked for in
// `otherDirectory`, if given. The translator is the owner's child and
// leaves with it.
inline void installCatalogue(QObject* owner, const QString& prefix,
                             const QString& localeName = QLocale::system().name(),
                             const QString& otherDirectory = QString())
{
    auto* translator = new QTranslator(owner);
    const QString name = prefix + localeName;
    if (!translator->load(name, translations()) && !otherDirectory.isEmpty())
        static_cast<void>(translator->load(name, otherDirectory));
    QCoreApplication::installTranslator(translator);
}

}  // namespace programdirs

#endif  // VANTOREL_CATALOGUE_H
