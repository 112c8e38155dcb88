// The program in Chinese: its catalogues, Qt's and the importers', installed
// as main() installs them for a user whose language is zh_CN, wherever started.
#include "translators.h"
#include "dialogtest.h"

#include <QMenuBar>
#include <QRegularExpression>

namespace {

// The user's language comes from the environment, as on a Chinese desktop,
// set before main() creates the application and reads it.
[[maybe_unused]] const bool chineseDesktop =
    qputenv("LC_ALL", "zh_CN.UTF-8") && qunsetenv("LANGUAGE");

const QRegularExpression kChinese("[\\x{4e00}-\\x{9fff}]");

}  // namespace

class TranslatorsTest : public QObject
{
    Q_OBJECT

private slots:
    // From another directory first: the importers, loaded with the first
    // window, must find their catalogues from there too. The unsaved-changes
    // question has the program's text and Qt's buttons.
    void showsChineseWhereverStarted()
    {
        QStandardPaths::setTestModeEnabled(true);
        const QTemporaryDir elsewhere;
        for (const QString& directory :
             {elsewhere.path(), QCoreApplication::applicationDirPath()}) {
            QVERIFY(QDir::setCurrent(directory));
            QObject catalogues;
            installTranslators(&catalogues, QLocale::system().name());
            theRoad.NewRoad();
            MainWindow window;
            theMainWindow = &window;
            QStringList titles;
            for (const QAction* menu : window.menuBar()->actions())
                titles << menu->text();
            QCOMPARE(titles.filter(kChinese), titles);
            QVERIFY(titles.contains("文件(&F)"));
            QCOMPARE(window.importerFilters().filter(kChinese).size(), 2);

            theRoad.InsertHorizonPoint(1, 2, 3);
            theRoad.SetModified(true);
            QStringList buttons;
            const Answer cancel{&QMessageBox::staticMetaObject, [&buttons](QWidget* w) {
                                    auto* box = qobject_cast<QMessageBox*>(w);
                                    for (const QAbstractButton* button : box->buttons())
                                        buttons << button->text();
                                    box->button(QMessageBox::Cancel)->click();
                                }};
            QCOMPARE(
                answering({cancel}, [&] { window.findChild<QAction*>("actionNew")->trigger(); }),
                QStringList("信息: 道路已修改。\n是否保存修改？"));
            QCOMPARE(buttons.filter(kChinese).size(), 3);
            QVERIFY(buttons.contains("取消"));
        }
        theMainWindow = nullptr;
    }
};

QTEST_MAIN(TranslatorsTest)
#include "translators_test.moc"
