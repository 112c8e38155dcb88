#ifndef VANTOREL_MAINWINDOW_H
#define VANTOREL_MAINWINDOW_H

#include "roaddocument.h"
#include "views/surveyedpoints.h"
#include "views/surveyview.h"

#include <QHash>
#include <QMainWindow>
#include <QStringList>

#include <string>
#include <vector>

class IDataImporter;
class RecentFiles;

namespace Ui {
class MainWindowClass;
}

// The program's one top-level window: menus, tool bar, the three views, the
// file commands on theRoad and the importer plug-ins found beside the program.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int kPlanView = 0;
    static constexpr int kProfileView = 1;
    static constexpr int kSectionView = 2;

    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // theRoad with its history and file; the views and dialogs follow it.
    RoadDocument* document() const { return document_; }

    // Rebuilds the drawing on page `index` (0 plan, 1 profile, 2 cross-section).
    void refreshView(int index);
    void setSectionLeftTemplate(const std::string& name);
    void setSectionRightTemplate(const std::string& name);
    // The station range the cross-section's templates hold for.
    void setSectionStations(double from, double to);
    // Surveyed points on the plan, as the as-built check colours them; none
    // takes them off.
    void showSurveyedPoints(std::vector<SurveyedPoints::Point> points);

    // The importers found at start-up, keyed by name, and their filters.
    const QHash<QString, IDataImporter*>& importers() const { return importers_; }
    const QStringList& importerFilters() const { return importerFilters_; }

    bool save();
    bool saveAs();
    // Opens a road file after the unsaved-changes question; false when the
    // user cancelled or the file could not be opened.
    bool openRoad(const QString& path);
    // Shows the window as it was left last time, else maximized.
    void showAsLastTime();

signals:
    void dataLoaded(int type);

public slots:
    void onImport(const QString& name);

private slots:
    void on_actionNew_triggered();
    void on_actionOpen_triggered();
    void on_actionSave_triggered();
    void on_actionSaveAs_triggered();
    void on_actionQuit_triggered();
    void on_actionHorizon_triggered();
    void on_actionVertical_triggered();
    void on_actionSection_triggered();
    void on_actionTemplate_triggered();
    void on_actionCal_triggered();
    void on_actionExport_triggered();
    void on_actionEnum_Pt_triggered();
    void on_actionAbout_triggered();
    void on_actionHorizonView_triggered();
    void on_actionVerticalView_triggered();
    void on_actionSectionView_triggered();
    void on_actionZoomIn_triggered();
    void on_actionZoomOut_triggered();
    void on_actionMove_triggered();
    void on_actionSelect_triggered();
    void on_actionFit_triggered();
    void on_actionInfo_triggered();
    void onExportLandXml();
    void onExportPdf();
    void onPrint();
    void onCheckSurveyedPoints();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void loadImporters();
    // The Edit menu and the tool-bar buttons of the history.
    void addHistoryActions();
    void addRecentFiles();
    // Loads the road file with the version questions.
    bool loadRoad(const QString& path);
    void openRecentFile(const QString& path);
    void rememberWindow() const;
    // Redraws the views of what changed.
    void redraw(RoadDocument::Parts parts);
    // The section the section-assignment dialog has selected.
    void showSection(const std::string& left, const std::string& right, double from, double to);
    void showPage(int index);
    SurveyView* currentView() const;
    // Wires the views to the status bar, the mode buttons and the View menu.
    void connectViews();
    // Checks the tool-bar button of the current view's mode.
    void showMode(SurveyView::Mode mode);
    // Draws a road that replaced the previous one on every page.
    void showNewRoad();
    void updateTitle();
    bool maybeSave();
    // Asks whether to save an older or newer file under a new name; true for "Save As".
    bool askSaveAsForOtherVersion();
    bool saveOtherVersionOrCurrent();
    // Shows a dialog made for this window and deletes it when it closes.
    void openDialog(QDialog* dialog);

    Ui::MainWindowClass* ui;
    RoadDocument* document_;
    QHash<QString, IDataImporter*> importers_;
    QStringList importerFilters_;
    RecentFiles* recentFiles_ = nullptr;
};

#endif  // VANTOREL_MAINWINDOW_H
