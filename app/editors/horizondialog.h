#ifndef VANTOREL_EDITORS_HORIZONDIALOG_H
#define VANTOREL_EDITORS_HORIZONDIALOG_H

#include <QColor>
#include <QDialog>
#include <QHash>
#include <QStringList>

#include <memory>

class ArcCalcDlg;
class IDataImporter;
class MyItemDelegate;
class MyItemModel;
class QAction;
class QMenu;
class QTableWidgetItem;
class RoadDocument;
struct RoadEntity;

namespace Ui {
class HorizonDialog;
}

// The editor of the road's horizontal alignment, two ways side by side: by
// intersection points (PIs) with their curves on the "PI" tab, or element by
// element on the "Element" tab. "Apply" on either tab rebuilds the road's
// elements as one step of the document's history and refreshes the other tab
// from the road; both tables show the road afresh whenever it is replaced.
class HorizonDialog : public QDialog
{
    Q_OBJECT

public:
    // The point as typed, then what follows from it: the turn of its legs,
    // the arc length used (grey where it follows from the turn) and the
    // tangent lengths of its curve.
    enum CrossColumn {
        XColumn = 0,
        YColumn = 1,
        LColumn = 2,
        DeflectionColumn,
        ArcColumn,
        TangentInColumn,
        TangentOutColumn,
        CrossColumnCount
    };
    // The curve of a PI row, kept as data of its "X" cell.
    enum CurveRole {
        KindRole = Qt::UserRole,
        RadiusRole,
        ArcLengthRole,
        SpiralInRole,
        SpiralOutRole,
        TangentInRole,
        TangentOutRole,
        DeflectionRole
    };
    enum CurveKind { NoCurve = 0, ArcCurve = 1, SpiralSpiralCurve = 2, SpiralArcSpiralCurve = 3 };

    // Text and background of the station cells after the first: only the
    // start station counts.
    static const QColor kBlankCellColour;
    // Text of an arc length that follows from the turn of the legs.
    static const QColor kComputedCellColour;

    HorizonDialog(RoadDocument* document, QWidget* parent = nullptr);
    ~HorizonDialog() override;

signals:
    void ArcModeChanged(int mode);

protected:
    bool eventFilter(QObject* object, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private slots:
    void on_tabWidget_currentChanged(int index);
    void on_comboBox_currentIndexChanged(int index);
    void on_crossTable_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                          int previousColumn);
    void on_pushButtonInsert_clicked();
    void on_pushButtonDelete_clicked();
    void on_pushButtonModify_clicked();
    void on_pushButtonApply_clicked();
    void on_pushButtonImport_clicked();
    void on_pushButtonClose_clicked();
    void on_pushButton_4_clicked();
    void on_pushButton_5_clicked();
    void on_pushButton_6_clicked();
    void on_pushButton_clicked();
    void on_radioButton_clicked();
    void on_radioButton_2_clicked();
    void onArcFrom3P();
    void onArcFrom3PDlgDone(ArcCalcDlg* dialog);
    void onLengthRefused(int code);

private:
    void retranslateTexts();
    void widenNumberColumns();
    // Both tables from the road.
    void showRoad();
    // The PI tab.
    void loadCrossTable();
    void showCrossRow(int row);
    void showCurveDesign();
    void setArcMode(int kind);
    void makeEndPoint(int row);
    void loadCrossFile();
    void saveCrossFile();
    // The element tab.
    void onInsert();
    void onApplyHorizon();
    int setElementFromRow(int row, RoadEntity& element) const;
    QString suggestedType(int row) const;

    Ui::HorizonDialog* ui;
    RoadDocument* document_;
    MyItemDelegate* delegate_;
    MyItemModel* model_;
    QAction* arcAction_;
    std::unique_ptr<QMenu> contextMenu_;
    ArcCalcDlg* arcDialog_;
    // For the hidden "Import" button; importing is the main window's job.
    QStringList importerFilters_;
    QHash<QString, IDataImporter*> importers_;
};

#endif  // VANTOREL_EDITORS_HORIZONDIALOG_H
