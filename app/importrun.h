// One import through an importer plug-in, with what its optional
// interfaces add: a list to choose from when the file holds several data
// sets, and the importer's own words on what failed or was left out.
#ifndef VANTOREL_IMPORTRUN_H
#define VANTOREL_IMPORTRUN_H

#include <QString>

class IDataImporter;
class QWidget;
class RoadSet;

struct ImportOutcome
{
    bool imported = false;
    bool cancelled = false;  // the user cancelled the choice
    QString report;          // the importer's message, if it gives one
};

// Imports `file` into `road`. A choice is asked in a list box parented to
// `parent`, titled with the importer's name, the first entry preselected.
ImportOutcome runImport(IDataImporter* importer, RoadSet* road, const QString& file,
                        QWidget* parent);

#endif  // VANTOREL_IMPORTRUN_H
