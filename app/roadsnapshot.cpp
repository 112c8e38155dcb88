#include "roadsnapshot.h"

#include "globals.h"

RoadSnapshot::RoadSnapshot() : road_(theRoad), fileVer_(RoadSet::fileVer), ver_(RoadSet::Ver) {}

void RoadSnapshot::restore() const
{
    theRoad = road_;
    RoadSet::fileVer = fileVer_;
    RoadSet::Ver = ver_;
}
