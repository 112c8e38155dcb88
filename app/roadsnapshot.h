#ifndef VANTOREL_ROADSNAPSHOT_H
#define VANTOREL_ROADSNAPSHOT_H

#include "roadset.h"

// theRoad as it is now, with the library's version statics. Whatever fails
// part-way — an open, an import, an apply — puts the road back from it, so
// that no half-replaced road is drawn or saved.
class RoadSnapshot
{
public:
    RoadSnapshot();
    void restore() const;
    const RoadSet& road() const { return road_; }

private:
    RoadSet road_;
    int fileVer_;
    RoadSet::Version ver_;
};

#endif  // VANTOREL_ROADSNAPSHOT_H
