// File → Print… and File → Export PDF…: each asks what to put on paper — the
// drawing on screen, or the table of the stake points the stake export is
// set up for — then for the printer or the file, and sends the pages.
#ifndef VANTOREL_PRINTING_PRINTCOMMANDS_H
#define VANTOREL_PRINTING_PRINTCOMMANDS_H

class QWidget;
class SurveyView;

namespace printing {

// `view` is the drawing on screen; `window` parents the dialogs and holds
// the export dialog whose settings a table takes.
void print(QWidget* window, SurveyView& view);
void exportPdf(QWidget* window, SurveyView& view);

}  // namespace printing

#endif  // VANTOREL_PRINTING_PRINTCOMMANDS_H
