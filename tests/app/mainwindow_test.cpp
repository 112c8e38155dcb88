// The main window driven as a user would: its menus, the file commands with
// their questions, and the importer plug-ins found beside the program.
#include "mainwindow.h"
#include "globals.h"
#include "idataimporter.h"
#include "importerloader.h"
#include "modalanswer.h"
#include "testroad.h"
#include "views/surveyview.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

namespace {

QStringList actionTexts(const QList<QAction*>& actions, bool visibleOnly)
{
    QStringList texts;
    for (const QAction* a : actions) {
        if (visibleOnly && !a->isVisible())
            continue;
        texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
    }
    return texts;
}

}  // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void init()
    {
        theRoad.NewRoad();
        RoadSet::fileVer = 0;
        RoadSet::Ver = RoadSet::VerCurrent;
    }

    void menusAndToolBarFollowTheirOrder()
    {
        MainWindow w;
        QStringList menus;
        for (QAction* a : w.menuBar()->actions())
            menus << a->text();
        QCOMPARE(menus, QStringList({"File", "Road", "View", "Tool", "Help"}));

        auto* file = w.findChild<QMenu*>("menuFile");
        QCOMPARE(actionTexts(file->actions(), true),
                 QStringList({"New", "Open", "Save", "SaveAs", "Quit"}));
        auto* view = w.findChild<QMenu*>("menuView");
        QCOMPARE(actionTexts(view->actions(), true),
                 QStringList({"Select", "ZoomIn", "ZoomOut", "Move", "Info", "|", "HorizonView",
                              "VerticalView", "SectionView"}));
        // The importer found beside the program sits just above Export;
        // Import and enum Pt stay hidden.
        auto* tool = w.findChild<QMenu*>("menuFunction");
        QCOMPARE(actionTexts(tool->actions(), true),
                 QStringList({"Template", "Cal", "Cass Data", "Export"}));

        auto* toolBar = w.findChild<QToolBar*>("toolBar");
        QCOMPARE(actionTexts(toolBar->actions(), true),
                 QStringList({"New", "Open", "Save", "|", "Horizon", "Vertical", "Section", "|",
                              "Template", "Cal", "Export", "|", "Select", "ZoomIn", "ZoomOut",
                              "Move", "|", "Info"}));
        QCOMPARE(toolBar->iconSize(), QSize(32, 32));
        QCOMPARE(w.windowTitle(), QString("Vantorel "));
    }

    void viewActionsSwitchPagesWithOneCheckMark()
    {
        MainWindow w;
        auto* stack = w.findChild<QStackedWidget*>("stackedWidget");
        auto* horizon = w.findChild<QAction*>("actionHorizonView");
        auto* vertical = w.findChild<QAction*>("actionVerticalView");
        auto* section = w.findChild<QAction*>("actionSectionView");
        vertical->trigger();
        QCOMPARE(stack->currentIndex(), 1);
        QVERIFY(!horizon->isChecked() && vertical->isChecked() && !section->isChecked());
        section->trigger();
        QCOMPARE(stack->currentIndex(), 2);
        QVERIFY(!horizon->isChecked() && !vertical->isChecked() && section->isChecked());
        horizon->trigger();
        QCOMPARE(stack->currentIndex(), 0);
        QVERIFY(horizon->isChecked() && !vertical->isChecked() && !section->isChecked());
    }

    void viewModeCommandsApplyToThePageOnScreenOnly()
    {
        MainWindow w;
        auto* plan = w.findChild<SurveyView*>("horizonView");
        auto* profile = w.findChild<SurveyView*>("verticalView");
        w.findChild<QAction*>("actionZoomIn")->trigger();
        QCOMPARE(plan->mode(), SurveyView::ZoomInMode);
        QCOMPARE(profile->mode(), SurveyView::MoveMode);
        w.findChild<QAction*>("actionVerticalView")->trigger();
        w.findChild<QAction*>("actionSelect")->trigger();
        QCOMPARE(profile->mode(), SurveyView::SelectMode);
        QCOMPARE(plan->mode(), SurveyView::ZoomInMode);
    }

    void sectionCommandWithoutTemplatesWarns()
    {
        MainWindow w;
        ModalAnswers answers({press(QMessageBox::Ok)});
        w.findChild<QAction*>("actionSection")->trigger();
        QCOMPARE(answers.seen(), QStringList("warning: there is no templates to create section!"));
    }

    void saveOnANewRoadAsksForANameAndTitlesTheWindow()
    {
        MainWindow w;
        makeTestRoad();
        const QString file = path("new.rod");
        ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
        w.findChild<QAction*>("actionSave")->trigger();
        QVERIFY(answers.allAnswered());
        QCOMPARE(answers.seen().last(), QString("info: save road successfully"));
        QVERIFY(QFile::exists(file));
        QVERIFY(!theRoad.IsModified());
        QCOMPARE(w.windowTitle(), "Vantorel " + file);
    }

    void cancelledSaveAsKeepsTheRoadModifiedWithoutMessage()
    {
        MainWindow w;
        makeTestRoad();
        theRoad.SetModified(true);
        ModalAnswers answers({choose(QString())});
        w.findChild<QAction*>("actionSave")->trigger();
        QCOMPARE(answers.seen(), QStringList("QFileDialog"));
        QVERIFY(theRoad.IsModified());
        QCOMPARE(w.windowTitle(), QString("Vantorel "));
    }

    void openEditNothingSaveWritesTheSameBytes()
    {
        makeTestRoad();
        const QString file = path("same.rod");
        QVERIFY(theRoad.Save(file.toStdString()));
        theRoad.NewRoad();
        const QByteArray original = readFile(file);

        MainWindow w;
        {
            ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionOpen")->trigger();
            QCOMPARE(answers.seen().last(), QString("information: Open road successfully."));
        }
        QCOMPARE(w.windowTitle(), "Vantorel " + file);
        QCOMPARE(theRoad.NumberOfHorizon(), 4);
        {
            ModalAnswers answers({press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionSave")->trigger();
            QCOMPARE(answers.seen(), QStringList("info: save road successfully"));
        }
        QCOMPARE(readFile(file), original);
    }

    void refusedOlderFileLeavesTheRoadAsItWas()
    {
        makeTestRoad();
        const QString file = path("older.rod");
        QVERIFY(theRoad.Save(file.toStdString()));
        QByteArray bytes = readFile(file);
        bytes.replace("<Version>2</Version>", "<Version>1</Version>");
        QVERIFY(writeFile(file, bytes));

        theRoad.NewRoad();
        theRoad.InsertHorizonPoint(1, 2, 3);
        theRoad.SetModified(true);
        MainWindow w;
        ModalAnswers answers({press(QMessageBox::Discard), choose(file), press(QMessageBox::No)});
        w.findChild<QAction*>("actionOpen")->trigger();
        QVERIFY(answers.allAnswered());
        QVERIFY(answers.seen().last().startsWith("warning: You're opening an older road file."));
        QCOMPARE(theRoad.NumberOfHorizon(), 1);
        QCOMPARE(theRoad.GetHorizon(0)->x1, 1.0);
        QVERIFY(theRoad.IsModified());
        QCOMPARE(QString(theRoad.FilePath()), QString());
        QCOMPARE(RoadSet::Ver, RoadSet::VerCurrent);
        QCOMPARE(w.windowTitle(), QString("Vantorel "));
    }

    void acceptedOlderFileAsksBeforeEverySave()
    {
        makeTestRoad();
        const QString file = path("older-yes.rod");
        QVERIFY(theRoad.Save(file.toStdString()));
        QByteArray bytes = readFile(file);
        bytes.replace("\t<Version>2</Version>\n", "");
        QVERIFY(writeFile(file, bytes));
        theRoad.NewRoad();

        MainWindow w;
        {
            ModalAnswers answers({choose(file), press(QMessageBox::Yes), press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionOpen")->trigger();
            QVERIFY(answers.allAnswered());
        }
        QCOMPARE(RoadSet::Ver, RoadSet::VerOlder);
        QCOMPARE(theRoad.NumberOfHorizon(), 4);
        {
            // "Save" overwrites the file the road came from, now with a version.
            ModalAnswers answers({press("Save"), press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionSave")->trigger();
            QVERIFY(
                answers.seen().first().startsWith("info: Current file was created by an older"));
            QCOMPARE(answers.seen().last(), QString("info: save road successfully"));
        }
        QVERIFY(readFile(file).contains("<Version>2</Version>"));
    }

    void failedOpenLeavesTheRoadAsItWas()
    {
        const QString file = path("broken.rod");
        QVERIFY(writeFile(file, "<Road><HorizontalAlignment><element><x1>1</x2></element></Road>"));
        makeTestRoad();
        theRoad.SetModified(false);
        MainWindow w;
        ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
        w.findChild<QAction*>("actionOpen")->trigger();
        QCOMPARE(answers.seen().last(), QString("information: Open road failed."));
        QCOMPARE(theRoad.NumberOfHorizon(), 4);
        QCOMPARE(theRoad.NumberOfVertical(), 2);
        QVERIFY(!theRoad.IsModified());
    }

    void closingAModifiedRoadAsks()
    {
        makeTestRoad();
        MainWindow w;
        w.show();
        {
            ModalAnswers answers({press(QMessageBox::Cancel)});
            QVERIFY(!w.close());
            QVERIFY(answers.seen().first().startsWith("info: The road has been modified."));
        }
        QVERIFY(w.isVisible());
        {
            ModalAnswers answers({press(QMessageBox::Discard)});
            QVERIFY(w.close());
        }
        QVERIFY(theRoad.IsModified());  // discarded, nothing written
    }

    void newEmptiesTheRoadAfterTheCheck()
    {
        makeTestRoad();
        theRoad.SetModified(false);
        MainWindow w;
        w.findChild<QAction*>("actionNew")->trigger();
        QVERIFY(theRoad.isHorizonEmpty());
        QVERIFY(theRoad.isVerticalEmpty());
        QCOMPARE(w.windowTitle(), QString("Vantorel "));
    }

    void importReadsACassFileIntoTheRoad()
    {
        const QString file = path("three.dat");
        QVERIFY(
            writeFile(file, "A,,500000,3380000,10\nB,,500300,3380400,11\nC,,500600,3380800,12\n"));

        MainWindow w;
        QSignalSpy loaded(&w, &MainWindow::dataLoaded);
        ModalAnswers answers({choose(file)});
        w.onImport("Cass Data");
        QVERIFY(answers.allAnswered());
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().first().toInt(), 0);
        QCOMPARE(theRoad.NumberOfCross(), 3);
        // A start point and one line per leg.
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
        QVERIFY(theRoad.IsModified());
    }

    void failedImportPutsTheRoadBack()
    {
        const QString file = path("bad.dat");
        QVERIFY(writeFile(file, "A,,500000,3380000,10\nB,,500300,3380400\n"));
        makeTestRoad();
        theRoad.SetModified(false);

        MainWindow w;
        QSignalSpy loaded(&w, &MainWindow::dataLoaded);
        ModalAnswers answers({press(QMessageBox::Yes), choose(file), press(QMessageBox::Ok)});
        w.onImport("Cass Data");
        QVERIFY(answers.allAnswered());
        QVERIFY(answers.seen().first().startsWith("Road Has Data: "));
        QCOMPARE(answers.seen().last(), QString("Import Failed: Import Road Failed"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(theRoad.NumberOfHorizon(), 4);
        QCOMPARE(theRoad.NumberOfCross(), 0);
        QVERIFY(!theRoad.IsModified());
    }

    void refusingToReplaceTheRoadImportsNothing()
    {
        makeTestRoad();
        MainWindow w;
        QSignalSpy loaded(&w, &MainWindow::dataLoaded);
        ModalAnswers answers({press(QMessageBox::No)});
        w.onImport("Cass Data");
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(theRoad.NumberOfHorizon(), 4);
    }

    void importersAreOnlyRealPlugIns()
    {
        const QString programDir = QCoreApplication::applicationDirPath();
        const QList<IDataImporter*> real = loadImporters(programDir + "/importers");
        QCOMPARE(real.size(), 1);
        QCOMPARE(real.first()->name(), QString("Cass Data"));

        QVERIFY(loadImporters(path("no-such-directory")).isEmpty());

        QTemporaryDir junk;
        QFile text(junk.filePath("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not a plug-in");
        text.close();
        QVERIFY(QFile::copy(programDir + "/libTrazel.so", junk.filePath("libTrazel.so")));
        QVERIFY(loadImporters(junk.path()).isEmpty());
    }
};

QTEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
