// Tool → Check Surveyed Points as a user meets it: a survey checked in the
// background, the rows beyond the tolerance typed marked, the table sorted
// by a click and exported in that order, the points on the plan while the
// dialog is open; a bad line named, a long check stopped.
#include "tools/surveycheckdialog.h"
#include "dialogtest.h"
#include "views/mygraphicsview.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

class SurveyCheckDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QPointer<SurveyCheckDialog> dialog_;

    // PNEZD lines of points (name, station, offset, error) beside theRoad,
    // their heights off the design by the error; beyond the end on its tangent.
    static QByteArray surveyOf(
        std::initializer_list<std::tuple<const char*, double, double, double>> points)
    {
        const RoadEntity& last = *theRoad.GetHorizon(theRoad.NumberOfHorizon() - 1);
        QByteArray text;
        for (const auto& [name, station, offset, error] : points) {
            double x = 0, y = 0, azimuth = 0, height = 0;
            const double on = std::min(station, last.l1 + last.length);
            theRoad.L2XY(on, offset, &x, &y, &azimuth);
            x += (station - on) * std::cos(azimuth);
            y += (station - on) * std::sin(azimuth);
            theRoad.CalElevation(station, &height, nullptr);
            height += theRoad.CalDetaH(theRoad.GetSectionByLC(station), offset) + error;
            text += QString::asprintf("%s,%.4f,%.4f,%.4f,\n", name, x, y, height).toUtf8();
        }
        return text;
    }

    QString summary() const { return dialog_->findChild<QLabel*>("summaryLabel")->text(); }
    size_t onPlan() const { return window_->findChild<MyGraphicsView*>()->surveyedPoints().size(); }
    // The data of a column of the table as shown, row by row.
    QStringList column(int column, int role = Qt::DisplayRole) const
    {
        const QAbstractItemModel* model = dialog_->findChild<QTableView*>("tableView")->model();
        QStringList texts;
        for (int row = 0; row < model->rowCount(); ++row)
            texts << model->index(row, column).data(role).toString();
        return texts;
    }

    // Checks this survey, stopped at once if asked, to its end, its box answered.
    void check(const QByteArray& survey, bool stop = false)
    {
        QVERIFY(writeFile(dir_.filePath("survey.csv"), survey));
        retype(dialog_->findChild<QLineEdit*>("fileEdit"), dir_.filePath("survey.csv"));
        clickButton(dialog_, "checkButton");
        if (stop)
            clickButton(dialog_, "stopButton");
        QTRY_VERIFY_WITH_TIMEOUT(dialog_->findChild<QAbstractButton*>("checkButton")->isEnabled() &&
                                     !QApplication::activeModalWidget(),
                                 ModalAnswers::kWaitMs);
    }

private slots:
    void checksShowsOnThePlanSortsAndExports()
    {
        QVERIFY(loadExampleRoad());
        QVERIFY(dialog_ = open<SurveyCheckDialog>("actionCheckSurvey"));
        check(surveyOf({{"P10", 2000, -2, 0.015},
                        {"P2", 500, -7.5, 0.05},
                        {"P9", 900, 7.5, -0.03},
                        {"P1", 100, 0, 0},
                        {"P3", 4125, 0, 0}}));
        QCOMPARE(summary(),
                 "5 points: 2 beyond the tolerance of 0.020 m, 1 beyond the road's ends.");
        QCOMPARE(column(6), QStringList({"cut", "cut", "fill", "", ""}));
        QCOMPARE(column(7), QStringList({"", "", "", "", "end"}));
        QCOMPARE(column(0, Qt::BackgroundRole).count(QString()), 3);  // two rows marked
        QCOMPARE(onPlan(), 5u);
        auto* tolerance = dialog_->findChild<QDoubleSpinBox*>("toleranceBox");
        QTest::keyClick(tolerance, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(tolerance, "0.01");
        QCOMPARE(column(0, Qt::BackgroundRole).count(QString()), 2);
        QVERIFY(summary().contains("3 beyond the tolerance of 0.010 m"));

        // A click on the Name header sorts by name, digits by their value;
        // the export follows.
        QHeaderView* header = dialog_->findChild<QTableView*>("tableView")->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(0) + 5, header->height() / 2));
        const QStringList byName{"P1", "P2", "P3", "P9", "P10"};
        QCOMPARE(column(0), byName);
        const QString exported = dir_.filePath("check.csv");
        QCOMPARE(answering({choose(exported)}, [this] { clickButton(dialog_, "exportButton"); }),
                 QStringList("QFileDialog"));
        QStringList names;
        for (const QByteArray& line : readFile(exported).trimmed().split('\n').mid(1))
            names << line.split(',').first();
        QCOMPARE(names, byName);

        // A file with a bad line, or a check stopped, leaves the check before.
        QCOMPARE(answering({press(QMessageBox::Ok)},
                           [this] { check("1,3381250,502340,150\n2,3381251,x502341,150\n"); }),
                 QStringList("Vantorel: cannot check \"" + dir_.filePath("survey.csv") +
                             "\": line 2: the easting \"x502341\" is not a number"));
        check(QByteArray("P,3381600.874,503258.260,158.187\n").repeated(200000), true);
        QVERIFY(summary().startsWith("Stopped"));
        QCOMPARE(column(0), byName);
        dialog_->close();
        QCOMPARE(onPlan(), 0u);
    }
};

QTEST_MAIN(SurveyCheckDialogTest)
#include "surveycheckdialog_test.moc"
