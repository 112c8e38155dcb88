#ifndef VANTOREL_TOOLS_ABOUTDIALOG_H
#define VANTOREL_TOOLS_ABOUTDIALOG_H

#include <QDialog>

namespace Ui {
class AboutDialog;
}

// The logo, the version and the maker's lines; any click closes it.
class AboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);
    ~AboutDialog() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    Ui::AboutDialog* ui;
};

#endif  // VANTOREL_TOOLS_ABOUTDIALOG_H
