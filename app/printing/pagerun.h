// Paints the pages of a document on a printer or a PDF writer, one after the
// other, under a progress dialog that appears when the run takes a while and
// offers Cancel: a table of thousands of pages keeps the program answering.
#ifndef VANTOREL_PRINTING_PAGERUN_H
#define VANTOREL_PRINTING_PAGERUN_H

#include <QList>
#include <QPageRanges>

class PrintDocument;
class QPagedPaintDevice;
class QWidget;

// The pages, counted from 0, that a print dialog's page ranges (counted from
// 1; none for all) select among `pages`.
QList<int> selectedPages(const QPageRanges& ranges, int pages);

enum class PageRun { Done, Cancelled, Failed };

// Paints the document's `pages`, laid out for the device. When the user
// cancels, a printer drops the job.
PageRun paintPages(QPagedPaintDevice& device, const PrintDocument& document,
                   const QList<int>& pages, QWidget* parent);

#endif  // VANTOREL_PRINTING_PAGERUN_H
