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

// Runs each answer, in order, on the next modal widget that appears.
class ModalAnswers : public QObject
{
public:
    using Answer = std::function<void(QWidget*)>;

    explicit ModalAnswers(std::initializer_list<Answer> answers) : answers_(answers)
    {
        connect(&timer_, &QTimer::timeout, this, &ModalAnswers::poll);
        timer_.start(10);
    }

    // Texts of the boxes answered, in order.
    const QStringList& seen() const { return seen_; }
    bool allAnswered() const { return next_ >= answers_.size(); }

private:
    void poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == last_ || next_ >= answers_.size())
            return;
        last_ = modal;
        if (auto* box = qobject_cast<QMessageBox*>(modal))
            seen_ << box->windowTitle() + ": " + box->text();
        else
            seen_ << modal->metaObject()->className();
        answers_[next_++](modal);
    }

    QList<Answer> answers_;
    qsizetype next_ = 0;
    QPointer<QWidget> last_;
    QStringList seen_;
    QTimer timer_;
};

// Presses the box button with this text (or standard button).
inline ModalAnswers::Answer press(const QString& buttonText)
{
    return [buttonText](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        for (QAbstractButton* b : box->buttons()) {
            if (b->text().remove('&') == buttonText) {
                b->click();
                return;
            }
        }
        box->reject();
    };
}

inline ModalAnswers::Answer press(QMessageBox::StandardButton button)
{
    return [button](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(button)->click(); };
}

// Chooses this path in a file dialog; an empty path cancels it.
inline ModalAnswers::Answer choose(const QString& path)
{
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        if (path.isEmpty()) {
            dialog->reject();
            return;
        }
        // Typed into the name field, as a user would; selectFile() ignores
        // names that do not exist yet.
        const QFileInfo file(path);
        dialog->setDirectory(file.absolutePath());
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(file.fileName());
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

#endif  // VANTOREL_TESTS_MODALANSWER_H
