// The intersection-point tab of the horizontal alignment dialog: the PI
// table, the curve of each point, Apply, and the PI files.
#include "horizondialog.h"

#include "curvedesigntext.h"
#include "curvefit.h"
#include "filedialogs.h"
#include "globals.h"
#include "idataimporter.h"
#include "messages.h"
#include "myitemmodel.h"
#include "roaddocument.h"
#include "roadsnapshot.h"
#include "tablecells.h"
#include "ui_horizondialog.h"

#include <QFileDialog>
#include <QKeyEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

constexpr int kNumberDecimals = 3;
constexpr double kNegativeLength = -1e-12;
constexpr double kNoLength = 1e-12;

const char* const kCrossFilesFilter = QT_TRANSLATE_NOOP("HorizonDialog", "Cross Files (*.cross)");
const char* const kCrossFileFilter = QT_TRANSLATE_NOOP("HorizonDialog", "Cross File (*.cross)");
constexpr char kCrossKind[] = "cross";

// The kind a road's intersection point shows in the curve-kind box.
int curveKindOf(const CrossEntity& c)
{
    if (c.arcLen > 0 && (c.spiralLenIn > 0 || c.spiralLenOut > 0))
        return HorizonDialog::SpiralArcSpiralCurve;
    if (c.arcLen > 0)
        return HorizonDialog::ArcCurve;
    if (c.spiralLenIn > 0 && c.spiralLenOut > 0)
        return HorizonDialog::SpiralSpiralCurve;
    return HorizonDialog::NoCurve;
}

QString number(double v)
{
    return QString::number(v, 'f', kNumberDecimals);
}

double cellNumber(const QTableWidget& table, int row, int column)
{
    const QTableWidgetItem* item = table.item(row, column);
    return item ? item->text().toDouble() : 0.0;
}

CrossEntity typedPoint(const QTableWidget& table, int row)
{
    CrossEntity c;
    c.x = cellNumber(table, row, HorizonDialog::XColumn);
    c.y = cellNumber(table, row, HorizonDialog::YColumn);
    return c;
}

// A PI row as Apply converts it. A curve with a radius but no arc length
// gets the arc that makes it turn as far as its legs, and the tangents of
// that curve.
struct DesignedPoint
{
    CrossEntity point;
    bool inner = false;  // between two other points: it may carry a curve
    double legTurn = 0.0;
    bool arcComputed = false;
    ArcFit fit;  // of a computed arc
};

DesignedPoint designedPoint(const QTableWidget& table, int row)
{
    DesignedPoint d;
    CrossEntity& c = d.point;
    c = typedPoint(table, row);
    c.l = row == 0 ? cellNumber(table, row, HorizonDialog::LColumn) : 0.0;
    const QTableWidgetItem* x = table.item(row, HorizonDialog::XColumn);
    if (!x)
        return d;
    const auto curveValue = [x](int role) { return std::fabs(x->data(role).toDouble()); };
    c.radius = curveValue(HorizonDialog::RadiusRole);
    c.arcLen = curveValue(HorizonDialog::ArcLengthRole);
    c.spiralLenIn = curveValue(HorizonDialog::SpiralInRole);
    c.spiralLenOut = curveValue(HorizonDialog::SpiralOutRole);
    c.tangentLenIn = curveValue(HorizonDialog::TangentInRole);
    c.tangentLenOut = curveValue(HorizonDialog::TangentOutRole);
    c.angle = curveValue(HorizonDialog::DeflectionRole);

    d.inner = row > 0 && row < table.rowCount() - 1;
    if (!d.inner)
        return d;
    d.legTurn = legDeflection(typedPoint(table, row - 1), c, typedPoint(table, row + 1));
    // An arc follows from the turn where the kind has one but none was
    // typed: for an arc by its radius, for a spiral-arc-spiral by its radius
    // and spirals (without spirals it has no curve).
    const int kind = x->data(HorizonDialog::KindRole).toInt();
    const bool hasSpirals = c.spiralLenIn > 0.0 || c.spiralLenOut > 0.0;
    d.arcComputed = (kind == HorizonDialog::ArcCurve ||
                     (kind == HorizonDialog::SpiralArcSpiralCurve && hasSpirals)) &&
                    c.radius > 0.0 && c.arcLen < kNoLength;
    if (d.arcComputed) {
        d.fit = fitArc(c.radius, c.spiralLenIn, c.spiralLenOut, d.legTurn);
        c.arcLen = d.fit.arcLength;
        RoadSet::CalTangent(&c);
    }
    return d;
}

// A cell of what follows from the typed values: not for editing.
void setDerivedCell(QTableWidget* table, int row, int column, const QString& text,
                    bool computed = false)
{
    QTableWidgetItem* cell = table->item(row, column);
    if (!cell) {
        cell = new QTableWidgetItem;
        cell->setFlags(cell->flags() & ~Qt::ItemIsEditable);
        table->setItem(row, column, cell);
    }
    cell->setText(text);
    cell->setData(Qt::ForegroundRole,
                  computed ? QVariant(HorizonDialog::kComputedCellColour) : QVariant());
}

}  // namespace

void HorizonDialog::loadCrossTable()
{
    const int count = theRoad.NumberOfCross();
    const QSignalBlocker blocker(ui->crossTable);
    ui->crossTable->setRowCount(count);
    for (int row = 0; row < count; ++row) {
        const CrossEntity& c = *theRoad.GetCross(row);
        QTableWidgetItem* x = tablecells::numberItem(c.x);
        QTableWidgetItem* station = tablecells::numberItem(c.l);
        if (row > 0) {
            tablecells::setBlankLook(station);
            x->setData(KindRole, curveKindOf(c));
            x->setData(RadiusRole, std::fabs(c.radius));
            x->setData(ArcLengthRole, c.arcLen);
            x->setData(SpiralInRole, c.spiralLenIn);
            x->setData(SpiralOutRole, c.spiralLenOut);
            x->setData(TangentInRole, c.tangentLenIn);
            x->setData(TangentOutRole, c.tangentLenOut);
            x->setData(DeflectionRole, c.angle);
        }
        ui->crossTable->setItem(row, XColumn, x);
        ui->crossTable->setItem(row, YColumn, tablecells::numberItem(c.y));
        ui->crossTable->setItem(row, LColumn, station);
    }
    if (count > 0) {
        ui->crossTable->setCurrentCell(0, XColumn);
        showCrossRow(0);
    }
}

// The turn of every point's legs, the arc lengths used and the tangents,
// in the table and, for the current point, in the fields under it.
void HorizonDialog::showCurveDesign()
{
    QTableWidget* table = ui->crossTable;
    const QSignalBlocker blocker(table);
    for (int row = 0; row < table->rowCount(); ++row) {
        const DesignedPoint d = designedPoint(*table, row);
        const CrossEntity& c = d.point;
        const bool arcShown = d.inner && (d.arcComputed ? d.fit.fits : c.arcLen > 0.0);
        setDerivedCell(table, row, DeflectionColumn,
                       d.inner ? curvedesigntext::turnText(d.legTurn) : QString());
        setDerivedCell(table, row, ArcColumn, arcShown ? number(c.arcLen) : QString(),
                       d.arcComputed);
        setDerivedCell(table, row, TangentInColumn, d.inner ? number(c.tangentLenIn) : QString());
        setDerivedCell(table, row, TangentOutColumn, d.inner ? number(c.tangentLenOut) : QString());
        if (row != table->currentRow())
            continue;
        ui->deflectionEdit->setText(table->item(row, DeflectionColumn)->text());
        ui->t1Edit->setText(number(c.tangentLenIn));
        ui->t2Edit->setText(number(c.tangentLenOut));
        // An empty arc length field shows, in grey, the one that is used.
        ui->lengthEdit->setPlaceholderText(d.arcComputed && d.fit.fits ? number(c.arcLen)
                                                                       : QString());
    }
}

void HorizonDialog::on_crossTable_currentCellChanged(int currentRow, int, int, int)
{
    showCrossRow(currentRow);
}

// Shows the curve of a PI row in the fields under the table.
void HorizonDialog::showCrossRow(int row)
{
    const QTableWidgetItem* x = ui->crossTable->item(row, XColumn);
    if (!x)
        return;
    ui->comboBox->setEnabled(row > 0 && row < ui->crossTable->rowCount() - 1);
    ui->radiusEdit->setText(x->data(RadiusRole).toString());
    ui->lengthEdit->setText(x->data(ArcLengthRole).toString());
    ui->length1Edit->setText(x->data(SpiralInRole).toString());
    ui->length2Edit->setText(x->data(SpiralOutRole).toString());
    const int kind = x->data(KindRole).toInt();
    ui->comboBox->setCurrentIndex(kind);
    setArcMode(kind);
    showCurveDesign();
}

void HorizonDialog::on_comboBox_currentIndexChanged(int)
{
    // The start and end points carry no curve.
    const int row = ui->crossTable->currentRow();
    if (row == 0 || row == ui->crossTable->rowCount() - 1)
        ui->comboBox->setCurrentIndex(NoCurve);
    setArcMode(ui->comboBox->currentIndex());
}

void HorizonDialog::setArcMode(int kind)
{
    struct Fields
    {
        bool radius, arcLength, spiralIn, spiralOut;
    };
    static const Fields kFieldsOfKind[] = {{false, false, false, false},
                                           {true, true, false, false},
                                           {true, false, true, true},
                                           {true, true, true, true}};
    if (kind >= NoCurve && kind <= SpiralArcSpiralCurve) {
        const Fields& fields = kFieldsOfKind[kind];
        const std::pair<QLineEdit*, bool> states[] = {{ui->radiusEdit, fields.radius},
                                                      {ui->lengthEdit, fields.arcLength},
                                                      {ui->length1Edit, fields.spiralIn},
                                                      {ui->length2Edit, fields.spiralOut}};
        for (const auto& [field, enabled] : states) {
            field->setEnabled(enabled);
            if (!enabled)
                field->setText("0");
        }
        if (kind != NoCurve)
            ui->comboBox->setEnabled(true);
    }
    if (ui->comboBox->currentIndex() != kind)
        ui->comboBox->setCurrentIndex(kind);
}

// A row that has become the start or end point loses its curve, which would
// otherwise still shift where the alignment begins or ends.
void HorizonDialog::makeEndPoint(int row)
{
    QTableWidgetItem* x = ui->crossTable->item(row, XColumn);
    if (!x)
        return;
    x->setData(KindRole, NoCurve);
    for (int role = RadiusRole; role <= DeflectionRole; ++role)
        x->setData(role, 0.0);
}

void HorizonDialog::on_pushButtonInsert_clicked()
{
    QTableWidget* table = ui->crossTable;
    const int current = table->currentRow();
    const int row = current < 0 ? table->rowCount() : current + 1;
    const bool newLast = row == table->rowCount();
    table->insertRow(row);
    auto* x = new QTableWidgetItem;
    x->setData(KindRole, newLast ? NoCurve : ArcCurve);
    auto* station = new QTableWidgetItem;
    if (row > 0)
        tablecells::setBlankLook(station);
    table->setItem(row, XColumn, x);
    table->setItem(row, YColumn, new QTableWidgetItem);
    table->setItem(row, LColumn, station);
    // The former end point now carries a curve.
    if (newLast && row >= 2) {
        if (QTableWidgetItem* former = table->item(row - 1, XColumn))
            former->setData(KindRole, ArcCurve);
    }
    table->setCurrentCell(row, XColumn);
}

void HorizonDialog::on_pushButtonDelete_clicked()
{
    QTableWidget* table = ui->crossTable;
    const int row = table->currentRow();
    if (row < 0)
        return;
    const int last = table->rowCount() - 1;
    table->removeRow(row);
    if (table->rowCount() == 0)
        return;
    int next = row;
    if (row == 0) {
        makeEndPoint(0);
    } else if (row == last) {
        next = row - 1;
        if (row >= 2)
            makeEndPoint(next);
    }
    table->setCurrentCell(next, XColumn);
    showCrossRow(next);
}

void HorizonDialog::on_pushButtonModify_clicked()
{
    QTableWidgetItem* x = ui->crossTable->item(ui->crossTable->currentRow(), XColumn);
    if (!x)
        return;
    const QString radius = ui->radiusEdit->text();
    const QString arcLength = ui->lengthEdit->text();
    const QString spiralIn = ui->length1Edit->text();
    const QString spiralOut = ui->length2Edit->text();
    const QSignalBlocker blocker(ui->crossTable);
    x->setData(KindRole, ui->comboBox->currentIndex());
    x->setData(RadiusRole, radius);
    x->setData(ArcLengthRole, arcLength);
    x->setData(SpiralInRole, spiralIn);
    x->setData(SpiralOutRole, spiralOut);
    for (const QString& text : {radius, arcLength, spiralIn, spiralOut}) {
        if (text.toDouble() < kNegativeLength) {
            messages::warning(this, tr("warning"), tr("road is wrong defined!"));
            return;
        }
    }
    CrossEntity curve;
    curve.radius = radius.toDouble();
    curve.arcLen = arcLength.toDouble();
    curve.spiralLenIn = spiralIn.toDouble();
    curve.spiralLenOut = spiralOut.toDouble();
    RoadSet::CalTangent(&curve);
    x->setData(TangentInRole, curve.tangentLenIn);
    x->setData(TangentOutRole, curve.tangentLenOut);
    x->setData(DeflectionRole, curve.angle);
    showCurveDesign();
}

void HorizonDialog::on_pushButtonApply_clicked()
{
    const int rows = ui->crossTable->rowCount();
    if (rows < 3) {
        theRoad.ClearCross();
        return;
    }
    std::vector<DesignedPoint> design;
    for (int row = 0; row < rows; ++row) {
        design.push_back(designedPoint(*ui->crossTable, row));
        const DesignedPoint& d = design.back();
        if (d.arcComputed && !d.fit.fits) {
            const CrossEntity& c = d.point;
            messages::warning(
                this, tr("warning"), tr("the %1 intersection point is wrong defined!").arg(row + 1),
                curvedesigntext::noArcReason(d.fit, c.spiralLenIn, c.spiralLenOut, d.legTurn));
            return;
        }
    }

    // A failed conversion must cost the road nothing: the rows stay for
    // correction, the road keeps its alignment.
    const RoadSnapshot before;
    theRoad.ClearCross();
    for (const DesignedPoint& d : design)
        theRoad.InsertCross(d.point);
    int index = 0;
    CrossDiagnosis why;
    if (theRoad.FromCrossWithAdjust(index, why) != 0) {
        // Nothing changed: the element tab keeps what it shows.
        before.restore();
        messages::warning(this, tr("warning"),
                          tr("the %1 intersection point is wrong defined!").arg(index + 1),
                          curvedesigntext::failureReason(why));
        return;
    }
    // The conversion writes the stations back into the points. An arc that
    // followed from the turn of the legs keeps following it.
    std::vector<std::pair<int, QVariant>> computedArcs;
    for (int row = 0; row < rows; ++row) {
        if (design[row].arcComputed)
            computedArcs.emplace_back(row, ui->crossTable->item(row, XColumn)->data(ArcLengthRole));
    }
    loadCrossTable();
    {
        const QSignalBlocker blocker(ui->crossTable);
        for (const auto& [row, typed] : computedArcs)
            ui->crossTable->item(row, XColumn)->setData(ArcLengthRole, typed);
    }
    showCurveDesign();
    model_->LoadRoadData();
    document_->recordEdit(tr("Apply intersection points"), before, RoadDocument::Alignment);
}

void HorizonDialog::on_pushButtonImport_clicked()
{
    if (importers_.isEmpty()) {
        messages::warning(this, tr("No Importer"), tr("No Importer Found!"));
        return;
    }
    QString filter;
    const QString file = QFileDialog::getOpenFileName(this, QString(), QString(),
                                                      importerFilters_.join(";;"), &filter);
    if (file.isEmpty())
        return;
    if (IDataImporter* importer = importers_.value(filter))
        importer->import(&theRoad, &file);
}

void HorizonDialog::on_pushButtonClose_clicked()
{
    close();
    deleteLater();
}

bool HorizonDialog::eventFilter(QObject* object, QEvent* event)
{
    if (object == ui->crossTable && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == (Qt::ControlModifier | Qt::AltModifier)) {
            if (key->key() == Qt::Key_I)
                loadCrossFile();
            else if (key->key() == Qt::Key_O)
                saveCrossFile();
        }
    }
    return QDialog::eventFilter(object, event);
}

void HorizonDialog::loadCrossFile()
{
    const QString path =
        filedialogs::openFileName(this, kCrossKind, tr("Load Cross"), tr(kCrossFilesFilter));
    if (path.isEmpty())
        return;
    // A file that cannot be read must not cost the road its points.
    const RoadSnapshot before;
    if (!theRoad.LoadCross(path.toStdU16String())) {
        before.restore();
        messages::warning(this, tr("warning"), tr("load cross file failed"));
        return;
    }
    filedialogs::rememberDirectory(kCrossKind, path);
    loadCrossTable();
    document_->recordEdit(tr("Load intersection points"), before, RoadDocument::Alignment);
}

void HorizonDialog::saveCrossFile()
{
    const QString path =
        filedialogs::saveFileName(this, tr("Save Cross"), filedialogs::startDirectory(kCrossKind),
                                  tr(kCrossFileFilter), QStringLiteral("cross"));
    if (path.isEmpty())
        return;
    if (!theRoad.SaveCross(path.toStdU16String())) {
        messages::warning(this, tr("warning"), tr("save cross file failed"));
        return;
    }
    filedialogs::rememberDirectory(kCrossKind, path);
}

// ---- The element tab ----
