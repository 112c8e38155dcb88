// The main window driven as a user would: its menus, the file commands with
// their questions, and the importer plug-ins found beside the program.
#include "globals.h"
#include "idataimporter.h"
#include "importerloader.h"
#include "mainwindow.h"
#include "modalanswer.h"
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

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A small road: a line and a right arc, with a profile.
void makeRoad()
{
    theRoad.NewRoad();
    theRoad.InsertHorizonPoint(3380000, 500000, 1000);
    RoadEntity e;
    e.set(1, 3380000, 500000, 0.5, 0, 0, 200, 0);
    e.l1 = 1000;
    theRoad.InsertHorizon(e);
    e.set(2, 0, 0, 0, 300, 300, 150, 0);
    theRoad.InsertHorizon(e);
    theRoad.ApplyHorizon();
    VerticalEntity v;
    v.mile = 1000;
    v.height = 50;
    theRoad.InsertVertical(v);
    v.mile = 1350;
    v.height = 53;
    theRoad.InsertVertical(v);
    theRoad.ApplyVertical();
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
        makeRoad();
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
        makeRoad();
        theRoad.SetModified(true);
        ModalAnswers answers({choose(QString())});
        w.findChild<QAction*>("actionSave")->trigger();
        QCOMPARE(answers.seen(), QStringList("QFileDialog"));
        QVERIFY(theRoad.IsModified());
        QCOMPARE(w.windowTitle(), QString("Vantorel "));
    }

    void openEditNothingSaveWritesTheSameBytes()
    {
        makeRoad();
        const QString file = path("same.rod");
        QVERIFY(theRoad.Save(file.toStdString()));
        theRoad.NewRoad();
        const QByteArray original = readAll(file);

        MainWindow w;
        {
            ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionOpen")->trigger();
            QCOMPARE(answers.seen().last(), QString("information: Open road successfully."));
        }
        QCOMPARE(w.windowTitle(), "Vantorel " + file);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
        {
            ModalAnswers answers({press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionSave")->trigger();
            QCOMPARE(answers.seen(), QStringList("info: save road successfully"));
        }
        QCOMPARE(readAll(file), original);
    }

    void refusedOlderFileLeavesTheRoadAsItWas()
    {
        makeRoad();
        const QString file = path("older.rod");
        QVERIFY(theRoad.Save(file.toStdString()));
        QByteArray bytes = readAll(file);
        bytes.replace("<Version>2</Version>", "<Version>1</Version>");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();

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
        makeRoad();
        const QString file = path("older-yes.rod");
        QVERIFY(theRoad.Save(file.toStdString()));
        QByteArray bytes = readAll(file);
        bytes.replace("\t<Version>2</Version>\n", "");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        theRoad.NewRoad();

        MainWindow w;
        {
            ModalAnswers answers({choose(file), press(QMessageBox::Yes), press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionOpen")->trigger();
            QVERIFY(answers.allAnswered());
        }
        QCOMPARE(RoadSet::Ver, RoadSet::VerOlder);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
        {
            // "Save" overwrites the file the road came from, now with a version.
            ModalAnswers answers({press("Save"), press(QMessageBox::Ok)});
            w.findChild<QAction*>("actionSave")->trigger();
            QVERIFY(answers.seen().first().startsWith("info: Current file was created by an older"));
            QCOMPARE(answers.seen().last(), QString("info: save road successfully"));
        }
        QVERIFY(readAll(file).contains("<Version>2</Version>"));
    }

    void failedOpenLeavesTheRoadAsItWas()
    {
        const QString file = path("broken.rod");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("<Road><HorizontalAlignment><element><x1>1</x2></element></Road>");
        out.close();
        makeRoad();
        theRoad.SetModified(false);
        MainWindow w;
        ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
        w.findChild<QAction*>("actionOpen")->trigger();
        QCOMPARE(answers.seen().last(), QString("information: Open road failed."));
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
        QCOMPARE(theRoad.NumberOfVertical(), 2);
        QVERIFY(!theRoad.IsModified());
    }

    void closingAModifiedRoadAsks()
    {
        makeRoad();
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
        makeRoad();
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
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("A,,500000,3380000,10\nB,,500300,3380400,11\nC,,500600,3380800,12\n");
        out.close();

        MainWindow w;
        QSignalSpy loaded(&w, &MainWindow::dataLoaded);
        ModalAnswers answers({choose(file)});
        w.onImport("Cass Data");
        QVERIFY(answers.allAnswered());
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().first().toInt(), 0);
        QCOMPARE(theRoad.NumberOfCross(), 3);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
        QVERIFY(theRoad.IsModified());
    }

    void failedImportPutsTheRoadBack()
    {
        const QString file = path("bad.dat");
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write("A,,500000,3380000,10\nB,,500300,3380400\n");
        out.close();
        makeRoad();
        theRoad.SetModified(false);

        MainWindow w;
        QSignalSpy loaded(&w, &MainWindow::dataLoaded);
        ModalAnswers answers({press(QMessageBox::Yes), choose(file), press(QMessageBox::Ok)});
        w.onImport("Cass Data");
        QVERIFY(answers.allAnswered());
        QVERIFY(answers.seen().first().startsWith("Road Has Data: "));
        QCOMPARE(answers.seen().last(), QString("Import Failed: Import Road Failed"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
        QCOMPARE(theRoad.NumberOfCross(), 0);
        QVERIFY(!theRoad.IsModified());
    }

    void refusingToReplaceTheRoadImportsNothing()
    {
        makeRoad();
        MainWindow w;
        QSignalSpy loaded(&w, &MainWindow::dataLoaded);
        ModalAnswers answers({press(QMessageBox::No)});
        w.onImport("Cass Data");
        QCOMPARE(loaded.count(), 0);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);
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
