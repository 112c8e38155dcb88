// LandXML through the main window, as a user works it: Tool → LandXML with
// the choice of one of two alignments while the horizontal alignment dialog
// is open, File → Export LandXML..., and failures told with their reason.
#include "dialogtest.h"
#include "editors/horizondialog.h"

#include <QTableView>

class LandXmlTest : public DialogTest
{
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QStringList import(std::initializer_list<Answer> answers)
    {
        return answering(answers, [this] { window_->onImport("LandXML"); });
    }

private slots:
    void importTakesTheChosenAlignmentAndExportsIt()
    {
        auto* dialog = open<HorizonDialog>("actionHorizon");
        QVERIFY(dialog);
        QCOMPARE(import({choose(VANTOREL_LANDXML_DATA "/two-alignments.xml"), pick(1)}),
                 QStringList({"QFileDialog", "QInputDialog"}));
        // "Ramp B": a start point, line, spiral, arc, spiral, line from station 100.
        QCOMPARE(theRoad.NumberOfHorizon(), 6);
        QCOMPARE(theRoad.GetHorizon(1)->l1, 100.0);
        QCOMPARE(theRoad.NumberOfVertical(), 3);
        QVERIFY(theRoad.IsModified());
        // Both tables show the new road: five elements and the end row; the
        // start, one curve and the end.
        QCOMPARE(dialog->findChild<QTableView*>("tableView")->model()->rowCount(), 6);
        QCOMPARE(dialog->findChild<QTableWidget*>("crossTable")->rowCount(), 3);

        const QString file = dir_.filePath("ramp.xml");
        QCOMPARE(
            answering({choose(file), press(QMessageBox::Ok)},
                      [this] { window_->findChild<QAction*>("actionExportLandXml")->trigger(); }),
            QStringList({"QFileDialog", "info: The road was exported to " + file + "."}));
        // A road never saved is named after the exported file.
        const QByteArray written = readFile(file);
        QVERIFY(written.contains("<Alignment name=\"ramp\" length=\"660\" staStart=\"100\">"));
        QVERIFY(written.contains("<ParaCurve length=\"93.33333333333333\">400 56</ParaCurve>"));
    }

    void failuresAndOmissionsAreToldAndACancelChangesNothing()
    {
        QVERIFY(loadExampleRoad());
        const int elements = theRoad.NumberOfHorizon();
        const QString file = dir_.filePath("road.xml");
        writeFile(file,
                  "<LandXML><Alignments><Alignment name=\"A\"><CoordGeom>"
                  "<Spiral spiType=\"cubic\"/></CoordGeom></Alignment></Alignments></LandXML>");
        QCOMPARE(import({press(QMessageBox::Yes), choose(file), press(QMessageBox::Ok)}).last(),
                 QString("Import Failed: Import Road Failed\nAlignment \"A\", element 1 (<Spiral> "
                         "at line 1): its spiType \"cubic\" is no clothoid; the road holds "
                         "clothoids only."));
        QCOMPARE(theRoad.NumberOfHorizon(), elements);

        QCOMPARE(import({press(QMessageBox::Yes),
                         choose(VANTOREL_LANDXML_DATA "/two-alignments.xml"), pick(-1)})
                     .size(),
                 3);
        QCOMPARE(theRoad.NumberOfHorizon(), elements);
        QVERIFY(!theRoad.IsModified());

        QByteArray withEquation = readFile(VANTOREL_LANDXML_DATA "/two-alignments.xml");
        writeFile(file, withEquation.replace("</CoordGeom>", "</CoordGeom><StaEquation/>"));
        QVERIFY(import({press(QMessageBox::Yes), choose(file), pick(0), press(QMessageBox::Ok)})
                    .last()
                    .startsWith("info: The alignment's 1 station equation(s) were ignored"));
        QCOMPARE(theRoad.NumberOfHorizon(), 2);
    }
};

QTEST_MAIN(LandXmlTest)
#include "landxml_test.moc"
