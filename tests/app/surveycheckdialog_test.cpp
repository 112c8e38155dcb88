// Tool → Check Surveyed Points as a user meets it: a survey of the example
// road checked in the background, the worst rows marked at the tolerance
// typed, the table sorted by a click and exported in that order, the
// points on the plan while the dialog is open; a bad line named, a long
// check stopped.
#include "tools/surveycheckdialog.h"
#include "dialogtest.h"
#include "views/mygraphicsview.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QSettings>
#include <QTableView>

namespace {

constexpr int kWaitMs = 20000;

struct Surveyed
{
    const char* name;
    double station, offset, error;
};

// PNEZD lines of points beside theRoad, their heights off the design by
// `error`; beyond the end on its tangent.
QByteArray surveyOf(std::initializer_list<Surveyed> points)
{
    const RoadEntity& last = *theRoad.GetHorizon(theRoad.NumberOfHorizon() - 1);
    QByteArray text;
    for (const Surveyed& p : points) {
        double x = 0, y = 0, azimuth = 0, height = 0;
        const double on = std::min(p.station, last.l1 + last.length);
        theRoad.L2XY(on, p.offset, &x, &y, &azimuth);
        x += (p.station - on) * std::cos(azimuth);
        y += (p.station - on) * std::sin(azimuth);
        theRoad.CalElevation(p.station, &height, nullptr);
        height += theRoad.CalDetaH(theRoad.GetSectionByLC(p.station), p.offset) + p.error;
        text += QByteArray(p.name) + ',' + QByteArray::number(x, 'f', 4) + ',' +
                QByteArray::number(y, 'f', 4) + ',' + QByteArray::number(height, 'f', 4) + ",\n";
    }
    return text;
}

QStringList column(const QAbstractItemModel* model, int column)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

int markedRows(const QAbstractItemModel* model)
{
    int marked = 0;
    for (int row = 0; row < model->rowCount(); ++row)
        marked += model->index(row, 0).data(Qt::BackgroundRole).isValid();
    return marked;
}

}  // namespace

class SurveyCheckDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QPointer<SurveyCheckDialog> dialog_;

    QAbstractItemModel* table() const
    {
        return dialog_->findChild<QTableView*>("tableView")->model();
    }
    QString summary() const { return dialog_->findChild<QLabel*>("summaryLabel")->text(); }
    const SurveyedPoints& onPlan() const
    {
        return window_->findChild<MyGraphicsView*>()->surveyedPoints();
    }

    // Opens the dialog and starts the check of this survey.
    void check(const QByteArray& survey)
    {
        const QString file = dir_.filePath("survey.csv");
        QVERIFY(writeFile(file, survey));
        dialog_ = open<SurveyCheckDialog>("actionCheckSurvey");
        QVERIFY(dialog_);
        retype(dialog_->findChild<QLineEdit*>("fileEdit"), file);
        clickButton(dialog_, "checkButton");
    }

    // Whether the check has ended and its message, if any, been answered.
    bool checkEnded() const
    {
        return dialog_->findChild<QAbstractButton*>("checkButton")->isEnabled() &&
               !QApplication::activeModalWidget();
    }

private slots:
    void checksShowsOnThePlanSortsAndExports()
    {
        QSettings().clear();  // the default tolerance, not one typed before
        QVERIFY(loadExampleRoad());
        check(surveyOf({{"P10", 2000, -2, 0.015},
                        {"P2", 500, -7.5, 0.05},
                        {"P9", 900, 7.5, -0.03},
                        {"P1", 100, 0, 0},
                        {"P3", 4125, 0, 0}}));
        QTRY_VERIFY_WITH_TIMEOUT(checkEnded(), kWaitMs);
        QCOMPARE(table()->rowCount(), 5);
        QCOMPARE(summary(),
                 "5 points: 2 beyond the tolerance of 0.020 m, 1 beyond the road's ends.");
        QCOMPARE(column(table(), 6), QStringList({"cut", "cut", "fill", "", ""}));
        QCOMPARE(column(table(), 7), QStringList({"", "", "", "", "end"}));
        QCOMPARE(markedRows(table()), 2);
        QCOMPARE(onPlan().size(), 5u);

        auto* tolerance = dialog_->findChild<QDoubleSpinBox*>("toleranceBox");
        QTest::keyClick(tolerance, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(tolerance, "0.01");
        QCOMPARE(markedRows(table()), 3);
        QVERIFY(summary().contains("3 beyond the tolerance of 0.010 m"));

        // A click on the Name header sorts by name, digits by their value.
        QHeaderView* header = dialog_->findChild<QTableView*>("tableView")->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        QStringList byName{"P1", "P2", "P3", "P9", "P10"};
        if (header->sortIndicatorOrder() == Qt::DescendingOrder)
            std::reverse(byName.begin(), byName.end());
        QCOMPARE(column(table(), 0), byName);

        const QString exported = dir_.filePath("check.csv");
        QCOMPARE(answering({choose(exported)}, [this] { clickButton(dialog_, "exportButton"); }),
                 QStringList("QFileDialog"));
        QList<QByteArray> lines = readFile(exported).trimmed().split('\n');
        QCOMPARE(lines.takeFirst(),
                 "name,station,offset,measured height,design height,difference,cut/fill,beyond "
                 "end");
        QStringList names;
        for (const QByteArray& line : lines)
            names << line.split(',').first();
        QCOMPARE(names, byName);

        dialog_->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!dialog_);
        QVERIFY(onPlan().isEmpty());
    }

    void namesTheLineThatCannotBeRead()
    {
        QVERIFY(loadExampleRoad());
        QStringList seen = answering({press(QMessageBox::Ok)}, [this] {
            check("1,3381250,502340,150\n2,3381251,x502341,150\n");
            QTRY_VERIFY_WITH_TIMEOUT(checkEnded(), kWaitMs);
        });
        QCOMPARE(seen.size(), 1);
        QVERIFY2(seen[0].endsWith("line 2: the easting \"x502341\" is not a number"),
                 qPrintable(seen[0]));
        QCOMPARE(table()->rowCount(), 0);
    }

    void stopsALongCheck()
    {
        QVERIFY(loadExampleRoad());
        QByteArray survey;
        for (int i = 0; i < 200000; ++i)
            survey += "P,3381600.874,503258.260,158.187\n";
        check(survey);
        clickButton(dialog_, "stopButton");
        QTRY_VERIFY_WITH_TIMEOUT(checkEnded(), kWaitMs);
        QVERIFY(summary().startsWith("Stopped"));
        QCOMPARE(table()->rowCount(), 0);
        QVERIFY(onPlan().isEmpty());
    }
};

QTEST_MAIN(SurveyCheckDialogTest)
#include "surveycheckdialog_test.moc"
