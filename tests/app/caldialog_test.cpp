// The coordinate calculator driven as a user would: numbers typed, the
// arrow buttons clicked, the results read from the fields.
#include "tools/caldialog.h"
#include "dialogtest.h"
#include "stationtext.h"

class CalDialogTest : public DialogTest
{
    Q_OBJECT

private slots:
    void convertsAndSaysWhenInputGivesNoPoint()
    {
        QVERIFY(loadExampleRoad());
        auto* dialog = open<CalDialog>("actionCal");
        QVERIFY(dialog);
        // Types into mile, offset, x, y and z ("-" leaves a field as it is),
        // clicks the button and returns the box it raised, if any, and the
        // five fields.
        const auto convert = [dialog](const char* button, const QStringList& typed) {
            const char* const names[] = {"mileEdit", "offsetEdit", "xEdit", "yEdit", "zEdit"};
            for (int i = 0; i < typed.size(); ++i)
                if (typed[i] != "-")
                    retype(dialog->findChild<QLineEdit*>(names[i]), typed[i]);
            QStringList shown{boxRaisedBy([&] { clickButton(dialog, button); })};
            for (const char* name : names)
                shown << dialog->findChild<QLineEdit*>(name)->text();
            return shown;
        };

        // Down and back up, the station in metres or K notation: on the arc
        // of radius 800, in a Cut section, the ditch slope on the left and
        // the cross fall on the right; on a spiral in a Fill section, beyond
        // the outermost break.
        const std::tuple<QString, QString, QString, QString> points[] = {
            {"700", "700.000", "-7.500", "-0.680"},
            {" k0+612.345 ", "612.345", "5.250", "-0.120"},
            {"1+600.5", "1600.500", "11.800", "-3.380"}};
        for (const auto& [typed, mile, offset, z] : points) {
            double x = 0, y = 0;
            QVERIFY(theRoad.L2XY(mile.toDouble(), offset.toDouble(), &x, &y));
            const QStringList xyz{QString::number(x, 'f', 3), QString::number(y, 'f', 3), z};
            QCOMPARE(convert("downButton", {typed, offset}),
                     QStringList({"", typed, offset}) + xyz);
            QCOMPARE(convert("upButton", {"0", "0", "-", "-", ""}),
                     QStringList({"", mile, offset}) + xyz);
        }

        // Button, typed, box, fields after. Empty fields change nothing;
        // letters, or a station beyond the end, show no result; a point 100 m
        // behind the start changes nothing.
        const QString error = "warning: data input error!";
        const RoadEntity& last = *theRoad.GetHorizon(theRoad.NumberOfHorizon() - 1);
        const QStringList behind{"1", "2", "3381200.243", "502253.258", "3"};
        const std::tuple<const char*, QStringList, QString, QStringList> cases[] = {
            {"downButton", {"0", "", "0", "0", "0"}, error, {"0", "", "0", "0", "0"}},
            {"upButton", {"-", "-", "-", ""}, error, {"0", "", "0", "", "0"}},
            {"downButton", {"abc", "0"}, error, {"abc", "0", "", "", ""}},
            {"downButton", {"100", "1,5"}, error, {"100", "1,5", "", "", ""}},
            {"upButton", {"1", "2", "3381250", "5o2340"}, error, {"", "", "3381250", "5o2340", ""}},
            {"downButton",
             {"K4+121", "0"},
             "warning: station K4+121.000 is not on the road, which runs from K0+000.000 to " +
                 QString::fromStdString(stationText(last.l1 + last.length)) + "!",
             {"K4+121", "0", "", "", ""}},
            {"upButton", behind, QString(), behind}};
        for (const auto& [button, typed, box, after] : cases)
            QCOMPARE(convert(button, typed), QStringList(box) + after);
    }
};

QTEST_MAIN(CalDialogTest)
#include "caldialog_test.moc"
