// The element table of the horizontal alignment dialog: how it shows the
// road, how typing ticks the fixed-point boxes, how the element type locks
// cells, and which type a new row suggests.
#include "editors/myitem.h"
#include "globals.h"
#include "horizondialogdriver.h"
#include "modalanswer.h"

#include <QLoggingCategory>
#include <QPointer>

namespace {

// A line, a right spiral-arc-spiral of radius 250, a line, then a left arc
// of radius 300 that keeps its own start point.
void makeRoad()
{
    theRoad.NewRoad();
    theRoad.InsertHorizonPoint(1000, 2000, 500);
    struct Row
    {
        int type;
        double r1, r2, length;
        int mode;
    };
    const Row rows[] = {{1, 0, 0, 100, 0},  {3, 0, 250, 60, 0}, {2, 250, 250, 100, 0},
                        {3, 250, 0, 60, 0}, {1, 0, 0, 50, 0},   {2, -300, -300, 80, 2}};
    for (const Row& row : rows) {
        RoadEntity e;
        QCOMPARE(e.set(row.type, 1000, 2000, 0.5, row.r1, row.r2, row.length, row.mode), 0);
        e.l1 = 500;
        theRoad.InsertHorizon(e);
    }
    QCOMPARE(theRoad.ApplyHorizon(), 0);
}

}  // namespace

class ElementTableTest : public QObject
{
    Q_OBJECT

private:
    QPointer<HorizonDialog> dialog_;

    HorizonDialogParts openDialog()
    {
        dialog_ = new HorizonDialog;
        dialog_->show();
        const HorizonDialogParts parts(dialog_);
        parts.showElementTab();
        return parts;
    }

    static QString text(const MyItemModel* model, int row, int column)
    {
        return model->cellText(row, column);
    }

    static bool isLocked(const MyItemModel* model, int row, int column)
    {
        const QStandardItem* cell = model->item(row, column);
        return !cell->isEnabled() && cell->background().color() == MyItemModel::kLockedCellColour;
    }

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules("default.debug=false"); }
    void init() { makeRoad(); }
    void cleanup() { delete dialog_; }

    void rowsShowTheRoad()
    {
        const HorizonDialogParts parts = openDialog();
        const MyItemModel* model = parts.elements();
        QCOMPARE(model->rowCount(), 7);
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(model->headerData(3, Qt::Horizontal).toString(), QString("St. Azi"));
        QCOMPARE(text(model, 0, MyItemModel::NorthColumn), QString("1000.000"));
        QCOMPARE(text(model, 0, MyItemModel::StakeColumn), QString("500.000"));
        QCOMPARE(text(model, 0, MyItemModel::StartAzimuthColumn),
                 QString::number(rad2dms(0.5), 'f', 7));
        // A spiral from the straight: no start radius.
        QCOMPARE(text(model, 1, MyItemModel::StartRadiusColumn), QString());
        QCOMPARE(text(model, 1, MyItemModel::EndRadiusColumn), QString("250.000"));
        QCOMPARE(text(model, 1, MyItemModel::OffsetColumn), QString());
        QCOMPARE(text(model, 3, MyItemModel::StartRadiusColumn), QString("250.000"));
        QCOMPARE(text(model, 3, MyItemModel::EndRadiusColumn), QString());
        // The left arc: negative radii and its central angle.
        QCOMPARE(text(model, 5, MyItemModel::ElementColumn), QString("Arc"));
        QCOMPARE(text(model, 5, MyItemModel::StartRadiusColumn), QString("-300.000"));
        QCOMPARE(text(model, 5, MyItemModel::EndRadiusColumn), QString("-300.000"));
        QCOMPARE(text(model, 5, MyItemModel::OffsetColumn),
                 QString::number(rad2dms(80.0 / 300.0), 'f', 7));
        QCOMPARE(model->value(5, MyItemModel::StartRadiusColumn), -300.0);
        // Its own start point is ticked, its azimuth is not.
        QVERIFY(model->isChecked(5, MyItemModel::NorthColumn));
        QVERIFY(!model->isChecked(5, MyItemModel::StartAzimuthColumn));
        QVERIFY(!model->isChecked(0, MyItemModel::NorthColumn));
        // Filled rows are editable until their type changes.
        QVERIFY(model->item(5, MyItemModel::OffsetColumn)->isEnabled());

        const RoadEntity& last = *theRoad.GetHorizon(6);
        QCOMPARE(text(model, 6, MyItemModel::ElementColumn), QString("End"));
        QCOMPARE(text(model, 6, MyItemModel::EastColumn), QString::number(last.y2, 'f', 3));
        QCOMPARE(text(model, 6, MyItemModel::StakeColumn), QString("950.000"));
        for (int column = 0; column < MyItemModel::ColumnCount; ++column)
            QVERIFY(isLocked(model, 6, column));
    }

    void roadsWithoutElementsShowOnlyTheEndRow()
    {
        theRoad.NewRoad();
        theRoad.InsertHorizonPoint(3000, 4000, 1200);
        {
            const HorizonDialogParts parts = openDialog();
            const MyItemModel* model = parts.elements();
            QCOMPARE(model->rowCount(), 1);
            QCOMPARE(text(model, 0, MyItemModel::NorthColumn), QString("3000.000"));
            QCOMPARE(text(model, 0, MyItemModel::StakeColumn), QString("1200.000"));
            delete dialog_;
        }
        theRoad.NewRoad();
        const HorizonDialogParts parts = openDialog();
        QCOMPARE(parts.elements()->rowCount(), 1);
        QCOMPARE(text(parts.elements(), 0, MyItemModel::NorthColumn), QString("0.000"));
        QCOMPARE(text(parts.elements(), 0, MyItemModel::StakeColumn), QString("0.000"));
    }

    void typedStartValuesTickTheirBoxes()
    {
        const HorizonDialogParts parts = openDialog();
        const MyItemModel* model = parts.elements();
        const double east = model->value(1, MyItemModel::EastColumn);
        // The value the editor shows, typed back: no change.
        QVERIFY(parts.typeElement(1, MyItemModel::EastColumn, QString::number(east, 'f', 6)));
        QVERIFY(!model->isChecked(1, MyItemModel::NorthColumn));
        QVERIFY(parts.typeElement(1, MyItemModel::EastColumn, QString::number(east + 1, 'f', 3)));
        QVERIFY(model->isChecked(1, MyItemModel::NorthColumn));
        QCOMPARE(model->value(1, MyItemModel::EastColumn),
                 QString::number(east + 1, 'f', 3).toDouble());
        // Without a North value the start point is not the element's own.
        QVERIFY(parts.typeElement(1, MyItemModel::NorthColumn, ""));
        QVERIFY(!model->isChecked(1, MyItemModel::NorthColumn));
        QCOMPARE(text(model, 1, MyItemModel::NorthColumn), QString());
        QVERIFY(parts.typeElement(1, MyItemModel::EastColumn, "7"));
        QVERIFY(!model->isChecked(1, MyItemModel::NorthColumn));

        QVERIFY(parts.typeElement(2, MyItemModel::StartAzimuthColumn, "123.4530"));
        QVERIFY(model->isChecked(2, MyItemModel::StartAzimuthColumn));
        QCOMPARE(text(model, 2, MyItemModel::StartAzimuthColumn), QString("123.453000"));
        QVERIFY(parts.typeElement(2, MyItemModel::StartAzimuthColumn, ""));
        QVERIFY(!model->isChecked(2, MyItemModel::StartAzimuthColumn));
        QCOMPARE(text(model, 2, MyItemModel::StartAzimuthColumn), QString());
        QCOMPARE(model->value(2, MyItemModel::StartAzimuthColumn), 0.0);

        // Letters read as 0; an emptied radius is an infinite one.
        QVERIFY(parts.typeElement(4, MyItemModel::LengthColumn, "abc"));
        QCOMPARE(text(model, 4, MyItemModel::LengthColumn), QString("0.000"));
        QVERIFY(parts.typeElement(2, MyItemModel::StartRadiusColumn, ""));
        QCOMPARE(text(model, 2, MyItemModel::StartRadiusColumn), QString("0.000"));
    }

    void elementTypeLocksCells()
    {
        const HorizonDialogParts parts = openDialog();
        const MyItemModel* model = parts.elements();
        QVERIFY(parts.typeElement(1, MyItemModel::ElementColumn, "Line"));
        QCOMPARE(text(model, 1, MyItemModel::ElementColumn), QString("Line"));
        for (int column : {MyItemModel::StartRadiusColumn, MyItemModel::EndRadiusColumn,
                           MyItemModel::OffsetColumn, MyItemModel::StakeColumn})
            QVERIFY(isLocked(model, 1, column));
        QVERIFY(model->item(1, MyItemModel::LengthColumn)->isEnabled());

        // Only the first element's station can be typed.
        QVERIFY(parts.typeElement(0, MyItemModel::ElementColumn, "Arc"));
        QVERIFY(model->item(0, MyItemModel::StakeColumn)->isEnabled());
        QVERIFY(isLocked(model, 0, MyItemModel::EndRadiusColumn));
        QVERIFY(isLocked(model, 0, MyItemModel::OffsetColumn));
        QVERIFY(model->item(0, MyItemModel::StartRadiusColumn)->isEnabled());
        // An arc has one radius.
        QVERIFY(parts.typeElement(0, MyItemModel::StartRadiusColumn, "-450"));
        QCOMPARE(text(model, 0, MyItemModel::EndRadiusColumn), QString("-450.000"));
        QCOMPARE(model->value(0, MyItemModel::EndRadiusColumn), -450.0);

        QVERIFY(parts.typeElement(4, MyItemModel::ElementColumn, "Spiral"));
        QVERIFY(model->item(4, MyItemModel::EndRadiusColumn)->isEnabled());
        QVERIFY(isLocked(model, 4, MyItemModel::OffsetColumn));
    }

    void arcModeSwapsLengthAndAngle()
    {
        const HorizonDialogParts parts = openDialog();
        const MyItemModel* model = parts.elements();
        QVERIFY(parts.button("radioButton")->isChecked());
        click(parts.button("radioButton_2"));
        QCOMPARE(model->arcMode(), int(MyItemModel::ArcByAngle));
        for (int row : {2, 5}) {
            QVERIFY(isLocked(model, row, MyItemModel::LengthColumn));
            QVERIFY(model->item(row, MyItemModel::OffsetColumn)->isEnabled());
        }
        QVERIFY(model->item(1, MyItemModel::LengthColumn)->isEnabled());
        click(parts.button("radioButton"));
        for (int row : {2, 5}) {
            QVERIFY(model->item(row, MyItemModel::LengthColumn)->isEnabled());
            QVERIFY(isLocked(model, row, MyItemModel::OffsetColumn));
        }
    }

    void insertSuggestsTheNextElement_data()
    {
        QTest::addColumn<int>("after");
        QTest::addColumn<QString>("suggested");
        QTest::newRow("after a line") << 0 << "Spiral";
        QTest::newRow("after a spiral into a curve") << 1 << "Arc";
        QTest::newRow("after an arc") << 2 << "Spiral";
        QTest::newRow("after a spiral into a straight") << 3 << "Line";
    }

    void insertSuggestsTheNextElement()
    {
        QFETCH(int, after);
        QFETCH(QString, suggested);
        const HorizonDialogParts parts = openDialog();
        parts.selectElement(after);
        click(parts.button("pushButton_4"));
        const MyItemModel* model = parts.elements();
        QCOMPARE(model->rowCount(), 8);
        QCOMPARE(text(model, after + 1, MyItemModel::ElementColumn), suggested);
        QCOMPARE(parts.elementView()->currentIndex(), model->index(after + 1, 0));
        // A new row has unticked boxes and nothing else.
        QVERIFY(!model->isChecked(after + 1, MyItemModel::NorthColumn));
        QCOMPARE(text(model, after + 1, MyItemModel::LengthColumn), QString());
    }

    void insertIntoAnEmptyTableStartsWithALine()
    {
        theRoad.NewRoad();
        const HorizonDialogParts parts = openDialog();
        click(parts.button("pushButton_4"));
        const MyItemModel* model = parts.elements();
        QCOMPARE(model->rowCount(), 2);
        QCOMPARE(text(model, 0, MyItemModel::ElementColumn), QString("Line"));
        QCOMPARE(parts.elementView()->currentIndex(), model->index(0, MyItemModel::NorthColumn));
    }

    void deleteNeverRemovesTheEndRow()
    {
        const HorizonDialogParts parts = openDialog();
        const MyItemModel* model = parts.elements();
        QTableView* view = parts.elementView();
        parts.selectElement(2);
        click(parts.button("pushButton_5"));
        QCOMPARE(model->rowCount(), 6);
        QCOMPARE(view->currentIndex(), model->index(2, 0));
        QCOMPARE(text(model, 2, MyItemModel::ElementColumn), QString("Spiral"));
        // After the last element the row above becomes current: the End row
        // cannot be.
        parts.selectElement(4);
        click(parts.button("pushButton_5"));
        QCOMPARE(view->currentIndex(), model->index(3, 0));
        view->setCurrentIndex(QModelIndex());
        click(parts.button("pushButton_5"));
        QCOMPARE(model->rowCount(), 5);
        QCOMPARE(text(model, 4, MyItemModel::ElementColumn), QString("End"));
        // The road is untouched until Apply.
        QCOMPARE(theRoad.NumberOfHorizon(), 7);
    }

    void viewKeepsItsOwnKeys()
    {
        // Tab in the table moves on instead of being taken for an editor's.
        const HorizonDialogParts parts = openDialog();
        parts.selectElement(0, MyItemModel::LengthColumn);
        QTest::keyClick(parts.elementView(), Qt::Key_Tab);
        QCOMPARE(parts.elementView()->currentIndex(),
                 parts.elements()->index(0, MyItemModel::OffsetColumn));
    }
};

QTEST_MAIN(ElementTableTest)
#include "elementtable_test.moc"
