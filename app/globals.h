// The program's two process-wide objects: the one road it edits and the
// main window that dialogs and views call back through.
#ifndef VANTOREL_GLOBALS_H
#define VANTOREL_GLOBALS_H

#include "roadset.h"

class MainWindow;

extern RoadSet theRoad;
extern MainWindow* theMainWindow;

#endif  // VANTOREL_GLOBALS_H
