#ifndef VANTOREL_EDITORS_VERTICALDIALOG_H
#define VANTOREL_EDITORS_VERTICALDIALOG_H

#include <QDialog>

class RoadDocument;

namespace Ui {
class VerticalDialog;
}

// The road's profile as a table of grade points: station, height and, for
// the inner points, the radius of the vertical curve. "Apply" writes the
// table into the road as one step of the document's history; the table shows
// the road afresh whenever it is replaced.
class VerticalDialog : public QDialog
{
    Q_OBJECT

public:
    enum Column { MileColumn = 0, HeightColumn = 1, RadiusColumn = 2 };

    // The look of a radius cell that does not count: the first and last
    // points carry no vertical curve.
    static const QColor kBlankCellColour;

    VerticalDialog(RoadDocument* document, QWidget* parent = nullptr);
    ~VerticalDialog() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();
    void on_pushButton_2_clicked();
    void on_pushButton_3_clicked();
    void on_pushButton_4_clicked();

private:
    void showRoad();
    void setRadiusCellBlank(int row, bool blank);
    double cellValue(int row, int column) const;

    Ui::VerticalDialog* ui;
    RoadDocument* document_;
};

#endif  // VANTOREL_EDITORS_VERTICALDIALOG_H
