#include "printcommands.h"

#include "drawingpage.h"
#include "globals.h"
#include "messages.h"
#include "pagerun.h"
#include "stakeexportrun.h"
#include "staketablepages.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>

#include <memory>

namespace {

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(Printing)
};

// The stake table of the export's settings; null (after a message) when
// the road gives none.
std::unique_ptr<PrintDocument> stakeTable(QWidget* window, const StakeExportRun& settings)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    StakeOutStatus status = StakeOutStatus::Done;
    StakeTable table(theRoad, settings, status);
    QApplication::restoreOverrideCursor();
    switch (status) {
    case StakeOutStatus::Done:
        return std::make_unique<StakeTablePages>(std::move(table), settings.summary());
    case StakeOutStatus::IntervalTooSmall:
        messages::warning(
            window, Text::tr("Vantorel"),
            Text::tr("The stake export's interval is too small; set it in Tool → Export."));
        return nullptr;
    case StakeOutStatus::NotANumber:
    case StakeOutStatus::WalkBroken:
        break;
    }
    messages::warning(window, Text::tr("Vantorel"),
                      Text::tr("The road gives no sound stakes from the export's Start on."));
    return nullptr;
}

// Asks what to print; null when the user cancels or there is nothing. The
// table's settings are read before the question, which names them.
std::unique_ptr<PrintDocument> chooseDocument(QWidget* window, SurveyView& view,
                                              const QString& caption)
{
    const std::optional<StakeExportRun> settings = currentStakeExportRun(window);
    const QStringList choices = {
        Text::tr("%1 as drawn on screen").arg(drawingTitle(view)),
        Text::tr("Stake-out table: %1")
            .arg(settings ? settings->summary() : Text::tr("Tool → Export"))};
    bool chosen = false;
    const QString choice = QInputDialog::getItem(window, caption, Text::tr("What to print:"),
                                                 choices, 0, false, &chosen);
    if (!chosen)
        return nullptr;
    if (choice == choices[0])
        return std::make_unique<DrawingPage>(view);
    return settings ? stakeTable(window, *settings) : nullptr;
}

// Where a PDF of the document goes first: beside the road file, named
// after it and the document.
QString suggestedPdfPath(const PrintDocument& document)
{
    const QFileInfo road(QString::fromLocal8Bit(theRoad.FilePath()));
    if (road.fileName().isEmpty())
        return document.title() + ".pdf";
    return road.absolutePath() + '/' + road.completeBaseName() + " - " + document.title() + ".pdf";
}

}  // namespace

void printing::print(QWidget* window, SurveyView& view)
{
    const std::unique_ptr<PrintDocument> document = chooseDocument(window, view, Text::tr("Print"));
    if (!document)
        return;
    QPrinter printer(QPrinter::HighResolution);
    PageFrame::setUpPages(printer, document->orientation());
    printer.setDocName(document->title());
    QPrintDialog dialog(&printer, window);
    dialog.setMinMax(1, document->layOut(printer));
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int pages = document->layOut(printer);
    if (paintPages(printer, *document, selectedPages(printer.pageRanges(), pages), window) ==
        PageRun::Failed)
        messages::critical(window, Text::tr("Print Failed"),
                           Text::tr("The pages could not be printed."));
}

void printing::exportPdf(QWidget* window, SurveyView& view)
{
    const std::unique_ptr<PrintDocument> document =
        chooseDocument(window, view, Text::tr("Export PDF"));
    if (!document)
        return;
    QString path = QFileDialog::getSaveFileName(
        window, Text::tr("Export PDF"), suggestedPdfPath(*document), Text::tr("PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".pdf";

    // The file is replaced only by a complete PDF; a cancelled one leaves
    // no trace.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        messages::critical(window, Text::tr("Export Failed"),
                           Text::tr("Cannot write %1:\n%2").arg(path, file.errorString()));
        return;
    }
    QPdfWriter writer(&file);
    PageFrame::setUpPages(writer, document->orientation());
    writer.setTitle(document->title() + " - " + roadFileName());
    writer.setCreator(QStringLiteral("Vantorel"));
    const int pages = document->layOut(writer);
    const PageRun run = paintPages(writer, *document, selectedPages(QPageRanges(), pages), window);
    if (run != PageRun::Done)
        file.cancelWriting();
    if (run == PageRun::Cancelled)
        return;
    if (run == PageRun::Failed || !file.commit()) {
        messages::critical(window, Text::tr("Export Failed"),
                           Text::tr("Cannot write %1:\n%2").arg(path, file.errorString()));
        return;
    }
    messages::information(window, Text::tr("info"),
                          Text::tr("The PDF was written to %1 (pages: %2).").arg(path).arg(pages));
}
