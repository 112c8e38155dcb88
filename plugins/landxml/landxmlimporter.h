// The importer of LandXML 1.2 alignments ("*.xml"): the horizontal
// elements, their stations and the profile of one alignment of the file,
// chosen by the user when the file holds several.
#ifndef LANDXMLIMPORTER_H
#define LANDXMLIMPORTER_H

#include "idataimporter.h"
#include "iimportchoice.h"
#include "iimportreport.h"

#include <QObject>

class LandXmlImporter : public QObject,
                        public IDataImporter,
                        public IImportReport,
                        public IImportChoice
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IDataImporter_iid FILE "landxmlimporter.json")
    Q_INTERFACES(IDataImporter IImportReport IImportChoice)

public:
    LandXmlImporter();

    QString name() const override;
    int category() const override;
    int type() const override;
    QString description() const override;
    QString fileFilters() const override;
    bool import(RoadSet* road, const QString* fileName) override;

    QString lastMessage() const override;
    void setChooser(Chooser chooser) override;

private:
    QString message_;
    Chooser chooser_;
};

#endif  // LANDXMLIMPORTER_H
