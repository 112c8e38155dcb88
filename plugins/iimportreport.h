// An optional second interface of an importer plug-in: what the last import
// has to tell the user. The host asks for it with qobject_cast after an
// import and shows the text in its message box; importers without it are
// reported as before.
#ifndef VANTOREL_IIMPORTREPORT_H
#define VANTOREL_IIMPORTREPORT_H

#include <QString>
#include <QtPlugin>

class IImportReport
{
public:
    virtual ~IImportReport() = default;

    // Why the last import failed, or what a successful one left out; empty
    // when there is nothing to say.
    virtual QString lastMessage() const = 0;
};

#define IImportReport_iid "org.vantorel.Plugin.IImportReport/1.0"
Q_DECLARE_INTERFACE(IImportReport, IImportReport_iid)

#endif  // VANTOREL_IIMPORTREPORT_H
