// What the PI tab says about a curve designed at an intersection point: its
// turn, and why a curve or a whole conversion was refused. The words sit
// under "the %1 intersection point is wrong defined!" as the box's details.
#ifndef VANTOREL_EDITORS_CURVEDESIGNTEXT_H
#define VANTOREL_EDITORS_CURVEDESIGNTEXT_H

#include <QString>

struct ArcFit;
struct CrossDiagnosis;

namespace curvedesigntext {

// A turn in packed DMS with its side, "35.1230000 R" or "L"; no side when
// it does not turn.
QString turnText(double turn);

// Why the conversion stopped, with the points numbered as the user counts.
QString failureReason(const CrossDiagnosis& why);

// Why a curve designed by radius and spirals leaves no room for an arc on
// legs that turn by legTurn.
QString noArcReason(const ArcFit& fit, double spiralIn, double spiralOut, double legTurn);

}  // namespace curvedesigntext

#endif  // VANTOREL_EDITORS_CURVEDESIGNTEXT_H
