// LandXML through the main window: Tool → LandXML and File → Export LandXML....
#include "dialogtest.h"
#include "editors/horizondialog.h"

#include <QTableView>

class LandXmlTest : public DialogTest
{
    Q_OBJECT

private slots:
    // A failure, told with its reason, and a cancel leave the road as it was.
    // "Ramp B" (5 elements from station 100, a vertical curve) shows in the
    // open dialog; exported unsaved, it is named after the file.
    void importChosenAlignmentsAndExportThem()
    {
        const QTemporaryDir dir;
        const QString two = VANTOREL_LANDXML_DATA "/two-alignments.xml";
        const QString file = dir.filePath("road.xml");
        const auto import = [this](std::initializer_list<Answer> answers) {
            return answering(answers, [this] { window_->onImport("LandXML"); });
        };
        auto* dialog = open<HorizonDialog>("actionHorizon");
        writeFile(file,
                  "<LandXML><Alignments><Alignment name=\"A\"><CoordGeom><Spiral "
                  "spiType=\"cubic\"/></CoordGeom></Alignment></Alignments></LandXML>");
        QCOMPARE(import({choose(file), press(QMessageBox::Ok)}).last(),
                 QString("Import Failed: Import Road Failed\nAlignment \"A\", element 1 (<Spiral> "
                         "at line 1): its spiType \"cubic\" is no clothoid; the road holds "
                         "clothoids only."));
        import({choose(two), pick(-1)});
        QVERIFY(theRoad.isHorizonEmpty() && !theRoad.IsModified());

        QCOMPARE(import({choose(two), pick(1)}), QStringList({"QFileDialog", "QInputDialog"}));
        QVERIFY(theRoad.IsModified());
        QCOMPARE(dialog->findChild<QTableView*>("tableView")->model()->rowCount(), 6);
        QCOMPARE(dialog->findChild<QTableWidget*>("crossTable")->rowCount(), 3);
        const QString ramp = dir.filePath("ramp.xml");
        QCOMPARE(
            answering({choose(ramp), press(QMessageBox::Ok)},
                      [this] { window_->findChild<QAction*>("actionExportLandXml")->trigger(); }),
            QStringList({"QFileDialog", "info: The road was exported to " + ramp + "."}));
        const QByteArray written = readFile(ramp);
        QVERIFY(written.contains("<Alignment name=\"ramp\" length=\"660\" staStart=\"100\">"));
        QVERIFY(written.contains("<ParaCurve length=\"93.33333333333333\">400 56</ParaCurve>"));

        writeFile(file, readFile(two).replace("</CoordGeom>", "</CoordGeom><StaEquation/>"));
        QVERIFY(import({press(QMessageBox::Yes), choose(file), pick(0), press(QMessageBox::Ok)})
                    .last()
                    .startsWith("info: The alignment's 1 station equation(s) were ignored"));
        QCOMPARE(theRoad.NumberOfHorizon(), 2);
    }
};

QTEST_MAIN(LandXmlTest)
#include "landxml_test.moc"
