// What the dialog tests share: their fixture, the main window the dialogs
// belong to, and a user's mouse and keys on buttons, fields and cells.
#ifndef VANTOREL_TESTS_DIALOGTEST_H
#define VANTOREL_TESTS_DIALOGTEST_H

#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"
#include "roaddocument.h"
#include "testroad.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

// The fixture of the dialog tests: an empty road, no remembered settings
// and a new main window, which theMainWindow points at, for each test
// function. Settings live in the test location, one file per test program
// (named after it), never in the user's.
class DialogTest : public QObject
{
    Q_OBJECT

public:
    DialogTest() { QStandardPaths::setTestModeEnabled(true); }

protected:
    std::unique_ptr<MainWindow> window_;

    QUndoStack* history() const { return window_->document()->history(); }

    // The last step is named `name`; Edit > Undo brings back the road of
    // `before` (its roadFields), Edit > Redo the road as it is now.
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

    // Triggers the window's action and returns the dialog it opened, once
    // shown; null when there is none.
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

// Replaces the text of a line edit by typing; any script but ASCII comes
// through the input method.
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

// Opens the cell's editor with the edit key, replaces its text (in a box,
// picks the item with that text) and commits with Enter. False when no
// editor opened or it stayed open.
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
