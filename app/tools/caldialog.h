#ifndef VANTOREL_TOOLS_CALDIALOG_H
#define VANTOREL_TOOLS_CALDIALOG_H

#include <QDialog>

namespace Ui {
class CalDialog;
}

// Converts one point of theRoad between station and offset and plane
// coordinates, and shows the template height difference at that offset.
// It reads the road and never changes it.
class CalDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CalDialog(QWidget* parent = nullptr);
    ~CalDialog() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    // Station and offset to X, Y and Z.
    void on_downButton_clicked();
    // X and Y to station, offset and Z.
    void on_upButton_clicked();

private:
    QString offTheRoad(double station) const;
    // Z is left as it was where no section covers the station.
    void showHeightDifference(double station, double offset);

    Ui::CalDialog* ui;
};

#endif  // VANTOREL_TOOLS_CALDIALOG_H
