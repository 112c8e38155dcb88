#ifndef VANTOREL_EDITORS_MYITEM_H
#define VANTOREL_EDITORS_MYITEM_H

#include <QStandardItem>

// One cell of the element table: the number it stands for in Qt::UserRole
// and, as its display text, that number formatted for reading. A cell the
// user emptied keeps the value 0 with an empty text.
class MyItem : public QStandardItem
{
public:
    MyItem();
    ~MyItem() override;

    virtual void setValue(double v, int decimals);
    virtual double value() const;
};

#endif  // VANTOREL_EDITORS_MYITEM_H
