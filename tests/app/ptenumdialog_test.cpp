// Stake stepping driven as a user would: "Next" and "Last" clicked, the
// start and interval typed, the stake shown read from the labels.
#include "tools/ptenumdialog.h"
#include "dialogtest.h"

#include <QLabel>

class PtEnumDialogTest : public DialogTest
{
    Q_OBJECT

private:
    PtEnumDialog* dialog_ = nullptr;

    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QString label(const char* name) const { return dialog_->findChild<QLabel*>(name)->text(); }

    // Clicks "btnNext" or "btnLast" once per step; each step names the box
    // it raises, if any, and the kind and station then shown, at the
    // centre-line point of that station.
    struct Step
    {
        const char* button;
        const char* shown;
        const char* message = "";
    };
    void walk(std::initializer_list<Step> steps) const
    {
        for (const Step& step : steps) {
            QCOMPARE(boxRaisedBy([&] { clickButton(dialog_, step.button); }),
                     QString(step.message));
            QCOMPARE(label("labelKP") + ' ' + label("labelL"), QString(step.shown));
            double x = 0, y = 0;
            QVERIFY(theRoad.L2XY(label("labelL").toDouble(), 0, &x, &y));
            QCOMPARE(label("labelX") + ' ' + label("labelY"),
                     QString::number(x, 'f', 4) + ' ' + QString::number(y, 'f', 4));
        }
    }

private slots:
    void init()
    {
        DialogTest::init();
        QVERIFY(loadExampleRoad());
        // The action is hidden from the menus but still works.
        QVERIFY(dialog_ = open<PtEnumDialog>("actionEnum_Pt"));
    }

    void steppingToTheEndAndBack()
    {
        retype(edit("mile"), "4050");
        walk({{"btnNext", "NORM 4060.0000"},
              {"btnNext", "NORM 4080.0000"},
              {"btnNext", "NORM 4100.0000"},
              {"btnNext", "NORM 4120.0000"},
              {"btnNext", "TAIL 4120.0000"},
              {"btnNext", "TAIL 4120.0000", "End: Reach the End"},
              {"btnLast", "NORM 4100.0000"}});
        // "Start Mile" keeps the farthest station.
        QCOMPARE(edit("mile")->text(), QString("4120.0000"));
        retype(edit("mile"), "30");
        walk({{"btnLast", "NORM 20.0000"},
              {"btnLast", "NORM 0.0000"},
              {"btnLast", "HEAD 0.0000"},
              {"btnLast", "HEAD 0.0000", "Head: Reach the Head"}});
        // The straight meets the entry spiral at 420.
        retype(edit("lineEditStep"), "25");
        retype(edit("mile"), "410");
        walk({{"btnNext", "MAIN 420.0000"},
              {"btnNext", "NORM 425.0000"},
              {"btnLast", "MAIN 420.0000"}});
    }

    void walkStartsFromTheFieldsWheneverTheyChange()
    {
        // A new dialog: from the road start, every 20 m.
        QCOMPARE(boxRaisedBy([&] { clickButton(dialog_, "btnLast"); }),
                 QString("Head: Reach the Head"));
        walk({{"btnNext", "NORM 20.0000"}, {"btnNext", "NORM 40.0000"}});
        retype(edit("lineEditStep"), "50");
        walk({{"btnNext", "NORM 50.0000"}});
        // Not a positive interval: 20 m; not a number: the road start.
        retype(edit("lineEditStep"), "-5");
        walk({{"btnNext", "NORM 60.0000"}});
        retype(edit("mile"), "x");
        walk({{"btnNext", "NORM 20.0000"}});
    }

    void roadWithoutAlignmentWarns()
    {
        theRoad.NewRoad();
        theRoad.InsertHorizonPoint(0, 0, 0);
        for (const char* button : {"btnNext", "btnLast"})
            QCOMPARE(boxRaisedBy([&] { clickButton(dialog_, button); }),
                     QString("warning: there is no horizontal alignment to walk!"));
        QCOMPARE(label("labelKP") + ' ' + label("labelX"), QString("NKP TextLabel"));
    }
};

QTEST_MAIN(PtEnumDialogTest)
#include "ptenumdialog_test.moc"
