// What the dialog tests share: the main window the dialogs belong to, with
// theMainWindow pointing at it, opening a dialog through its action as a
// user would, and typing into a line edit.
#ifndef VANTOREL_TESTS_DIALOGTEST_H
#define VANTOREL_TESTS_DIALOGTEST_H

#include "globals.h"
#include "mainwindow.h"

#include <QAction>
#include <QLineEdit>
#include <QTest>

// The main window of one test; theMainWindow points at it while it lives.
class DialogTestWindow : public MainWindow
{
public:
    DialogTestWindow() { theMainWindow = this; }
    ~DialogTestWindow() override { theMainWindow = nullptr; }

    // Triggers the action and returns the dialog it opened, once shown; null
    // when there is none. Dialogs closed before may not be deleted yet: the
    // newest one is taken.
    template <typename Dialog>
    Dialog* open(const char* action) const
    {
        findChild<QAction*>(action)->trigger();
        const QList<Dialog*> dialogs = findChildren<Dialog*>();
        Dialog* dialog = dialogs.isEmpty() ? nullptr : dialogs.last();
        return dialog && QTest::qWaitForWindowExposed(dialog) ? dialog : nullptr;
    }
};

// Replaces the text of a line edit by typing, as a user would.
inline void retype(QLineEdit* edit, const QString& text)
{
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
}

#endif  // VANTOREL_TESTS_DIALOGTEST_H
