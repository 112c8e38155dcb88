// Drives the horizontal alignment dialog the way a user does: double clicks
// open a cell's editor, keys type into it, Enter commits; buttons are clicked.
#ifndef VANTOREL_TESTS_HORIZONDIALOGDRIVER_H
#define VANTOREL_TESTS_HORIZONDIALOGDRIVER_H

#include "dialogtest.h"
#include "editors/horizondialog.h"
#include "editors/myitemmodel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>

// Picks an item of a box with the keyboard: Home, then Down.
inline void chooseWithKeys(QComboBox* box, int item)
{
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < item; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

// Clicks a cell, opens its editor with the edit key, replaces its text (or,
// in a type box, picks the item with that text) and commits it with Enter.
// False when no editor opened or it stayed open.
inline bool typeIntoCell(QAbstractItemView* view, const QModelIndex& index, const QString& text)
{
    view->scrollTo(index);
    // A click on the current cell would also start editing, after a delay.
    if (view->currentIndex() != index)
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    QTest::keyClick(view, Qt::Key_F2);
    QWidget* editor = view->indexWidget(index);
    if (!editor)
        return false;
    if (auto* box = qobject_cast<QComboBox*>(editor)) {
        chooseWithKeys(box, box->findText(text));
    } else {
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClicks(editor, text);
    }
    QTest::keyClick(editor, Qt::Key_Enter);
    // The delegate commits after the editor has seen the key.
    QCoreApplication::processEvents();
    return !view->indexWidget(index);
}

// Replaces the text of a field as typed.
inline void click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Named parts of one dialog.
class HorizonDialogParts
{
public:
    explicit HorizonDialogParts(HorizonDialog* dialog) : dialog_(dialog) {}

    template <typename T = QWidget>
    T* get(const char* name) const
    {
        return dialog_->findChild<T*>(name);
    }
    QAbstractButton* button(const char* name) const { return get<QAbstractButton>(name); }
    QLineEdit* field(const char* name) const { return get<QLineEdit>(name); }
    QTableWidget* crossTable() const { return get<QTableWidget>("crossTable"); }
    QComboBox* kindBox() const { return get<QComboBox>("comboBox"); }
    QTableView* elementView() const { return get<QTableView>("tableView"); }
    MyItemModel* elements() const { return qobject_cast<MyItemModel*>(elementView()->model()); }
    QTabWidget* tabs() const { return get<QTabWidget>("tabWidget"); }

    void showElementTab() const { tabs()->setCurrentIndex(1); }

    bool typeElement(int row, int column, const QString& text) const
    {
        return typeIntoCell(elementView(), elements()->index(row, column), text);
    }
    bool typeCross(int row, int column, const QString& text) const
    {
        QTableWidget* table = crossTable();
        return typeIntoCell(table, table->model()->index(row, column), text);
    }
    // Selects a PI row by clicking its "X" cell.
    void selectCross(int row) const
    {
        QTableWidget* table = crossTable();
        const QModelIndex index = table->model()->index(row, HorizonDialog::XColumn);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
    }
    void selectElement(int row, int column = MyItemModel::ElementColumn) const
    {
        QTableView* view = elementView();
        const QModelIndex index = elements()->index(row, column);
        view->scrollTo(index);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
    // Chooses a curve kind in the box with the arrow keys.
    void chooseKind(int kind) const { chooseWithKeys(kindBox(), kind); }
    int crossKind(int row) const
    {
        return crossTable()
            ->item(row, HorizonDialog::XColumn)
            ->data(HorizonDialog::KindRole)
            .toInt();
    }
    double crossValue(int row, int role) const
    {
        return crossTable()->item(row, HorizonDialog::XColumn)->data(role).toDouble();
    }

private:
    HorizonDialog* dialog_;
};

#endif  // VANTOREL_TESTS_HORIZONDIALOGDRIVER_H
