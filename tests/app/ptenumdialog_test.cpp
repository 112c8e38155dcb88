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

    QString label(const char* name) const { return dialog_->findChild<QLabel*>(name)->text(); }

    // Types the start mile and the step, unless null, then clicks Next (">")
    // or Last ("<") once per click, which names the kind and station then
    // shown and the box raised, if any; the point shown is the centre-line
    // point of that station.
    void walk(const char* mile, const char* step, const QStringList& clicks) const
    {
        for (const auto& [name, text] : {std::pair("mile", mile), std::pair("lineEditStep", step)})
            if (text)
                retype(dialog_->findChild<QLineEdit*>(name), text);
        for (const QString& c : clicks) {
            const QString box = boxRaisedBy(
                [&] { clickButton(dialog_, c.startsWith('>') ? "btnNext" : "btnLast"); });
            QCOMPARE((label("labelKP") + ' ' + label("labelL") + ' ' + box).trimmed(), c.mid(2));
            double x = 0, y = 0;
            QVERIFY(theRoad.L2XY(label("labelL").toDouble(), 0, &x, &y));
            QCOMPARE(label("labelX") + ' ' + label("labelY"),
                     QString::number(x, 'f', 4) + ' ' + QString::number(y, 'f', 4));
        }
    }

private slots:
    void walksFromTheFieldsWheneverTheyChange()
    {
        QVERIFY(loadExampleRoad());
        QVERIFY(dialog_ = open<PtEnumDialog>("actionEnum_Pt"));
        // A new dialog walks from the road start, every 20 m.
        QCOMPARE(boxRaisedBy([&] { clickButton(dialog_, "btnLast"); }),
                 QString("Head: Reach the Head"));
        walk(nullptr, nullptr, {"> NORM 20.0000", "> NORM 40.0000"});
        walk(nullptr, "50", {"> NORM 50.0000"});
        // Not a positive interval: 20 m; not a number: the road start.
        walk(nullptr, "-5", {"> NORM 60.0000"});
        walk("x", nullptr, {"> NORM 20.0000"});

        walk("4070", nullptr,
             {"> NORM 4080.0000", "> NORM 4100.0000", "> NORM 4120.0000", "> TAIL 4120.0000",
              "> TAIL 4120.0000 End: Reach the End", "< NORM 4100.0000"});
        // "Start Mile" keeps the farthest station.
        QCOMPARE(dialog_->findChild<QLineEdit*>("mile")->text(), QString("4120.0000"));
        walk("10", nullptr,
             {"< NORM 0.0000", "< HEAD 0.0000", "< HEAD 0.0000 Head: Reach the Head"});
        // The straight meets the entry spiral at 420.
        walk("410", "25", {"> MAIN 420.0000", "> NORM 425.0000", "< MAIN 420.0000"});
    }

    void roadWithoutAlignmentWarns()
    {
        theRoad.InsertHorizonPoint(0, 0, 0);
        QVERIFY(dialog_ = open<PtEnumDialog>("actionEnum_Pt"));
        for (const char* button : {"btnNext", "btnLast"})
            QCOMPARE(boxRaisedBy([&] { clickButton(dialog_, button); }),
                     QString("warning: there is no horizontal alignment to walk!"));
        QCOMPARE(label("labelKP") + ' ' + label("labelX"), QString("NKP TextLabel"));
    }
};

QTEST_MAIN(PtEnumDialogTest)
#include "ptenumdialog_test.moc"
