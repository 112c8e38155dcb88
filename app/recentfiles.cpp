#include "recentfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

namespace {

const char* const kKey = "recentFiles";

}  // namespace

RecentFiles::RecentFiles(QMenu* menu, QObject* parent) : QObject(parent), menu_(menu)
{
    connect(menu_, &QMenu::aboutToShow, this, &RecentFiles::fillMenu);
    menu_->setEnabled(!files().isEmpty());
}

QStringList RecentFiles::files() const
{
    return QSettings().value(kKey).toStringList();
}

void RecentFiles::add(const QString& path)
{
    const QString file = QFileInfo(path).absoluteFilePath();
    QStringList list = files();
    list.removeAll(file);
    list.prepend(file);
    store(list.mid(0, kMaximum));
}

void RecentFiles::remove(const QString& path)
{
    QStringList list = files();
    list.removeAll(path);
    store(list);
}

void RecentFiles::store(const QStringList& files) const
{
    QSettings().setValue(kKey, files);
    menu_->setEnabled(!files.isEmpty());
}

// "&1 /path/road.rod": numbered for the keyboard, the whole path, since
// roads of one name often lie in several project folders.
void RecentFiles::fillMenu()
{
    menu_->clear();
    const QStringList list = files();
    for (int i = 0; i < list.size(); ++i) {
        const QString path = list[i];
        const QString shown = QDir::toNativeSeparators(path).replace('&', QStringLiteral("&&"));
        QAction* action = menu_->addAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown));
        connect(action, &QAction::triggered, this, [this, path] { emit chosen(path); });
    }
}
