// The profile editor driven as a user would: rows inserted and typed into,
// "Apply", the refused profiles and the blank-looking radius cells.
#include "editors/verticaldialog.h"
#include "dialogtest.h"
#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"
#include "views/vgraphicsitem.h"

#include <QAction>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

#include <memory>
#include <vector>

namespace {

struct GradePoint
{
    double mile;
    double height;
    double radius;
};

void makeProfile(std::initializer_list<GradePoint> points)
{
    theRoad.ClearVertical();
    for (const GradePoint& p : points) {
        VerticalEntity v;
        v.mile = p.mile;
        v.height = p.height;
        v.radius = p.radius;
        theRoad.InsertVertical(v);
    }
    theRoad.ApplyVertical();
    theRoad.SetModified(false);
}

std::vector<VerticalEntity> gradePoints()
{
    std::vector<VerticalEntity> points;
    for (int i = 0; i < theRoad.NumberOfVertical(); ++i)
        points.push_back(*theRoad.GetVertical(i));
    return points;
}

bool sameGradePoints(const std::vector<VerticalEntity>& a, const std::vector<VerticalEntity>& b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const VerticalEntity& p, const VerticalEntity& q) {
                          return p.mile == q.mile && p.height == q.height && p.slope == q.slope &&
                                 p.radius == q.radius && p.tangent == q.tangent;
                      });
}

bool near(double actual, double expected)
{
    return std::abs(actual - expected) < 1e-9;
}

double elevationAt(double mile)
{
    double height = -1;
    theRoad.CalElevation(mile, &height, nullptr);
    return height;
}

// How each row's radius cell looks: '-' blank (gray on gray), 'o' ordinary
// (black on white).
QString radiusLook(const QTableWidget& table)
{
    QString look;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QTableWidgetItem* cell = table.item(row, VerticalDialog::RadiusColumn);
        const QColor back = cell ? cell->background().color() : QColor();
        const QColor fore = cell ? cell->foreground().color() : QColor();
        if (back == VerticalDialog::kBlankCellColour && fore == VerticalDialog::kBlankCellColour)
            look += '-';
        else if (back == QColor(Qt::white) && fore == QColor(Qt::black))
            look += 'o';
        else
            look += '?';
    }
    return look;
}

void clickCell(QTableWidget* table, int row, int column)
{
    const QModelIndex index = table->model()->index(row, column);
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualRect(index).center());
}

// Clicks the cell, opens its editor with F2 and types into it.
bool typeInto(QTableWidget* table, int row, int column, const QString& text)
{
    clickCell(table, row, column);
    QTest::keyClick(table, Qt::Key_F2);
    const QModelIndex index = table->model()->index(row, column);
    auto* editor = qobject_cast<QLineEdit*>(table->indexWidget(index));
    if (!editor)
        return false;
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();  // the delegate commits from a queued call
    return table->item(row, column) && table->item(row, column)->text() == text;
}

QString cellText(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* cell = table.item(row, column);
    return cell ? cell->text() : QString();
}

}  // namespace

class VerticalDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DialogTestWindow> window_;
    VerticalDialog* dialog_ = nullptr;

    // Opens the dialog from the main window's Vertical action.
    bool open()
    {
        dialog_ = window_->open<VerticalDialog>("actionVertical");
        return dialog_ != nullptr;
    }
    QTableWidget* table() const { return dialog_->findChild<QTableWidget*>("tableWidget"); }
    void click(const char* button) const
    {
        QTest::mouseClick(dialog_->findChild<QPushButton*>(button), Qt::LeftButton);
    }
    void insert() const { click("pushButton"); }
    void remove() const { click("pushButton_2"); }
    void apply() const { click("pushButton_3"); }
    bool typeRow(int row, const QString& mile, const QString& height, const QString& radius)
    {
        return typeInto(table(), row, VerticalDialog::MileColumn, mile) &&
               typeInto(table(), row, VerticalDialog::HeightColumn, height) &&
               (radius.isEmpty() || typeInto(table(), row, VerticalDialog::RadiusColumn, radius));
    }

private slots:
    void init()
    {
        theRoad.NewRoad();
        window_ = std::make_unique<DialogTestWindow>();
    }

    void cleanup()
    {
        window_.reset();
        dialog_ = nullptr;
    }

    void fourPointsAppliedGiveTheProfileAtCrestAndSag()
    {
        QVERIFY(open());
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 1);
        for (int i = 0; i < 4; ++i)
            insert();
        QCOMPARE(table()->rowCount(), 4);
        // Grades +2 %, -2 %, +1.5 %; a crest at 400 and a sag at 800. The
        // radius typed into the first row does not count.
        QVERIFY(typeRow(0, "0", "100", "999"));
        QVERIFY(typeRow(1, "400", "108", "4000"));
        QVERIFY(typeRow(2, "800", "100", "6000"));
        QVERIFY(typeRow(3, "1200", "106", ""));
        apply();

        QCOMPARE(theRoad.NumberOfVertical(), 4);
        QVERIFY(theRoad.IsModified());
        QCOMPARE(theRoad.GetVertical(0)->radius, 0.0);
        QCOMPARE(theRoad.GetVertical(2)->radius, 6000.0);
        QVERIFY(near(theRoad.GetVertical(1)->tangent, 80));   // 0.04 * 4000 / 2
        QVERIFY(near(theRoad.GetVertical(2)->tangent, 105));  // 0.035 * 6000 / 2
        QVERIFY(near(elevationAt(200), 104));
        QVERIFY(near(elevationAt(400), 108 - 80.0 * 80 / 8000));
        QVERIFY(near(elevationAt(800), 100 + 105.0 * 105 / 12000));
        QVERIFY(near(elevationAt(850), 100 + 50 * 0.015 + 55.0 * 55 / 12000));
        QVERIFY(near(elevationAt(1200), 106));

        // The profile view was redrawn: three grade lines and two curves.
        auto* view = window_->findChild<QGraphicsView*>("verticalView");
        int pieces = 0;
        for (QGraphicsItem* item : view->scene()->items())
            pieces += dynamic_cast<VGraphicsItem*>(item) != nullptr;
        QCOMPARE(pieces, 5);
    }

    void tableShowsTheRoadsProfile()
    {
        makeProfile({{0, 152.4, 0}, {650, 161.5, 8000}, {1500, 154.7, 0}});
        QVERIFY(open());
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(cellText(*table(), 1, VerticalDialog::MileColumn), QString("650.000"));
        QCOMPARE(cellText(*table(), 1, VerticalDialog::HeightColumn), QString("161.500"));
        QCOMPARE(cellText(*table(), 1, VerticalDialog::RadiusColumn), QString("8000.000"));
        QCOMPARE(cellText(*table(), 0, VerticalDialog::RadiusColumn), QString());
        QCOMPARE(radiusLook(*table()), QString("-o-"));
    }

    void stationsOutOfOrderAreRefusedAndTheProfileKept()
    {
        makeProfile({{0, 100, 0}, {300, 106, 4000}, {600, 103, 0}});
        const std::vector<VerticalEntity> before = gradePoints();
        QVERIFY(open());
        QVERIFY(typeRow(2, "300", "103", ""));  // equal to the station before it
        ModalAnswers answers({press(QMessageBox::Ok)});
        apply();
        QCOMPARE(answers.seen(), QStringList("warning: mile is less than the prev!"));
        QVERIFY(sameGradePoints(gradePoints(), before));
        QVERIFY(!theRoad.IsModified());
        // The table keeps what the user typed.
        QCOMPARE(cellText(*table(), 2, VerticalDialog::MileColumn), QString("300"));
    }

    void fewerThanTwoPointsAreRefusedAndTheProfileKept()
    {
        makeProfile({{0, 100, 0}, {300, 106, 4000}, {600, 103, 0}});
        const std::vector<VerticalEntity> before = gradePoints();
        QVERIFY(open());
        clickCell(table(), 2, 0);
        remove();
        remove();
        QCOMPARE(table()->rowCount(), 1);
        ModalAnswers answers({press(QMessageBox::Ok)});
        apply();
        QCOMPARE(answers.seen(), QStringList("warning: vertical curve is less than two!"));
        QVERIFY(sameGradePoints(gradePoints(), before));
        QVERIFY(!theRoad.IsModified());
    }

    void radiusCellsOfTheEndRowsReadAsBlank()
    {
        QVERIFY(open());
        insert();
        QCOMPARE(radiusLook(*table()), QString("-"));
        insert();
        QCOMPARE(radiusLook(*table()), QString("--"));
        insert();  // a new last row: the former last one becomes an inner row
        QCOMPARE(radiusLook(*table()), QString("-o-"));
        QCOMPARE(table()->currentRow(), 2);
        clickCell(table(), 0, 0);
        insert();  // after the first row
        QCOMPARE(radiusLook(*table()), QString("-oo-"));
        QCOMPARE(table()->currentRow(), 1);

        clickCell(table(), 3, 0);
        remove();  // the last row: the row before it becomes the last
        QCOMPARE(radiusLook(*table()), QString("-o-"));
        QCOMPARE(table()->currentRow(), 2);
        clickCell(table(), 0, 0);
        remove();  // the first row: the next becomes the first
        QCOMPARE(radiusLook(*table()), QString("--"));
        QCOMPARE(table()->currentRow(), 0);
    }

    void insertingAboveTheFirstRowMakesItAnInnerRow()
    {
        makeProfile({{0, 100, 0}, {300, 106, 0}});
        QVERIFY(open());
        QCOMPARE(table()->currentRow(), -1);
        insert();  // no current row: the new row goes first
        QCOMPARE(table()->rowCount(), 3);
        QCOMPARE(cellText(*table(), 1, VerticalDialog::MileColumn), QString("0.000"));
        QCOMPARE(radiusLook(*table()), QString("-o-"));

        clickCell(table(), 2, 0);
        remove();  // the last of three rows: both left read as blank
        QCOMPARE(radiusLook(*table()), QString("--"));
    }
};

QTEST_MAIN(VerticalDialogTest)
#include "verticaldialog_test.moc"
