// The section assignment editor driven as a user would: the cross-section
// view following the selected row; rows made and deleted; "Cancel" and "Ok".
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

    QTableWidget* table() const { return dialog_->findChild<QTableWidget*>("tableWidget"); }
    QComboBox* combo(const char* name) const { return dialog_->findChild<QComboBox*>(name); }
    void click(const char* name) const { clickButton(dialog_, name); }
    void clickRow(int row) const { clickCell(table(), table()->model()->index(row, 0)); }
    // The fields of the selected row: start, end, left, right.
    QString fields() const
    {
        return QStringList({dialog_->findChild<QLineEdit*>("startEdit")->text(),
                            dialog_->findChild<QLineEdit*>("endEdit")->text(),
                            combo("lcomboBox")->currentText(), combo("rcomboBox")->currentText()})
            .join(' ');
    }
    // Makes a new row: types the stations, chooses the templates by index
    // and applies.
    void newRow(const QString& start, const QString& end, int left, int right) const
    {
        click("newButton");
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
    void rowsShownEditedAndWrittenByOk()
    {
        QVERIFY(loadExampleRoad());
        theRoad.GetSection(1)->left = "Gone";
        QVERIFY(dialog_ = open<RoadSectionDialog>("actionSection"));
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 2);
        clickRow(3);
        QCOMPARE(fields(), QString("1900.000 2800.000 Cut Fill"));
        const auto* view = window_->findChild<SectionView*>("sectionView");
        QCOMPARE(view->leftTemplate() + ' ' + view->rightTemplate(), std::string("Cut Fill"));
        QCOMPARE(view->scene()->items().size(), 7 + 4);  // one segment per break point
        // A template gone: no choice in its box; the view draws nothing for it.
        clickRow(1);
        QCOMPARE(combo("lcomboBox")->currentIndex(), -1);
        QCOMPARE(view->leftTemplate(), std::string("Gone"));
        QCOMPARE(view->scene()->items().size(), 7);
        click("newButton");
        QCOMPARE(fields(), QString("0 0 Fill Fill"));
        newRow("0", "300", 0, 0);
        click("cancelButton");
        QCOMPARE(theRoad.NumberOfSections(), 6);
        QVERIFY(!theRoad.IsModified());

        // "Ok" replaces the sections but for the third row, which overlaps.
        QVERIFY(dialog_ = open<RoadSectionDialog>("actionSection"));
        QCOMPARE(boxRaisedBy([this] { click("delButton"); }),
                 QString("warning: please select a row to delete!"));
        clickRow(0);
        for (int i = 0; i < 6; ++i)
            click("delButton");
        newRow("0", "500", 0, 1);
        newRow("500", "1000", 1, 1);
        newRow("900", "1200", 0, 0);
        newRow("1000", "1500", 1, 0);
        const Answer ok = press(QMessageBox::Ok);
        QCOMPARE(answering({ok, ok, ok, ok}, [this] { click("okButton"); }),
                 QStringList({"warning: the 2 item cannot be added!", "unanswered"}));
        QTRY_VERIFY(dialog_.isNull());
        QVERIFY(theRoad.IsModified());
        QCOMPARE(section(0) + ", " + section(1) + ", " + section(2),
                 QString("0-500 Fill/Cut, 500-1000 Cut/Cut, 1000-1500 Cut/Fill"));
    }
};

QTEST_MAIN(RoadSectionDialogTest)
#include "roadsectiondialog_test.moc"
