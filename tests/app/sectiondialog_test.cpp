// The template editor driven as a user would: templates made, filled,
// refused, deleted; "Ok" and "Cancel"; a Chinese name through save and open.
#include "editors/sectiondialog.h"
#include "dialogtest.h"
#include "editors/roadsectiondialog.h"
#include "narrowtext.h"
#include "views/sectionview.h"

#include <QDialogButtonBox>
#include <QGraphicsScene>
#include <QPushButton>
#include <QTreeWidget>

namespace {

// Types the name into the input dialog and presses OK.
Answer typeName(const QString& name)
{
    return {&QInputDialog::staticMetaObject, [name](QWidget* w) {
                retype(w->findChild<QLineEdit*>(), name);
                w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            }};
}

// The road's templates: "name: distance height, ...; ".
QString templates()
{
    QString text;
    for (int i = 0; i < theRoad.NumberOfTemplates(); ++i) {
        text += narrowtext::toQString(theRoad.GetTemplate(i)->name) + ":";
        for (const SectionItem& item : theRoad.GetTemplate(i)->items)
            text += QString::asprintf(" %g %g,", item.dist, item.dh);
        text += "; ";
    }
    return text;
}

const QString kExampleTemplates =
    "Fill: 3.75 -0.075, 6.25 -0.15, 7 -0.18, 11.5 -3.18,; "
    "Cut: 3.75 -0.075, 6.25 -0.15, 7 -0.18, 7.6 -0.78, 8.2 -0.78, 8.8 -0.18, 14.8 5.82,; ";

QStringList childTexts(const QTreeWidgetItem* item)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(0);
    return texts;
}

}  // namespace

class SectionDialogTest : public DialogTest
{
    Q_OBJECT

private:
    QPointer<SectionDialog> dialog_;
    QTemporaryDir dir_;

    bool openTemplates() { return dialog_ = open<SectionDialog>("actionTemplate"); }
    QTreeWidgetItem* root() const { return dialog_->findChild<QTreeWidget*>()->topLevelItem(0); }
    void click(const char* button) const { clickButton(dialog_, button); }
    void clickItem(QTreeWidgetItem* item) const
    {
        auto* tree = dialog_->findChild<QTreeWidget*>();
        clickCell(tree, tree->indexFromItem(item));
    }
    // "New Template" answered with this name; the boxes it raised after.
    QStringList newTemplate(const QString& name) const
    {
        const ModalAnswers answers({typeName(name), press(QMessageBox::Ok)});
        click("newTemplateButton");
        return answers.seen().mid(1);
    }
    void addBreak(const QString& dist, const QString& dh) const
    {
        click("newButton");
        retype(dialog_->findChild<QLineEdit*>("distEdit"), dist);
        retype(dialog_->findChild<QLineEdit*>("dhEdit"), dh);
        click("applyButton");
    }

private slots:
    void init()
    {
        DialogTest::init();
        QVERIFY(loadExampleRoad());
        QCOMPARE(templates(), kExampleTemplates);
    }

    void templateMadeFilledAndWrittenByOk()
    {
        theRoad.SetModified(false);
        const QString before = roadFields(theRoad);
        window_->setSectionRightTemplate("Kerb");
        QVERIFY(openTemplates());
        QCOMPARE(childTexts(root()), QStringList({"Fill", "Cut"}));
        QCOMPARE(newTemplate("Kerb"), QStringList());
        addBreak("2.5", "-0.05");
        addBreak("3", "-0.2");
        click("newButton");  // never edited: written as 0, 0
        QCOMPARE(childTexts(root()->child(2)), QStringList({"2.5", "3", ""}));
        QCOMPARE(templates(), kExampleTemplates);  // nothing reaches the road before "Ok"

        click("okButton");
        QTRY_VERIFY(dialog_.isNull());
        QVERIFY(theRoad.IsModified());
        QCOMPARE(templates(), kExampleTemplates + "Kerb: 2.5 -0.05, 3 -0.2, 0 0,; ");
        checkUndoRedo("Apply templates", before);
        // The cross-section view now draws the new template.
        QCOMPARE(window_->findChild<SectionView*>()->scene()->items().size(), 3);
    }

    void usedAndUnstorableNamesAreRefused()
    {
        QVERIFY(openTemplates());
        QCOMPARE(newTemplate("Fill"), QStringList("warning: the template name is used!"));
        QCOMPARE(newTemplate("fill"), QStringList());  // letter case counts
        QCOMPARE(newTemplate("Left Side"),
                 QStringList("warning: the template name cannot contain blanks, tabs, line "
                             "breaks, \"<\", \">\" or \"/\"!"));
        QCOMPARE(newTemplate(QString(128, u'路')),
                 QStringList("warning: the template name is too long!"));
        QCOMPARE(newTemplate(QString()), QStringList());  // makes nothing
        click("okButton");
        QCOMPARE(templates(), kExampleTemplates + "fill:; ");
    }

    void nameRuleMatchesWhatTheRoadFileKeeps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("punctuation") << "A-1.5_(x)&'\"" << false;
        QTest::newRow("chinese") << QString("路堤") << false;
        QTest::newRow("ideographic space") << QString("路\u3000堤") << false;
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("\xF0\xA0\x80\x80") << false;
        QTest::newRow("255 bytes") << QString(127, u'路') + "x" << false;
        QTest::newRow("256 bytes") << QString(128, u'路') << true;
        QTest::newRow("less than") << "a<b" << true;
        QTest::newRow("greater than") << "a>b" << true;
        QTest::newRow("slash") << "cut/fill" << true;
        QTest::newRow("tab") << "Left\tSide" << true;
        QTest::newRow("line break") << "Left\nSide" << true;
        QTest::newRow("carriage return") << "Left\rSide" << true;
        QTest::newRow("line separator") << QString("Left\u2028Side") << true;
    }

    // Every name the dialog takes comes back from the road file unchanged.
    void nameRuleMatchesWhatTheRoadFileKeeps()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(!SectionDialog::nameProblem(name).isEmpty(), refused);
        theRoad.NewRoad();
        RoadTemplate t;
        t.name = narrowtext::fromQString(name);
        t.items = {{3.5, -0.07}};
        theRoad.AddTemplate(t);
        const std::string file = dir_.filePath("name.rod").toStdString();
        // Names the file cannot hold at all are not saved either.
        const bool saved = theRoad.Save(file);
        if (!refused)
            QCOMPARE(saved && theRoad.Load(file) ? templates() : QString(),
                     name + ": 3.5 -0.07,; ");
    }

    void breakPointsAndTemplatesDeleted()
    {
        QVERIFY(openTemplates());
        QTreeWidgetItem* fill = root()->child(0);
        clickItem(fill->child(2));
        click("delButton");
        QCOMPARE(childTexts(fill), QStringList({"3.750", "6.250", "11.500"}));
        QCOMPARE(dialog_->findChild<QLineEdit*>("distEdit")->text(), QString("3.750"));
        for (int i = 0; i < 3; ++i)
            click("delButton");
        QCOMPARE(fill->childCount(), 0);
        // A break point selected: its whole template goes.
        clickItem(root()->child(1)->child(4));
        click("delTemplateButton");
        QCOMPARE(childTexts(root()), QStringList("Fill"));
        clickItem(root());
        QCOMPARE(boxRaisedBy([this] { click("delTemplateButton"); }),
                 QString("warning: please select a template to delete!"));
        theRoad.SetModified(false);
        click("okButton");
        QCOMPARE(templates(), QString("Fill:; "));
        QVERIFY(theRoad.IsModified());
    }

    void cancelLeavesTheRoadAsItWas()
    {
        theRoad.SetModified(false);
        QVERIFY(openTemplates());
        QCOMPARE(newTemplate("Kerb"), QStringList());
        clickItem(root()->child(0)->child(0));
        retype(dialog_->findChild<QLineEdit*>("distEdit"), "9");
        click("applyButton");
        QCOMPARE(root()->child(0)->child(0)->text(0), QString("9"));
        click("cancelButton");
        QTRY_VERIFY(dialog_.isNull());
        QCOMPARE(templates(), kExampleTemplates);
        QVERIFY(!theRoad.IsModified());
    }

    // A name typed in Chinese goes into the road file as GB18030 and comes
    // back through Open, still joining sections to templates.
    void chineseNameSurvivesSaveAndOpen()
    {
        const QString name = QString::fromUtf8("路堤");
        QVERIFY(openTemplates());
        QCOMPARE(newTemplate(name), QStringList());
        addBreak("3.75", "-0.075");
        addBreak("7", "-0.5");
        click("okButton");
        auto* sections = open<RoadSectionDialog>("actionSection");
        QVERIFY(sections);
        auto* table = sections->findChild<QTableWidget*>();
        clickCell(table, table->model()->index(0, 0));
        sections->findChild<QComboBox*>("rcomboBox")->setCurrentText(name);
        clickButton(sections, "applyButton");
        clickButton(sections, "okButton");

        const QString file = dir_.filePath("chinese.rod");
        const auto trigger = [this](const char* action, const QString& path) {
            return answering({choose(path), press(QMessageBox::Ok)},
                             [&] { window_->findChild<QAction*>(action)->trigger(); });
        };
        QCOMPARE(trigger("actionSaveAs", file).last(), QString("info: save road successfully"));
        const QByteArray gb18030 = "\xC2\xB7\xB5\xCC";
        QVERIFY(readFile(file).contains("<name>" + gb18030 + "</name>"));
        QVERIFY(readFile(file).contains("<right>" + gb18030 + "</right>"));
        theRoad.NewRoad();
        QCOMPARE(trigger("actionOpen", file).last(),
                 QString("information: Open road successfully."));
        QVERIFY(openTemplates());
        QCOMPARE(childTexts(root()), QStringList({"Fill", "Cut", name}));
        // Halfway between the two break points of the new template, on the right.
        QCOMPARE(theRoad.CalDetaH(theRoad.GetSectionByLC(100), 5.375), -0.2875);
    }
};

QTEST_MAIN(SectionDialogTest)
#include "sectiondialog_test.moc"
