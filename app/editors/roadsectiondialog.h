#ifndef VANTOREL_EDITORS_ROADSECTIONDIALOG_H
#define VANTOREL_EDITORS_ROADSECTIONDIALOG_H

#include <QDialog>

#include <string>

class RoadDocument;

namespace Ui {
class RoadSectionDialog;
}

// Which templates the left and right side of the road take over which
// station range, one row per range. The table is a working copy; "Ok" writes
// it into the road as one step of the document's history, and it shows the
// road afresh whenever that is replaced. The current row's templates are
// offered to the cross-section view.
class RoadSectionDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { StartColumn = 0, EndColumn = 1, LeftColumn = 2, RightColumn = 3 };
    static constexpr int kColumnWidth = 50;

    RoadSectionDialog(RoadDocument* document, QWidget* parent = nullptr);
    ~RoadSectionDialog() override;

signals:
    // The current row: its templates, left and right, by name, and its
    // stations (not numbers where the cells hold none).
    void sectionChosen(const std::string& left, const std::string& right, double start, double end);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_tableWidget_currentCellChanged(int currentRow, int currentColumn, int previousRow,
                                           int previousColumn);
    void on_applyButton_clicked();
    void on_newButton_clicked();
    void on_delButton_clicked();
    void on_okButton_clicked();
    void on_cancelButton_clicked();

private:
    void showRoad();
    QString cellText(int row, int column) const;
    void setRow(int row, const QString& start, const QString& end, const QString& left,
                const QString& right);
    // Offers the row's two template names to the cross-section view.
    void showTemplatesOf(int row);

    Ui::RoadSectionDialog* ui;
    RoadDocument* document_;
};

#endif  // VANTOREL_EDITORS_ROADSECTIONDIALOG_H
