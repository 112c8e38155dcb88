// The section assignment editor driven as a user would: rows selected, made,
// applied, deleted; "Ok" with a refused row; "Cancel"; the cross-section view
// following the selected row.
#include "editors/roadsectiondialog.h"
#include "dialogtest.h"
#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"
#include "views/sectionview.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>

namespace {

QStringList rowTexts(const QTableWidget& table, int row)
{
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts << (table.item(row, column) ? table.item(row, column)->text() : QString());
    return texts;
}

QString sectionText(int i)
{
    const RoadSection& s = *theRoad.GetSection(i);
    return QString("%1-%2 %3/%4")
        .arg(s.L1)
        .arg(s.L2)
        .arg(QString::fromStdString(s.left), QString::fromStdString(s.right));
}

}  // namespace

class RoadSectionDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DialogTestWindow> window_;
    RoadSectionDialog* dialog_ = nullptr;

    bool open()
    {
        dialog_ = window_->open<RoadSectionDialog>("actionSection");
        return dialog_ != nullptr;
    }
    QTableWidget* table() const { return dialog_->findChild<QTableWidget*>("tableWidget"); }
    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QComboBox* combo(const char* name) const { return dialog_->findChild<QComboBox*>(name); }
    SectionView* view() const { return window_->findChild<SectionView*>("sectionView"); }
    void click(const char* name) const
    {
        QTest::mouseClick(dialog_->findChild<QPushButton*>(name), Qt::LeftButton);
    }
    void clickRow(int row) const
    {
        QTest::mouseClick(table()->viewport(), Qt::LeftButton, {},
                          table()->visualItemRect(table()->item(row, 0)).center());
    }
    // New, then the stations and templates typed and chosen, then Apply.
    void addRow(const QString& start, const QString& end, int leftIndex, int rightIndex) const
    {
        click("newButton");
        retype(edit("startEdit"), start);
        retype(edit("endEdit"), end);
        combo("lcomboBox")->setCurrentIndex(leftIndex);
        combo("rcomboBox")->setCurrentIndex(rightIndex);
        click("applyButton");
    }

private slots:
    void init()
    {
        QVERIFY(theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod"));
        window_ = std::make_unique<DialogTestWindow>();
    }

    void cleanup()
    {
        window_.reset();
        dialog_ = nullptr;
    }

    void selectedRowIsShownInTheCrossSectionView()
    {
        QVERIFY(open());
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 2);
        QCOMPARE(table()->rowCount(), 6);
        for (int column = 0; column < table()->columnCount(); ++column)
            QVERIFY(table()->columnWidth(column) >= RoadSectionDialog::kColumnWidth);
        // Whole stations can be read.
        QVERIFY(table()->columnWidth(RoadSectionDialog::EndColumn) >
                table()->fontMetrics().horizontalAdvance("4200.000"));
        QCOMPARE(rowTexts(*table(), 0), QStringList({"0.000", "400.000", "Fill", "Fill"}));
        QCOMPARE(combo("lcomboBox")->count(), 2);
        QCOMPARE(combo("rcomboBox")->itemText(1), QString("Cut"));

        clickRow(3);
        QCOMPARE(edit("startEdit")->text(), QString("1900.000"));
        QCOMPARE(edit("endEdit")->text(), QString("2800.000"));
        QCOMPARE(combo("lcomboBox")->currentText(), QString("Cut"));
        QCOMPARE(combo("rcomboBox")->currentText(), QString("Fill"));
        QCOMPARE(view()->leftTemplate(), std::string("Cut"));
        QCOMPARE(view()->rightTemplate(), std::string("Fill"));
        QCOMPARE(view()->scene()->items().size(), 7 + 4);  // one segment per break point
    }

    void namesOfMissingTemplatesStillReachTheView()
    {
        theRoad.GetSection(1)->left = "Gone";
        QVERIFY(open());
        clickRow(1);
        QCOMPARE(combo("lcomboBox")->currentIndex(), -1);
        QCOMPARE(combo("rcomboBox")->currentText(), QString("Cut"));
        QCOMPARE(view()->leftTemplate(), std::string("Gone"));
        QCOMPARE(view()->scene()->items().size(), 7);
    }

    void sectionsAddedAndARefusedRowReportedByItsIndex()
    {
        theRoad.ClearSection();
        theRoad.SetModified(false);
        QVERIFY(open());
        QCOMPARE(table()->rowCount(), 0);
        click("newButton");
        QCOMPARE(rowTexts(*table(), 0), QStringList({"0", "0", "Fill", "Fill"}));
        retype(edit("startEdit"), "0");
        retype(edit("endEdit"), "500");
        combo("rcomboBox")->setCurrentIndex(1);
        click("applyButton");
        QCOMPARE(rowTexts(*table(), 0), QStringList({"0", "500", "Fill", "Cut"}));
        addRow("500", "1000", 1, 1);
        addRow("900", "1200", 0, 0);  // overlaps the row before it
        addRow("1000", "1500", 1, 0);
        QCOMPARE(table()->rowCount(), 4);
        QCOMPARE(theRoad.NumberOfSections(), 0);  // only "Ok" writes the road

        ModalAnswers answers({press(QMessageBox::Ok)});
        const QPointer<RoadSectionDialog> dialog(dialog_);
        click("okButton");
        QCOMPARE(answers.seen(), QStringList("warning: the 2 item cannot be added!"));
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(theRoad.IsModified());
        QCOMPARE(theRoad.NumberOfSections(), 3);
        QCOMPARE(sectionText(0), QString("0-500 Fill/Cut"));
        QCOMPARE(sectionText(1), QString("500-1000 Cut/Cut"));
        QCOMPARE(sectionText(2), QString("1000-1500 Cut/Fill"));
    }

    void refusedFirstRowIsItemZero()
    {
        QVERIFY(open());
        clickRow(0);
        retype(edit("startEdit"), "400");
        retype(edit("endEdit"), "300");  // reversed
        click("applyButton");
        ModalAnswers answers({press(QMessageBox::Ok)});
        click("okButton");
        QCOMPARE(answers.seen(), QStringList("warning: the 0 item cannot be added!"));
        QCOMPARE(theRoad.NumberOfSections(), 5);
        QCOMPARE(theRoad.GetSection(0)->L1, 400.0);
    }

    void deleteNeedsARowAndKeepsOneSelected()
    {
        theRoad.ClearSection();
        QVERIFY(open());
        {
            ModalAnswers answers({press(QMessageBox::Ok)});
            click("delButton");
            QCOMPARE(answers.seen(), QStringList("warning: please select a row to delete!"));
        }
        addRow("0", "100", 0, 0);
        addRow("100", "200", 0, 1);
        addRow("200", "300", 1, 1);
        clickRow(1);
        click("delButton");
        QCOMPARE(table()->rowCount(), 2);
        QCOMPARE(table()->currentRow(), 1);
        QCOMPARE(rowTexts(*table(), 1).first(), QString("200"));
        click("delButton");  // the last row: the new last one is current
        QCOMPARE(table()->currentRow(), 0);
        click("okButton");
        QCOMPARE(theRoad.NumberOfSections(), 1);
    }

    void cancelLeavesTheRoadAndOkOnAnEmptyTableClearsIt()
    {
        theRoad.SetModified(false);
        QVERIFY(open());
        clickRow(0);
        retype(edit("endEdit"), "300");
        click("applyButton");
        QCOMPARE(table()->item(0, RoadSectionDialog::EndColumn)->text(), QString("300"));
        QCOMPARE(theRoad.GetSection(0)->L2, 400.0);
        click("cancelButton");
        QCOMPARE(theRoad.NumberOfSections(), 6);
        QVERIFY(!theRoad.IsModified());

        QVERIFY(open());
        while (table()->rowCount() > 0) {
            clickRow(0);
            click("delButton");
        }
        click("okButton");
        QCOMPARE(theRoad.NumberOfSections(), 0);
        QVERIFY(theRoad.IsModified());
    }

    void tableCellsAreNotEditedInPlace()
    {
        QVERIFY(open());
        clickRow(0);
        QTest::keyClick(table(), Qt::Key_F2);
        QVERIFY(!table()->indexWidget(table()->model()->index(0, 0)));
    }
};

QTEST_MAIN(RoadSectionDialogTest)
#include "roadsectiondialog_test.moc"
