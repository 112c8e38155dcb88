// The stake point export driven as a user would, in a locale with decimal commas.
#include "tools/exportdialog.h"
#include "dialogtest.h"

#include <QSpinBox>

#include <clocale>

class ExportDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QPointer<ExportDialog> dialog_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QString text(const char* edit) const { return dialog_->findChild<QLineEdit*>(edit)->text(); }
    const QString success_ = "Vantorel: export successfully!\npoints written: %1";

    void fill(const QStringList& fields, const QStringList& ticks = {}, int format = 0)
    {
        dialog_ = open<ExportDialog>("actionExport");
        fillExport(dialog_, fields, ticks, format);
    }
    QString pressOk() const
    {
        auto* ok = dialog_->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        return boxRaisedBy([ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    }

private slots:
    void init()
    {
        DialogTest::init();
        std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QVERIFY(loadExampleRoad());
    }

    // The runs captured from the export before it moved into the library,
    // written under a Chinese name; the dialog closes after the message.
    void stationCsvIsWrittenAsBefore()
    {
        const std::tuple<QString, QString, const char*> runs[] = {
            {"0 4120 20 0", "", "forward-20"},  // Start, End, Interval, Offset; ticks
            {"4120 0 20 7.5", "chkBoxIntMile chkBoxExportPrime", "backward-prime-integral-right"},
            {"2000 2000 10 -3.2", "chkBoxExportPrime", "back-to-start-left"}};
        QVERIFY(QDir(dir_.path()).mkpath(QStringLiteral("放样")));
        const QString file = path(QStringLiteral("放样/桩点.txt"));
        for (const auto& [run, ticks, captured] : runs) {
            const QByteArray expected =
                readFile(QString(VANTOREL_TEST_DATA "/stakeout/%1.csv").arg(captured));
            fill(run.split(' ') << file, ticks.split(' ', Qt::SkipEmptyParts));
            QCOMPARE(pressOk(), success_.arg(expected.count('\n')));
            QVERIFY2(readFile(file) == expected, captured);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!dialog_);
        }
    }

    void refusedExportsKeepTheDialogOpen()
    {
        const QString tooSmall = "Vantorel: the interval is too small!";
        const QStringList runs[] = {
            // Interval, Offset, File, message
            {"0.999", "0", "a.txt", tooSmall},
            {"nan", "0", "a.txt", tooSmall},
            {"20", "0", "no/such/a.txt", "Vantorel: unable to open dested file!"},
            {"20", "-7.5, 0, 7.5m", "a.txt", "Vantorel: the offset \"7.5m\" is not a number!"}};
        for (const QStringList& run : runs) {
            fill({"0", "100", run[0], run[1], path(run[2])});
            QCOMPARE(pressOk(), run[3]);
            QVERIFY2(dialog_->isVisible() && !QFile::exists(path(run[2])), qPrintable(run[0]));
            dialog_->close();
        }
    }

    // PNEZD numbers from the chosen first number, which Station CSV has not.
    // The fields of an export that succeeded come back in the next dialog;
    // Browse asks for a file of the chosen format where the last one went,
    // and a cancel keeps the name typed.
    void pnezdIsNumberedAndItsFieldsRemembered()
    {
        QVERIFY(QDir(dir_.path()).mkdir("field"));
        fill({});
        auto* firstNumber = dialog_->findChild<QSpinBox*>("firstNumberBox");
        QVERIFY(!firstNumber->isEnabled());
        const QStringList fields = {"1000", "1040", "20", " 7.5,-7.5 , 0", path("field/a.csv")};
        fillExport(dialog_, fields, {"chkBoxIntMile"}, 1);
        QTest::keyClick(firstNumber, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(firstNumber, "101");
        QCOMPARE(pressOk(), success_.arg(9));
        const QList<QByteArray> lines = readFile(path("field/a.csv")).split('\n');
        QCOMPARE(lines.size(), 10);  // and an empty one after the last line break
        QVERIFY2(lines[0].startsWith("101,") && lines[0].endsWith("K1+000.000L7.500"), lines[0]);
        // 158.7 on the profile, then -0.18 - 3 * 0.5 / 4.5 on the Fill slope.
        QVERIFY2(lines[1].startsWith("102,") && lines[1].endsWith(",158.700,K1+000.000"), lines[1]);
        QVERIFY2(lines[2].endsWith(",158.187,K1+000.000R7.500"), lines[2]);
        QVERIFY2(lines[8].startsWith("109,") && lines[8].endsWith("K1+040.000R7.500"), lines[8]);

        dialog_ = open<ExportDialog>("actionExport");
        QCOMPARE(QStringList({text("startEdit"), text("endEdit"), text("intervalEdit"),
                              text("offsetEdit"), text("fileEdit")}),
                 fields.mid(0, 4) << "");
        QCOMPARE(dialog_->findChild<QComboBox*>("formatBox")->currentIndex(), 1);
        QVERIFY(dialog_->findChild<QCheckBox*>("chkBoxIntMile")->isChecked() &&
                !dialog_->findChild<QCheckBox*>("chkBoxExportPrime")->isChecked());
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
        QCOMPARE(asked, QString("field: PNEZD CSV (*.csv)"));
        retype(dialog_->findChild<QLineEdit*>("fileEdit"), "typed");
        browse(QString());
        QCOMPARE(text("fileEdit"), QString("typed"));
        browse(path("field/b"));
        QCOMPARE(text("fileEdit"), path("field/b.csv"));
    }
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
