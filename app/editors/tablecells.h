// What the editors' tables share: numbers shown with three decimals, and the
// grey of cells that read as blank or are locked.
#ifndef VANTOREL_EDITORS_TABLECELLS_H
#define VANTOREL_EDITORS_TABLECELLS_H

#include <QColor>

class QTableWidgetItem;

namespace tablecells {

// RGB (232, 232, 232).
QColor grey();

// A cell showing value in fixed notation.
QTableWidgetItem* numberItem(double value, int decimals = 3);

// Grey text on grey, so that the cell reads as blank; or an ordinary cell,
// black on white.
void setBlankLook(QTableWidgetItem* item, bool blank = true);

}  // namespace tablecells

#endif  // VANTOREL_EDITORS_TABLECELLS_H
