// The main window driven as a user would: its menus, the file commands with
// their questions, and the importer plug-ins found beside the program.
#include "commandline.h"
#include "dialogtest.h"
#include "importerloader.h"
#include "recentfiles.h"
#include "views/surveyview.h"

#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QRegularExpression>
#include <QStatusBar>

namespace {

// The visible actions as shown, "text shortcut", "|" for a separator.
QStringList visibleActions(const QWidget* widget)
{
    QStringList texts;
    for (const QAction* a : widget->actions())
        if (a->isVisible())
            texts << (a->isSeparator() ? "|"
                                       : QString(a->text() + ' ' + a->shortcut().toString())
                                             .remove('&')
                                             .trimmed());
    return texts;
}

const QString kModified = "info: The road has been modified.\nDo you want to save your changes?";
const QString kOpened = "information: Open road successfully.";
const QString kSaved = "info: save road successfully";

}  // namespace

class MainWindowTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString& name) const { return dir_.filePath(name); }
    QAction* action(const char* name) const { return window_->findChild<QAction*>(name); }
    SurveyView* view(const char* name) const { return window_->findChild<SurveyView*>(name); }
    QStringList trigger(const char* name, std::initializer_list<Answer> answers)
    {
        return answering(answers, [&] { action(name)->trigger(); });
    }
    // A copy of the example road file with `from` replaced by `to`.
    QString exampleCopy(const QString& name, const QByteArray& from = {}, const QByteArray& to = {})
    {
        writeFile(path(name), readFile(VANTOREL_EXAMPLES "/example-road.rod").replace(from, to));
        return path(name);
    }
    void openExampleRoad()
    {
        trigger("actionOpen", {choose(exampleCopy("example.rod")), press(QMessageBox::Ok)});
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    // The texts of the plan's and the profile's info panels, once set to `shown`.
    QStringList infos(const QString& shown = {}) const
    {
        QStringList texts;
        for (const char* name : {"horizonView", "verticalView"}) {
            if (!shown.isEmpty())
                view(name)->infoLabel()->setText(shown);
            texts << view(name)->infoLabel()->text();
        }
        return texts;
    }

private slots:
    void menusAndToolBarFollowTheirOrder()
    {
        const std::pair<const char*, const char*> bars[] = {
            {"menuBar", "File,Edit,Road,View,Tool,Help"},
            {"menuFile",
             "New Ctrl+N,Open Ctrl+O,Recent Files,Save Ctrl+S,SaveAs Ctrl+Shift+S,"
             "Export LandXML...,Export PDF...,Print... Ctrl+P,Quit Ctrl+Q"},
            {"menuEdit", "Undo Ctrl+Z,Redo Ctrl+Shift+Z"},
            {"menuView",
             "Select,ZoomIn,ZoomOut,Move,Fit Home,Info,|,HorizonView,VerticalView,"
             "SectionView,|,Vertical Exaggeration"},
            {"menuExaggeration", "1×,2×,5×,10×,20×,50×"},
            {"toolBar",
             "New Ctrl+N,Open Ctrl+O,Save Ctrl+S,|,Undo Ctrl+Z,Redo Ctrl+Shift+Z,|,"
             "Horizon,Vertical,Section,|,Template,Cal,Export,|,Select,ZoomIn,ZoomOut,"
             "Move,|,Info"}};
        for (const auto& [name, texts] : bars)
            QCOMPARE(visibleActions(window_->findChild<QWidget*>(name)).join(','), QString(texts));
        for (const QAction* menu : window_->menuBar()->actions())
            QVERIFY2(menu->text().startsWith('&'), qPrintable(menu->text()));
        // The importers beside the program, in the directory's order, above Export.
        QStringList tools = visibleActions(window_->findChild<QMenu*>("menuFunction"));
        std::sort(tools.begin() + 2, tools.end() - 2);
        QCOMPARE(tools.join(','),
                 QString("Template,Cal,Cass Data,LandXML,Export,Check Surveyed Points…"));
    }

    // A file that is no road, or an older one refused, leaves the road as it
    // was; an older one accepted asks before every save; saves are exact.
    void fileCommandsAskAndLeaveTheRoadOnFailure()
    {
        theRoad.InsertHorizonPoint(1, 2, 3);  // unsaved
        theRoad.SetModified(true);
        QCOMPARE(trigger("actionNew", {press(QMessageBox::Cancel)}), QStringList(kModified));
        answering({press(QMessageBox::Cancel)}, [&] { QVERIFY(!window_->close()); });
        QCOMPARE(trigger("actionSave", {choose(QString())}), QStringList("QFileDialog"));
        const QString before = roadFields(theRoad);

        // No road: one cut short or with a broken tag, a CASS file named .rod.
        const QByteArray example = readFile(VANTOREL_EXAMPLES "/example-road.rod");
        QVERIFY(writeFile(path("cut.rod"), example.left(example.indexOf("</Section>"))));
        QVERIFY(QFile::copy(VANTOREL_EXAMPLES "/traverse-12.dat", path("points.rod")));
        for (const QString& file :
             {path("cut.rod"), path("points.rod"), exampleCopy("broken.rod", "</x1>", "</x2>")}) {
            QCOMPARE(trigger("actionOpen",
                             {press(QMessageBox::Discard), choose(file), press(QMessageBox::Ok)}),
                     QStringList({kModified, "QFileDialog", "information: Open road failed."}));
        }
        const QString older = exampleCopy("older.rod", "\t<Version>2</Version>\n", "");
        QVERIFY(trigger("actionOpen",
                        {press(QMessageBox::Discard), choose(older), press(QMessageBox::No)})
                    .last()
                    .startsWith("warning: You're opening an older road file."));
        QCOMPARE(roadFields(theRoad), before);
        QVERIFY(theRoad.IsModified() && QString(theRoad.FilePath()).isEmpty());
        QCOMPARE(RoadSet::Ver, RoadSet::VerCurrent);
        QCOMPARE(window_->windowTitle(), QString("Vantorel [*]"));

        QCOMPARE(trigger("actionSave", {choose(path("new")), press(QMessageBox::Ok)}),
                 QStringList({"QFileDialog", kSaved}));
        QVERIFY(!theRoad.IsModified() && !window_->isWindowModified());
        QCOMPARE(window_->windowTitle(), "Vantorel " + path("new.rod") + "[*]");

        trigger("actionOpen", {choose(older), press(QMessageBox::Yes), press(QMessageBox::Ok)});
        QCOMPARE(RoadSet::Ver, RoadSet::VerOlder);
        const QStringList seen = trigger("actionSave", {press("Save"), press(QMessageBox::Ok)});
        QVERIFY(seen.first().startsWith("info: Current file was created by an older"));
        QCOMPARE(seen.last(), kSaved);
        QVERIFY(readFile(older).contains("<Version>2</Version>"));

        // Only a road file is dropped; the unsaved road is asked about first.
        theRoad.InsertHorizonPoint(1, 2, 3);  // unsaved
        theRoad.SetModified(true);
        const QString file = exampleCopy("example.rod");
        QMimeData data;
        const auto accepted = [&](const QString& dropped) {
            data.setUrls({QUrl::fromLocalFile(dropped)});
            QDragEnterEvent enter({10, 10}, Qt::CopyAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(window_.get(), &enter);
            return enter.isAccepted();
        };
        QVERIFY(!accepted(path("three.dat")) && accepted(file));
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCOMPARE(answering({press(QMessageBox::Discard), press(QMessageBox::Ok)},
                           [&] {
                               QApplication::sendEvent(window_.get(), &drop);
                               QTRY_COMPARE(QString(theRoad.FilePath()), file);
                           }),
                 QStringList({kModified, kOpened}));
        QCOMPARE(window_->windowTitle(), "Vantorel " + file + "[*]");
        QCOMPARE(trigger("actionSave", {press(QMessageBox::Ok)}), QStringList(kSaved));
        QCOMPARE(readFile(file), example);
        QVERIFY(window_->close());  // nothing left to save
    }

    // Open, an import and New each empty the info panels. An import is one
    // step, fitted on the plan; undone, the road is as opened and unmodified.
    void replacingTheRoadEmptiesTheInfoPanels()
    {
        openExampleRoad();
        const QStringList empty = infos();
        infos("picked");
        trigger("actionOpen", {choose(exampleCopy("other.rod")), press(QMessageBox::Ok)});
        QCOMPARE(infos(), empty);

        infos("picked");
        action("actionVerticalView")->trigger();  // the import shows the plan
        const QString opened = roadFields(theRoad);
        const auto import = [this](std::initializer_list<Answer> answers) {
            return answering(answers, [this] { window_->onImport("Cass Data"); });
        };
        QVERIFY(import({press(QMessageBox::No)}).value(0).startsWith("Road Has Data: "));
        writeFile(path("bad.dat"), "A,,500000,3380000,10\nB,,500300,3380400\n");
        QCOMPARE(import({press(QMessageBox::Yes), choose(path("bad.dat")), press(QMessageBox::Ok)})
                     .last(),
                 QString("Import Failed: Import Road Failed"));
        QCOMPARE(roadFields(theRoad), opened);
        QVERIFY(!theRoad.IsModified());

        writeFile(path("three.dat"),
                  "A,,500000,3380000,10\nB,,500300,3380400,11\nC,,500600,3380800,12\n");
        QCOMPARE(import({press(QMessageBox::Yes), choose(path("three.dat"))}).last(),
                 QString("QFileDialog"));
        QCOMPARE(infos(), empty);
        QVERIFY(theRoad.NumberOfCross() == 3 && theRoad.NumberOfHorizon() == 3);
        QVERIFY(theRoad.IsModified() && window_->isWindowModified());
        QVERIFY(action("actionHorizonView")->isChecked());
        const SurveyView* plan = view("horizonView");
        QVERIFY(QRectF(plan->viewport()->rect()).contains(plan->scene()->itemsBoundingRect()));
        checkUndoRedo("Import CASS data", opened);
        action("actionUndo")->trigger();
        QVERIFY(!theRoad.IsModified() && !window_->isWindowModified());

        infos("picked");
        trigger("actionNew", {});
        QCOMPARE(infos(), empty);
        QVERIFY(theRoad.isHorizonEmpty());
    }

    // The status bar reads the point under the cursor on each page; the
    // tool bar shows the mode of the page on screen.
    void pagesOfAnOpenedRoad()
    {
        openExampleRoad();
        const std::tuple<const char*, const char*, const char*> pages[] = {
            {"actionHorizonView", "horizonView", R"(N 33\d{5}\.\d{3}  E 50\d{4}\.\d{3})"},
            {"actionVerticalView", "verticalView", R"(Station K\d\+\d{3}\.\d{3}  H 1\d\d\.\d{3})"},
            {"actionSectionView", "sectionView", R"(Offset -?\d+\.\d{3}  dH -?\d+\.\d{3})"}};
        for (const auto& [page, name, readout] : pages) {
            action(page)->trigger();
            QWidget* viewport = view(name)->viewport();
            QTest::mouseMove(viewport, viewport->rect().center() / 2);
            QTest::mouseMove(viewport, viewport->rect().center());
            const QRegularExpression expected(QString("^%1$").arg(readout));
            QTRY_VERIFY2(expected.match(window_->statusBar()->currentMessage()).hasMatch(),
                         qPrintable(window_->statusBar()->currentMessage()));
        }
        const SurveyView* section = view("sectionView");
        QCOMPARE(section->scene()->items().size(), 4 + 4);  // Fill on both sides
        section->viewport()->grab();
        const QVector<ScreenLabels::Drawn> labels = section->drawnLabels();
        QVERIFY(std::any_of(labels.begin(), labels.end(),
                            [](const auto& l) { return l.text == "K0+000.000 to K0+400.000"; }));

        action("actionHorizonView")->trigger();
        SurveyView* plan = view("horizonView");
        action("actionZoomIn")->trigger();
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

    // Newest first, at most eight, a file gone dropped with a note; kept, with
    // the page shown last, until the next run.
    void recentFilesListAndDropAMissingFile()
    {
        for (int i = 0; i < RecentFiles::kMaximum + 1; ++i)
            trigger("actionOpen",
                    {choose(exampleCopy(QString("road%1.rod").arg(i))), press(QMessageBox::Ok)});
        const auto recent = [this] {
            auto* menu = window_->findChild<QMenu*>("menuRecentFiles");
            emit menu->aboutToShow();
            return menu->actions();
        };
        QCOMPARE(recent().size(), RecentFiles::kMaximum);
        QCOMPARE(recent().first()->text(), "&1 " + path("road8.rod"));
        QCOMPARE(recent().last()->text(), "&8 " + path("road1.rod"));

        QVERIFY(QFile::remove(path("road7.rod")));
        QCOMPARE(answering({press(QMessageBox::Ok)}, [&] { recent()[1]->trigger(); }),
                 QStringList("Recent Files: " + path("road7.rod") +
                             " is no longer there; it was taken off the list."));
        QCOMPARE(recent()[1]->text(), "&2 " + path("road6.rod"));
        answering({press(QMessageBox::Ok)}, [&] { recent()[1]->trigger(); });
        action("actionVerticalView")->trigger();
        QVERIFY(window_->close());
        window_ = std::make_unique<MainWindow>();
        theMainWindow = window_.get();
        QVERIFY(action("actionVerticalView")->isChecked());
        QCOMPARE(recent().first()->text(), "&1 " + path("road6.rod"));
    }

    // Importers only from plug-ins; a relative road name on the command line
    // (the last test: it leaves the current directory elsewhere).
    void importersAndCommandLine()
    {
        QVERIFY(loadImporters(path("no-such-directory")).isEmpty());
        QVERIFY(QDir().mkdir(path("junk")));
        QVERIFY(writeFile(path("junk/notes.txt"), "not a plug-in"));
        QVERIFY(QFile::copy(QCoreApplication::applicationDirPath() + "/libTrazel.so",
                            path("junk/libTrazel.so")));
        QVERIFY(loadImporters(path("junk")).isEmpty());
        QCOMPARE(roadOnCommandLine({"vantorel"}), QString());
        QVERIFY(QDir::setCurrent(dir_.path()));
        QCOMPARE(roadOnCommandLine({"vantorel", "example.rod"}), path("example.rod"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
