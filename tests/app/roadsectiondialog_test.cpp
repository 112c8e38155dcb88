// The section assignment editor driven as a user would: rows selected, made,
// applied, deleted; "Ok" with a refused row; "Cancel"; the cross-section view
// following the selected row.
#include "editors/roadsectiondialog.h"
#include "dialogtest.h"
#include "views/sectionview.h"

#include <QGraphicsScene>
#include <QStackedWidget>

class RoadSectionDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QPointer<RoadSectionDialog> dialog_;

    bool openSections() { return dialog_ = open<RoadSectionDialog>("actionSection"); }
    QTableWidget* table() const { return dialog_->findChild<QTableWidget*>("tableWidget"); }
    QComboBox* combo(const char* name) const { return dialog_->findChild<QComboBox*>(name); }
    SectionView* view() const { return window_->findChild<SectionView*>("sectionView"); }
    void click(const char* name) const { clickButton(dialog_, name); }
    void clickRow(int row) const { clickCell(table(), table()->model()->index(row, 0)); }
    // The row's cells, or the selected row's fields: start, end, left, right.
    QString row(int row) const
    {
        QStringList texts;
        for (int column = 0; column < table()->columnCount(); ++column)
            texts << table()->item(row, column)->text();
        return texts.join(' ');
    }
    QString fields() const
    {
        return QStringList({dialog_->findChild<QLineEdit*>("startEdit")->text(),
                            dialog_->findChild<QLineEdit*>("endEdit")->text(),
                            combo("lcomboBox")->currentText(), combo("rcomboBox")->currentText()})
            .join(' ');
    }
    // Types the stations, chooses the templates by index and applies.
    void edit(const QString& start, const QString& end, int left, int right) const
    {
        retype(dialog_->findChild<QLineEdit*>("startEdit"), start);
        retype(dialog_->findChild<QLineEdit*>("endEdit"), end);
        combo("lcomboBox")->setCurrentIndex(left);
        combo("rcomboBox")->setCurrentIndex(right);
        click("applyButton");
    }
    static QString section(int i)
    {
        const RoadSection& s = *theRoad.GetSection(i);
        return QString("%1-%2 %3/%4").arg(s.L1).arg(s.L2).arg(s.left.c_str(), s.right.c_str());
    }

private slots:
    void init()
    {
        DialogTest::init();
        QVERIFY(loadExampleRoad());
    }

    void selectedRowIsShownInTheCrossSectionView()
    {
        theRoad.GetSection(1)->left = "Gone";
        QVERIFY(openSections());
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 2);
        QCOMPARE(table()->rowCount(), 6);
        QCOMPARE(row(0), QString("0.000 400.000 Fill Fill"));
        clickRow(3);
        QCOMPARE(fields(), QString("1900.000 2800.000 Cut Fill"));
        QCOMPARE(view()->leftTemplate(), std::string("Cut"));
        QCOMPARE(view()->rightTemplate(), std::string("Fill"));
        QCOMPARE(view()->scene()->items().size(), 7 + 4);  // one segment per break point

        // A template that is gone: no choice in its box, its name still
        // reaches the view, which draws nothing for it.
        clickRow(1);
        QCOMPARE(combo("lcomboBox")->currentIndex(), -1);
        QCOMPARE(view()->leftTemplate(), std::string("Gone"));
        QCOMPARE(view()->scene()->items().size(), 7);
    }

    void sectionsAddedAndARefusedRowReportedByItsIndex()
    {
        theRoad.ClearSection();
        theRoad.SetModified(false);
        QVERIFY(openSections());
        click("newButton");
        QCOMPARE(row(0), QString("0 0 Fill Fill"));
        edit("0", "500", 0, 1);
        QCOMPARE(row(0), QString("0 500 Fill Cut"));
        click("newButton");
        edit("500", "1000", 1, 1);
        click("newButton");
        edit("900", "1200", 0, 0);  // overlaps the row before it
        click("newButton");
        edit("1000", "1500", 1, 0);
        QCOMPARE(theRoad.NumberOfSections(), 0);  // only "Ok" writes the road

        QCOMPARE(boxRaisedBy([this] { click("okButton"); }),
                 QString("warning: the 2 item cannot be added!"));
        QTRY_VERIFY(dialog_.isNull());
        QVERIFY(theRoad.IsModified());
        QCOMPARE(theRoad.NumberOfSections(), 3);
        QCOMPARE(section(0), QString("0-500 Fill/Cut"));
        QCOMPARE(section(1), QString("500-1000 Cut/Cut"));
        QCOMPARE(section(2), QString("1000-1500 Cut/Fill"));
    }

    void cancelLeavesTheRoadAndOkOnAnEmptyTableClearsIt()
    {
        theRoad.SetModified(false);
        QVERIFY(openSections());
        clickRow(0);
        edit("0", "300", 0, 0);
        QCOMPARE(row(0), QString("0 300 Fill Fill"));
        click("cancelButton");
        QCOMPARE(theRoad.GetSection(0)->L2, 400.0);
        QVERIFY(!theRoad.IsModified());

        QVERIFY(openSections());
        QCOMPARE(boxRaisedBy([this] { click("delButton"); }),
                 QString("warning: please select a row to delete!"));
        while (table()->rowCount() > 0) {
            clickRow(0);
            click("delButton");
        }
        click("okButton");
        QCOMPARE(theRoad.NumberOfSections(), 0);
        QVERIFY(theRoad.IsModified());
    }
};

QTEST_MAIN(RoadSectionDialogTest)
#include "roadsectiondialog_test.moc"
