#include "messages.h"

namespace messages {

void warning(QWidget* parent, const QString& title, const QString& text, const QString& details)
{
    if (details.isEmpty()) {
        QMessageBox::warning(parent, title, text, QMessageBox::Ok);
        return;
    }
    QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, parent);
    box.setInformativeText(details);
    box.exec();
}

void information(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::information(parent, title, text, QMessageBox::Ok);
}

void critical(QWidget* parent, const QString& title, const QString& text)
{
    QMessageBox::critical(parent, title, text, QMessageBox::Ok);
}

bool askYesNo(QWidget* parent, const QString& title, const QString& text,
              QMessageBox::StandardButton defaultButton)
{
    return QMessageBox::warning(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                defaultButton) == QMessageBox::Yes;
}

}  // namespace messages
