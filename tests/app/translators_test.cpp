// The program in Chinese: its catalogues, Qt's and the importers', installed
// as main() installs them for a user whose language is zh_CN, whatever the
// directory the program was started from.
#include "translators.h"
#include "dialogtest.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

bool isChinese(const QString& text)
{
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.unicode() >= 0x4e00 && c.unicode() <= 0x9fff; });
}

QStringList menuTexts(const QWidget* menu)
{
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator())
            texts << action->text();
    return texts;
}

}  // namespace

class TranslatorsTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

    // The other directory first: the importers, loaded with the first
    // window, must find their catalogues from there too.
    void showsChineseWhereverStarted_data()
    {
        QTest::addColumn<bool>("elsewhere");
        QTest::newRow("from another directory") << true;
        QTest::newRow("from the program's directory") << false;
    }
    void showsChineseWhereverStarted()
    {
        QFETCH(bool, elsewhere);
        const QTemporaryDir otherDirectory;
        QVERIFY(QDir::setCurrent(elsewhere ? otherDirectory.path()
                                           : QCoreApplication::applicationDirPath()));
        QCOMPARE(QLocale::system().name(), QString("zh_CN"));
        QObject catalogues;
        installTranslators(&catalogues, QLocale::system().name());

        theRoad.NewRoad();
        MainWindow window;
        theMainWindow = &window;
        const QStringList titles = menuTexts(window.menuBar());
        QVERIFY2(std::all_of(titles.begin(), titles.end(), isChinese),
                 qPrintable(titles.join(' ')));
        QVERIFY(titles.contains("文件(&F)") && titles.contains("帮助(&H)"));
        QVERIFY(menuTexts(window.findChild<QMenu*>("menuFunction")).contains("CASS 数据"));
        QVERIFY(window.importerFilters().contains("LandXML 文件 (*.xml)"));

        // The unsaved-changes question: the program's text, Qt's buttons.
        theRoad.InsertHorizonPoint(1, 2, 3);
        theRoad.SetModified(true);
        QStringList buttons;
        const Answer cancel{&QMessageBox::staticMetaObject, [&buttons](QWidget* w) {
                                auto* box = qobject_cast<QMessageBox*>(w);
                                for (const QAbstractButton* button : box->buttons())
                                    buttons << button->text();
                                box->button(QMessageBox::Cancel)->click();
                            }};
        QCOMPARE(answering({cancel}, [&] { window.findChild<QAction*>("actionNew")->trigger(); }),
                 QStringList("信息: 道路已修改。\n是否保存修改？"));
        QCOMPARE(buttons.size(), 3);
        QVERIFY2(std::all_of(buttons.begin(), buttons.end(), isChinese),
                 qPrintable(buttons.join(' ')));
        QVERIFY(buttons.contains("取消"));
        theMainWindow = nullptr;
    }
};

// The user's language comes from the environment, as on a Chinese desktop;
// it must be set before the application reads it.
int main(int argc, char* argv[])
{
    qputenv("LC_ALL", "zh_CN.UTF-8");
    qunsetenv("LANGUAGE");
    QApplication app(argc, argv);
    TranslatorsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "translators_test.moc"
