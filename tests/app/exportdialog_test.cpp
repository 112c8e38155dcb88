// The stake point export driven as a user would: fields typed, OK pressed,
// the file checked line by line against the road's own geometry.
#include "tools/exportdialog.h"
#include "dialogtest.h"
#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"
#include "testroad.h"

#include <QAction>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <clocale>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace {

// Three decimals each, and the values are nudged by 0.00001 before rounding.
constexpr double kPrinted = 0.0006;

struct Stake
{
    double station;
    double x;
    double y;
    double height;
};

void loadExampleRoad()
{
    QVERIFY(theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod"));
}

QStringList linesOf(const QString& path)
{
    QStringList lines = QString::fromLatin1(readFile(path)).split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

std::vector<Stake> stakesOf(const QStringList& lines)
{
    std::vector<Stake> stakes;
    for (const QString& line : lines) {
        const QStringList f = line.split(',');
        if (f.size() != 4)
            return {};
        stakes.push_back({f[0].toDouble(), f[1].toDouble(), f[2].toDouble(), f[3].toDouble()});
    }
    return stakes;
}

QList<double> stationsOf(const std::vector<Stake>& stakes)
{
    QList<double> stations;
    for (const Stake& s : stakes)
        stations << s.station;
    return stations;
}

QList<double> stationsFrom(double from, double to, double step)
{
    QList<double> stations;
    for (double L = from; step > 0 ? L <= to : L >= to; L += step)
        stations << L;
    return stations;
}

// Each stake lies where the road puts its station and offset, at the
// profile height plus, off the centre line, the template's height difference.
bool matchesTheRoad(const std::vector<Stake>& stakes, double offset)
{
    for (const Stake& s : stakes) {
        double x = 0;
        double y = 0;
        double height = 0;
        if (!theRoad.L2XY(s.station, offset, &x, &y))
            return false;
        theRoad.CalElevation(s.station, &height, nullptr);
        if (RoadSection* section = theRoad.GetSectionByLC(s.station); section && offset != 0)
            height += theRoad.CalDetaH(section, offset);
        if (std::abs(s.x - x) > kPrinted || std::abs(s.y - y) > kPrinted ||
            std::abs(s.height - height) > kPrinted) {
            qWarning() << "stake" << s.station << "differs:" << s.x << x << s.y << y << s.height
                       << height;
            return false;
        }
    }
    return true;
}

}  // namespace

class ExportDialogTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    std::unique_ptr<DialogTestWindow> window_;
    QPointer<ExportDialog> dialog_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    // Clicks the box's indicator: the box spans its grid cell, its middle may
    // be beyond the label.
    void tick(const char* name) const
    {
        auto* box = dialog_->findChild<QCheckBox*>(name);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
        QVERIFY(box->isChecked());
    }

    void open()
    {
        // A dialog closed before is gone first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        dialog_ = window_->open<ExportDialog>("actionExport");
        QVERIFY(dialog_);
    }

    void fill(const QString& start, const QString& end, const QString& interval,
              const QString& offset, const QString& file)
    {
        retype(edit("startEdit"), start);
        retype(edit("endEdit"), end);
        retype(edit("intervalEdit"), interval);
        retype(edit("offsetEdit"), offset);
        retype(edit("fileEdit"), file);
    }

    // Picks the file with the "..." button; an empty path cancels.
    void browse(const QString& file)
    {
        ModalAnswers answers({choose(file)});
        QTest::mouseClick(dialog_->findChild<QPushButton*>("pushButton"), Qt::LeftButton);
    }

    // Presses OK and answers the box it raises; returns "title: text".
    QString pressOk()
    {
        ModalAnswers answers({press(QMessageBox::Ok)});
        auto* buttons = dialog_->findChild<QDialogButtonBox*>("buttonBox");
        QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        return answers.seen().value(0);
    }

    // Exports the example road with these fields; the stakes written.
    std::vector<Stake> exported(const QString& start, const QString& end, const QString& interval,
                                const QString& offset = "0")
    {
        open();
        const QString file = path("stakes.txt");
        fill(start, end, interval, offset, file);
        const QString message = pressOk();
        if (message != "Vantorel: export successfully!")
            qWarning() << message;
        return stakesOf(linesOf(file));
    }

private slots:
    void init()
    {
        theRoad.NewRoad();
        window_ = std::make_unique<DialogTestWindow>();
    }

    void cleanup() { window_.reset(); }

    void forwardRunStopsAtEnd()
    {
        loadExampleRoad();
        const std::vector<Stake> stakes = exported("1000", "1500", "20");
        QCOMPARE(stationsOf(stakes), stationsFrom(1000, 1500, 20));
        QVERIFY(matchesTheRoad(stakes, 0));
        // On the grade after 650: 161.5 - 0.008 * 350.
        QVERIFY(std::abs(stakes.front().height - 158.7) < kPrinted);
        // Closed after the success message.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog_);
    }

    void forwardRunWritesTheRoadEndOnce()
    {
        loadExampleRoad();
        const std::vector<Stake> stakes = exported("3990", "9999", "25");
        QCOMPARE(stationsOf(stakes), (QList<double>{3990, 4000, 4025, 4050, 4075, 4100, 4120}));
        QVERIFY(matchesTheRoad(stakes, 0));
    }

    void backwardRuns_data()
    {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("end");
        QTest::addColumn<QList<double>>("stations");
        QTest::newRow("bounded by End") << "1000"
                                        << "900" << stationsFrom(1000, 900, -20);
        // The first step back reaches the regular stake below Start.
        QTest::newRow("to the road start, written once")
            << "130"
            << "-50" << (QList<double>{130} << stationsFrom(120, 0, -20));
        QTest::newRow("End equal to Start runs to the road start")
            << "50"
            << "50" << QList<double>{50, 40, 20, 0};
    }

    void backwardRuns()
    {
        QFETCH(QString, start);
        QFETCH(QString, end);
        QFETCH(QList<double>, stations);
        loadExampleRoad();
        const std::vector<Stake> stakes = exported(start, end, "20");
        QCOMPARE(stationsOf(stakes), stations);
        QVERIFY(matchesTheRoad(stakes, 0));
    }

    void offsetAddsTheTemplateHeight()
    {
        loadExampleRoad();
        // Right of the centre line in a Fill section, left in a Cut one.
        std::vector<Stake> stakes = exported("1000", "1040", "20", "7.5");
        QCOMPARE(stakes.size(), std::size_t(3));
        QVERIFY(matchesTheRoad(stakes, 7.5));
        // 158.7 on the profile, then -0.18 - 3 * 0.5 / 4.5 on the Fill slope.
        QCOMPARE(QString::number(stakes.front().height, 'f', 3), QString("158.187"));

        stakes = exported("2000", "2100", "50", "-7.5");
        QVERIFY(matchesTheRoad(stakes, -7.5));
        double profile = 0;
        theRoad.CalElevation(2000, &profile, nullptr);
        // The Cut ditch: -0.18 - 0.6 * 0.5 / 0.6.
        QVERIFY(std::abs(stakes.front().height - (profile - 0.68)) < kPrinted);
    }

    void tinyOffsetTakesTheProfileHeightAlone()
    {
        loadExampleRoad();
        const std::vector<Stake> stakes = exported("1000", "1000.001", "20", "0.0005");
        QCOMPARE(stakes.size(), std::size_t(1));
        QVERIFY(std::abs(stakes.front().height - 158.7) < kPrinted);
    }

    void integerMilesCountFromAWholeTen()
    {
        // A road starting at 1003.5.
        theRoad.InsertHorizonPoint(3380000, 500000, 1003.5);
        RoadEntity line;
        line.set(1, 3380000, 500000, 0.5, 0, 0, 100, 0);
        line.l1 = 1003.5;
        theRoad.InsertHorizon(line);
        theRoad.ApplyHorizon();

        open();
        const QString file = path("integral.txt");
        fill("0", "1040", "10", "0", file);
        QCOMPARE(pressOk(), QString("Vantorel: export successfully!"));
        QCOMPARE(stationsOf(stakesOf(linesOf(file))),
                 (QList<double>{1003.5, 1013.5, 1023.5, 1033.5}));

        open();
        fill("0", "1040", "10", "0", file);
        tick("chkBoxIntMile");
        QCOMPARE(pressOk(), QString("Vantorel: export successfully!"));
        QCOMPARE(stationsOf(stakesOf(linesOf(file))),
                 (QList<double>{1003.5, 1010, 1020, 1030, 1040}));
    }

    void primePointsAddTheElementBoundaries()
    {
        loadExampleRoad();
        // Elements meet at 420 and 540.
        std::vector<Stake> stakes = exported("400", "600", "25");
        QCOMPARE(stationsOf(stakes), stationsFrom(400, 600, 25));

        open();
        const QString file = path("prime.txt");
        fill("400", "600", "25", "0", file);
        tick("chkBoxExportPrime");
        QCOMPARE(pressOk(), QString("Vantorel: export successfully!"));
        stakes = stakesOf(linesOf(file));
        QCOMPARE(stationsOf(stakes),
                 (QList<double>{400, 420, 425, 450, 475, 500, 525, 540, 550, 575, 600}));
        QVERIFY(matchesTheRoad(stakes, 0));
    }

    void numbersAreNudgedButStationsAreNot()
    {
        // A start point whose X and station lie a hair below a half millimetre.
        theRoad.InsertHorizonPoint(1.2344999, 2, 1.2344999);
        RoadEntity line;
        line.set(1, 1.2344999, 2, 0, 0, 0, 100, 0);
        line.l1 = 1.2344999;
        theRoad.InsertHorizon(line);
        theRoad.ApplyHorizon();

        open();
        const QString file = path("nudge.txt");
        // End equal to Start: back to the road start, which is the only stake.
        fill("0", "0", "20", "0", file);
        QCOMPARE(pressOk(), QString("Vantorel: export successfully!"));
        // No profile: the height is 0 plus the nudge.
        QCOMPARE(linesOf(file), QStringList("1.234,1.235,2.000,0.000"));
    }

    void numbersKeepTheDecimalPointInAnyLocale()
    {
        loadExampleRoad();
        const std::string before = std::setlocale(LC_ALL, nullptr);
        std::setlocale(LC_ALL, "de_DE.UTF-8");  // where installed
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const std::vector<Stake> stakes = exported("1000", "1020", "20");
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, before.c_str());
        QCOMPARE(linesOf(path("stakes.txt")).value(0).count(','), 3);
        QCOMPARE(stationsOf(stakes), (QList<double>{1000, 1020}));
    }

    void roadWithoutElementsGivesAnEmptyFile()
    {
        theRoad.InsertHorizonPoint(0, 0, 0);
        open();
        const QString file = path("empty.txt");
        fill("0", "100", "20", "0", file);
        QCOMPARE(pressOk(), QString("Vantorel: export successfully!"));
        QVERIFY(QFile::exists(file));
        QCOMPARE(QFile(file).size(), 0);
    }

    void refusedExportsKeepTheDialogOpen_data()
    {
        QTest::addColumn<QString>("interval");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        QTest::newRow("interval below 1") << "0.999"
                                          << "refused.txt"
                                          << "Vantorel: the interval is too small!";
        QTest::newRow("interval not a number") << "nan"
                                               << "refused.txt"
                                               << "Vantorel: the interval is too small!";
        QTest::newRow("missing directory") << "20"
                                           << "no/such/dir/refused.txt"
                                           << "Vantorel: unable to open dested file!";
        QTest::newRow("empty path") << "20"
                                    << ""
                                    << "Vantorel: unable to open dested file!";
    }

    void refusedExportsKeepTheDialogOpen()
    {
        QFETCH(QString, interval);
        QFETCH(QString, file);
        QFETCH(QString, message);
        loadExampleRoad();
        open();
        const QString target = file.isEmpty() ? QString() : path(file);
        fill("0", "100", interval, "0", target);
        QCOMPARE(pressOk(), message);
        QVERIFY(dialog_ && dialog_->isVisible());
        QVERIFY(target.isEmpty() || !QFile::exists(target));
    }

    void failedWritesAreNotReportedAsSuccess()
    {
        if (!QFile::exists("/dev/full"))
            QSKIP("needs /dev/full");
        loadExampleRoad();
        open();
        fill("0", "4120", "1", "0", "/dev/full");
        QCOMPARE(pressOk(),
                 QString("Vantorel: writing the file failed, the export is incomplete!"));
        QVERIFY(dialog_ && dialog_->isVisible());
        // The same through the routine itself, for a short file that fits
        // in any buffer: the failure shows only at the flush.
        retype(edit("endEdit"), "1");
        QCOMPARE(dialog_->exportTo("/dev/full"), ExportDialog::Outcome::WriteFailed);
    }

    void pathWithChineseCharactersIsWrittenUnderThatName()
    {
        loadExampleRoad();
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("放样")));
        const QString file = path(QStringLiteral("放样/桩点.txt"));
        open();
        fill("0", "40", "20", "0", QString());
        browse(file);
        QCOMPARE(pressOk(), QString("Vantorel: export successfully!"));
        // The name on disk is the UTF-8 one.
        QVERIFY(::access(file.toUtf8().constData(), F_OK) == 0);
        QCOMPARE(stationsOf(stakesOf(linesOf(file))), (QList<double>{0, 20, 40}));
    }

    void browseButtonFillsThePath()
    {
        open();
        const QString file = path("chosen.txt");
        browse(file);
        QCOMPARE(edit("fileEdit")->text(), file);
        browse(QString());
        QCOMPARE(edit("fileEdit")->text(), QString());
    }
};

QTEST_MAIN(ExportDialogTest)
#include "exportdialog_test.moc"
