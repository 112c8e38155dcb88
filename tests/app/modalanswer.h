// Answers the modal boxes and dialogs a GUI action raises, as a user would,
// from a timer started before the action.
#ifndef VANTOREL_TESTS_MODALANSWER_H
#define VANTOREL_TESTS_MODALANSWER_H

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include <functional>

struct Answer
{
    const QMetaObject* meantFor;  // the kind of window
    std::function<void(QWidget*)> act;
};

// Runs each answer, in order, on the next modal window of its kind; keeps
// "title: text" of each box answered, the class name of other windows. A
// window of another kind active for longer than the wait (a dialog opened
// before the action) is reported ("expected …, found …") and closed.
class ModalAnswers : public QObject
{
public:
    static constexpr int kWaitMs = 20000;

    explicit ModalAnswers(std::initializer_list<Answer> list) : answers_(list) { startTimer(10); }

    const QStringList& seen() const { return seen_; }
    bool allAnswered() const { return next_ >= answers_.size(); }

private:
    void timerEvent(QTimerEvent*) override
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (allAnswered() || !modal || !modal->isVisible() || answered_.contains(modal))
            return;
        const Answer& answer = answers_[next_];
        if (modal->metaObject()->inherits(answer.meantFor)) {
            wrongWindow_ = nullptr;
            answered_ << modal;
            auto* box = qobject_cast<QMessageBox*>(modal);
            seen_ << (box ? box->windowTitle() + ": " + box->text()
                          : modal->metaObject()->className());
            answers_[next_++].act(modal);
        } else if (wrongWindow_ != modal) {
            wrongWindow_ = modal;
            waiting_.setRemainingTime(kWaitMs);
        } else if (waiting_.hasExpired()) {
            seen_ << QString("expected %1, found %2 \"%3\"")
                         .arg(answer.meantFor->className(), modal->metaObject()->className(),
                              modal->windowTitle());
            next_ = answers_.size();
            if (!QMetaObject::invokeMethod(modal, "reject"))
                modal->close();
        }
    }

    QList<Answer> answers_;
    qsizetype next_ = 0;
    QList<QPointer<QWidget>> answered_;
    QPointer<QWidget> wrongWindow_;
    QDeadlineTimer waiting_;
    QStringList seen_;
};

// The windows seen by the action, then "unanswered" if answers were left over.
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

// Presses the button with this text; a box without it is rejected.
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

// Types the path into a file dialog's name field (selectFile() ignores names
// that do not exist yet); an empty path cancels.
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

// Takes the entry at `index` of an input dialog's list; a negative one cancels.
inline Answer pick(int index)
{
    return {&QInputDialog::staticMetaObject, [index](QWidget* w) {
                auto* dialog = qobject_cast<QInputDialog*>(w);
                if (index < 0 || dialog->comboBoxItems().isEmpty())
                    return dialog->reject();
                dialog->setTextValue(dialog->comboBoxItems().value(index));
                dialog->accept();
            }};
}

#endif  // VANTOREL_TESTS_MODALANSWER_H
