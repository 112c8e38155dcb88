#ifndef VANTOREL_EDITORS_MYITEMMODEL_H
#define VANTOREL_EDITORS_MYITEMMODEL_H

#include <QColor>
#include <QList>
#include <QStandardItemModel>

class MyItem;

// The road's horizontal elements as a table: one row per line, arc or spiral
// and a closing "End" row. Editing a cell keeps its row consistent: the
// element type decides which cells can be typed, an arc's two radius cells
// stay equal, and text that is no number shows red.
class MyItemModel : public QStandardItemModel
{
    Q_OBJECT

public:
    enum Column {
        ElementColumn = 0,
        NorthColumn = 1,
        EastColumn = 2,
        StartAzimuthColumn = 3,
        StartRadiusColumn = 4,
        EndRadiusColumn = 5,
        LengthColumn = 6,
        OffsetColumn = 7,
        StakeColumn = 8,
        ColumnCount = 9
    };
    // The element type codes of the road.
    enum ElementType { PointType = 0, LineType = 1, ArcType = 2, SpiralType = 3 };
    // How arcs are dimensioned: by their length or by their central angle.
    enum ArcMode { ArcByLength = 0, ArcByAngle = 1 };

    static const QColor kLockedCellColour;
    static constexpr int kNumberDecimals = 3;
    static constexpr int kAzimuthDecimals = 7;

    explicit MyItemModel(QObject* parent);

    // Rebuilds every row from theRoad.
    void LoadRoadData();

    int arcMode() const { return arcMode_; }
    // The translated name of an element type ("Line", "Arc", ...).
    static QString typeName(int type);

    // Nine empty cells of an element row of the given type; "North" and
    // "St. Azi" carry unchecked check boxes.
    static QList<QStandardItem*> newElementRow(const QString& typeText);

    MyItem* cell(int row, int column) const;
    double value(int row, int column) const;
    QString cellText(int row, int column) const;
    bool isChecked(int row, int column) const;
    bool isEndRow(int row) const { return row == rowCount() - 1; }

public slots:
    void on_item_changed(QStandardItem* item);
    void on_arc_mode_changed(int mode);

private:
    void appendEndRow();
    void lockCellsForType(int row, const QString& typeText);
    static void setLocked(QStandardItem* item, bool locked);

    int arcMode_ = ArcByLength;
};

#endif  // VANTOREL_EDITORS_MYITEMMODEL_H
