#ifndef VANTOREL_TOOLS_PTENUMDIALOG_H
#define VANTOREL_TOOLS_PTENUMDIALOG_H

#include "roadset.h"

#include <QDialog>

class RoadDocument;

namespace Ui {
class PtEnumDialog;
}

// Steps through the stakes of theRoad one at a time, forwards ("Next") and
// backwards ("Last"), showing each stake's kind, station and coordinates.
// The walk starts at "Start Mile" with the "Stake Interval", key points
// included, on the first step and again after either field is edited or
// the road changed.
class PtEnumDialog : public QDialog
{
    Q_OBJECT

public:
    PtEnumDialog(RoadDocument* document, QWidget* parent = nullptr);
    ~PtEnumDialog() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_btnNext_clicked();
    void on_btnLast_clicked();
    // The next step starts the walk afresh from the fields.
    void restartWalk();

private:
    // Starts the walk from the fields; false (after a warning) when the road
    // has no alignment to walk.
    bool startWalk();
    void step(bool forward);
    void showStake(double station);

    Ui::PtEnumDialog* ui;
    RoadIter walkIter;
    bool walkStarted = false;
    long stepsOneWay_ = 0;  // steps since the walk started or turned
    bool lastStepForward_ = true;
};

#endif  // VANTOREL_TOOLS_PTENUMDIALOG_H
