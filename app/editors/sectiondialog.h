#ifndef VANTOREL_EDITORS_SECTIONDIALOG_H
#define VANTOREL_EDITORS_SECTIONDIALOG_H

#include <QDialog>

class QTreeWidgetItem;
class RoadDocument;

namespace Ui {
class SectionDialog;
}

// The road's cross-section templates as a tree: the root, one item per
// template, one per break point (distance, height difference). The tree is
// a working copy; "Ok" writes it into the road as one step of the document's
// history. The tree shows the road afresh whenever it is replaced.
class SectionDialog : public QDialog
{
    Q_OBJECT

public:
    enum Level { NoLevel = -1, RootLevel = 0, TemplateLevel = 1, BreakLevel = 2 };

    SectionDialog(RoadDocument* document, QWidget* parent = nullptr);
    ~SectionDialog() override;

    // Why the road file could not keep this template name as typed; empty
    // when it can.
    static QString nameProblem(const QString& name);

protected:
    void changeEvent(QEvent* event) override;

private slots:
    void on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void on_applyButton_clicked();
    void on_newButton_clicked();
    void on_delButton_clicked();
    void on_newTemplateButton_clicked();
    void on_delTemplateButton_clicked();
    void on_okButton_clicked();
    void on_cancelButton_clicked();

private:
    void showRoad();
    Level levelOf(const QTreeWidgetItem* item) const;
    bool isNameInUse(const QString& name) const;

    Ui::SectionDialog* ui;
    RoadDocument* document_;
    QTreeWidgetItem* root_;
};

#endif  // VANTOREL_EDITORS_SECTIONDIALOG_H
