#include "filedialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace filedialogs {

namespace {

QString settingsKey(const QString& kind)
{
    return QStringLiteral("directories/") + kind;
}

}  // namespace

QString startDirectory(const QString& kind)
{
    const QString last = QSettings().value(settingsKey(kind)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

void rememberDirectory(const QString& kind, const QString& file)
{
    QSettings().setValue(settingsKey(kind), QFileInfo(file).absolutePath());
}

QString openFileName(QWidget* parent, const QString& kind, const QString& caption,
                     const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, caption, startDirectory(kind), filter);
}

QString saveFileName(QWidget* parent, const QString& caption, const QString& start,
                     const QString& filter, const QString& suffix)
{
    QFileDialog dialog(parent, caption, start, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(suffix);
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

}  // namespace filedialogs
