// The dialog tests' fixture and a user's mouse and keys on buttons and cells.
#ifndef VANTOREL_TESTS_DIALOGTEST_H
#define VANTOREL_TESTS_DIALOGTEST_H

#include "mainwindow.h"
#include "modalanswer.h"
#include "roaddocument.h"
#include "testroad.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

// Each test function gets an empty road, no remembered settings (in the test
// location, never the user's) and a new main window, theMainWindow.
class DialogTest : public QObject
{
    Q_OBJECT

public:
    DialogTest() { QStandardPaths::setTestModeEnabled(true); }

protected:
    std::unique_ptr<MainWindow> window_;

    QUndoStack* history() const { return window_->document()->history(); }

    // The last step is `name`; Undo brings back roadFields `before`, Redo now.
    void checkUndoRedo(const QString& name, const QString& before) const
    {
        const QString after = roadFields(theRoad);
        QCOMPARE(history()->undoText(), name);
        window_->findChild<QAction*>("actionUndo")->trigger();
        QCOMPARE(roadFields(theRoad), before);
        window_->findChild<QAction*>("actionRedo")->trigger();
        QCOMPARE(roadFields(theRoad), after);
        QVERIFY(theRoad.IsModified());
    }

    // The dialog the window's action opened, once shown; null if none.
    template <typename Dialog>
    Dialog* open(const char* action) const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        window_->findChild<QAction*>(action)->trigger();
        const QList<Dialog*> dialogs = window_->findChildren<Dialog*>();
        Dialog* dialog = dialogs.isEmpty() ? nullptr : dialogs.last();
        return dialog && QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
    }

protected slots:
    void init()
    {
        QSettings().clear();
        theRoad.NewRoad();
        window_ = std::make_unique<MainWindow>();
        theMainWindow = window_.get();
    }
    void cleanup()
    {
        window_.reset();
        theMainWindow = nullptr;
    }
};

inline void clickButton(const QWidget* parent, const char* name)
{
    QTest::mouseClick(parent->findChild<QAbstractButton*>(name), Qt::LeftButton);
}

// Retypes a line edit's text; any script but ASCII through the input method.
inline void retype(QLineEdit* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; })) {
        QTest::keyClicks(edit, text);
        return;
    }
    QInputMethodEvent typed;
    typed.setCommitString(text);
    QApplication::sendEvent(edit, &typed);
}

inline void clickCell(QAbstractItemView* view, const QModelIndex& index)
{
    view->scrollTo(index);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
}

// Picks an item of a box with the keyboard: Home, then Down.
inline void chooseWithKeys(QComboBox* box, int item)
{
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < item; ++i)
        QTest::keyClick(box, Qt::Key_Down);
}

// Types Start, End, Interval, Offset, File into the stake export; ticks, format.
inline void fillExport(const QWidget* dialog, const QStringList& fields,
                       const QStringList& ticks = {}, int format = 0)
{
    const char* const edits[] = {"startEdit", "endEdit", "intervalEdit", "offsetEdit", "fileEdit"};
    for (int i = 0; i < fields.size(); ++i)
        retype(dialog->findChild<QLineEdit*>(edits[i]), fields[i]);
    for (const QString& name : ticks) {
        // The box spans its grid cell: its middle may be beyond the label.
        auto* box = dialog->findChild<QCheckBox*>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
    }
    chooseWithKeys(dialog->findChild<QComboBox*>("formatBox"), format);
}

// Edits the cell with F2, its text replaced (or its item picked) and Enter;
// false when no editor opened or it stayed open.
inline bool typeIntoCell(QAbstractItemView* view, const QModelIndex& index, const QString& text)
{
    // A click on the current cell would also start editing, after a delay.
    if (view->currentIndex() != index)
        clickCell(view, index);
    QTest::keyClick(view, Qt::Key_F2);
    QWidget* editor = view->indexWidget(index);
    if (!editor)
        return false;
    if (auto* box = qobject_cast<QComboBox*>(editor))
        chooseWithKeys(box, box->findText(text));
    else
        retype(qobject_cast<QLineEdit*>(editor), text);
    QTest::keyClick(editor, Qt::Key_Enter);
    QCoreApplication::processEvents();  // the delegate commits after the editor saw the key
    return !view->indexWidget(index);
}

#endif  // VANTOREL_TESTS_DIALOGTEST_H
