// Printing and PDF: File → Export PDF… of the plan and of a stake table
// driven as a user would, the files read back with poppler's tools; the
// page layout and the paper inks on their own.
#include "dialogtest.h"
#include "printing/drawingpage.h"
#include "printing/pagerun.h"
#include "printing/paperinks.h"
#include "tools/exportdialog.h"

#include <QDialogButtonBox>
#include <QProcess>
#include <QProgressDialog>
#include <QRegularExpression>

namespace {

// The output of a poppler tool run on the file; a null string when the tool
// is missing.
QString poppler(const QString& tool, const QStringList& arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

int pageCount(const QString& pdf)
{
    const QRegularExpressionMatch pages =
        QRegularExpression("Pages:\\s+(\\d+)").match(poppler("pdfinfo", {pdf}));
    return pages.hasMatch() ? pages.captured(1).toInt() : -1;
}

// The text of the PDF with its lines laid out as on the page.
QString textOf(const QString& pdf)
{
    return poppler("pdftotext", {"-layout", pdf, "-"});
}

Answer cancelProgress()
{
    return {&QProgressDialog::staticMetaObject,
            [](QWidget* w) { qobject_cast<QProgressDialog*>(w)->cancel(); }};
}

}  // namespace

class PrintingTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }

    // Opens Tool → Export with Start, End, Interval, Offset typed and the
    // format item chosen, and leaves it open.
    ExportDialog* setUpExport(const QStringList& fields, int format)
    {
        auto* dialog = open<ExportDialog>("actionExport");
        const char* const edits[] = {"startEdit", "endEdit", "intervalEdit", "offsetEdit",
                                     "fileEdit"};
        for (int i = 0; i < fields.size(); ++i)
            retype(dialog->findChild<QLineEdit*>(edits[i]), fields[i]);
        chooseWithKeys(dialog->findChild<QComboBox*>("formatBox"), format);
        return dialog;
    }

    QStringList exportPdf(std::initializer_list<Answer> answers)
    {
        return answering(answers,
                         [this] { window_->findChild<QAction*>("actionExportPdf")->trigger(); });
    }

    void skipWithoutPoppler()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty() ||
            QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QSKIP("pdftotext and pdfinfo (poppler-utils) are needed to read the PDF back");
    }

private slots:
    void paperInksTurnTheScreenOver()
    {
        QCOMPARE(paperColour(Qt::black), QColor(Qt::white));
        QCOMPARE(paperColour(Qt::white), QColor(Qt::black));
        const QColor green = paperColour(Qt::green);
        QVERIFY(green.green() < 200 && green.red() == 0 && green.blue() == 0);
        QCOMPARE(paperColour(QColor(0, 0, 0, 170)).alpha(), 170);
    }

    void scalesAreThoseOnPaper()
    {
        // 96 dpi pages at a pixel each: 3.78 pixels to the millimetre.
        QCOMPARE(drawingScale(QTransform(0, -3.7795, 3.7795, 0, 0, 0), 1.0, 96.0), "1:1000");
        QCOMPARE(drawingScale(QTransform(0, -0.5, 0.5, 0, 0, 0), 2.0, 96.0), "1:3780");
        QCOMPARE(drawingScale(QTransform(0, -5, 0.5, 0, 0, 0), 1.0, 96.0), "H 1:7560  V 1:756");
    }

    void pageRangesSelectPages()
    {
        QCOMPARE(selectedPages(QPageRanges(), 3), QList<int>({0, 1, 2}));
        QPageRanges ranges;
        ranges.addRange(2, 3);
        ranges.addPage(9);
        QCOMPARE(selectedPages(ranges, 4), QList<int>({1, 2}));
    }

    // The plan as drawn, with its station labels and axes, on one page with
    // its title block.
    void planPdf()
    {
        skipWithoutPoppler();
        QVERIFY(loadExampleRoad());
        window_->refreshView(MainWindow::kPlanView);
        window_->resize(1000, 700);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        const QString pdf = path("plan");
        QCOMPARE(exportPdf({pick(0), choose(pdf), press(QMessageBox::Ok)}).value(2),
                 QString("info: The PDF was written to %1.pdf (pages: 1).").arg(pdf));
        QCOMPARE(pageCount(pdf + ".pdf"), 1);
        const QString text = textOf(pdf + ".pdf");
        for (const char* expected :
             {"Plan", "example-road.rod", "1:1", "QD K0+000.000", "N 3382000", "E 503500"})
            QVERIFY2(text.contains(expected), qPrintable(expected + (" missing in\n" + text)));
    }

    // Every point of the stake file on the pages, with the same texts; the
    // header on every page.
    void stakeTablePdf()
    {
        skipWithoutPoppler();
        QVERIFY(loadExampleRoad());
        ExportDialog* dialog =
            setUpExport({"0", "4120", "20", "-7.5,0,7.5", path("stakes.dat")}, 2);
        QCOMPARE(boxRaisedBy([dialog] {
                     auto* buttons = dialog->findChild<QDialogButtonBox*>();
                     QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
                 }).left(35),
                 "Vantorel: export successfully!\npoin");
        setUpExport({"0", "4120", "20", "-7.5,0,7.5"}, 2);

        const QString pdf = path("stakes.pdf");
        exportPdf({pick(1), choose(pdf), press(QMessageBox::Ok)});
        const int pages = pageCount(pdf);
        const QString text = textOf(pdf);
        const QStringList file =
            QString(readFile(path("stakes.dat"))).split('\n', Qt::SkipEmptyParts);
        QVERIFY(file.size() > 600);
        QVERIFY(pages > 1);
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

    // A run of thousands of pages shows its progress and stops when asked,
    // leaving no file.
    void longTableCanBeCancelled()
    {
        RoadEntity straight;
        straight.set(1, 3000000.0, 500000.0, 0.3, 0, 0, 100000.0, 0);
        theRoad.InsertHorizonPoint(3000000.0, 500000.0, 0.0);
        theRoad.InsertHorizon(straight);
        QCOMPARE(theRoad.ApplyHorizon(), 0);
        setUpExport({"0", "100000", "1", "-7.5,0,7.5"}, 0);
        const QString pdf = path("long.pdf");
        const QStringList seen = exportPdf({pick(1), choose(pdf), cancelProgress()});
        QCOMPARE(seen.size(), 3);
        QCOMPARE(QDir(dir_.path()).entryList({"long*"}, QDir::Files), QStringList());
    }
};

QTEST_MAIN(PrintingTest)
#include "printing_test.moc"
