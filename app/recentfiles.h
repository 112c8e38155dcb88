// The road files opened or saved last, newest first, kept between runs, and
// the File menu's "Recent Files" that offers them.
#ifndef VANTOREL_RECENTFILES_H
#define VANTOREL_RECENTFILES_H

#include <QObject>
#include <QStringList>

class QMenu;

class RecentFiles : public QObject
{
    Q_OBJECT

public:
    static constexpr int kMaximum = 8;

    // Fills `menu` with the files each time it is about to show.
    explicit RecentFiles(QMenu* menu, QObject* parent = nullptr);

    QStringList files() const;
    // The file goes to the top of the list.
    void add(const QString& path);
    void remove(const QString& path);

signals:
    void chosen(const QString& path);

private:
    void fillMenu();
    void store(const QStringList& files) const;

    QMenu* menu_;
};

#endif  // VANTOREL_RECENTFILES_H
