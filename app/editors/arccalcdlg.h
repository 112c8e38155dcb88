#ifndef VANTOREL_EDITORS_ARCCALCDLG_H
#define VANTOREL_EDITORS_ARCCALCDLG_H

#include "roadset.h"

#include <QDialog>

class QStandardItemModel;

namespace Ui {
class ArcCalcDlg;
}

// The circular arc through three typed points: its centre, azimuths, radius
// and length. "Done" with "Insert to Current Road" checked hands the arc to
// whoever listens to dialogDone; the dialog then opens empty next time.
class ArcCalcDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ArcCalcDlg(QWidget* parent = nullptr);
    ~ArcCalcDlg() override;

    // The arc of the last calculation.
    const RoadEntity& arc() const { return arc_; }

signals:
    void dialogDone(ArcCalcDlg* dialog);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_btnCalc_clicked();
    void on_btnReFill_clicked();
    void on_btnDone_clicked();

private:
    void setHeaders();
    void clearResults();

    Ui::ArcCalcDlg* ui;
    QStandardItemModel* points_;
    RoadEntity arc_;
    // Whether arc_ passes through the points of the last calculation.
    bool hasArc_ = false;
};

#endif  // VANTOREL_EDITORS_ARCCALCDLG_H
