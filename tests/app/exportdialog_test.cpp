// The stake point export driven as a user would: fields typed, boxes ticked,
// a format chosen, OK pressed, the file read back.
#include "tools/exportdialog.h"
#include "dialogtest.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QPushButton>
#include <QSpinBox>

#include <unistd.h>

#include <clocale>

namespace {

QString success(int points)
{
    return QString("Vantorel: export successfully!\npoints written: %1").arg(points);
}

QByteArray captured(const char* run)
{
    return readFile(QString(VANTOREL_TEST_DATA "/stakeout/%1.csv").arg(run));
}

}  // namespace

class ExportDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QPointer<ExportDialog> dialog_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Types Start, End, Interval, Offset and File into the open dialog,
    // ticks the named boxes and picks the format item.
    void fill(const QStringList& fields, const QStringList& ticks = {}, int format = 0) const
    {
        const char* const edits[] = {"startEdit", "endEdit", "intervalEdit", "offsetEdit",
                                     "fileEdit"};
        for (int i = 0; i < fields.size(); ++i)
            retype(dialog_->findChild<QLineEdit*>(edits[i]), fields[i]);
        for (const QString& name : ticks) {
            // The box spans its grid cell: its middle may be beyond the label.
            auto* box = dialog_->findChild<QCheckBox*>(name);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        }
        chooseWithKeys(dialog_->findChild<QComboBox*>("formatBox"), format);
    }

    // Presses OK: "title: text" of the box it raised.
    QString pressOk() const
    {
        auto* ok = dialog_->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        return boxRaisedBy([ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    }

    QString exportStakes(const QStringList& fields, const QStringList& ticks = {})
    {
        dialog_ = open<ExportDialog>("actionExport");
        fill(fields, ticks);
        return pressOk();
    }

private slots:
    // The runs captured from the export before it moved into the library.
    void stationCsvIsWrittenAsBefore_data()
    {
        QTest::addColumn<QString>("run");  // Start, End, Interval, Offset
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<QString>("captured");
        const QStringList both{"chkBoxIntMile", "chkBoxExportPrime"};
        QTest::newRow("forward") << "0 4120 20 0" << QStringList() << "forward-20";
        QTest::newRow("backward, right")
            << "4120 0 20 7.5" << both << "backward-prime-integral-right";
        QTest::newRow("bounded by End, left")
            << "1003.5 3000 25 -7.5" << both << "forward-prime-integral-left";
        QTest::newRow("End equal to Start")
            << "2000 2000 10 -3.2" << QStringList("chkBoxExportPrime") << "back-to-start-left";
    }

    void stationCsvIsWrittenAsBefore()
    {
        QFETCH(QString, run);
        QFETCH(QStringList, ticks);
        QFETCH(QString, captured);
        QVERIFY(loadExampleRoad());
        const QByteArray expected = ::captured(captured.toLatin1());
        const QString file = path("stakes.txt");
        QCOMPARE(exportStakes(run.split(' ') << file, ticks), success(expected.count('\n')));
        QCOMPARE(readFile(file), expected);
        // Closed after the success message.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog_);
    }

    void numbersKeepTheDecimalPointInAnyLocale()
    {
        QVERIFY(loadExampleRoad());
        const std::string before = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString message = exportStakes({"0", "4120", "20", "0", path("de.txt")});
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, before.c_str());
        QCOMPARE(message, success(207));
        QCOMPARE(readFile(path("de.txt")), captured("forward-20"));
    }

    void pnezdOfThreeOffsetsFromTheChosenNumber()
    {
        QVERIFY(loadExampleRoad());
        dialog_ = open<ExportDialog>("actionExport");
        auto* firstNumber = dialog_->findChild<QSpinBox*>("firstNumberBox");
        QVERIFY(!firstNumber->isEnabled());  // Station CSV numbers nothing
        const QString file = path("pnezd.csv");
        fill({"1000", "1040", "20", " 7.5,-7.5 , 0", file}, {}, 1);
        QVERIFY(firstNumber->isEnabled());
        QTest::keyClick(firstNumber, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(firstNumber, "101");
        QCOMPARE(pressOk(), success(9));
        const QList<QByteArray> lines = readFile(file).split('\n');
        QCOMPARE(lines.size(), 10);  // and an empty one after the last line break
        QVERIFY2(lines[0].startsWith("101,") && lines[0].endsWith("K1+000.000L7.500"), lines[0]);
        // 158.7 on the profile, then -0.18 - 3 * 0.5 / 4.5 on the Fill slope.
        QVERIFY2(lines[1].startsWith("102,") && lines[1].endsWith(",158.700,K1+000.000"), lines[1]);
        QVERIFY2(lines[2].endsWith(",158.187,K1+000.000R7.500"), lines[2]);
        QVERIFY2(lines[8].startsWith("109,") && lines[8].endsWith("K1+040.000R7.500"), lines[8]);
    }

    void refusedExportsKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("offsets");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        const QString tooSmall = "Vantorel: the interval is too small!";
        const QString cannotOpen = "Vantorel: unable to open dested file!";
        QTest::newRow("interval below 1") << "0.999"
                                          << "0"
                                          << "refused.txt" << tooSmall;
        QTest::newRow("interval not a number") << "nan"
                                               << "0"
                                               << "refused.txt" << tooSmall;
        QTest::newRow("missing directory") << "20"
                                           << "0"
                                           << "no/such/refused.txt" << cannotOpen;
        QTest::newRow("offset list with a letter")
            << "20"
            << "-7.5, 0, 7.5m"
            << "refused.txt"
            << "Vantorel: the offset \"7.5m\" is not a number!";
    }

    void refusedExportsKeepTheDialogOpen()
    {
        QFETCH(QString, interval);
        QFETCH(QString, offsets);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QVERIFY(loadExampleRoad());
        QCOMPARE(exportStakes({"0", "100", interval, offsets, path(file)}), message);
        QVERIFY(dialog_ && dialog_->isVisible());
        QVERIFY(!QFile::exists(path(file)));
    }

    // The fields of an export that succeeded come back in the next dialog;
    // Browse asks for a file of the chosen format where the last one went.
    void fieldsOfASuccessfulExportAreRemembered()
    {
        QVERIFY(loadExampleRoad());
        QVERIFY(QDir(dir_.path()).mkdir("field"));
        dialog_ = open<ExportDialog>("actionExport");
        fill({"1000", "1040", "20", "7.5,-7.5", path("field/a.dat")}, {"chkBoxExportPrime"}, 2);
        QCOMPARE(pressOk(), success(6));
        dialog_ = open<ExportDialog>("actionExport");
        const auto text = [this](const char* edit) {
            return dialog_->findChild<QLineEdit*>(edit)->text();
        };
        QCOMPARE(QStringList({text("startEdit"), text("endEdit"), text("intervalEdit"),
                              text("offsetEdit"), text("fileEdit")}),
                 QStringList({"1000", "1040", "20", "7.5,-7.5", ""}));
        QCOMPARE(dialog_->findChild<QComboBox*>("formatBox")->currentIndex(), 2);
        QVERIFY(!dialog_->findChild<QCheckBox*>("chkBoxIntMile")->isChecked());
        QVERIFY(dialog_->findChild<QCheckBox*>("chkBoxExportPrime")->isChecked());

        QString asked;
        const Answer look{
            &QFileDialog::staticMetaObject, [&asked](QWidget* w) {
                auto* files = qobject_cast<QFileDialog*>(w);
                asked =
                    QStringList({files->windowTitle(), files->directory().dirName()}).join(", ") +
                    ": " + files->nameFilters().join(";;");
                files->reject();
            }};
        auto* browse = dialog_->findChild<QPushButton*>("pushButton");
        answering({look}, [&] { QTest::mouseClick(browse, Qt::LeftButton); });
        QCOMPARE(asked, QString("Save Stake Points, field: CASS DAT (*.dat)"));
        retype(dialog_->findChild<QLineEdit*>("fileEdit"), "typed");
        answering({choose(QString())}, [&] { QTest::mouseClick(browse, Qt::LeftButton); });
        QCOMPARE(text("fileEdit"), QString("typed"));
        answering({choose(path("field/b"))}, [&] { QTest::mouseClick(browse, Qt::LeftButton); });
        QCOMPARE(text("fileEdit"), path("field/b.dat"));
    }

    void pathWithChineseCharactersIsWrittenUnderThatName()
    {
        QVERIFY(loadExampleRoad());
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("放样")));
        const QString file = path(QStringLiteral("放样/桩点.txt"));
        QCOMPARE(exportStakes({"0", "40", "20", "0", file}), success(3));
        // The name on disk is the UTF-8 one.
        QVERIFY(::access(file.toUtf8().constData(), F_OK) == 0);
        QCOMPARE(readFile(file), captured("forward-20").split('\n').mid(0, 3).join('\n') + '\n');
    }
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
