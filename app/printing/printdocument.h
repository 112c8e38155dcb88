// What a print or a PDF holds: the pages of a drawing or of a stake table,
// laid out for the device they go to.
#ifndef VANTOREL_PRINTING_PRINTDOCUMENT_H
#define VANTOREL_PRINTING_PRINTDOCUMENT_H

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QPainter;

class PrintDocument
{
public:
    virtual ~PrintDocument() = default;

    // What the pages show, for the file's name and the printer's queue.
    virtual QString title() const = 0;
    // The orientation that suits the pages best.
    virtual QPageLayout::Orientation orientation() const = 0;
    // Lays the pages out for the device as it is set up now; their number.
    virtual int layOut(const QPagedPaintDevice& device) = 0;
    // Page `page` counted from 0, after layOut.
    virtual void paint(QPainter& painter, int page) const = 0;
};

#endif  // VANTOREL_PRINTING_PRINTDOCUMENT_H
