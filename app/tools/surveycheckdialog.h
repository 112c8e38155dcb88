#ifndef VANTOREL_TOOLS_SURVEYCHECKDIALOG_H
#define VANTOREL_TOOLS_SURVEYCHECKDIALOG_H

#include "surveycheckrun.h"

#include <QDialog>
#include <QFutureWatcher>

namespace Ui {
class SurveyCheckDialog;
}

class SurveyCheckModel;
class SurveyCheckSortModel;

// Checks surveyed points against theRoad's design: the file read and the
// points checked in the background with a progress bar, the results in a
// table sortable by any column with the differences beyond the tolerance
// marked, the points drawn on the plan while the dialog is open, and the
// table exported as CSV in the order shown.
class SurveyCheckDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SurveyCheckDialog(QWidget* parent = nullptr);
    ~SurveyCheckDialog() override;

    // Whether a check is running.
    bool isChecking() const { return watcher_.isRunning(); }

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_browseButton_clicked();
    void on_checkButton_clicked();
    void on_stopButton_clicked();
    void on_exportButton_clicked();
    void on_toleranceBox_valueChanged(double metres);
    void showProgress(int value);
    void checkFinished();

private:
    void setRunning(bool running);
    void showSummary();
    void showOnPlan() const;

    Ui::SurveyCheckDialog* ui;
    SurveyCheckModel* model_;
    SurveyCheckSortModel* sorted_;
    QFutureWatcher<SurveyCheckOutcome> watcher_;
    QString checkedFile_;
};

#endif  // VANTOREL_TOOLS_SURVEYCHECKDIALOG_H
