#include "tablecells.h"

#include <QTableWidgetItem>

namespace tablecells {

QColor grey()
{
    return QColor(232, 232, 232);
}

QTableWidgetItem* numberItem(double value, int decimals)
{
    return new QTableWidgetItem(QString::number(value, 'f', decimals));
}

void setBlankLook(QTableWidgetItem* item, bool blank)
{
    item->setBackground(blank ? grey() : QColor(Qt::white));
    item->setForeground(blank ? grey() : QColor(Qt::black));
}

}  // namespace tablecells
