#include "sectiondialog.h"

#include "globals.h"
#include "messages.h"
#include "narrowtext.h"
#include "roaddocument.h"
#include "roadsnapshot.h"
#include "ui_sectiondialog.h"

#include <QHeaderView>
#include <QInputDialog>

namespace {

// A name is the content of one tag of the road file, and its reader keeps
// at most this many bytes there.
constexpr std::size_t kMaxNameBytes = 255;

QString formatted(double value)
{
    return QString::number(value, 'f', 3);
}

}  // namespace

SectionDialog::SectionDialog(RoadDocument* document, QWidget* parent)
    : QDialog(parent), ui(new Ui::SectionDialog), document_(document), root_(nullptr)
{
    ui->setupUi(this);
    // Distances stand in the first column, below two levels of indentation.
    ui->treeWidget->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    showRoad();
    connect(document_, &RoadDocument::roadReplaced, this, &SectionDialog::showRoad);
}

void SectionDialog::showRoad()
{
    ui->treeWidget->clear();
    root_ = new QTreeWidgetItem(ui->treeWidget, {tr("Templates")});
    for (int i = 0; i < theRoad.NumberOfTemplates(); ++i) {
        const RoadTemplate& t = *theRoad.GetTemplate(i);
        auto* templateItem = new QTreeWidgetItem(root_, {narrowtext::toQString(t.name)});
        for (const SectionItem& b : t.items)
            new QTreeWidgetItem(templateItem, {formatted(b.dist), formatted(b.dh)});
    }
    root_->setExpanded(true);
    on_treeWidget_currentItemChanged(nullptr, nullptr);
}

SectionDialog::~SectionDialog()
{
    delete ui;
}

void SectionDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && root_) {
        ui->retranslateUi(this);
        root_->setText(0, tr("Templates"));
    }
    QDialog::changeEvent(event);
}

// The road file has no escaping: "<" and ">" would break its tags, so that
// the whole road could not be opened again, and its reader drops blanks and
// "/", so the name read back would differ from the one the sections use.
// Tabs and line breaks would be kept but cannot be seen in a name.
QString SectionDialog::nameProblem(const QString& name)
{
    for (const QChar c : name) {
        const QChar::Category category = c.category();
        if (c == u'<' || c == u'>' || c == u'/' || c == u' ' || category == QChar::Other_Control ||
            category == QChar::Separator_Line || category == QChar::Separator_Paragraph)
            return tr(
                "the template name cannot contain blanks, tabs, line breaks, "
                "\"<\", \">\" or \"/\"!");
    }
    if (narrowtext::fromQString(name).size() > kMaxNameBytes)
        return tr("the template name is too long!");
    return QString();
}

SectionDialog::Level SectionDialog::levelOf(const QTreeWidgetItem* item) const
{
    if (!item)
        return NoLevel;
    if (item == root_)
        return RootLevel;
    return item->parent() == root_ ? TemplateLevel : BreakLevel;
}

bool SectionDialog::isNameInUse(const QString& name) const
{
    for (int i = 0; i < root_->childCount(); ++i) {
        if (root_->child(i)->text(0) == name)
            return true;
    }
    return false;
}

// The two edits and "Apply" work on a break point; "New" needs a template or
// one of its break points.
void SectionDialog::on_treeWidget_currentItemChanged(QTreeWidgetItem* current, QTreeWidgetItem*)
{
    const Level level = levelOf(current);
    const bool onBreak = level == BreakLevel;
    if (onBreak) {
        ui->distEdit->setText(current->text(0));
        ui->dhEdit->setText(current->text(1));
    } else {
        ui->distEdit->clear();
        ui->dhEdit->clear();
    }
    ui->distEdit->setEnabled(onBreak);
    ui->dhEdit->setEnabled(onBreak);
    ui->applyButton->setEnabled(onBreak);
    ui->delButton->setEnabled(onBreak);
    ui->newButton->setEnabled(onBreak || level == TemplateLevel);
}

void SectionDialog::on_applyButton_clicked()
{
    QTreeWidgetItem* item = ui->treeWidget->currentItem();
    if (levelOf(item) != BreakLevel)
        return;
    item->setText(0, ui->distEdit->text());
    item->setText(1, ui->dhEdit->text());
}

void SectionDialog::on_newButton_clicked()
{
    QTreeWidgetItem* current = ui->treeWidget->currentItem();
    QTreeWidgetItem* templateItem = nullptr;
    switch (levelOf(current)) {
    case TemplateLevel:
        templateItem = current;
        break;
    case BreakLevel:
        templateItem = current->parent();
        break;
    default:
        return;
    }
    auto* breakItem = new QTreeWidgetItem(templateItem);
    templateItem->setExpanded(true);
    ui->treeWidget->setCurrentItem(breakItem);
}

void SectionDialog::on_delButton_clicked()
{
    QTreeWidgetItem* current = ui->treeWidget->currentItem();
    if (levelOf(current) != BreakLevel)
        return;
    QTreeWidgetItem* templateItem = current->parent();
    delete current;
    ui->treeWidget->setCurrentItem(templateItem->childCount() > 0 ? templateItem->child(0)
                                                                  : templateItem);
}

void SectionDialog::on_newTemplateButton_clicked()
{
    bool accepted = false;
    const QString name = QInputDialog::getText(this, tr("input"),
                                               tr("please input the name of the created template!"),
                                               QLineEdit::Normal, QString(), &accepted);
    if (!accepted || name.isEmpty())
        return;
    const QString problem = nameProblem(name);
    if (!problem.isEmpty()) {
        messages::warning(this, tr("warning"), problem);
        return;
    }
    if (isNameInUse(name)) {
        messages::warning(this, tr("warning"), tr("the template name is used!"));
        return;
    }
    ui->treeWidget->setCurrentItem(new QTreeWidgetItem(root_, {name}));
}

void SectionDialog::on_delTemplateButton_clicked()
{
    QTreeWidgetItem* current = ui->treeWidget->currentItem();
    switch (levelOf(current)) {
    case TemplateLevel:
        delete current;
        break;
    case BreakLevel:
        delete current->parent();
        break;
    default:
        messages::warning(this, tr("warning"), tr("please select a template to delete!"));
        break;
    }
}

// Ok: the tree, in its order, replaces the road's templates.
void SectionDialog::on_okButton_clicked()
{
    const RoadSnapshot before;
    theRoad.ClearTemplate();
    for (int i = 0; i < root_->childCount(); ++i) {
        const QTreeWidgetItem* templateItem = root_->child(i);
        RoadTemplate t;
        t.name = narrowtext::fromQString(templateItem->text(0));
        for (int j = 0; j < templateItem->childCount(); ++j) {
            const QTreeWidgetItem* breakItem = templateItem->child(j);
            t.items.push_back({breakItem->text(0).toDouble(), breakItem->text(1).toDouble()});
        }
        theRoad.AddTemplate(t);
    }
    theRoad.SetModified(true);
    document_->recordEdit(tr("Apply templates"), before, RoadDocument::CrossSections);
    close();
}

void SectionDialog::on_cancelButton_clicked()
{
    close();
}
