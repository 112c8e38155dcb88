// The interface of an importer plug-in: a library that the program finds at
// run time in the "importers" directory beside itself and that reads another
// system's data into the road. Shared by the program and every importer.
#ifndef VANTOREL_IDATAIMPORTER_H
#define VANTOREL_IDATAIMPORTER_H

#include <QString>
#include <QtPlugin>

class RoadSet;

class IDataImporter
{
public:
    virtual ~IDataImporter() = default;

    // Menu entry; the program also keeps the importer under this name.
    virtual QString name() const = 0;
    virtual int category() const = 0;
    // Kind of data delivered: 0 = intersection points.
    virtual int type() const = 0;
    virtual QString description() const = 0;
    // File-dialog filter for the importer's files.
    virtual QString fileFilters() const = 0;
    // Reads *fileName into road; false when the file could not be imported.
    virtual bool import(RoadSet* road, const QString* fileName) = 0;
};

// Host and plug-ins must agree on this string to the letter: an importer
// built for another version of the interface is not cast to this one.
#define IDataImporter_iid "org.vantorel.Plugin.IDataImporter/1.1"
Q_DECLARE_INTERFACE(IDataImporter, IDataImporter_iid)

#endif  // VANTOREL_IDATAIMPORTER_H
