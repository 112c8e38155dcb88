#ifndef VANTOREL_TOOLS_EXPORTDIALOG_H
#define VANTOREL_TOOLS_EXPORTDIALOG_H

#include <QDialog>

namespace Ui {
class ExportDialog;
}

// Writes the stake-out points of theRoad to a text file for the field crew:
// one line "station,X,Y,height" per stake, from Start towards End at the
// interval, at the offset.
class ExportDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Outcome { Exported, IntervalTooSmall, CannotOpen, WriteFailed };

    explicit ExportDialog(QWidget* parent = nullptr);
    ~ExportDialog() override;

    // Exports the stakes the form asks for to `path`, without any message;
    // an existing file is overwritten.
    Outcome exportTo(const QString& path) const;

public slots:
    // Exports to the chosen path and says how it went; closes on success.
    void accept() override;

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_pushButton_clicked();

private:
    Ui::ExportDialog* ui;
};

#endif  // VANTOREL_TOOLS_EXPORTDIALOG_H
