#include "myitemdelegate.h"

#include "myitemmodel.h"
#include "roadset.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>

#include <algorithm>
#include <cmath>

namespace {

// Smallest changes that count as a newly typed start point or azimuth.
constexpr double kCoordinateChange = 0.0001;
constexpr double kAzimuthChange = 1e-6;
constexpr int kEditorDecimals = 6;

const int kEditorTypes[] = {MyItemModel::LineType, MyItemModel::ArcType, MyItemModel::SpiralType};

void setChecked(QAbstractItemModel* model, const QModelIndex& index, bool checked)
{
    model->setData(index, checked ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
}

}  // namespace

MyItemDelegate::MyItemDelegate(QObject* parent, QMenu* menu) : QItemDelegate(parent), menu_(menu) {}

bool MyItemDelegate::eventFilter(QObject* object, QEvent* event)
{
    if (object == parent()) {
        if (event->type() != QEvent::ContextMenu || !menu_)
            return false;
        menu_->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    // The view's own keys and focus changes are no editor's business: the
    // base class would commit and close the view itself as if it were one.
    return QItemDelegate::eventFilter(object, event);
}

QWidget* MyItemDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                      const QModelIndex& index) const
{
    if (index.column() != MyItemModel::ElementColumn)
        return new QLineEdit(parent);
    auto* types = new QComboBox(parent);
    for (int type : kEditorTypes)
        types->addItem(MyItemModel::typeName(type));
    types->installEventFilter(const_cast<MyItemDelegate*>(this));
    return types;
}

void MyItemDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    if (auto* types = qobject_cast<QComboBox*>(editor)) {
        types->setCurrentIndex(std::max(0, types->findText(text)));
        return;
    }
    if (auto* field = qobject_cast<QLineEdit*>(editor)) {
        field->setText(text.isEmpty() ? QString()
                                      : QString::number(index.data(Qt::UserRole).toDouble(), 'f',
                                                        kEditorDecimals));
    }
}

void MyItemDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                  const QModelIndex& index) const
{
    if (auto* types = qobject_cast<QComboBox*>(editor)) {
        model->setData(index, types->currentText(), Qt::DisplayRole);
        return;
    }
    auto* field = qobject_cast<QLineEdit*>(editor);
    if (!field)
        return;
    const QString typed = field->text();
    const double v = typed.toDouble();
    const double previous = index.data(Qt::UserRole).toDouble();
    const int column = index.column();
    QString display;
    if (column == MyItemModel::NorthColumn || column == MyItemModel::EastColumn) {
        display =
            typed.isEmpty() ? QString() : QString::number(v, 'f', MyItemModel::kNumberDecimals);
        // Both coordinates act on the one box of "North": the start point is
        // the element's own once both are typed.
        const QModelIndex box = index.siblingAtColumn(MyItemModel::NorthColumn);
        const QModelIndex other =
            index.siblingAtColumn(column == MyItemModel::NorthColumn ? MyItemModel::EastColumn
                                                                     : MyItemModel::NorthColumn);
        if (typed.isEmpty())
            setChecked(model, box, false);
        else if (std::fabs(v - previous) >= kCoordinateChange)
            setChecked(model, box, !other.data(Qt::DisplayRole).toString().isEmpty());
    } else if (column == MyItemModel::StartAzimuthColumn) {
        display = typed.isEmpty() ? QString() : QString::number(v, 'f', kEditorDecimals);
        if (typed.isEmpty())
            setChecked(model, index, false);
        else if (std::fabs(v - previous) >= kAzimuthChange)
            setChecked(model, index, true);
    } else {
        if (column == MyItemModel::LengthColumn) {
            // The library's rule for the length of any element, asked of a line.
            RoadEntity element;
            const int code = element.set(MyItemModel::LineType, 0, 0, 0, 0, 0, v, 0);
            if (code != 0) {
                emit lengthRefused(code);
                return;
            }
        }
        // An emptied radius reads 0: an infinite radius.
        display = QString::number(v, 'f', MyItemModel::kNumberDecimals);
    }
    model->setData(index, v, Qt::UserRole);
    model->setData(index, display, Qt::DisplayRole);
}

void MyItemDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                          const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}
