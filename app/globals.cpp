#include "globals.h"

RoadSet theRoad;
MainWindow* theMainWindow = nullptr;
