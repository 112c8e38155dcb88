// Stake stepping driven as a user would: "Next" and "Last" clicked, the
// start and interval typed, the stake shown read from the labels.
#include "tools/ptenumdialog.h"
#include "dialogtest.h"
#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QString fixed4(double v)
{
    return QString::number(v, 'f', 4);
}

}  // namespace

class PtEnumDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DialogTestWindow> window_;
    QPointer<PtEnumDialog> dialog_;

    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QString label(const char* name) const { return dialog_->findChild<QLabel*>(name)->text(); }

    // Kind and station of the stake shown.
    QString shown() const { return label("labelKP") + ' ' + label("labelL"); }

    void open()
    {
        // The action is hidden from the menus but still works.
        dialog_ = window_->open<PtEnumDialog>("actionEnum_Pt");
        QVERIFY(dialog_);
    }

    // Clicks the button and answers the box it may raise; "title: text" of it.
    QString click(const char* button)
    {
        ModalAnswers answers({press(QMessageBox::Ok)});
        QTest::mouseClick(dialog_->findChild<QPushButton*>(button), Qt::LeftButton);
        return answers.seen().value(0);
    }
    QString next() { return click("btnNext"); }
    QString last() { return click("btnLast"); }

    // The centre-line point of the station shown, as the labels show it.
    bool showsThePointOf(double station) const
    {
        double x = 0;
        double y = 0;
        return theRoad.L2XY(station, 0, &x, &y) && label("labelX") == fixed4(x) &&
               label("labelY") == fixed4(y);
    }

private slots:
    void init()
    {
        theRoad.NewRoad();
        QVERIFY(theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod"));
        window_ = std::make_unique<DialogTestWindow>();
        open();
    }

    void cleanup() { window_.reset(); }

    void steppingToTheEndAndBack()
    {
        retype(edit("mile"), "4050");
        for (const char* station : {"4060", "4080", "4100", "4120"}) {
            QCOMPARE(next(), QString());
            QCOMPARE(shown(), QString("NORM %1.0000").arg(station));
            QVERIFY(showsThePointOf(QString(station).toDouble()));
            QCOMPARE(edit("mile")->text(), QString("%1.0000").arg(station));
        }
        // The end reached, the next step cannot move.
        QCOMPARE(next(), QString());
        QCOMPARE(shown(), QString("TAIL 4120.0000"));
        QVERIFY(showsThePointOf(4120));
        const QString x = label("labelX");
        QCOMPARE(next(), QString("End: Reach the End"));
        QCOMPARE(shown(), QString("TAIL 4120.0000"));
        QCOMPARE(label("labelX"), x);

        // Back; "Start Mile" keeps the farthest station.
        QCOMPARE(last(), QString());
        QCOMPARE(shown(), QString("NORM 4100.0000"));
        QCOMPARE(edit("mile")->text(), QString("4120.0000"));

        // A new start near the road start: back to the head.
        retype(edit("mile"), "30");
        QCOMPARE(last(), QString());
        QCOMPARE(shown(), QString("NORM 20.0000"));
        QCOMPARE(last(), QString());
        QCOMPARE(shown(), QString("NORM 0.0000"));
        QCOMPARE(last(), QString());
        QCOMPARE(shown(), QString("HEAD 0.0000"));
        QVERIFY(showsThePointOf(0));
        QCOMPARE(last(), QString("Head: Reach the Head"));
        QCOMPARE(shown(), QString("HEAD 0.0000"));
    }

    void elementBoundariesAreKeyPoints()
    {
        // The straight meets the entry spiral at 420.
        retype(edit("lineEditStep"), "25");
        retype(edit("mile"), "410");
        QCOMPARE(next(), QString());
        QCOMPARE(shown(), QString("MAIN 420.0000"));
        QVERIFY(showsThePointOf(420));
        QCOMPARE(next(), QString());
        QCOMPARE(shown(), QString("NORM 425.0000"));
        QCOMPARE(last(), QString());
        QCOMPARE(shown(), QString("MAIN 420.0000"));
    }

    void newDialogWalksFromTheRoadStartAtTwentyMetres()
    {
        QCOMPARE(shown(), QString("NKP TextLabel"));
        QCOMPARE(last(), QString("Head: Reach the Head"));
        QCOMPARE(shown(), QString("NKP TextLabel"));
        QCOMPARE(next(), QString());
        QCOMPARE(shown(), QString("NORM 20.0000"));
    }

    void editingEitherFieldRestartsTheWalk()
    {
        next();
        next();
        next();
        QCOMPARE(shown(), QString("NORM 60.0000"));
        retype(edit("lineEditStep"), "50");
        next();
        QCOMPARE(shown(), QString("NORM 100.0000"));
        // Not a positive interval: 20 m.
        retype(edit("lineEditStep"), "-5");
        next();
        QCOMPARE(shown(), QString("NORM 120.0000"));
        // Not a number: the road start.
        retype(edit("mile"), "x");
        next();
        QCOMPARE(shown(), QString("NORM 20.0000"));
    }

    void roadWithoutAlignmentWarns()
    {
        theRoad.NewRoad();
        theRoad.InsertHorizonPoint(0, 0, 0);
        QCOMPARE(next(), QString("warning: there is no horizontal alignment to walk!"));
        QCOMPARE(last(), QString("warning: there is no horizontal alignment to walk!"));
        QCOMPARE(shown(), QString("NKP TextLabel"));
        QCOMPARE(label("labelX"), QString("TextLabel"));
    }
};

QTEST_MAIN(PtEnumDialogTest)
#include "ptenumdialog_test.moc"
