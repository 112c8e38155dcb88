#include "mainwindow.h"

#include "editors/horizondialog.h"
#include "editors/roadsectiondialog.h"
#include "editors/sectiondialog.h"
#include "editors/verticaldialog.h"
#include "filedialogs.h"
#include "globals.h"
#include "idataimporter.h"
#include "importerloader.h"
#include "importrun.h"
#include "landxmlexport.h"
#include "messages.h"
#include "printing/printcommands.h"
#include "programdirs.h"
#include "recentfiles.h"
#include "roaddocument.h"
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
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSettings>

namespace {

const char* const kRoadFilter = QT_TRANSLATE_NOOP("MainWindow", "Road Files (*.rod)");
const QString kRoadKind = QStringLiteral("roads");
const QString kImportKind = QStringLiteral("imports");
const char* const kGeometryKey = "mainWindow/geometry";
const char* const kStateKey = "mainWindow/state";
const char* const kPageKey = "mainWindow/page";

// The one road file among dropped things, else empty.
QString droppedRoad(const QMimeData* data)
{
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return QString();
    const QString path = urls.first().toLocalFile();
    return QFileInfo(path).suffix().compare("rod", Qt::CaseInsensitive) == 0 ? path : QString();
}

// The step an import makes in the history, named for the data it brings.
QString importStepName(const QString& importer)
{
    // The CASS importer's menu entry keeps its old spelling.
    if (importer == QLatin1String("Cass Data"))
        return MainWindow::tr("Import CASS data");
    return MainWindow::tr("Import %1").arg(importer);
}

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QMainWindow(parent), ui(new Ui::MainWindowClass), document_(new RoadDocument(this))
{
    Q_INIT_RESOURCE(vantorel);
    ui->setupUi(this);
    connectViews();
    addHistoryActions();
    addRecentFiles();
    setAcceptDrops(true);
    const QSettings settings;
    restoreState(settings.value(kStateKey).toByteArray());
    const int page = settings.value(kPageKey, kPlanView).toInt();
    showPage(page >= kPlanView && page <= kSectionView ? page : kPlanView);
    updateTitle();
    connect(document_, &RoadDocument::roadEdited, this, &MainWindow::redraw);
    connect(document_, &RoadDocument::roadReplaced, this, [this](RoadDocument::Parts parts) {
        if (parts == RoadDocument::WholeRoad)
            showNewRoad();
        else
            redraw(parts);
    });
    connect(document_, &RoadDocument::filePathChanged, this, &MainWindow::updateTitle);
    connect(document_, &RoadDocument::modifiedChanged, this, &MainWindow::setWindowModified);
    loadImporters();

    auto* exportLandXml = new QAction(tr("Export LandXML..."), this);
    exportLandXml->setObjectName("actionExportLandXml");
    ui->menuFile->insertAction(ui->actionQuit, exportLandXml);
    connect(exportLandXml, &QAction::triggered, this, &MainWindow::onExportLandXml);

    auto* exportPdf = new QAction(tr("Export P&DF..."), this);
    exportPdf->setObjectName("actionExportPdf");
    ui->menuFile->insertAction(ui->actionQuit, exportPdf);
    connect(exportPdf, &QAction::triggered, this, &MainWindow::onExportPdf);
    auto* print = new QAction(tr("&Print..."), this);
    print->setObjectName("actionPrint");
    print->setShortcut(QKeySequence::Print);
    ui->menuFile->insertAction(ui->actionQuit, print);
    connect(print, &QAction::triggered, this, &MainWindow::onPrint);
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

void MainWindow::addHistoryActions()
{
    QUndoStack* history = document_->history();
    QAction* undo = history->createUndoAction(this, tr("Undo"));
    undo->setObjectName("actionUndo");
    undo->setShortcut(QKeySequence::Undo);
    undo->setIcon(QIcon(":/new/prefix1/res/undo.png"));
    QAction* redo = history->createRedoAction(this, tr("Redo"));
    redo->setObjectName("actionRedo");
    // Ctrl+Shift+Z first, on every desktop, and the desktop's own keys too.
    QList<QKeySequence> redoKeys = QKeySequence::keyBindings(QKeySequence::Redo);
    const QKeySequence ctrlShiftZ(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    redoKeys.removeAll(ctrlShiftZ);
    redoKeys.prepend(ctrlShiftZ);
    redo->setShortcuts(redoKeys);
    redo->setIcon(QIcon(":/new/prefix1/res/redo.png"));

    auto* edit = new QMenu(tr("&Edit"), this);
    edit->setObjectName("menuEdit");
    edit->addActions({undo, redo});
    menuBar()->insertMenu(ui->menuRoad->menuAction(), edit);
    ui->toolBar->insertActions(ui->actionHorizon, {undo, redo});
    ui->toolBar->insertSeparator(ui->actionHorizon);
}

void MainWindow::addRecentFiles()
{
    auto* menu = new QMenu(tr("&Recent Files"), this);
    menu->setObjectName("menuRecentFiles");
    ui->menuFile->insertMenu(ui->actionSave, menu);
    recentFiles_ = new RecentFiles(menu, this);
    connect(recentFiles_, &RecentFiles::chosen, this, &MainWindow::openRecentFile);
}

void MainWindow::openRecentFile(const QString& path)
{
    if (QFileInfo(path).isFile()) {
        openRoad(path);
        return;
    }
    recentFiles_->remove(path);
    messages::information(this, tr("Recent Files"),
                          tr("%1 is no longer there; it was taken off the list.")
                              .arg(QDir::toNativeSeparators(path)));
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

void MainWindow::redraw(RoadDocument::Parts parts)
{
    if (parts & RoadDocument::Alignment)
        refreshView(kPlanView);
    if (parts & RoadDocument::Profile)
        refreshView(kProfileView);
    if (parts & RoadDocument::CrossSections)
        refreshView(kSectionView);
}

void MainWindow::showSection(const std::string& left, const std::string& right, double from,
                             double to)
{
    setSectionLeftTemplate(left);
    setSectionRightTemplate(right);
    setSectionStations(from, to);
    refreshView(kSectionView);
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
    setWindowTitle(QString("Vantorel %1[*]").arg(document_->filePath()));
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
        if (askSaveAsForOtherVersion())
            return saveAs();
    }
    return save();
}

bool MainWindow::save()
{
    if (document_->save()) {
        messages::information(this, tr("info"), tr("save road successfully"));
        return true;
    }
    return saveAs();
}

bool MainWindow::saveAs()
{
    const QString current = document_->filePath();
    const QString name = filedialogs::saveFileName(
        this, tr("Save Road"), current.isEmpty() ? filedialogs::startDirectory(kRoadKind) : current,
        tr(kRoadFilter), QStringLiteral("rod"));
    if (name.isEmpty())
        return false;
    if (!document_->save(name)) {
        messages::information(this, tr("info"), tr("save road failed"));
        return false;
    }
    filedialogs::rememberDirectory(kRoadKind, name);
    recentFiles_->add(name);
    messages::information(this, tr("info"), tr("save road successfully"));
    return true;
}

void MainWindow::on_actionNew_triggered()
{
    if (!maybeSave())
        return;
    theRoad.NewRoad();
    document_->startAfresh();
}

void MainWindow::on_actionOpen_triggered()
{
    if (!maybeSave())
        return;
    const QString name =
        filedialogs::openFileName(this, kRoadKind, tr("Open Road"), tr(kRoadFilter));
    if (!name.isEmpty())
        loadRoad(name);
}

bool MainWindow::openRoad(const QString& path)
{
    return maybeSave() && loadRoad(path);
}

bool MainWindow::loadRoad(const QString& name)
{
    // A failed or refused open leaves the road, its path, its modified flag
    // and the version state exactly as they were.
    const RoadSnapshot before;
    if (!theRoad.Load(name.toLocal8Bit().toStdString())) {
        before.restore();
        messages::information(nullptr, tr("information"), tr("Open road failed."));
        return false;
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
            return false;
        }
        RoadSet::Ver = newer ? RoadSet::VerNewer : RoadSet::VerOlder;
    }
    document_->startAfresh();
    messages::information(nullptr, tr("information"), tr("Open road successfully."));
    filedialogs::rememberDirectory(kRoadKind, name);
    recentFiles_->add(name);
    return true;
}

void MainWindow::on_actionSave_triggered()
{
    saveOtherVersionOrCurrent();
}

void MainWindow::on_actionSaveAs_triggered()
{
    saveAs();
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
    const QString file = filedialogs::openFileName(this, kImportKind, importer->name(), filter);
    if (file.isEmpty())
        return;

    // An importer that fails part-way must not leave a half-replaced road.
    const RoadSnapshot before;
    const ImportOutcome outcome = runImport(importer, &theRoad, file, this);
    if (outcome.imported) {
        // The plan is shown first, so that the new road is fitted to its size.
        showPage(kPlanView);
        document_->recordEdit(importStepName(importer->name()), before, RoadDocument::WholeRoad,
                              RoadDocument::Change::Replaced);
        filedialogs::rememberDirectory(kImportKind, file);
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
}

void MainWindow::onCheckSurveyedPoints()
{
    openDialog(new SurveyCheckDialog(this));
}

void MainWindow::onExportLandXml()
{
    exportRoadAsLandXml(this);
}

void MainWindow::onExportPdf()
{
    if (SurveyView* view = currentView())
        printing::exportPdf(this, *view);
}

void MainWindow::onPrint()
{
    if (SurveyView* view = currentView())
        printing::print(this, *view);
}

void MainWindow::on_actionHorizon_triggered()
{
    showPage(kPlanView);
    openDialog(new HorizonDialog(document_, this));
}

void MainWindow::on_actionVertical_triggered()
{
    openDialog(new VerticalDialog(document_, this));
    showPage(kProfileView);
}

void MainWindow::on_actionSection_triggered()
{
    if (theRoad.NumberOfTemplates() == 0) {
        messages::warning(this, tr("warning"), tr("there is no templates to create section!"));
        return;
    }
    auto* dialog = new RoadSectionDialog(document_, this);
    connect(dialog, &RoadSectionDialog::sectionChosen, this, &MainWindow::showSection);
    openDialog(dialog);
    showPage(kSectionView);
}

void MainWindow::on_actionTemplate_triggered()
{
    openDialog(new SectionDialog(document_, this));
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
    openDialog(new PtEnumDialog(document_, this));
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

void MainWindow::showAsLastTime()
{
    if (restoreGeometry(QSettings().value(kGeometryKey).toByteArray()))
        show();
    else
        showMaximized();
}

void MainWindow::rememberWindow() const
{
    QSettings settings;
    settings.setValue(kGeometryKey, saveGeometry());
    settings.setValue(kStateKey, saveState());
    settings.setValue(kPageKey, ui->stackedWidget->currentIndex());
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (maybeSave()) {
        rememberWindow();
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (!droppedRoad(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event)
{
    const QString path = droppedRoad(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The questions of opening wait until the drag has ended.
    QMetaObject::invokeMethod(
        this, [this, path] { openRoad(path); }, Qt::QueuedConnection);
}
