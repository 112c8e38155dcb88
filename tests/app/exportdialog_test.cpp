// The stake point export driven as a user would: fields typed, boxes ticked,
// OK pressed, the file checked line by line against the road's geometry.
#include "tools/exportdialog.h"
#include "dialogtest.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QPushButton>

#include <unistd.h>

#include <clocale>

namespace {

const QString kSuccess = "Vantorel: export successfully!";

// The stations of the file's lines "station,X,Y,height", each line checked
// against the road: the point at the station and offset, the profile height
// plus, off the centre line, the template's height difference, printed with
// three decimals after a nudge of 0.00001. Empty when a line differs.
QList<double> checkedStations(const QString& path, double offset)
{
    QList<double> stations;
    for (const QByteArray& line : readFile(path).split('\n')) {
        const QList<QByteArray> f = line.split(',');
        if (line.isEmpty())
            continue;
        const double station = f[0].toDouble();
        double road[3] = {0, 0, 0};
        theRoad.L2XY(station, offset, &road[0], &road[1]);
        theRoad.CalElevation(station, &road[2], nullptr);
        if (RoadSection* section = theRoad.GetSectionByLC(station); section && offset != 0)
            road[2] += theRoad.CalDetaH(section, offset);
        for (int i = 0; i < 3; ++i) {
            if (f.size() != 4 || std::abs(f[i + 1].toDouble() - road[i]) > 0.0006) {
                qWarning() << "differs from the road:" << line << road[0] << road[1] << road[2];
                return {};
            }
        }
        stations << station;
    }
    return stations;
}

QList<double> every(double from, double to, double step)
{
    QList<double> stations;
    for (double L = from; step > 0 ? L <= to : L >= to; L += step)
        stations << L;
    return stations;
}

// A road of one 100 m line heading north from (x, y) at this station.
void makeLineRoad(double x, double y, double station)
{
    theRoad.InsertHorizonPoint(x, y, station);
    RoadEntity line;
    line.set(1, x, y, 0, 0, 0, 100, 0);
    line.l1 = station;
    theRoad.InsertHorizon(line);
    theRoad.ApplyHorizon();
}

}  // namespace

class ExportDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QPointer<ExportDialog> dialog_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Opens the dialog, types Start, End, Interval, Offset and File, ticks
    // the named boxes and presses OK: "title: text" of the box it raised.
    QString exportStakes(const QStringList& fields, const QStringList& ticks = {})
    {
        dialog_ = open<ExportDialog>("actionExport");
        const char* const edits[] = {"startEdit", "endEdit", "intervalEdit", "offsetEdit",
                                     "fileEdit"};
        for (int i = 0; i < fields.size(); ++i)
            retype(dialog_->findChild<QLineEdit*>(edits[i]), fields[i]);
        for (const QString& name : ticks) {
            // The box spans its grid cell: its middle may be beyond the label.
            auto* box = dialog_->findChild<QCheckBox*>(name);
            QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        }
        auto* ok = dialog_->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        return boxRaisedBy([ok] { QTest::mouseClick(ok, Qt::LeftButton); });
    }

private slots:
    void exampleRoadRuns_data()
    {
        QTest::addColumn<QString>("run");  // Start, End, Interval, Offset
        QTest::addColumn<bool>("prime");
        QTest::addColumn<QList<double>>("stations");
        QTest::addColumn<QString>("firstHeight");
        // On the grade after 650: 161.5 - 0.008 * 350.
        QTest::newRow("forward, bounded by End")
            << "1000 1500 20 0" << false << every(1000, 1500, 20) << QString("158.700");
        QTest::newRow("forward to the road end, written once")
            << "3990 9999 25 0" << false << QList<double>{3990, 4000, 4025, 4050, 4075, 4100, 4120}
            << QString();
        QTest::newRow("backward, bounded by End")
            << "1000 900 20 0" << false << every(1000, 900, -20) << QString();
        // The first step back reaches the regular stake below Start.
        QTest::newRow("back to the road start, written once")
            << "130 -50 20 0" << false << (QList<double>{130} << every(120, 0, -20)) << QString();
        QTest::newRow("End equal to Start runs back to the road start")
            << "50 50 20 0" << false << QList<double>{50, 40, 20, 0} << QString();
        // Elements meet at 420 and 540.
        QTest::newRow("prime points")
            << "400 600 25 0" << true
            << QList<double>{400, 420, 425, 450, 475, 500, 525, 540, 550, 575, 600} << QString();
        // 158.7 on the profile, then -0.18 - 3 * 0.5 / 4.5 on the Fill slope.
        QTest::newRow("right offset in a Fill section")
            << "1000 1040 20 7.5" << false << every(1000, 1040, 20) << QString("158.187");
        // 160.7 on the grade after 1500, then the Cut ditch: -0.18 - 0.6 * 0.5 / 0.6.
        QTest::newRow("left offset in a Cut section")
            << "2000 2100 50 -7.5" << false << every(2000, 2100, 50) << QString("160.020");
    }

    void exampleRoadRuns()
    {
        QFETCH(QString, run);
        QFETCH(bool, prime);
        QFETCH(QList<double>, stations);
        QFETCH(QString, firstHeight);
        QVERIFY(loadExampleRoad());
        const QStringList fields = run.split(' ') << path("stakes.txt");
        QCOMPARE(exportStakes(fields, prime ? QStringList("chkBoxExportPrime") : QStringList()),
                 kSuccess);
        QCOMPARE(checkedStations(fields[4], fields[3].toDouble()), stations);
        if (!firstHeight.isEmpty())
            QCOMPARE(QString(readFile(fields[4]).split('\n')[0].split(',')[3]), firstHeight);
        // Closed after the success message.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog_);
    }

    void integerMilesCountFromAWholeTen()
    {
        makeLineRoad(3380000, 500000, 1003.5);
        const QStringList fields{"0", "1040", "10", "0", path("integral.txt")};
        QCOMPARE(exportStakes(fields), kSuccess);
        QCOMPARE(checkedStations(fields[4], 0), (QList<double>{1003.5, 1013.5, 1023.5, 1033.5}));
        QCOMPARE(exportStakes(fields, {"chkBoxIntMile"}), kSuccess);
        QCOMPARE(checkedStations(fields[4], 0), (QList<double>{1003.5, 1010, 1020, 1030, 1040}));
    }

    void numbersAreNudgedButStationsAreNot()
    {
        // X and station a hair below a half millimetre; no profile: height 0.
        makeLineRoad(1.2344999, 2, 1.2344999);
        const QString file = path("nudge.txt");
        // End equal to Start: back to the road start, the only stake.
        QCOMPARE(exportStakes({"0", "0", "20", "0", file}), kSuccess);
        QCOMPARE(readFile(file), QByteArray("1.234,1.235,2.000,0.000\n"));
    }

    void numbersKeepTheDecimalPointInAnyLocale()
    {
        QVERIFY(loadExampleRoad());
        const std::string before = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const QString message = exportStakes({"1000", "1020", "20", "0", path("de.txt")});
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, before.c_str());
        QCOMPARE(message, kSuccess);
        QCOMPARE(checkedStations(path("de.txt"), 0), (QList<double>{1000, 1020}));
    }

    void refusedExportsKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        const QString tooSmall = "Vantorel: the interval is too small!";
        const QString cannotOpen = "Vantorel: unable to open dested file!";
        QTest::newRow("interval below 1") << "0.999" << path("refused.txt") << tooSmall;
        QTest::newRow("interval not a number") << "nan" << path("refused.txt") << tooSmall;
        QTest::newRow("missing directory") << "20" << path("no/such/refused.txt") << cannotOpen;
    }

    void refusedExportsKeepTheDialogOpen()
    {
        QFETCH(QString, interval);
        QFETCH(QString, file);
        QFETCH(QString, message);
        QVERIFY(loadExampleRoad());
        QCOMPARE(exportStakes({"0", "100", interval, "0", file}), message);
        QVERIFY(dialog_ && dialog_->isVisible());
        QVERIFY(!QFile::exists(file));
    }

    void failedWritesAreNotReportedAsSuccess()
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("needs /dev/full");
        QVERIFY(loadExampleRoad());
        QCOMPARE(exportStakes({"0", "4120", "1", "0", "/dev/full"}),
                 QString("Vantorel: writing the file failed, the export is incomplete!"));
        QVERIFY(dialog_ && dialog_->isVisible());
        // A short file that fits in any buffer fails only at the flush.
        retype(dialog_->findChild<QLineEdit*>("endEdit"), "1");
        QCOMPARE(dialog_->exportTo("/dev/full"), ExportDialog::Outcome::WriteFailed);
    }

    void pathWithChineseCharactersIsWrittenUnderThatName()
    {
        QVERIFY(loadExampleRoad());
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("放样")));
        const QString file = path(QStringLiteral("放样/桩点.txt"));
        QCOMPARE(exportStakes({"0", "40", "20", "0", file}), kSuccess);
        // The name on disk is the UTF-8 one.
        QVERIFY(::access(file.toUtf8().constData(), F_OK) == 0);
        QCOMPARE(checkedStations(file, 0), (QList<double>{0, 20, 40}));
    }
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
