#include "curvedesigntext.h"

#include "curvefit.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace curvedesigntext {

namespace {

constexpr int kMetreDecimals = 3;
constexpr int kDmsDecimals = 7;

// Named for the namespace, the context lupdate gives these texts.
QString tr(const char* text)
{
    return QCoreApplication::translate("curvedesigntext", text);
}

QString metres(double v)
{
    return QString::number(v, 'f', kMetreDecimals);
}

QString onAStraight()
{
    return tr(
        "It lies on a straight line with its neighbours: its legs do not turn, so its "
        "curve has nowhere to go.");
}

}  // namespace

QString turnText(double turn)
{
    const QString dms = QString::number(rad2dms(std::fabs(turn)), 'f', kDmsDecimals);
    if (dms == QString::number(0.0, 'f', kDmsDecimals))
        return dms;
    return dms + ' ' + (turn > 0 ? tr("R") : tr("L"));
}

QString failureReason(const CrossDiagnosis& why)
{
    switch (why.reason) {
    case CrossDiagnosis::TangentsOverlap:
        return tr("The tangents of the %1 and the %2 intersection point overlap by %3 m: "
                  "shorten their curves or move the points apart.")
            .arg(std::min(why.point, why.neighbour) + 1)
            .arg(std::max(why.point, why.neighbour) + 1)
            .arg(metres(why.overlap));
    case CrossDiagnosis::CurveMissesItsLegs:
        return tr("Its curve turns by %1 while its legs turn by %2: the curve ends %3 m off the "
                  "outgoing straight.")
            .arg(turnText(why.legTurn < 0 ? -why.curveTurn : why.curveTurn), turnText(why.legTurn),
                 metres(why.misclosure));
    case CrossDiagnosis::CurveNotBuilt:
        return why.elementCode == 3 || why.elementCode == 4
                   ? tr("Its curve cannot be built: arcs and spirals need a radius.")
                   : tr("Its curve cannot be built.");
    case CrossDiagnosis::PointOnStraight:
        return onAStraight();
    case CrossDiagnosis::Converted:
    case CrossDiagnosis::NoPoints:
        break;
    }
    return QString();
}

QString noArcReason(const ArcFit& fit, double spiralIn, double spiralOut, double legTurn)
{
    if (runsStraightOn(legTurn))
        return onAStraight();
    return tr("Its spirals of %1 m and %2 m turn further than its legs, which turn by %3: "
              "spirals of at most %4 m and %5 m leave room for an arc.")
        .arg(metres(spiralIn), metres(spiralOut), turnText(legTurn), metres(fit.spiralInLimit),
             metres(fit.spiralOutLimit));
}

}  // namespace curvedesigntext
