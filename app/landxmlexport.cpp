#include "landxmlexport.h"

#include "globals.h"
#include "landxmlwriter.h"
#include "messages.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace {

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(LandXmlExport)
};

}  // namespace

void exportRoadAsLandXml(QWidget* parent)
{
    if (theRoad.NumberOfHorizon() < 2) {
        messages::warning(parent, Text::tr("warning"),
                          Text::tr("There is no alignment to export."));
        return;
    }
    const QFileInfo roadFile(QString::fromLocal8Bit(theRoad.FilePath()));
    const QString start = roadFile.fileName().isEmpty() ? QString()
                                                        : roadFile.absolutePath() + u'/' +
                                                              roadFile.completeBaseName() + ".xml";
    const QString path = QFileDialog::getSaveFileName(parent, Text::tr("Export LandXML"), start,
                                                      Text::tr("LandXML (*.xml)"));
    if (path.isEmpty())
        return;
    const QString name =
        (roadFile.fileName().isEmpty() ? QFileInfo(path) : roadFile).completeBaseName();
    QString failure;
    if (landxml::exportLandXml(theRoad, name, path, failure))
        messages::information(parent, Text::tr("info"),
                              Text::tr("The road was exported to %1.").arg(path));
    else
        messages::critical(parent, Text::tr("Export Failed"), failure);
}
