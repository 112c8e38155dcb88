// The coordinate calculator driven as a user would: numbers typed, the
// arrow buttons clicked, the results read from the fields.
#include "tools/caldialog.h"
#include "dialogtest.h"
#include "stationtext.h"

class CalDialogTest : public DialogTest
{
    Q_OBJECT

private:
    CalDialog* dialog_ = nullptr;

    // Types into mile, offset, x, y and z in this order ("-" leaves a field
    // as it is), clicks the button and returns the five fields.
    QStringList convert(const char* button, const QStringList& typed) const
    {
        const char* const names[] = {"mileEdit", "offsetEdit", "xEdit", "yEdit", "zEdit"};
        for (int i = 0; i < typed.size(); ++i)
            if (typed[i] != "-")
                retype(dialog_->findChild<QLineEdit*>(names[i]), typed[i]);
        clickButton(dialog_, button);
        QStringList fields;
        for (const char* name : names)
            fields << dialog_->findChild<QLineEdit*>(name)->text();
        return fields;
    }

private slots:
    void init()
    {
        DialogTest::init();
        QVERIFY(loadExampleRoad());
        QVERIFY(dialog_ = open<CalDialog>("actionCal"));
    }

    void downThenUpOnACurveGivesBackStationAndOffset_data()
    {
        QTest::addColumn<QString>("typed");  // metres or K notation
        QTest::addColumn<double>("mile");
        QTest::addColumn<double>("offset");
        QTest::addColumn<QString>("z");
        // On the arc of radius 800, in a Cut section: its ditch slope on the
        // left, the carriageway's cross fall on the right.
        QTest::newRow("arc, left") << "700" << 700.0 << -7.5 << "-0.680";
        QTest::newRow("arc, right") << " k0+612.345 " << 612.345 << 5.25 << "-0.120";
        // On a spiral in a Fill section, beyond the outermost break.
        QTest::newRow("spiral") << "1+600.5" << 1600.5 << 11.8 << "-3.380";
    }

    void downThenUpOnACurveGivesBackStationAndOffset()
    {
        QFETCH(QString, typed);
        QFETCH(double, mile);
        QFETCH(double, offset);
        QFETCH(QString, z);
        double x = 0, y = 0;
        QVERIFY(theRoad.L2XY(mile, offset, &x, &y));
        const QString xText = QString::number(x, 'f', 3), yText = QString::number(y, 'f', 3);
        QCOMPARE(convert("downButton", {typed, QString::number(offset)}).mid(2),
                 QStringList({xText, yText, z}));
        QCOMPARE(convert("upButton", {"0", "0", "-", "-", ""}),
                 QStringList({QString::number(mile, 'f', 3), QString::number(offset, 'f', 3), xText,
                              yText, z}));
    }

    void inputThatGivesNoPointIsSaidSo()
    {
        QStringList fields;
        const QString warning = "warning: data input error!";
        // Empty fields change nothing.
        QCOMPARE(boxRaisedBy([&] { fields = convert("downButton", {"-", ""}); }), warning);
        QCOMPARE(fields, QStringList({"0", "", "0", "0", "0"}));
        QCOMPARE(boxRaisedBy([&] { fields = convert("upButton", {"-", "-", "-", ""}); }), warning);
        QCOMPARE(fields, QStringList({"0", "", "0", "", "0"}));
        // Letters are no station 0, nor a coordinate: no result is shown.
        QCOMPARE(boxRaisedBy([&] { fields = convert("downButton", {"abc", "0"}); }), warning);
        QCOMPARE(fields.mid(2), QStringList({"", "", ""}));
        QCOMPARE(boxRaisedBy([&] { fields = convert("downButton", {"100", "1,5"}); }), warning);
        QCOMPARE(boxRaisedBy([&] {
                     fields = convert("upButton", {"1", "2", "3381250", "5o2340"});
                 }),
                 warning);
        QCOMPARE(fields, QStringList({"", "", "3381250", "5o2340", ""}));

        // A station beyond the road's end says where the road runs.
        const RoadEntity& last = *theRoad.GetHorizon(theRoad.NumberOfHorizon() - 1);
        const QString end = QString::fromStdString(stationText(last.l1 + last.length));
        QCOMPARE(boxRaisedBy([&] {
                     fields = convert("downButton", {"K4+121", "0"});
                 }),
                 "warning: station K4+121.000 is not on the road, which runs from K0+000.000 to " +
                     end + "!");
        QCOMPARE(fields.mid(2), QStringList({"", "", ""}));
        // 100 m behind the road start: nothing changes.
        const RoadEntity& first = *theRoad.GetHorizon(1);
        const QStringList behind{
            "1", "2", QString::number(first.x1 - 100 * std::cos(first.angle1), 'f', 3),
            QString::number(first.y1 - 100 * std::sin(first.angle1), 'f', 3), "3"};
        QCOMPARE(convert("upButton", behind), behind);
    }
};

QTEST_MAIN(CalDialogTest)
#include "caldialog_test.moc"
