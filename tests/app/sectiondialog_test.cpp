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
    // "New Template" with this name typed; the boxes it raised after.
    QStringList newTemplate(const QString& name) const
    {
        const Answer typed{
            &QInputDialog::staticMetaObject, [name](QWidget* w) {
                retype(w->findChild<QLineEdit*>(), name);
                w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
            }};
        const ModalAnswers answers({typed, press(QMessageBox::Ok)});
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
    // Templates named as the road file keeps them, one in Chinese made and
    // filled, reach the road by "Ok", never by "Cancel"; a section takes
    // that one; the file holds its name as GB18030 and gives all back.
    void templatesMadeFilledAndWrittenByOk()
    {
        QVERIFY(loadExampleRoad());
        const QString before = roadFields(theRoad), name = QString::fromUtf8("路堤");
        QVERIFY(openTemplates());
        QCOMPARE(newTemplate("Kerb"), QStringList());
        click("cancelButton");
        QCOMPARE(templates(), kExampleTemplates);
        QVERIFY(!theRoad.IsModified());

        window_->setSectionRightTemplate(narrowtext::fromQString(name));
        QVERIFY(openTemplates());
        QCOMPARE(newTemplate("Fill"), QStringList("warning: the template name is used!"));
        QCOMPARE(newTemplate("Left Side"),
                 QStringList("warning: the template name cannot contain blanks, tabs, line "
                             "breaks, \"<\", \">\" or \"/\"!"));
        QCOMPARE(newTemplate(QString(128, u'路')),
                 QStringList("warning: the template name is too long!"));
        QCOMPARE(newTemplate(QString()), QStringList());  // makes nothing
        // Nor does the file hold tag characters, tabs or line breaks as they are.
        for (const char* refused : {"a<b", "a>b", "c/f", "a\tb", "a\nb", "a\u2028b"})
            QVERIFY2(!SectionDialog::nameProblem(refused).isEmpty(), refused);
        // Letter case counts; punctuation, ideographic space, astral, 255 bytes.
        QString made = kExampleTemplates;
        for (const QString& taken :
             {QString("fill"), QString("A-1.5_(x)&'\""), QString("路\u3000堤"),
              QString::fromUtf8("\xF0\xA0\x80\x80"), QString(127, u'路') + "x", name}) {
            QCOMPARE(newTemplate(taken), QStringList());
            made += taken + (taken == name ? ": 3.75 -0.075, 7 -0.5,; " : ":; ");
        }
        addBreak("3.75", "-0.075");
        addBreak("7", "-0.5");
        QCOMPARE(templates(), kExampleTemplates);  // nothing reaches the road before "Ok"
        click("okButton");
        QTRY_VERIFY(dialog_.isNull());
        QCOMPARE(templates(), made);
        checkUndoRedo("Apply templates", before);
        // The cross-section view now draws the new template.
        QCOMPARE(window_->findChild<SectionView*>()->scene()->items().size(), 2);

        auto* sections = open<RoadSectionDialog>("actionSection");
        QVERIFY(sections);
        auto* table = sections->findChild<QTableWidget*>();
        clickCell(table, table->model()->index(0, 0));
        sections->findChild<QComboBox*>("rcomboBox")->setCurrentText(name);
        clickButton(sections, "applyButton");
        clickButton(sections, "okButton");
        const std::string file = dir_.filePath("chinese.rod").toStdString();
        QVERIFY(theRoad.Save(file));
        const QByteArray gb18030 = "\xC2\xB7\xB5\xCC", saved = readFile(file.c_str());
        QVERIFY(saved.contains("<name>" + gb18030 + "</name>"));
        QVERIFY(saved.contains("<right>" + gb18030 + "</right>"));
        theRoad.NewRoad();
        QVERIFY(theRoad.Load(file));
        QCOMPARE(templates(), made);
        QVERIFY(openTemplates());
        QCOMPARE(root()->child(7)->text(0), name);
        // Halfway between the two break points of the new template, on the right.
        QCOMPARE(theRoad.CalDetaH(theRoad.GetSectionByLC(100), 5.375), -0.2875);
    }

    // Break points and templates deleted; "Ok" writes the rest.
    void breakPointsAndTemplatesDeleted()
    {
        QVERIFY(loadExampleRoad());
        QVERIFY(openTemplates());
        QTreeWidgetItem* fill = root()->child(0);
        clickItem(fill->child(2));
        click("delButton");
        QCOMPARE(fill->childCount(), 3);
        QCOMPARE(fill->child(2)->text(0), QString("11.500"));
        QCOMPARE(dialog_->findChild<QLineEdit*>("distEdit")->text(), QString("3.750"));
        for (int i = 0; i < 3; ++i)
            click("delButton");
        click("newButton");  // never edited: written as 0, 0
        // A break point selected: its whole template goes.
        clickItem(root()->child(1)->child(4));
        click("delTemplateButton");
        clickItem(root());
        QCOMPARE(boxRaisedBy([this] { click("delTemplateButton"); }),
                 QString("warning: please select a template to delete!"));
        click("okButton");
        QCOMPARE(templates(), QString("Fill: 0 0,; "));
        QVERIFY(theRoad.IsModified());
    }
};

QTEST_MAIN(SectionDialogTest)
#include "sectiondialog_test.moc"
