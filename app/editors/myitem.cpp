#include "myitem.h"

#include "vantorellog.h"

MyItem::MyItem()
{
    setData(0, Qt::UserRole);
}

MyItem::~MyItem()
{
    qCDebug(lcVantorel) << "Deleting MyItem";
}

void MyItem::setValue(double v, int decimals)
{
    setData(v, Qt::UserRole);
    setData(QString::number(v, 'f', decimals), Qt::DisplayRole);
}

double MyItem::value() const
{
    return data(Qt::UserRole).toDouble();
}
