// Obrinex: the importer of CASS coordinate data files (".dat"). Every line
// "name,code,Y,X,height" is one intersection point without a curve; the
// points, in file order, become a polyline alignment.
#ifndef OBRINEX_H
#define OBRINEX_H

#include "idataimporter.h"

#include <QObject>

class Obrinex : public QObject, public IDataImporter
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID IDataImporter_iid FILE "obrinex.json")
    Q_INTERFACES(IDataImporter)

public:
    Obrinex();

    QString name() const override;
    int category() const override;
    int type() const override;
    QString description() const override;
    QString fileFilters() const override;
    bool import(RoadSet* road, const QString* fileName) override;

protected:
    // Appends the point of one line to the road; false when the line is not
    // a point.
    bool parseLine(RoadSet* road, const QString& line) const;
};

#endif  // OBRINEX_H
