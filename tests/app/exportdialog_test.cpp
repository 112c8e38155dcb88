// The stake point export driven as a user would: fields typed, boxes ticked,
// a format chosen, OK pressed, the file read back.
#include "tools/exportdialog.h"
#include "dialogtest.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QScopeGuard>
#include <QSpinBox>

#include <unistd.h>

#include <clocale>

class ExportDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QPointer<ExportDialog> dialog_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString text(const char* edit) const { return dialog_->findChild<QLineEdit*>(edit)->text(); }
    static QString success(int points)
    {
        return QString("Vantorel: export successfully!\npoints written: %1").arg(points);
    }
    // Opens the dialog and types Start, End, Interval, Offset and File,
    // ticks the boxes and picks the format.
    void fill(const QStringList& fields, const QStringList& ticks = {}, int format = 0)
    {
        dialog_ = open<ExportDialog>("actionExport");
        fillExport(dialog_, fields, ticks, format);
    }
    // Presses OK: "title: text" of the box it raised.
    QString pressOk() const
    {
        auto* ok = dialog_->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        return boxRaisedBy([ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    }

private slots:
    void init()
    {
        DialogTest::init();
        QVERIFY(loadExampleRoad());
    }

    // The runs captured from the export before it moved into the library,
    // typed in a locale with decimal commas and written under a Chinese path;
    // the dialog closes after the success message.
    void stationCsvIsWrittenAsBefore_data()
    {
        QTest::addColumn<QString>("run");  // Start, End, Interval, Offset
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("captured");
        QTest::newRow("forward") << "0 4120 20 0" << QStringList() << "forward-20";
        QTest::newRow("backward, right")
            << "4120 0 20 7.5" << QStringList({"chkBoxIntMile", "chkBoxExportPrime"})
            << "backward-prime-integral-right";
        QTest::newRow("End equal to Start")
            << "2000 2000 10 -3.2" << QStringList("chkBoxExportPrime") << "back-to-start-left";
    }

    void stationCsvIsWrittenAsBefore()
    {
        QFETCH(QString, run);
        QFETCH(QStringList, ticks);
        QFETCH(QString, captured);
        const std::string locale = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const auto restore = qScopeGuard([&locale] {
            QLocale::setDefault(QLocale::c());
            std::setlocale(LC_ALL, locale.c_str());
        });
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("放样")));
        const QString file = path(QStringLiteral("放样/桩点.txt"));
        const QByteArray expected =
            readFile(QString(VANTOREL_TEST_DATA "/stakeout/%1.csv").arg(captured));
        fill(run.split(' ') << file, ticks);
        QCOMPARE(pressOk(), success(expected.count('\n')));
        QCOMPARE(readFile(file), expected);
        QVERIFY(::access(file.toUtf8().constData(), F_OK) == 0);  // the UTF-8 name on disk
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog_);
    }

    // Numbered from the chosen first number, which Station CSV has not.
    void pnezdOfThreeOffsetsFromTheChosenNumber()
    {
        fill({});
        auto* firstNumber = dialog_->findChild<QSpinBox*>("firstNumberBox");
        QVERIFY(!firstNumber->isEnabled());
        fillExport(dialog_, {"1000", "1040", "20", " 7.5,-7.5 , 0", path("pnezd.csv")}, {}, 1);
        QVERIFY(firstNumber->isEnabled());
        QTest::keyClick(firstNumber, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(firstNumber, "101");
        QCOMPARE(pressOk(), success(9));
        const QList<QByteArray> lines = readFile(path("pnezd.csv")).split('\n');
        QCOMPARE(lines.size(), 10);  // and an empty one after the last line break
        QVERIFY2(lines[0].startsWith("101,") && lines[0].endsWith("K1+000.000L7.500"), lines[0]);
        // 158.7 on the profile, then -0.18 - 3 * 0.5 / 4.5 on the Fill slope.
        QVERIFY2(lines[1].startsWith("102,") && lines[1].endsWith(",158.700,K1+000.000"), lines[1]);
        QVERIFY2(lines[2].endsWith(",158.187,K1+000.000R7.500"), lines[2]);
        QVERIFY2(lines[8].startsWith("109,") && lines[8].endsWith("K1+040.000R7.500"), lines[8]);
    }

    void refusedExportsKeepTheDialogOpen_data()
    {
        QTest::addColumn<QStringList>("fields");  // Interval, Offset, File
        QTest::addColumn<QString>("message");
        const QString tooSmall = "Vantorel: the interval is too small!";
        QTest::newRow("interval below 1") << QStringList({"0.999", "0", "a.txt"}) << tooSmall;
        QTest::newRow("interval not a number") << QStringList({"nan", "0", "a.txt"}) << tooSmall;
        QTest::newRow("missing directory")
            << QStringList({"20", "0", "no/such/a.txt"}) << "Vantorel: unable to open dested file!";
        QTest::newRow("offset list with a letter")
            << QStringList({"20", "-7.5, 0, 7.5m", "a.txt"})
            << "Vantorel: the offset \"7.5m\" is not a number!";
    }

    void refusedExportsKeepTheDialogOpen()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, message);
        fill({"0", "100", fields[0], fields[1], path(fields[2])});
        QCOMPARE(pressOk(), message);
        QVERIFY(dialog_ && dialog_->isVisible());
        QVERIFY(!QFile::exists(path(fields[2])));
    }

    // The fields of an export that succeeded come back in the next dialog;
    // Browse asks for a file of the chosen format where the last one went,
    // and a cancel keeps the name typed.
    void fieldsOfASuccessfulExportAreRemembered()
    {
        QVERIFY(QDir(dir_.path()).mkdir("field"));
        fill({"1000", "1040", "20", "7.5,-7.5", path("field/a.dat")}, {"chkBoxExportPrime"}, 2);
        QCOMPARE(pressOk(), success(6));
        dialog_ = open<ExportDialog>("actionExport");
        QCOMPARE(QStringList({text("startEdit"), text("endEdit"), text("intervalEdit"),
                              text("offsetEdit"), text("fileEdit")}),
                 QStringList({"1000", "1040", "20", "7.5,-7.5", ""}));
        QCOMPARE(dialog_->findChild<QComboBox*>("formatBox")->currentIndex(), 2);
        QVERIFY(!dialog_->findChild<QCheckBox*>("chkBoxIntMile")->isChecked());
        QVERIFY(dialog_->findChild<QCheckBox*>("chkBoxExportPrime")->isChecked());

        QString asked;
        const auto browse = [&](const QString& choice) {
            const Answer look{&QFileDialog::staticMetaObject, [&](QWidget* w) {
                                  auto* files = qobject_cast<QFileDialog*>(w);
                                  asked = files->directory().dirName() + ": " +
                                          files->nameFilters().join(";;");
                                  choose(choice).act(w);
                              }};
            auto* button = dialog_->findChild<QPushButton*>("pushButton");
            answering({look}, [button] { QTest::mouseClick(button, Qt::LeftButton); });
        };
        browse(QString());
        QCOMPARE(asked, QString("field: CASS DAT (*.dat)"));
        retype(dialog_->findChild<QLineEdit*>("fileEdit"), "typed");
        browse(QString());
        QCOMPARE(text("fileEdit"), QString("typed"));
        browse(path("field/b"));
        QCOMPARE(text("fileEdit"), path("field/b.dat"));
    }
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
