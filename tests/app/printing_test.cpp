// Printing and PDF: File → Export PDF… of the plan and of a stake table, the
// files read back with poppler's tools; the page layout and paper inks alone.
#include "dialogtest.h"
#include "printing/drawingpage.h"
#include "printing/pagerun.h"
#include "printing/paperinks.h"
#include "tools/exportdialog.h"

#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>

class PrintingTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    // The text of the PDF, its lines laid out as on the page, and its pages.
    static std::pair<QString, int> read(const QString& pdf)
    {
        const auto run = [](const char* tool, const QStringList& arguments) {
            QProcess process;
            process.start(QStandardPaths::findExecutable(tool), arguments);
            process.waitForFinished();
            return QString::fromUtf8(process.readAllStandardOutput());
        };
        const QString info = run("pdfinfo", {pdf});
        return {run("pdftotext", {"-layout", pdf, "-"}),
                QRegularExpression("Pages:\\s+(\\d+)").match(info).captured(1).toInt()};
    }
    QStringList exportPdf(std::initializer_list<Answer> answers)
    {
        return answering(answers,
                         [this] { window_->findChild<QAction*>("actionExportPdf")->trigger(); });
    }

private slots:
    void inksScalesAndPageRanges()
    {
        QCOMPARE(paperColour(Qt::black), QColor(Qt::white));
        QCOMPARE(paperColour(Qt::white), QColor(Qt::black));
        const QColor green = paperColour(Qt::green);
        QVERIFY(green.green() < 200 && green.red() == 0 && green.blue() == 0);
        QCOMPARE(paperColour(QColor(0, 0, 0, 170)).alpha(), 170);
        // 96 dpi pages at a pixel each: 3.78 pixels to the millimetre.
        QCOMPARE(drawingScale(QTransform(0, -3.7795, 3.7795, 0, 0, 0), 1.0, 96.0), "1:1000");
        QCOMPARE(drawingScale(QTransform(0, -0.5, 0.5, 0, 0, 0), 2.0, 96.0), "1:3780");
        QCOMPARE(drawingScale(QTransform(0, -5, 0.5, 0, 0, 0), 1.0, 96.0), "H 1:7560  V 1:756");
        QCOMPARE(selectedPages(QPageRanges(), 3), QList<int>({0, 1, 2}));
        QPageRanges ranges;
        ranges.addRange(2, 3);
        ranges.addPage(9);
        QCOMPARE(selectedPages(ranges, 4), QList<int>({1, 2}));
    }

    // The plan as drawn, with its station labels and axes, on one page with
    // its title block. Every point the export writes is on the pages of the
    // stake table, with the same texts; the header on every page.
    void planAndStakeTablePdf()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("poppler-utils' pdftotext and pdfinfo are needed to read the PDF back");
        QVERIFY(loadExampleRoad());
        window_->refreshView(MainWindow::kPlanView);
        window_->resize(1000, 700);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const QString plan = path("plan");
        QCOMPARE(exportPdf({pick(0), choose(plan), press(QMessageBox::Ok)}).value(2),
                 QString("info: The PDF was written to %1.pdf (pages: 1).").arg(plan));
        const auto [drawn, one] = read(plan + ".pdf");
        QCOMPARE(one, 1);
        for (const char* expected :
             {"Plan", "example-road.rod", "1:1", "QD K0+000.000", "N 3382000", "E 503500"})
            QVERIFY2(drawn.contains(expected), qPrintable(expected + (" missing in\n" + drawn)));

        auto* dialog = open<ExportDialog>("actionExport");
        fillExport(dialog, {"0", "4120", "20", "-7.5,0,7.5", path("stakes.dat")}, {}, 2);
        exportPdf({pick(1), choose(path("stakes.pdf")), press(QMessageBox::Ok)});
        auto* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
        QVERIFY(boxRaisedBy([ok] {
                    QTest::mouseClick(ok, Qt::LeftButton);
                }).startsWith("Vantorel: export successfully!"));
        const auto [text, pages] = read(path("stakes.pdf"));
        const QStringList file =
            QString(readFile(path("stakes.dat"))).split('\n', Qt::SkipEmptyParts);
        QVERIFY(file.size() > 600 && pages > 1);
        QCOMPARE(text.count(QRegularExpression("Name\\s+Station\\s+O\\S+set\\s+N\\s+E\\s+H")),
                 pages);
        QCOMPARE(text.count(QRegularExpression("Page\\s+")), pages);
        for (const QString& line : file) {
            const QStringList f = line.split(',');  // name,,E,N,H
            const QString row = QString("%1\\s+\\S+\\s+\\S+\\s+%2\\s+%3\\s+%4")
                                    .arg(QRegularExpression::escape(f[0]), f[3], f[2], f[4]);
            QVERIFY2(text.contains(QRegularExpression(row)), qPrintable(line));
        }
    }

    // Thousands of pages show their progress and stop when asked, leaving no file.
    void longTableCanBeCancelled()
    {
        RoadEntity straight;
        straight.set(1, 3000000.0, 500000.0, 0.3, 0, 0, 100000.0, 0);
        theRoad.InsertHorizonPoint(3000000.0, 500000.0, 0.0);
        theRoad.InsertHorizon(straight);
        QCOMPARE(theRoad.ApplyHorizon(), 0);
        fillExport(open<ExportDialog>("actionExport"), {"0", "100000", "1", "-7.5,0,7.5"});
        const Answer cancel{&QProgressDialog::staticMetaObject,
                            [](QWidget* w) { qobject_cast<QProgressDialog*>(w)->cancel(); }};
        QCOMPARE(exportPdf({pick(1), choose(path("long.pdf")), cancel}).size(), 3);
        QCOMPARE(QDir(dir_.path()).entryList({"long*"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
