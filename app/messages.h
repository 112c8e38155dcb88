// The message boxes the program raises, in one place: the dialogs all use
// the same titles and buttons, and the GUI tests have one seam to answer.
#ifndef VANTOREL_MESSAGES_H
#define VANTOREL_MESSAGES_H

#include <QMessageBox>
#include <QString>

class QWidget;

namespace messages {

// A warning with an OK button; the details, if any, go under the text.
void warning(QWidget* parent, const QString& title, const QString& text,
             const QString& details = QString());
// An information box with an OK button.
void information(QWidget* parent, const QString& title, const QString& text);
// A critical box with an OK button.
void critical(QWidget* parent, const QString& title, const QString& text);
// A warning asking Yes or No; true for Yes.
bool askYesNo(QWidget* parent, const QString& title, const QString& text,
              QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

}  // namespace messages

#endif  // VANTOREL_MESSAGES_H
