#ifndef VANTOREL_TOOLS_EXPORTDIALOG_H
#define VANTOREL_TOOLS_EXPORTDIALOG_H

#include "stakeout.h"

#include <QDialog>

namespace Ui {
class ExportDialog;
}

// Writes the stake-out points of theRoad to a file for the field crew, in
// the chosen format: from Start towards End at the interval, at one or more
// offsets. The run and the file are the library's; the dialog collects the
// settings and says how it went.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportDialog(QWidget* parent = nullptr);
    ~ExportDialog() override;

public slots:
    // Exports to the chosen path and says how it went; closes on success.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();
    void on_formatBox_currentIndexChanged(int index);

private:
    // The run the form asks for; false (after a message) when it cannot be read.
    bool readRun(StakeOutRun& run);
    StakeFormat format() const;

    Ui::ExportDialog* ui;
};

#endif  // VANTOREL_TOOLS_EXPORTDIALOG_H
