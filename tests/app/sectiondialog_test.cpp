// The template editor driven as a user would: templates made, filled,
// refused, deleted; "Ok" and "Cancel"; a Chinese name through save and open.
#include "editors/sectiondialog.h"
#include "dialogtest.h"
#include "editors/roadsectiondialog.h"
#include "globals.h"
#include "mainwindow.h"
#include "modalanswer.h"
#include "narrowtext.h"
#include "testroad.h"
#include "views/sectionview.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGraphicsLineItem>
#include <QGraphicsScene>
#include <QInputDialog>
#include <QInputMethodEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <memory>

namespace {

// Types the name into the input dialog, through the input method so that
// any script can be typed, and presses OK.
ModalAnswers::Answer typeName(const QString& name)
{
    return [name](QWidget* w) {
        auto* dialog = qobject_cast<QInputDialog*>(w);
        QInputMethodEvent typed;
        typed.setCommitString(name);
        QApplication::sendEvent(dialog->findChild<QLineEdit*>(), &typed);
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    };
}

ModalAnswers::Answer cancelInput()
{
    return [](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); };
}

QStringList templateNames()
{
    QStringList names;
    for (int i = 0; i < theRoad.NumberOfTemplates(); ++i)
        names << narrowtext::toQString(theRoad.GetTemplate(i)->name);
    return names;
}

QStringList childTexts(const QTreeWidgetItem* item, int column = 0)
{
    QStringList texts;
    for (int i = 0; i < item->childCount(); ++i)
        texts << item->child(i)->text(column);
    return texts;
}

}  // namespace

class SectionDialogTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DialogTestWindow> window_;
    SectionDialog* dialog_ = nullptr;
    QTemporaryDir dir_;

    bool open()
    {
        dialog_ = window_->open<SectionDialog>("actionTemplate");
        return dialog_ != nullptr;
    }
    QTreeWidget* tree() const { return dialog_->findChild<QTreeWidget*>("treeWidget"); }
    QTreeWidgetItem* root() const { return tree()->topLevelItem(0); }
    QLineEdit* edit(const char* name) const { return dialog_->findChild<QLineEdit*>(name); }
    QPushButton* button(const char* name) const { return dialog_->findChild<QPushButton*>(name); }
    void click(const char* name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    void clickItem(QTreeWidgetItem* item) const
    {
        tree()->scrollToItem(item);
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {},
                          tree()->visualItemRect(item).center());
    }
    // The buttons and edits a break point needs, in the order dist, dh,
    // Apply, New, Delete: '1' enabled, '0' disabled.
    QString enabledState() const
    {
        QString state;
        for (QWidget* w :
             {static_cast<QWidget*>(edit("distEdit")), static_cast<QWidget*>(edit("dhEdit")),
              static_cast<QWidget*>(button("applyButton")),
              static_cast<QWidget*>(button("newButton")),
              static_cast<QWidget*>(button("delButton"))})
            state += w->isEnabled() ? '1' : '0';
        return state;
    }
    // "New Template" answered with this name; the texts of the boxes it raised.
    QStringList newTemplate(const QString& name) const
    {
        ModalAnswers answers({typeName(name), press(QMessageBox::Ok)});
        click("newTemplateButton");
        return answers.seen().mid(1);
    }
    void addBreak(const QString& dist, const QString& dh) const
    {
        click("newButton");
        retype(edit("distEdit"), dist);
        retype(edit("dhEdit"), dh);
        click("applyButton");
    }

private slots:
    void init()
    {
        QVERIFY(theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod"));
        window_ = std::make_unique<DialogTestWindow>();
    }

    void cleanup()
    {
        window_.reset();
        dialog_ = nullptr;
    }

    void treeShowsTheRoadsTemplates()
    {
        QVERIFY(open());
        QCOMPARE(window_->findChild<QStackedWidget*>("stackedWidget")->currentIndex(), 0);
        QCOMPARE(tree()->topLevelItemCount(), 1);
        QCOMPARE(root()->text(0), QString("Templates"));
        QVERIFY(root()->isExpanded());
        QCOMPARE(childTexts(root()), QStringList({"Fill", "Cut"}));
        const QTreeWidgetItem* fill = root()->child(0);
        QCOMPARE(childTexts(fill), QStringList({"3.750", "6.250", "7.000", "11.500"}));
        QCOMPARE(childTexts(fill, 1), QStringList({"-0.075", "-0.150", "-0.180", "-3.180"}));
        QCOMPARE(enabledState(), QString("00000"));

        clickItem(root()->child(1));
        QCOMPARE(enabledState(), QString("00010"));
        clickItem(root()->child(1)->child(3));
        QCOMPARE(enabledState(), QString("11111"));
        QCOMPARE(edit("distEdit")->text(), QString("7.600"));
        QCOMPARE(edit("dhEdit")->text(), QString("-0.780"));
        clickItem(root());
        QCOMPARE(enabledState(), QString("00000"));
    }

    void templateMadeFilledAndWrittenByOk()
    {
        theRoad.SetModified(false);
        window_->setSectionRightTemplate("Kerb");
        QVERIFY(open());
        QCOMPARE(newTemplate("Kerb"), QStringList());
        QTreeWidgetItem* kerb = tree()->currentItem();
        QCOMPARE(kerb->text(0), QString("Kerb"));
        QCOMPARE(kerb->parent(), root());
        QCOMPARE(enabledState(), QString("00010"));

        addBreak("2.5", "-0.05");
        addBreak("3", "-0.2");
        click("newButton");  // never edited: written as 0, 0
        QCOMPARE(childTexts(kerb), QStringList({"2.5", "3", ""}));
        QCOMPARE(tree()->currentItem(), kerb->child(2));
        QVERIFY(!theRoad.GetTemplateByName("Kerb"));  // nothing reaches the road before "Ok"

        const QPointer<SectionDialog> dialog(dialog_);
        click("okButton");
        QTRY_VERIFY(dialog.isNull());
        QVERIFY(theRoad.IsModified());
        QCOMPARE(templateNames(), QStringList({"Fill", "Cut", "Kerb"}));
        const RoadTemplate& t = *theRoad.GetTemplateByName("Kerb");
        QCOMPARE(t.items.size(), std::size_t(3));
        QCOMPARE(t.items[0].dist, 2.5);
        QCOMPARE(t.items[0].dh, -0.05);
        QCOMPARE(t.items[1].dist, 3.0);
        QCOMPARE(t.items[2].dist, 0.0);
        QCOMPARE(t.items[2].dh, 0.0);
        QCOMPARE(theRoad.GetTemplateByName("Cut")->items.size(), std::size_t(7));

        // The cross-section view now draws the new template.
        auto* view = window_->findChild<SectionView*>("sectionView");
        QCOMPARE(view->scene()->items().size(), 3);
    }

    void usedAndUnstorableNamesAreRefused()
    {
        QVERIFY(open());
        QCOMPARE(newTemplate("Fill"), QStringList("warning: the template name is used!"));
        QCOMPARE(newTemplate("fill"), QStringList());  // letter case counts
        const QString badCharacters =
            "warning: the template name cannot contain blanks, tabs, line breaks, \"<\", \">\" "
            "or \"/\"!";
        for (const QString name : {"a<b", "a>b", "a/b", "Left Side", "   "})
            QCOMPARE(newTemplate(name), QStringList(badCharacters));
        QCOMPARE(newTemplate(QString(128, u'路')),
                 QStringList("warning: the template name is too long!"));
        {
            ModalAnswers answers({typeName(QString())});
            click("newTemplateButton");
            QCOMPARE(answers.seen(), QStringList("QInputDialog"));
        }
        {
            ModalAnswers answers({cancelInput()});
            click("newTemplateButton");
            QVERIFY(answers.allAnswered());
        }
        QCOMPARE(childTexts(root()), QStringList({"Fill", "Cut", "fill"}));
        click("okButton");
        QCOMPARE(templateNames(), QStringList({"Fill", "Cut", "fill"}));
    }

    void nameRuleMatchesWhatTheRoadFileKeeps_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("refused");
        QTest::newRow("plain") << "Fill" << false;
        QTest::newRow("punctuation") << "A-1.5_(x)&'\"" << false;
        QTest::newRow("chinese") << QString("路堤") << false;
        QTest::newRow("ideographic space") << QString("路\u3000堤") << false;
        QTest::newRow("255 bytes") << QString(127, u'路') + "x" << false;
        QTest::newRow("256 bytes") << QString(128, u'路') << true;
        QTest::newRow("less than") << "a<b" << true;
        QTest::newRow("greater than") << "a>b" << true;
        QTest::newRow("slash") << "cut/fill" << true;
        QTest::newRow("blank") << "Left Side" << true;
        QTest::newRow("tab") << "Left\tSide" << true;
        QTest::newRow("line break") << "Left\nSide" << true;
        QTest::newRow("carriage return") << "Left\rSide" << true;
        QTest::newRow("line separator") << QString("Left\u2028Side") << true;
        QTest::newRow("beyond the basic plane") << QString::fromUtf8("\xF0\xA0\x80\x80") << false;
    }

    // Every name the dialog takes comes back from the road file unchanged.
    void nameRuleMatchesWhatTheRoadFileKeeps()
    {
        QFETCH(QString, name);
        QFETCH(bool, refused);
        QCOMPARE(!SectionDialog::nameProblem(name).isEmpty(), refused);
        if (refused)
            return;
        RoadTemplate t;
        t.name = narrowtext::fromQString(name);
        t.items = {{3.5, -0.07}};
        theRoad.NewRoad();
        theRoad.AddTemplate(t);
        const std::string file = dir_.filePath("name.rod").toStdString();
        QVERIFY(theRoad.Save(file));
        QVERIFY(theRoad.Load(file));
        QCOMPARE(theRoad.NumberOfTemplates(), 1);
        QCOMPARE(narrowtext::toQString(theRoad.GetTemplate(0)->name), name);
    }

    void breakPointsAndTemplatesDeleted()
    {
        QVERIFY(open());
        QTreeWidgetItem* fill = root()->child(0);
        clickItem(fill->child(2));
        click("delButton");
        QCOMPARE(childTexts(fill), QStringList({"3.750", "6.250", "11.500"}));
        QCOMPARE(tree()->currentItem(), fill->child(0));
        QCOMPARE(edit("distEdit")->text(), QString("3.750"));
        for (int i = 0; i < 3; ++i)
            click("delButton");
        QCOMPARE(fill->childCount(), 0);
        QCOMPARE(tree()->currentItem(), fill);
        QCOMPARE(enabledState(), QString("00010"));

        // A break point selected: its whole template goes.
        clickItem(root()->child(1)->child(4));
        click("delTemplateButton");
        QCOMPARE(childTexts(root()), QStringList("Fill"));
        {
            ModalAnswers answers({press(QMessageBox::Ok)});
            clickItem(root());
            click("delTemplateButton");
            QCOMPARE(answers.seen(), QStringList("warning: please select a template to delete!"));
        }
        clickItem(root()->child(0));
        click("delTemplateButton");
        QCOMPARE(root()->childCount(), 0);

        theRoad.SetModified(false);
        click("okButton");
        QCOMPARE(theRoad.NumberOfTemplates(), 0);
        QVERIFY(theRoad.IsModified());
    }

    void cancelLeavesTheRoadAsItWas()
    {
        theRoad.SetModified(false);
        QVERIFY(open());
        QCOMPARE(newTemplate("Kerb"), QStringList());
        clickItem(root()->child(0)->child(0));
        retype(edit("distEdit"), "9");
        click("applyButton");
        QCOMPARE(root()->child(0)->child(0)->text(0), QString("9"));
        const QPointer<SectionDialog> dialog(dialog_);
        click("cancelButton");
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(templateNames(), QStringList({"Fill", "Cut"}));
        QCOMPARE(theRoad.GetTemplate(0)->items[0].dist, 3.75);
        QVERIFY(!theRoad.IsModified());
    }

    // A name typed in Chinese goes into the road file as GB18030 and comes
    // back through Open into both dialogs, still joining sections to templates.
    void chineseNameSurvivesSaveAndOpen()
    {
        const QString name = QString::fromUtf8("路堤");
        QVERIFY(open());
        QCOMPARE(newTemplate(name), QStringList());
        addBreak("3.75", "-0.075");
        addBreak("7", "-0.5");
        click("okButton");

        auto* sections = window_->open<RoadSectionDialog>("actionSection");
        QVERIFY(sections);
        auto* combo = sections->findChild<QComboBox*>("rcomboBox");
        QCOMPARE(combo->itemText(2), name);
        auto* table = sections->findChild<QTableWidget*>("tableWidget");
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualItemRect(table->item(0, 0)).center());
        combo->setFocus();
        QTest::keyClick(combo, Qt::Key_End);
        QCOMPARE(combo->currentText(), name);
        QTest::mouseClick(sections->findChild<QPushButton*>("applyButton"), Qt::LeftButton);
        QTest::mouseClick(sections->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        QCOMPARE(narrowtext::toQString(theRoad.GetSection(0)->right), name);

        const QString file = dir_.filePath("chinese.rod");
        {
            ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
            window_->findChild<QAction*>("actionSaveAs")->trigger();
            QCOMPARE(answers.seen().last(), QString("info: save road successfully"));
        }
        const QByteArray gb18030 = "\xC2\xB7\xB5\xCC";
        QVERIFY(readFile(file).contains("<name>" + gb18030 + "</name>"));
        QVERIFY(readFile(file).contains("<right>" + gb18030 + "</right>"));

        theRoad.NewRoad();
        {
            ModalAnswers answers({choose(file), press(QMessageBox::Ok)});
            window_->findChild<QAction*>("actionOpen")->trigger();
            QCOMPARE(answers.seen().last(), QString("information: Open road successfully."));
        }
        QVERIFY(open());
        QCOMPARE(childTexts(root()), QStringList({"Fill", "Cut", name}));
        // Halfway between the two break points of the new template, on the right.
        QCOMPARE(theRoad.CalDetaH(theRoad.GetSectionByLC(100), 5.375), -0.2875);

        sections = window_->open<RoadSectionDialog>("actionSection");
        table = sections->findChild<QTableWidget*>("tableWidget");
        QCOMPARE(table->item(0, RoadSectionDialog::RightColumn)->text(), name);
    }
};

QTEST_MAIN(SectionDialogTest)
#include "sectiondialog_test.moc"
