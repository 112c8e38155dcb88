// Answers the modal boxes and file dialogs a GUI action raises, the way a
// user would, from a timer started before the action.
//
// Each answer names the kind of window it is meant for and waits, bounded,
// until such a window is the active modal one: on a busy machine the timer
// may fire while another modal window (a dialog opened before the action) is
// still the active one, and an answer must never act on that.
#ifndef VANTOREL_TESTS_MODALANSWER_H
#define VANTOREL_TESTS_MODALANSWER_H

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <functional>

// What to do with a window of the kind `meantFor`.
struct Answer
{
    const QMetaObject* meantFor;
    std::function<void(QWidget*)> act;
};

// Runs each answer, in order, on the next modal window of its kind that
// appears, and keeps "title: text" of each box answered (the class name of
// other windows). A window of another kind that stays the active modal one
// for longer than the wait is reported ("expected …, found …") and closed,
// so that a wrong window fails the test instead of hanging it.
class ModalAnswers : public QObject
{
public:
    static constexpr int kWaitMs = 20000;

    explicit ModalAnswers(std::initializer_list<Answer> answers) : answers_(answers)
    {
        connect(&timer_, &QTimer::timeout, this, [this] { answerNext(); });
        timer_.start(10);
    }

    const QStringList& seen() const { return seen_; }
    bool allAnswered() const { return next_ >= answers_.size(); }

private:
    void answerNext()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (allAnswered() || !modal || !modal->isVisible() || answered_.contains(modal))
            return;
        const Answer& answer = answers_[next_];
        if (!modal->metaObject()->inherits(answer.meantFor)) {
            if (!wrongWindow_ || wrongWindow_ != modal) {
                wrongWindow_ = modal;
                waiting_.setRemainingTime(kWaitMs);
            } else if (waiting_.hasExpired()) {
                seen_ << QString("expected %1, found %2 \"%3\"")
                             .arg(answer.meantFor->className(), modal->metaObject()->className(),
                                  modal->windowTitle());
                next_ = answers_.size();
                if (auto* dialog = qobject_cast<QDialog*>(modal))
                    dialog->reject();
                else
                    modal->close();
            }
            return;
        }
        wrongWindow_ = nullptr;
        answered_ << modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        seen_ << (box ? box->windowTitle() + ": " + box->text() : modal->metaObject()->className());
        answers_[next_++].act(modal);
    }

    QList<Answer> answers_;
    qsizetype next_ = 0;
    QList<QPointer<QWidget>> answered_;
    QPointer<QWidget> wrongWindow_;
    QDeadlineTimer waiting_;
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
    return {&QMessageBox::staticMetaObject,
            [button](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(button)->click(); }};
}

// Presses the button with this text; a box without it is rejected rather
// than left to hang the test.
inline Answer press(const QString& text)
{
    return {&QMessageBox::staticMetaObject, [text](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                for (QAbstractButton* b : box->buttons())
                    if (b->text().remove('&') == text)
                        return b->click();
                box->reject();
            }};
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
    return {&QFileDialog::staticMetaObject, [path](QWidget* w) {
                auto* dialog = qobject_cast<QFileDialog*>(w);
                if (path.isEmpty())
                    return dialog->reject();
                dialog->setDirectory(QFileInfo(path).absolutePath());
                dialog->findChild<QLineEdit*>("fileNameEdit")->setText(QFileInfo(path).fileName());
                QMetaObject::invokeMethod(dialog, "accept");
            }};
}

// Takes the entry at `index` of an input dialog's list and presses OK; a
// negative index cancels.
inline Answer pick(int index)
{
    return {&QInputDialog::staticMetaObject, [index](QWidget* w) {
                auto* dialog = qobject_cast<QInputDialog*>(w);
                auto* list = dialog->findChild<QComboBox*>();
                if (index < 0 || !list)
                    return dialog->reject();
                list->setCurrentIndex(index);
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            }};
}

#endif  // VANTOREL_TESTS_MODALANSWER_H
