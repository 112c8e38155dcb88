#ifndef VANTOREL_EDITORS_MYITEMDELEGATE_H
#define VANTOREL_EDITORS_MYITEMDELEGATE_H

#include <QItemDelegate>

class QMenu;

// The editors of the element table: a type box for the element column and
// plain fields for the numbers. Typing a start point or start azimuth by
// hand ticks its box, so the element keeps it when the chain is computed.
// A length no element may have is refused. It also opens the table's
// context menu.
class MyItemDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    // parent: the table view; menu: the context menu it opens (not owned).
    MyItemDelegate(QObject* parent, QMenu* menu);

    bool eventFilter(QObject* object, QEvent* event) override;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

signals:
    // A typed length that no element may have (RoadEntity::set's code); the
    // cell keeps its value.
    void lengthRefused(int code) const;

private:
    QMenu* menu_;
};

#endif  // VANTOREL_EDITORS_MYITEMDELEGATE_H
