#include "importrun.h"

#include "idataimporter.h"
#include "iimportchoice.h"
#include "iimportreport.h"

#include <QInputDialog>

ImportOutcome runImport(IDataImporter* importer, RoadSet* road, const QString& file,
                        QWidget* parent)
{
    ImportOutcome outcome;
    // Every importer is the QObject of its plug-in; its optional interfaces
    // are found by their identifiers, as the plug-in system finds the main one.
    auto* plugin = dynamic_cast<QObject*>(importer);
    auto* choice = qobject_cast<IImportChoice*>(plugin);
    if (choice) {
        choice->setChooser([&](const QString& question, const QStringList& options) {
            bool ok = false;
            const QString taken =
                QInputDialog::getItem(parent, importer->name(), question, options, 0, false, &ok);
            outcome.cancelled = !ok;
            return ok ? int(options.indexOf(taken)) : -1;
        });
    }
    outcome.imported = importer->import(road, &file);
    if (choice)
        choice->setChooser({});
    if (const auto* report = qobject_cast<IImportReport*>(plugin))
        outcome.report = report->lastMessage();
    return outcome;
}
