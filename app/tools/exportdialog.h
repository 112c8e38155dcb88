#ifndef VANTOREL_TOOLS_EXPORTDIALOG_H
#define VANTOREL_TOOLS_EXPORTDIALOG_H

#include "stakeexportsettings.h"
#include "stakeout.h"

#include <QDialog>

namespace Ui {
class ExportDialog;
}

// Writes the stake-out points of theRoad to a file for the field crew, in
// the chosen format: from Start towards End at the interval, at one or more
// offsets. The run and the file are the library's; the dialog collects the
// settings and says how it went. The fields of a successful export are
// remembered for the next.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ExportDialog(QWidget* parent = nullptr);
    ~ExportDialog() override;

    // What Ok would export: the run, the file's format and its first point
    // number; false (after a message) when the fields cannot be read.
    bool readExport(StakeOutRun& run, StakeFormat& format, long long& firstNumber);

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
    StakeExportSettings fields() const;
    void showFields(const StakeExportSettings& fields);

    Ui::ExportDialog* ui;
};

#endif  // VANTOREL_TOOLS_EXPORTDIALOG_H
