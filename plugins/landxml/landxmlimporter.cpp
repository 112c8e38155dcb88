#include "landxmlimporter.h"

#include "catalogue.h"
#include "landxmlimport.h"
#include "landxmlreader.h"

LandXmlImporter::LandXmlImporter()
{
    programdirs::installCatalogue(this, QStringLiteral("LandXmlImporter_"));
}

QString LandXmlImporter::name() const
{
    return tr("LandXML");
}

int LandXmlImporter::category() const
{
    return 0;
}

int LandXmlImporter::type() const
{
    return 1;  // elements
}

QString LandXmlImporter::description() const
{
    return tr("LandXML 1.2 alignment importer");
}

QString LandXmlImporter::fileFilters() const
{
    return tr("LandXML (*.xml)");
}

bool LandXmlImporter::import(RoadSet* road, const QString* fileName)
{
    message_.clear();
    if (road == nullptr || fileName == nullptr)
        return false;
    landxml::Document document;
    if (!landxml::readFile(*fileName, document, message_))
        return false;
    if (document.alignments.isEmpty()) {
        message_ = tr("The file holds no alignment.");
        return false;
    }
    qsizetype index = 0;
    if (document.alignments.size() > 1 && chooser_) {
        index = chooser_(tr("The file holds %n alignments. Which one is to be imported?", nullptr,
                            int(document.alignments.size())),
                         landxml::alignmentChoices(document));
        if (index < 0) {
            message_ = tr("No alignment was chosen.");
            return false;
        }
    }
    return landxml::importAlignment(document, index, *road, message_);
}

QString LandXmlImporter::lastMessage() const
{
    return message_;
}

void LandXmlImporter::setChooser(Chooser chooser)
{
    chooser_ = std::move(chooser);
}
