// Answers the modal boxes and file dialogs a GUI action raises, the way a
// user would, from a timer started before the action.
#ifndef VANTOREL_TESTS_MODALANSWER_H
#define VANTOREL_TESTS_MODALANSWER_H

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>

#include <functional>

using Answer = std::function<void(QWidget*)>;

// Runs each answer, in order, on the next modal widget that appears, and
// keeps "title: text" of each box answered (the class name of other widgets).
class ModalAnswers : public QObject
{
public:
    explicit ModalAnswers(std::initializer_list<Answer> answers) : answers_(answers)
    {
        connect(&timer_, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal || modal == last_ || allAnswered())
                return;
            last_ = modal;
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen_ << (box ? box->windowTitle() + ": " + box->text()
                          : modal->metaObject()->className());
            answers_[next_++](modal);
        });
        timer_.start(10);
    }

    const QStringList& seen() const { return seen_; }
    bool allAnswered() const { return next_ >= answers_.size(); }

private:
    QList<Answer> answers_;
    qsizetype next_ = 0;
    QPointer<QWidget> last_;
    QStringList seen_;
    QTimer timer_;
};

// Runs the action with these answers ready: the boxes seen, then
// "unanswered" when answers were left over.
inline QStringList answering(std::initializer_list<Answer> answers,
                             const std::function<void()>& action)
{
    const ModalAnswers modal(answers);
    action();
    QStringList seen = modal.seen();
    return modal.allAnswered() ? seen : seen << "unanswered";
}

inline Answer press(QMessageBox::StandardButton button)
{
    return [button](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(button)->click(); };
}

// Presses the button with this text; a box without it is rejected rather
// than left to hang the test.
inline Answer press(const QString& text)
{
    return [text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        for (QAbstractButton* b : box->buttons())
            if (b->text().remove('&') == text)
                return b->click();
        box->reject();
    };
}

// The box the action raises, if any, answered with OK: its "title: text".
inline QString boxRaisedBy(const std::function<void()>& action)
{
    const ModalAnswers modal({press(QMessageBox::Ok)});
    action();
    return modal.seen().value(0);
}

// Types this path into a file dialog's name field (selectFile() ignores
// names that do not exist yet); an empty path cancels.
inline Answer choose(const QString& path)
{
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (path.isEmpty())
            return dialog->reject();
        dialog->setDirectory(QFileInfo(path).absolutePath());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

#endif  // VANTOREL_TESTS_MODALANSWER_H
