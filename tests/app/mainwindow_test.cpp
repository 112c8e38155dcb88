// The main window driven as a user would: its menus, the file commands with
// their questions, and the importer plug-ins found beside the program.
#include "dialogtest.h"
#include "idataimporter.h"
#include "importerloader.h"

#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QToolBar>

namespace {

// The texts of the visible actions, "|" for a separator.
QStringList visibleActions(const QWidget* widget)
{
    QStringList texts;
    for (const QAction* a : widget->actions())
        if (a->isVisible())
            texts << (a->isSeparator() ? QStringLiteral("|") : a->text());
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
                 QStringList({"File", "Road", "View", "Tool", "Help"}));
        QCOMPARE(visibleActions(window_->findChild<QMenu*>("menuFile")),
                 QStringList({"New", "Open", "Save", "SaveAs", "Export LandXML...", "Quit"}));
        QCOMPARE(visibleActions(window_->findChild<QMenu*>("menuView")),
                 QStringList({"Select", "ZoomIn", "ZoomOut", "Move", "Info", "|", "HorizonView",
                              "VerticalView", "SectionView"}));
        // The importers found beside the program sit just above Export, in
        // the order the directory lists them; Import and enum Pt stay hidden.
        QStringList tools = visibleActions(window_->findChild<QMenu*>("menuFunction"));
        std::sort(tools.begin() + 2, tools.end() - 1);
        QCOMPARE(tools, QStringList({"Template", "Cal", "Cass Data", "LandXML", "Export"}));
        auto* toolBar = window_->findChild<QToolBar*>("toolBar");
        QCOMPARE(visibleActions(toolBar),
                 QStringList({"New", "Open", "Save", "|", "Horizon", "Vertical", "Section", "|",
                              "Template", "Cal", "Export", "|", "Select", "ZoomIn", "ZoomOut",
                              "Move", "|", "Info"}));
        QCOMPARE(toolBar->iconSize(), QSize(32, 32));
        QCOMPARE(window_->windowTitle(), QString("Vantorel [*]"));
    }

    void saveOnANewRoadAsksForANameAndTitlesTheWindow()
    {
        makePoint();
        // Cancelled: no message, no file, still modified.
        QCOMPARE(trigger("actionSave", {choose(QString())}), QStringList("QFileDialog"));
        QVERIFY(theRoad.IsModified());
        const QString file = path("new.rod");
        QCOMPARE(trigger("actionSave", {choose(file), press(QMessageBox::Ok)}),
                 QStringList({"QFileDialog", "info: save road successfully"}));
        QVERIFY(QFile::exists(file));
        QVERIFY(!theRoad.IsModified());
        QCOMPARE(window_->windowTitle(), "Vantorel " + file + "[*]");
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

    void importReadsACassFileIntoTheRoad()
    {
        const QString file = path("three.dat");
        writeFile(file, "A,,500000,3380000,10\nB,,500300,3380400,11\nC,,500600,3380800,12\n");
        QSignalSpy loaded(window_.get(), &MainWindow::dataLoaded);
        QCOMPARE(import({choose(file)}), QStringList("QFileDialog"));
        QCOMPARE(loaded.count(), 1);
        QCOMPARE(loaded.first().first().toInt(), 0);
        QCOMPARE(theRoad.NumberOfCross(), 3);
        QCOMPARE(theRoad.NumberOfHorizon(), 3);  // a start point and one line per leg
        QVERIFY(theRoad.IsModified());
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
