// The horizontal alignment dialog: what both tabs share. The intersection-
// point tab lives in horizondialog_pitab.cpp, the element tab in
// horizondialog_elementtab.cpp.
#include "horizondialog.h"

#include "arccalcdlg.h"
#include "globals.h"
#include "messages.h"
#include "myitemdelegate.h"
#include "myitemmodel.h"
#include "roaddocument.h"
#include "tablecells.h"
#include "ui_horizondialog.h"

#include <QAction>
#include <QMenu>
#include <QStyle>

#include <algorithm>

const QColor HorizonDialog::kBlankCellColour = tablecells::grey();
const QColor HorizonDialog::kComputedCellColour = QColor(Qt::gray);

HorizonDialog::HorizonDialog(RoadDocument* document, QWidget* parent)
    : QDialog(parent), ui(new Ui::HorizonDialog), document_(document)
{
    ui->setupUi(this);
    ui->labelTotalLength->hide();
    ui->totalLengthEdit->hide();
    ui->pushButtonClear->hide();
    ui->pushButtonImport->hide();

    arcDialog_ = new ArcCalcDlg(this);
    connect(arcDialog_, &ArcCalcDlg::dialogDone, this, &HorizonDialog::onArcFrom3PDlgDone);
    arcAction_ = new QAction(QIcon(":/new/prefix1/res/calc.png"), QString(), this);
    connect(arcAction_, &QAction::triggered, this, &HorizonDialog::onArcFrom3P);
    contextMenu_ = std::make_unique<QMenu>();
    contextMenu_->addAction(arcAction_);
    delegate_ = new MyItemDelegate(ui->tableView, contextMenu_.get());
    model_ = new MyItemModel(this);
    ui->tableView->setItemDelegate(delegate_);
    ui->tableView->installEventFilter(delegate_);
    // Said once the editor has closed.
    connect(delegate_, &MyItemDelegate::lengthRefused, this, &HorizonDialog::onLengthRefused,
            Qt::QueuedConnection);
    ui->tableView->setModel(model_);

    if (model_->arcMode() == MyItemModel::ArcByAngle)
        ui->radioButton_2->setChecked(true);
    else
        ui->radioButton->setChecked(true);
    connect(this, &HorizonDialog::ArcModeChanged, model_, &MyItemModel::on_arc_mode_changed);

    ui->crossTable->setColumnCount(CrossColumnCount);
    widenNumberColumns();
    retranslateTexts();
    ui->crossTable->installEventFilter(this);
    // The turns and the computed arcs follow the points as they are typed.
    connect(ui->crossTable, &QTableWidget::itemChanged, this, [this](const QTableWidgetItem* item) {
        if (item->column() == XColumn || item->column() == YColumn)
            showCurveDesign();
    });
    loadCrossTable();
    ui->t1Edit->setEnabled(false);
    ui->t2Edit->setEnabled(false);

    ui->tabWidget->setCurrentWidget(theRoad.CanUseCross() ? ui->tab : ui->tab_2);
    connect(document_, &RoadDocument::roadReplaced, this, &HorizonDialog::showRoad);
}

HorizonDialog::~HorizonDialog()
{
    delete ui;
}

void HorizonDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        retranslateTexts();
    }
    QDialog::changeEvent(event);
}

// Coordinates and DMS angles are wider than the other columns; cut short
// they would be unreadable.
void HorizonDialog::widenNumberColumns()
{
    const QFontMetrics metrics(ui->tableView->font());
    const int checkBox = ui->tableView->style()->pixelMetric(QStyle::PM_IndicatorWidth);
    const int margins = 3 * ui->tableView->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 8;
    auto widen = [&](int column, const QString& widest, bool checkable) {
        const int width = metrics.horizontalAdvance(widest) + margins + (checkable ? checkBox : 0);
        ui->tableView->setColumnWidth(column, std::max(width, ui->tableView->columnWidth(column)));
    };
    widen(MyItemModel::NorthColumn, QStringLiteral("0000000.000"), true);
    widen(MyItemModel::EastColumn, QStringLiteral("0000000.000"), false);
    widen(MyItemModel::StartAzimuthColumn, QStringLiteral("000.0000000"), true);
    widen(MyItemModel::OffsetColumn, QStringLiteral("000.0000000"), false);

    // The PI table: every column as wide as its numbers, so that all fit.
    const QString widest[] = {QStringLiteral("0000000.000"), QStringLiteral("0000000.000"),
                              QStringLiteral("00000.000"),   QStringLiteral("000.0000000 R"),
                              QStringLiteral("0000.000"),    QStringLiteral("0000.000"),
                              QStringLiteral("0000.000")};
    for (int column = 0; column < CrossColumnCount; ++column)
        ui->crossTable->setColumnWidth(column, metrics.horizontalAdvance(widest[column]) + margins);
}

// The texts set in code rather than in the form.
void HorizonDialog::retranslateTexts()
{
    const QStringList kinds = {tr("None"), tr("Arc"), tr("Sprial|Spiral"), tr("Spiral|Arc|Spiral")};
    for (int kind = 0; kind < kinds.size(); ++kind) {
        if (kind < ui->comboBox->count())
            ui->comboBox->setItemText(kind, kinds[kind]);
        else
            ui->comboBox->addItem(kinds[kind]);
    }
    ui->crossTable->setHorizontalHeaderLabels(
        {tr("X"), tr("Y"), tr("L"), tr("Deflection"), tr("Arc Len"), tr("T1"), tr("T2")});
    arcAction_->setText(tr("Arc From 3 points"));
}

void HorizonDialog::showRoad()
{
    model_->LoadRoadData();
    loadCrossTable();
}

void HorizonDialog::on_tabWidget_currentChanged(int index)
{
    if (ui->tabWidget->widget(index) != ui->tab || theRoad.CanUseCross())
        return;
    messages::warning(this, tr("warning"), tr("cannot translate to point intersection method!"));
    ui->tabWidget->setCurrentWidget(ui->tab_2);
}
