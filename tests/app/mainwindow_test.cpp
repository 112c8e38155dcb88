// The main window driven as a user would: its menus, the file commands with
// their questions, and the importer plug-ins found beside the program.
#include "commandline.h"
#include "dialogtest.h"
#include "idataimporter.h"
#include "importerloader.h"
#include "recentfiles.h"
#include "views/surveyview.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>

namespace {

// The texts of the visible actions as shown (without the mnemonics' '&'),
// "|" for a separator.
QStringList visibleActions(const QWidget* widget)
{
    QStringList texts;
    for (const QAction* a : widget->actions())
        if (a->isVisible())
            texts << (a->isSeparator() ? QStringLiteral("|") : QString(a->text()).remove('&'));
    return texts;
}

}  // namespace

class MainWindowTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QAction* action(const char* name) const { return window_->findChild<QAction*>(name); }
    QStringList trigger(const char* name, std::initializer_list<Answer> answers)
    {
        return answering(answers, [&] { action(name)->trigger(); });
    }
    QStringList import(std::initializer_list<Answer> answers)
    {
        return answering(answers, [&] { window_->onImport("Cass Data"); });
    }
    // A copy of the example road file with `from` replaced by `to`.
    QString exampleCopy(const QString& name, const QByteArray& from, const QByteArray& to)
    {
        writeFile(path(name), readFile(VANTOREL_EXAMPLES "/example-road.rod").replace(from, to));
        return path(name);
    }
    // Opens a copy of the example road and shows the window.
    void openExampleRoad()
    {
        const QString file = exampleCopy("example.rod", QByteArray(), QByteArray());
        trigger("actionOpen", {choose(file), press(QMessageBox::Ok)});
        window_->resize(900, 700);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    SurveyView* view(const char* name) const { return window_->findChild<SurveyView*>(name); }
    // Shows the view's page and clicks the local point there in select mode.
    void pick(const char* page, const char* name, const QPointF& local)
    {
        action(page)->trigger();
        SurveyView* v = view(name);
        v->setSelectMode();
        const QPoint at = v->itemTransform().map(local).toPoint();
        QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, at);
    }
    // An unsaved road of a single point.
    static void makePoint()
    {
        theRoad.InsertHorizonPoint(1, 2, 3);
        theRoad.SetModified(true);
    }

private slots:
    void init()
    {
        RoadSet::Ver = RoadSet::VerCurrent;
        DialogTest::init();
    }

    void menusAndToolBarFollowTheirOrder()
    {
        QCOMPARE(visibleActions(window_->menuBar()),
                 QStringList({"File", "Edit", "Road", "View", "Tool", "Help"}));
        for (const QAction* menu : window_->menuBar()->actions())
            QVERIFY2(menu->text().startsWith('&'), qPrintable(menu->text()));
        QCOMPARE(visibleActions(window_->findChild<QMenu*>("menuFile")),
                 QStringList({"New", "Open", "Recent Files", "Save", "SaveAs", "Export LandXML...",
                              "Export PDF...", "Print...", "Quit"}));
        QCOMPARE(visibleActions(window_->findChild<QMenu*>("menuEdit")),
                 QStringList({"Undo", "Redo"}));
        const std::pair<const char*, const char*> keys[] = {
            {"actionNew", "Ctrl+N"},          {"actionOpen", "Ctrl+O"}, {"actionSave", "Ctrl+S"},
            {"actionSaveAs", "Ctrl+Shift+S"}, {"actionQuit", "Ctrl+Q"}, {"actionUndo", "Ctrl+Z"},
            {"actionRedo", "Ctrl+Shift+Z"}};
        for (const auto& [name, key] : keys)
            QCOMPARE(action(name)->shortcut().toString(), QString(key));
        QCOMPARE(
            visibleActions(window_->findChild<QMenu*>("menuView")),
            QStringList({"Select", "ZoomIn", "ZoomOut", "Move", "Fit", "Info", "|", "HorizonView",
                         "VerticalView", "SectionView", "|", "Vertical Exaggeration"}));
        QCOMPARE(visibleActions(window_->findChild<QMenu*>("menuExaggeration")),
                 QStringList({"1×", "2×", "5×", "10×", "20×", "50×"}));
        // The importers found beside the program sit just above Export, in
        // the order the directory lists them; Import and enum Pt stay hidden.
        QStringList tools = visibleActions(window_->findChild<QMenu*>("menuFunction"));
        std::sort(tools.begin() + 2, tools.end() - 2);
        QCOMPARE(tools, QStringList({"Template", "Cal", "Cass Data", "LandXML", "Export",
                                     "Check Surveyed Points…"}));
        auto* toolBar = window_->findChild<QToolBar*>("toolBar");
        QCOMPARE(
            visibleActions(toolBar),
            QStringList({"New",     "Open",     "Save",    "|",       "Undo",     "Redo", "|",
                         "Horizon", "Vertical", "Section", "|",       "Template", "Cal",  "Export",
                         "|",       "Select",   "ZoomIn",  "ZoomOut", "Move",     "|",    "Info"}));
        QCOMPARE(toolBar->iconSize(), QSize(32, 32));
        QCOMPARE(window_->windowTitle(), QString("Vantorel [*]"));
    }

    void saveOnANewRoadAsksForANameAndTitlesTheWindow()
    {
        makePoint();
        // Cancelled: no message, no file, still modified.
        QCOMPARE(trigger("actionSave", {choose(QString())}), QStringList("QFileDialog"));
        QVERIFY(theRoad.IsModified());
        // Typed without a suffix, saved as a road file.
        const QString file = path("new.rod");
        QCOMPARE(trigger("actionSave", {choose(path("new")), press(QMessageBox::Ok)}),
                 QStringList({"QFileDialog", "info: save road successfully"}));
        QVERIFY(QFile::exists(file));
        QVERIFY(!theRoad.IsModified());
        QCOMPARE(window_->windowTitle(), "Vantorel " + file + "[*]");
        QVERIFY(!window_->isWindowModified());
    }

    void openEditNothingSaveWritesTheSameBytes()
    {
        const QString file = path("example.rod");
        QVERIFY(QFile::copy(VANTOREL_EXAMPLES "/example-road.rod", file));
        QCOMPARE(trigger("actionOpen", {choose(file), press(QMessageBox::Ok)}).last(),
                 QString("information: Open road successfully."));
        QCOMPARE(window_->windowTitle(), "Vantorel " + file + "[*]");
        QCOMPARE(trigger("actionSave", {press(QMessageBox::Ok)}),
                 QStringList("info: save road successfully"));
        QCOMPARE(readFile(file), readFile(VANTOREL_EXAMPLES "/example-road.rod"));
    }

    void failedOrRefusedOpenLeavesTheRoadAsItWas()
    {
        const QString broken = exampleCopy("broken.rod", "</x1>", "</x2>");
        const QString older = exampleCopy("older.rod", "<Version>2", "<Version>1");
        // No road file: the one cut short, and a CASS file under a road's name.
        const QByteArray example = readFile(VANTOREL_EXAMPLES "/example-road.rod");
        QVERIFY(writeFile(path("cut.rod"), example.left(example.indexOf("</Section>"))));
        QVERIFY(QFile::copy(VANTOREL_EXAMPLES "/traverse-12.dat", path("points.rod")));
        makePoint();
        for (const QString& file : {broken, path("cut.rod"), path("points.rod")}) {
            QCOMPARE(trigger("actionOpen",
                             {press(QMessageBox::Discard), choose(file), press(QMessageBox::Ok)}),
                     QStringList({"info: The road has been modified.\nDo you want to save your "
                                  "changes?",
                                  "QFileDialog", "information: Open road failed."}));
        }
        QVERIFY(trigger("actionOpen",
                        {press(QMessageBox::Discard), choose(older), press(QMessageBox::No)})
                    .last()
                    .startsWith("warning: You're opening an older road file."));
        QCOMPARE(theRoad.NumberOfHorizon(), 1);
        QCOMPARE(theRoad.GetHorizon(0)->x1, 1.0);
        QVERIFY(theRoad.IsModified());
        QCOMPARE(QString(theRoad.FilePath()), QString());
        QCOMPARE(RoadSet::Ver, RoadSet::VerCurrent);
        QCOMPARE(window_->windowTitle(), QString("Vantorel [*]"));
    }

    void acceptedOlderFileAsksBeforeEverySave()
    {
        const QString file = exampleCopy("older.rod", "\t<Version>2</Version>\n", "");
        QCOMPARE(
            trigger("actionOpen", {choose(file), press(QMessageBox::Yes), press(QMessageBox::Ok)})
                .size(),
            3);
        QCOMPARE(RoadSet::Ver, RoadSet::VerOlder);
        // "Save" overwrites the file the road came from, now with a version.
        const QStringList seen = trigger("actionSave", {press("Save"), press(QMessageBox::Ok)});
        QVERIFY(seen.first().startsWith("info: Current file was created by an older"));
        QCOMPARE(seen.last(), QString("info: save road successfully"));
        QVERIFY(readFile(file).contains("<Version>2</Version>"));
    }

    void unsavedChangesAreAskedAboutBeforeNewAndClose()
    {
        makePoint();
        window_->show();
        QVERIFY(trigger("actionNew", {press(QMessageBox::Cancel)})
                    .value(0)
                    .startsWith("info: The road has been modified."));
        QCOMPARE(theRoad.NumberOfHorizon(), 1);
        bool closed = true;
        answering({press(QMessageBox::Cancel)}, [&] { closed = window_->close(); });
        QVERIFY(!closed && window_->isVisible());

        trigger("actionNew", {press(QMessageBox::Discard)});
        QVERIFY(theRoad.isHorizonEmpty());
        QVERIFY(window_->close());  // nothing left to save
    }

    // An import is one step; undone back to the road as opened, the road
    // is no longer modified.
    void importReadsACassFileIntoTheRoadAsOneStep()
    {
        openExampleRoad();
        QVERIFY(!history()->canUndo());
        action("actionVerticalView")->trigger();
        const QString opened = roadFields(theRoad);
        const QString file = path("three.dat");
        writeFile(file, "A,,500000,3380000,10\nB,,500300,3380400,11\nC,,500600,3380800,12\n");
        QSignalSpy loaded(window_.get(), &MainWindow::dataLoaded);
        QCOMPARE(import({press(QMessageBox::Yes), choose(file)}).last(), QString("QFileDialog"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().first().toInt(), 0);
        QCOMPARE(theRoad.NumberOfCross(), 3);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);  // a start point and one line per leg
        QVERIFY(theRoad.IsModified() && window_->isWindowModified());
        // The plan is shown, fitted to the new road.
        QVERIFY(action("actionHorizonView")->isChecked());
        const SurveyView* plan = view("horizonView");
        const QRectF drawn = plan->scene()->itemsBoundingRect();
        const QRectF viewport = plan->viewport()->rect();
        QVERIFY(viewport.contains(drawn));
        QVERIFY(drawn.width() > viewport.width() / 2 || drawn.height() > viewport.height() / 2);

        checkUndoRedo("Import CASS data", opened);
        action("actionUndo")->trigger();
        QVERIFY(!theRoad.IsModified() && !window_->isWindowModified());
        QCOMPARE(theRoad.NumberOfCross(), 6);
    }

    void refusedOrFailedImportLeavesTheRoadAsItWas()
    {
        const QString file = path("bad.dat");
        writeFile(file, "A,,500000,3380000,10\nB,,500300,3380400\n");
        QVERIFY(loadExampleRoad());
        const int elements = theRoad.NumberOfHorizon();
        QSignalSpy loaded(window_.get(), &MainWindow::dataLoaded);
        QVERIFY(import({press(QMessageBox::No)}).value(0).startsWith("Road Has Data: "));
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(import({press(QMessageBox::Yes), choose(file), press(QMessageBox::Ok)}).last(),
                 QString("Import Failed: Import Road Failed"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(theRoad.NumberOfHorizon(), elements);
        QVERIFY(!theRoad.IsModified());
    }

    void statusBarReadsWhatLiesUnderTheCursor_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("readout");
        QTest::newRow("plan") << QString("actionHorizonView")
                              << QString(R"(N 33\d{5}\.\d{3}  E 50\d{4}\.\d{3})");
        QTest::newRow("profile") << QString("actionVerticalView")
                                 << QString(R"(Station K\d\+\d{3}\.\d{3}  H 1\d\d\.\d{3})");
        QTest::newRow("cross-section")
            << QString("actionSectionView") << QString(R"(Offset -?\d+\.\d{3}  dH -?\d+\.\d{3})");
    }

    void statusBarReadsWhatLiesUnderTheCursor()
    {
        QFETCH(QString, page);
        QFETCH(QString, readout);
        openExampleRoad();
        action(page.toLatin1())->trigger();
        auto* stack = window_->findChild<QStackedWidget*>("stackedWidget");
        QWidget* viewport = stack->currentWidget()->findChild<SurveyView*>()->viewport();
        // The cursor may be where the previous row left it: it moves twice.
        QTest::mouseMove(viewport, viewport->rect().center() / 2);
        QTest::mouseMove(viewport, viewport->rect().center());
        const QRegularExpression expected("^" + readout + "$");
        QTRY_VERIFY2(expected.match(window_->statusBar()->currentMessage()).hasMatch(),
                     qPrintable(window_->statusBar()->currentMessage()));
    }

    void infoPanelsAreEmptiedWhenTheRoadIsReplaced_data()
    {
        QTest::addColumn<QString>("replacement");
        for (const char* replacement : {"New", "Open", "Import"})
            QTest::newRow(replacement) << QString(replacement);
    }

    void infoPanelsAreEmptiedWhenTheRoadIsReplaced()
    {
        QFETCH(QString, replacement);
        openExampleRoad();
        const QString emptyPlan = view("horizonView")->infoLabel()->text();
        const QString emptyProfile = view("verticalView")->infoLabel()->text();
        const RoadEntity& arc = *theRoad.GetHorizon(3);
        double x = 0, y = 0, h = 0;
        arc.L2XY(arc.l1 + arc.length / 2, &x, &y, nullptr);
        pick("actionHorizonView", "horizonView", QPointF(x, y));
        const double station = theRoad.GetVertical(0)->mile + 100;
        theRoad.CalElevation(station, &h, nullptr);
        pick("actionVerticalView", "verticalView", QPointF(h, station));
        QVERIFY(view("horizonView")->infoLabel()->text().contains(">Arc<"));
        QVERIFY(view("verticalView")->infoLabel()->text() != emptyProfile);

        if (replacement == "New") {
            trigger("actionNew", {});
        } else if (replacement == "Open") {
            trigger("actionOpen",
                    {choose(exampleCopy("other.rod", "161.5", "162.5")), press(QMessageBox::Ok)});
        } else {
            const QString file = path("three.dat");
            writeFile(file, "A,,500000,3380000,10\nB,,500300,3380400,11\nC,,500600,3380800,12\n");
            import({press(QMessageBox::Yes), choose(file)});
        }
        QCOMPARE(view("horizonView")->infoLabel()->text(), emptyPlan);
        QCOMPARE(view("verticalView")->infoLabel()->text(), emptyProfile);
    }

    void openedRoadShowsItsFirstCrossSection()
    {
        openExampleRoad();
        action("actionSectionView")->trigger();
        const SurveyView* section = view("sectionView");
        QCOMPARE(section->scene()->items().size(), 4 + 4);  // Fill on both sides
        section->viewport()->grab();
        QStringList texts;
        for (const ScreenLabels::Drawn& label : section->drawnLabels())
            texts << label.text;
        QVERIFY2(texts.contains("K0+000.000 to K0+400.000"), qPrintable(texts.join(" | ")));
    }

    void toolBarShowsTheModeOfThePageOnScreenAndHomeFits()
    {
        openExampleRoad();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        SurveyView* plan = view("horizonView");
        QVERIFY(action("actionMove")->isChecked());
        action("actionZoomIn")->trigger();
        QVERIFY(action("actionZoomIn")->isChecked() && !action("actionMove")->isChecked());
        const QTransform fit = plan->itemTransform();
        QTest::mouseClick(plan->viewport(), Qt::LeftButton, {}, QPoint(200, 200));
        QVERIFY(plan->itemTransform() != fit);
        QTest::keyClick(plan, Qt::Key_Home);
        QCOMPARE(plan->itemTransform(), fit);
        // Select while Ctrl is held; the profile keeps a mode of its own.
        QTest::keyPress(plan, Qt::Key_Control);
        QVERIFY(action("actionSelect")->isChecked());
        QTest::keyRelease(plan, Qt::Key_Control);
        QVERIFY(action("actionZoomIn")->isChecked());
        action("actionVerticalView")->trigger();
        QVERIFY(action("actionMove")->isChecked());
    }

    void roadNamedOnTheCommandLineOrDroppedOpens()
    {
        const QString file = exampleCopy("example.rod", QByteArray(), QByteArray());
        QCOMPARE(roadOnCommandLine({"vantorel"}), QString());
        const QString directory = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        QCOMPARE(roadOnCommandLine({"vantorel", "example.rod"}), file);
        QDir::setCurrent(directory);
        QCOMPARE(answering({press(QMessageBox::Ok)}, [&] { window_->openRoad(file); }),
                 QStringList("information: Open road successfully."));
        QCOMPARE(window_->windowTitle(), "Vantorel " + file + "[*]");
        QVERIFY(theRoad.NumberOfHorizon() > 0);

        // Only a road file is taken; the unsaved road is asked about first.
        const QString other = exampleCopy("other.rod", "", "");
        makePoint();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path("three.dat"))});
        QDragEnterEvent refused({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window_.get(), &refused);
        QVERIFY(!refused.isAccepted());
        data.setUrls({QUrl::fromLocalFile(other)});
        QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(window_.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCOMPARE(answering({press(QMessageBox::Discard), press(QMessageBox::Ok)},
                           [&] {
                               QApplication::sendEvent(window_.get(), &drop);
                               QTRY_COMPARE(QString(theRoad.FilePath()), other);
                           })
                     .last(),
                 QString("information: Open road successfully."));
    }

    // Newest first, at most eight; a file gone since is dropped with a note.
    void recentFilesListAndDropAMissingFile()
    {
        for (int i = 0; i < RecentFiles::kMaximum + 1; ++i)
            trigger("actionOpen", {choose(exampleCopy(QString("road%1.rod").arg(i), "", "")),
                                   press(QMessageBox::Ok)});
        auto* menu = window_->findChild<QMenu*>("menuRecentFiles");
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), RecentFiles::kMaximum);
        QCOMPARE(menu->actions().first()->text(), "&1 " + path("road8.rod"));
        QCOMPARE(menu->actions().last()->text(), "&8 " + path("road1.rod"));

        QVERIFY(QFile::remove(path("road7.rod")));
        QCOMPARE(answering({press(QMessageBox::Ok)}, [&] { menu->actions()[1]->trigger(); }),
                 QStringList("Recent Files: " + path("road7.rod") +
                             " is no longer there; it was taken off the list."));
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().size(), RecentFiles::kMaximum - 1);
        QCOMPARE(menu->actions()[1]->text(), "&2 " + path("road6.rod"));
        // An existing file opens. The list and the page shown last until the
        // next run.
        answering({press(QMessageBox::Ok)}, [&] { menu->actions()[1]->trigger(); });
        QCOMPARE(QString(theRoad.FilePath()), path("road6.rod"));
        action("actionVerticalView")->trigger();
        QVERIFY(window_->close());
        window_ = std::make_unique<MainWindow>();
        theMainWindow = window_.get();
        QVERIFY(action("actionVerticalView")->isChecked());
        menu = window_->findChild<QMenu*>("menuRecentFiles");
        emit menu->aboutToShow();
        QCOMPARE(menu->actions().first()->text(), "&1 " + path("road6.rod"));
    }

    void importersAreOnlyRealPlugIns()
    {
        const QString programDir = QCoreApplication::applicationDirPath();
        QStringList real;
        for (const IDataImporter* importer : loadImporters(programDir + "/importers"))
            real << importer->name();
        real.sort();
        QCOMPARE(real, QStringList({"Cass Data", "LandXML"}));
        QVERIFY(loadImporters(path("no-such-directory")).isEmpty());
        // A text file and a library that is no plug-in.
        QVERIFY(QDir().mkdir(path("junk")));
        QVERIFY(writeFile(path("junk/notes.txt"), "not a plug-in"));
        QVERIFY(QFile::copy(programDir + "/libTrazel.so", path("junk/libTrazel.so")));
        QVERIFY(loadImporters(path("junk")).isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
