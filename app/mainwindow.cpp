#include "mainwindow.h"

#include "editors/horizondialog.h"
#include "editors/roadsectiondialog.h"
#include "editors/sectiondialog.h"
#include "editors/verticaldialog.h"
#include "globals.h"
#include "idataimporter.h"
#include "importerloader.h"
#include "importrun.h"
#include "landxmlexport.h"
#include "messages.h"
#include "programdirs.h"
#include "roadsnapshot.h"
#include "tools/aboutdialog.h"
#include "tools/caldialog.h"
#include "tools/exportdialog.h"
#include "tools/ptenumdialog.h"
#include "tools/surveycheckdialog.h"
#include "ui_mainwindow.h"
#include "views/exaggerationmenu.h"

#include <QActionGroup>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>

namespace {

const char* const kRoadFilter = QT_TRANSLATE_NOOP("MainWindow", "Road Files (*.rod)");

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), ui(new Ui::MainWindowClass)
{
    Q_INIT_RESOURCE(vantorel);
    ui->setupUi(this);
    connectViews();
    showPage(kPlanView);
    updateTitle();
    loadImporters();

    auto* exportLandXml = new QAction(tr("Export LandXML..."), this);
    exportLandXml->setObjectName("actionExportLandXml");
    ui->menuFile->insertAction(ui->actionQuit, exportLandXml);
    connect(exportLandXml, &QAction::triggered, this, &MainWindow::onExportLandXml);

    auto* checkSurvey = new QAction(tr("Check Surveyed Points…"), this);
    checkSurvey->setObjectName("actionCheckSurvey");
    ui->menuFunction->addAction(checkSurvey);
    connect(checkSurvey, &QAction::triggered, this, &MainWindow::onCheckSurveyedPoints);
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::loadImporters()
{
    ui->actionImport->setVisible(false);
    // Each importer's entry goes above the previous one's, the first above Export.
    QAction* insertBefore = ui->actionExport;
    for (IDataImporter* importer : ::loadImporters(programdirs::importers())) {
        const QString name = importer->name();
        importers_.insert(name, importer);
        importerFilters_.append(importer->fileFilters());
        auto* action = new QAction(name, this);
        ui->menuFunction->insertAction(insertBefore, action);
        insertBefore = action;
        connect(action, &QAction::triggered, this, [this, name] { onImport(name); });
    }
    ui->actionImport->setEnabled(!importers_.isEmpty());
}

void MainWindow::connectViews()
{
    auto* modes = new QActionGroup(this);
    for (QAction* action : {ui->actionSelect, ui->actionZoomIn, ui->actionZoomOut, ui->actionMove})
        modes->addAction(action);
    for (SurveyView* view :
         {static_cast<SurveyView*>(ui->horizonView), static_cast<SurveyView*>(ui->verticalView),
          static_cast<SurveyView*>(ui->sectionView)}) {
        connect(view, &SurveyView::cursorMoved, this,
                [this](const QString& readout) { ui->statusBar->showMessage(readout); });
        connect(view, &SurveyView::modeChanged, this, [this, view](SurveyView::Mode mode) {
            if (view == currentView())
                showMode(mode);
        });
    }
    ui->menuView->addSeparator();
    ui->menuView->addMenu(exaggerationMenu(ui->verticalView, this));
}

void MainWindow::showMode(SurveyView::Mode mode)
{
    QAction* const byMode[] = {ui->actionSelect, ui->actionZoomIn, ui->actionZoomOut,
                               ui->actionMove};
    byMode[mode]->setChecked(true);
}

void MainWindow::showPage(int index)
{
    ui->actionHorizonView->setChecked(index == kPlanView);
    ui->actionVerticalView->setChecked(index == kProfileView);
    ui->actionSectionView->setChecked(index == kSectionView);
    ui->stackedWidget->setCurrentIndex(index);
    if (const SurveyView* view = currentView())
        showMode(view->mode());
}

void MainWindow::showNewRoad()
{
    ui->horizonView->refresh();
    ui->verticalView->refresh();
    ui->sectionView->showFirstSection();
}

SurveyView* MainWindow::currentView() const
{
    switch (ui->stackedWidget->currentIndex()) {
    case kPlanView:
        return ui->horizonView;
    case kProfileView:
        return ui->verticalView;
    case kSectionView:
        return ui->sectionView;
    default:
        return nullptr;
    }
}

void MainWindow::refreshView(int index)
{
    switch (index) {
    case kPlanView:
        ui->horizonView->refresh();
        break;
    case kProfileView:
        ui->verticalView->refresh();
        break;
    case kSectionView:
        ui->sectionView->refresh();
        break;
    default:
        break;
    }
}

void MainWindow::setSectionLeftTemplate(const std::string& name)
{
    ui->sectionView->setLeftTemplate(name);
}

void MainWindow::setSectionRightTemplate(const std::string& name)
{
    ui->sectionView->setRightTemplate(name);
}

void MainWindow::setSectionStations(double from, double to)
{
    ui->sectionView->setStations(from, to);
}

void MainWindow::showSurveyedPoints(std::vector<SurveyedPoints::Point> points)
{
    ui->horizonView->setSurveyedPoints(std::move(points));
}

void MainWindow::updateTitle()
{
    // The path is stored as the file system's 8-bit name, so it is read back
    // the same way.
    setWindowTitle(QString("Vantorel %1").arg(QString::fromLocal8Bit(theRoad.FilePath())));
}

void MainWindow::openDialog(QDialog* dialog)
{
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->show();
}

bool MainWindow::maybeSave()
{
    if (!theRoad.IsModified())
        return true;
    const QMessageBox::StandardButton answer = QMessageBox::warning(
        this, tr("info"), tr("The road has been modified.\nDo you want to save your changes?"),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::NoButton);
    if (answer == QMessageBox::Discard)
        return true;
    if (answer != QMessageBox::Save)
        return false;
    return saveOtherVersionOrCurrent();
}

bool MainWindow::askSaveAsForOtherVersion()
{
    QMessageBox box(QMessageBox::Information, tr("info"),
                    tr("Current file was created by an older software version, please\n"
                       "press 'Save As' to choose a new file name or 'Save' to overwrite\n"
                       "the origenal file"),
                    QMessageBox::NoButton, this);
    QPushButton* saveAsButton = box.addButton(tr("Save As"), QMessageBox::AcceptRole);
    box.addButton(tr("Save"), QMessageBox::RejectRole);
    box.exec();
    return box.clickedButton() == saveAsButton;
}

// The Save command: files from another version are saved only after the
// version question.
bool MainWindow::saveOtherVersionOrCurrent()
{
    if (RoadSet::Ver == RoadSet::VerOlder || RoadSet::Ver == RoadSet::VerNewer) {
        if (askSaveAsForOtherVersion()) {
            const bool saved = saveAs();
            if (saved)
                updateTitle();
            return saved;
        }
    }
    return save();
}

bool MainWindow::save()
{
    if (theRoad.Save(std::string())) {
        messages::information(this, tr("info"), tr("save road successfully"));
        updateTitle();
        return true;
    }
    if (!saveAs())
        return false;
    updateTitle();
    return true;
}

bool MainWindow::saveAs()
{
    const QString name =
        QFileDialog::getSaveFileName(this, tr("Save Road"), QString(), tr(kRoadFilter));
    if (name.isEmpty())
        return false;
    if (!theRoad.Save(name.toLocal8Bit().toStdString())) {
        messages::information(this, tr("info"), tr("save road failed"));
        return false;
    }
    messages::information(this, tr("info"), tr("save road successfully"));
    return true;
}

void MainWindow::on_actionNew_triggered()
{
    if (!maybeSave())
        return;
    theRoad.NewRoad();
    showNewRoad();
    updateTitle();
}

void MainWindow::on_actionOpen_triggered()
{
    if (!maybeSave())
        return;
    const QString name =
        QFileDialog::getOpenFileName(this, tr("Open Road"), lastOpenDirectory_, tr(kRoadFilter));
    if (name.isEmpty())
        return;

    // A failed or refused open leaves the road, its path, its modified flag
    // and the version state exactly as they were.
    const RoadSnapshot before;
    if (!theRoad.Load(name.toLocal8Bit().toStdString())) {
        before.restore();
        messages::information(nullptr, tr("information"), tr("Open road failed."));
        return;
    }
    RoadSet::Ver = RoadSet::VerCurrent;
    if (RoadSet::fileVer != RoadSet::currVer) {
        const bool newer = RoadSet::fileVer > RoadSet::currVer;
        const QString question =
            newer ? tr("You're opening a newer road file with a software of\nan older version\n"
                       "If you insist to continue, some advantages included\nin the file may be "
                       "lost and some calculating errors\nmay ocurre.\nPress 'Yes' to continue "
                       "or 'No' to cancel\n")
                  : tr("You're opening an older road file.\nIf you save this file later, this "
                       "software may append\nsome new properties into the file, which may be "
                       "not\nsupported by software of older version\nPress 'Yes' to continue or "
                       "'No' to cancel\n");
        if (!messages::askYesNo(nullptr, tr("warning"), question)) {
            before.restore();
            return;
        }
        RoadSet::Ver = newer ? RoadSet::VerNewer : RoadSet::VerOlder;
    }
    showNewRoad();
    messages::information(nullptr, tr("information"), tr("Open road successfully."));
    updateTitle();
    lastOpenDirectory_ = QFileInfo(name).absolutePath();
}

void MainWindow::on_actionSave_triggered()
{
    saveOtherVersionOrCurrent();
}

void MainWindow::on_actionSaveAs_triggered()
{
    if (saveAs())
        updateTitle();
}

void MainWindow::on_actionQuit_triggered()
{
    close();
}

void MainWindow::onImport(const QString& name)
{
    if (importers_.isEmpty()) {
        messages::warning(this, tr("No Importer"), tr("No Importer Found!"));
        return;
    }
    if (!theRoad.isHorizonEmpty() &&
        !messages::askYesNo(this, tr("Road Has Data"),
                            tr("Current road already has data, continue to replace current?"),
                            QMessageBox::No))
        return;
    IDataImporter* importer = importers_.value(name);
    if (!importer)
        return;
    const QString filter =
        importer->fileFilters() + ";;" + tr("All Files") + QStringLiteral("( *.* )");
    const QString file =
        QFileDialog::getOpenFileName(this, importer->name(), lastImportDirectory_, filter);
    if (file.isEmpty())
        return;

    // An importer that fails part-way must not leave a half-replaced road.
    const RoadSnapshot before;
    const ImportOutcome outcome = runImport(importer, &theRoad, file, this);
    if (outcome.imported) {
        lastImportDirectory_ = QFileInfo(file).absolutePath();
        if (!outcome.report.isEmpty())
            messages::information(this, tr("info"), outcome.report);
    } else {
        before.restore();
        if (!outcome.cancelled) {
            const QString failed = tr("Import Road Failed");
            messages::critical(this, tr("Import Failed"),
                               outcome.report.isEmpty() ? failed : failed + "\n" + outcome.report);
        }
    }
    emit dataLoaded(importer->type());
    showNewRoad();
}

void MainWindow::onCheckSurveyedPoints()
{
    openDialog(new SurveyCheckDialog(this));
}

void MainWindow::onExportLandXml()
{
    exportRoadAsLandXml(this);
}

void MainWindow::on_actionHorizon_triggered()
{
    showPage(kPlanView);
    auto* dialog = new HorizonDialog(this);
    connect(this, &MainWindow::dataLoaded, dialog, &HorizonDialog::onDataLoaded);
    openDialog(dialog);
}

void MainWindow::on_actionVertical_triggered()
{
    openDialog(new VerticalDialog(this));
    showPage(kProfileView);
}

void MainWindow::on_actionSection_triggered()
{
    if (theRoad.NumberOfTemplates() == 0) {
        messages::warning(this, tr("warning"), tr("there is no templates to create section!"));
        return;
    }
    openDialog(new RoadSectionDialog(this));
    showPage(kSectionView);
}

void MainWindow::on_actionTemplate_triggered()
{
    openDialog(new SectionDialog(this));
}

void MainWindow::on_actionCal_triggered()
{
    openDialog(new CalDialog(this));
}

void MainWindow::on_actionExport_triggered()
{
    openDialog(new ExportDialog(this));
}

void MainWindow::on_actionEnum_Pt_triggered()
{
    openDialog(new PtEnumDialog(this));
}

void MainWindow::on_actionAbout_triggered()
{
    openDialog(new AboutDialog(this));
}

void MainWindow::on_actionHorizonView_triggered()
{
    showPage(kPlanView);
}

void MainWindow::on_actionVerticalView_triggered()
{
    showPage(kProfileView);
}

void MainWindow::on_actionSectionView_triggered()
{
    showPage(kSectionView);
}

void MainWindow::on_actionZoomIn_triggered()
{
    if (SurveyView* view = currentView())
        view->setZoomInMode();
}

void MainWindow::on_actionZoomOut_triggered()
{
    if (SurveyView* view = currentView())
        view->setZoomOutMode();
}

void MainWindow::on_actionMove_triggered()
{
    if (SurveyView* view = currentView())
        view->setMoveMode();
}

void MainWindow::on_actionSelect_triggered()
{
    if (SurveyView* view = currentView())
        view->setSelectMode();
}

void MainWindow::on_actionFit_triggered()
{
    if (SurveyView* view = currentView())
        view->fit();
}

void MainWindow::on_actionInfo_triggered()
{
    if (SurveyView* view = currentView())
        view->toggleInfo();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (maybeSave())
        event->accept();
    else
        event->ignore();
}
