#include "pagerun.h"

#include "printdocument.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPrinter>
#include <QProgressDialog>

namespace {

constexpr int kShowProgressAfterMs = 400;

// The context of this file's texts, as lupdate sees it too.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(PageRun)
};

}  // namespace

QList<int> selectedPages(const QPageRanges& ranges, int pages)
{
    QList<int> selected;
    for (int page = 1; page <= pages; ++page)
        if (ranges.isEmpty() || ranges.contains(page))
            selected << page - 1;
    return selected;
}

PageRun paintPages(QPagedPaintDevice& device, const PrintDocument& document,
                   const QList<int>& pages, QWidget* parent)
{
    QPainter painter;
    if (!painter.begin(&device))
        return PageRun::Failed;
    QProgressDialog progress(QString(), Text::tr("Cancel"), 0, static_cast<int>(pages.size()),
                             parent);
    progress.setWindowTitle(document.title());
    // Nothing else may change the road or the windows while pages go out.
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(kShowProgressAfterMs);
    for (int i = 0; i < pages.size(); ++i) {
        progress.setLabelText(Text::tr("Page %1 of %2").arg(i + 1).arg(pages.size()));
        progress.setValue(i);  // lets the program answer, Cancel included
        if (progress.wasCanceled()) {
            if (auto* printer = dynamic_cast<QPrinter*>(&device))
                printer->abort();
            painter.end();
            return PageRun::Cancelled;
        }
        if (i > 0 && !device.newPage())
            return PageRun::Failed;
        document.paint(painter, pages[i]);
    }
    progress.setValue(static_cast<int>(pages.size()));
    return painter.end() ? PageRun::Done : PageRun::Failed;
}
