// The LandXML reader on arbitrary bytes. Whatever alignment imports must
// also export, and read back as the same chain and profile.
#include "landxmlimport.h"
#include "landxmlreader.h"
#include "landxmlwriter.h"
#include "roadset.h"

#include <QBuffer>

#include <cmath>
#include <cstdint>

namespace {

// Roads a surveyor could stake: within 10,000 km of the origin, elements of
// at most 1,000 km turning less than a full circle. Beyond these, the
// 17 significant digits of a written coordinate may move a re-read element
// by more than the millimetre the reader allows, which is no fault.
bool isSurveyable(const RoadSet& road)
{
    for (int i = 1; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        const double turn = 0.5 * (e.rou1 + e.rou2) * e.length;
        for (double v : {e.x1, e.y1, e.x2, e.y2})
            if (!(std::fabs(v) < 1e7))
                return false;
        if (!(e.length < 1e6 && turn < 6.0))
            return false;
    }
    return true;
}

bool importAlignment(const QByteArray& bytes, qsizetype index, RoadSet& road)
{
    QBuffer input;
    input.setData(bytes);
    input.open(QIODevice::ReadOnly);
    landxml::Document document;
    QString message;
    return landxml::readDocument(input, document, message) &&
           landxml::importAlignment(document, index, road, message);
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-3 * (1.0 + std::fabs(b) * 1e-9);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer input;
    input.setData(bytes);
    input.open(QIODevice::ReadOnly);
    landxml::Document document;
    QString message;
    if (!landxml::readDocument(input, document, message))
        return 0;
    landxml::alignmentChoices(document);

    for (qsizetype i = 0; i < document.alignments.size(); ++i) {
        RoadSet road;
        if (!landxml::importAlignment(document, i, road, message))
            continue;
        QByteArray written;
        if (!landxml::writeLandXml(road, "fuzz", written, message))
            __builtin_trap();
        if (!isSurveyable(road))
            continue;
        RoadSet reread;
        if (!importAlignment(written, 0, reread) ||
            reread.NumberOfHorizon() != road.NumberOfHorizon() ||
            reread.NumberOfVertical() != road.NumberOfVertical())
            __builtin_trap();
        for (int e = 1; e < road.NumberOfHorizon(); ++e) {
            const RoadEntity& a = *road.GetHorizon(e);
            const RoadEntity& b = *reread.GetHorizon(e);
            if (a.type != b.type || !near(a.x2, b.x2) || !near(a.y2, b.y2) || !near(a.l1, b.l1))
                __builtin_trap();
        }
    }
    return 0;
}
