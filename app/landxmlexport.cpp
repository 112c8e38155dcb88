#include "landxmlexport.h"

#include "globals.h"
#include "landxmlwriter.h"
#include "messages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

struct LandXmlExport
{
    Q_DECLARE_TR_FUNCTIONS(LandXmlExport)
};

}  // namespace

void exportRoadAsLandXml(QWidget* parent)
{
    if (theRoad.NumberOfHorizon() < 2) {
        messages::warning(parent, LandXmlExport::tr("warning"),
                          LandXmlExport::tr("There is no alignment to export."));
        return;
    }
    const QFileInfo roadFile(QString::fromLocal8Bit(theRoad.FilePath()));
    const QString start = roadFile.fileName().isEmpty() ? QString()
                                                        : roadFile.absolutePath() + u'/' +
                                                              roadFile.completeBaseName() + ".xml";
    const QString path = QFileDialog::getSaveFileName(parent, LandXmlExport::tr("Export LandXML"),
                                                      start, LandXmlExport::tr("LandXML (*.xml)"));
    if (path.isEmpty())
        return;
    const QString name =
        (roadFile.fileName().isEmpty() ? QFileInfo(path) : roadFile).completeBaseName();
    QString failure;
    if (landxml::exportLandXml(theRoad, name, path, failure))
        messages::information(parent, LandXmlExport::tr("info"),
                              LandXmlExport::tr("The road was exported to %1.").arg(path));
    else
        messages::critical(parent, LandXmlExport::tr("Export Failed"), failure);
}
