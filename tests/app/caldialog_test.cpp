// The coordinate calculator driven as a user would: numbers typed, the
// arrow buttons clicked, the results read from the fields.
#include "tools/caldialog.h"
#include "dialogtest.h"
#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"

#include <QAction>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QString fixed3(double v)
{
    return QString::number(v, 'f', 3);
}

}  // namespace

class CalDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DialogTestWindow> window_;
    QPointer<CalDialog> dialog_;

    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QString text(const char* name) const { return edit(name)->text(); }
    QStringList allFields() const
    {
        return {text("mileEdit"), text("offsetEdit"), text("xEdit"), text("yEdit"), text("zEdit")};
    }

    void open()
    {
        dialog_ = window_->open<CalDialog>("actionCal");
        QVERIFY(dialog_);
    }

    void down() const
    {
        QTest::mouseClick(dialog_->findChild<QPushButton*>("downButton"), Qt::LeftButton);
    }
    void up() const
    {
        QTest::mouseClick(dialog_->findChild<QPushButton*>("upButton"), Qt::LeftButton);
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

    void downThenUpOnACurveGivesBackStationAndOffset_data()
    {
        QTest::addColumn<QString>("mile");
        QTest::addColumn<QString>("offset");
        QTest::addColumn<QString>("z");
        // On the arc of radius 800, in a Cut section: its ditch slope on the
        // left, the carriageway's cross fall on the right.
        QTest::newRow("arc, left") << "700"
                                   << "-7.5"
                                   << "-0.680";
        QTest::newRow("arc, right") << "612.345"
                                    << "5.25"
                                    << "-0.120";
        // On a spiral in a Fill section, beyond the outermost break.
        QTest::newRow("spiral") << "1600.5"
                                << "11.8"
                                << "-3.380";
    }

    void downThenUpOnACurveGivesBackStationAndOffset()
    {
        QFETCH(QString, mile);
        QFETCH(QString, offset);
        QFETCH(QString, z);
        retype(edit("mileEdit"), mile);
        retype(edit("offsetEdit"), offset);
        down();
        double x = 0;
        double y = 0;
        QVERIFY(theRoad.L2XY(mile.toDouble(), offset.toDouble(), &x, &y));
        QCOMPARE(text("xEdit"), fixed3(x));
        QCOMPARE(text("yEdit"), fixed3(y));
        QCOMPARE(text("zEdit"), z);

        retype(edit("mileEdit"), "0");
        retype(edit("offsetEdit"), "0");
        retype(edit("zEdit"), "");
        up();
        QCOMPARE(text("mileEdit"), fixed3(mile.toDouble()));
        QCOMPARE(text("offsetEdit"), fixed3(offset.toDouble()));
        QCOMPARE(text("zEdit"), z);
    }

    void emptyFieldsGiveAWarningAndChangeNothing()
    {
        retype(edit("offsetEdit"), "");
        {
            ModalAnswers answers({press(QMessageBox::Ok)});
            down();
            QCOMPARE(answers.seen(), QStringList("warning: data input error!"));
        }
        QCOMPARE(allFields(), QStringList({"0", "", "0", "0", "0"}));

        retype(edit("yEdit"), "");
        {
            ModalAnswers answers({press(QMessageBox::Ok)});
            up();
            QCOMPARE(answers.seen(), QStringList("warning: data input error!"));
        }
        QCOMPARE(allFields(), QStringList({"0", "", "0", "", "0"}));
    }

    void stationOffTheRoadEmptiesTheCoordinates()
    {
        retype(edit("mileEdit"), "4121");
        down();
        QCOMPARE(allFields(), QStringList({"4121", "0", "", "", ""}));
    }

    void pointOffTheRoadChangesNothing()
    {
        // 100 m behind the road start, against the first straight's heading.
        const RoadEntity* first = theRoad.GetHorizon(1);
        retype(edit("xEdit"), fixed3(first->x1 - 100 * std::cos(first->angle1)));
        retype(edit("yEdit"), fixed3(first->y1 - 100 * std::sin(first->angle1)));
        const QStringList before = allFields();
        up();
        QCOMPARE(allFields(), before);
    }

    void unparsableStationReadsAsZero()
    {
        retype(edit("mileEdit"), "abc");
        ModalAnswers answers({press(QMessageBox::Ok)});
        down();
        QVERIFY(answers.seen().isEmpty());
        const RoadEntity* first = theRoad.GetHorizon(1);
        QCOMPARE(text("xEdit"), fixed3(first->x1));
        QCOMPARE(text("yEdit"), fixed3(first->y1));
    }

    void withoutSectionsZKeepsItsValue()
    {
        theRoad.ClearSection();
        retype(edit("mileEdit"), "700");
        retype(edit("offsetEdit"), "5");
        down();
        QVERIFY(!text("xEdit").isEmpty());
        QCOMPARE(text("zEdit"), QString("0"));
        retype(edit("zEdit"), "1.5");
        up();
        QCOMPARE(text("mileEdit"), QString("700.000"));
        QCOMPARE(text("zEdit"), QString("1.5"));
    }
};

QTEST_MAIN(CalDialogTest)
#include "caldialog_test.moc"
