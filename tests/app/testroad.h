// The road and the small file helpers the GUI tests share.
#ifndef VANTOREL_TESTS_TESTROAD_H
#define VANTOREL_TESTS_TESTROAD_H

#include "globals.h"

#include <QByteArray>
#include <QFile>
#include <QString>

// Fills theRoad with a line of 200 m heading north-east from station 1000,
// a right arc of radius 300 over 150 m and a left spiral into a straight
// over 80 m (four elements with the start point), and a profile of two points.
inline void makeTestRoad()
{
    theRoad.NewRoad();
    theRoad.InsertHorizonPoint(3380000, 500000, 1000);
    RoadEntity e;
    e.set(1, 3380000, 500000, 0.5, 0, 0, 200, 0);
    e.l1 = 1000;
    theRoad.InsertHorizon(e);
    e.set(2, 0, 0, 0, 300, 300, 150, 0);
    theRoad.InsertHorizon(e);
    e.set(3, 0, 0, 0, 0, -400, 80, 0);
    theRoad.InsertHorizon(e);
    theRoad.ApplyHorizon();
    VerticalEntity v;
    v.mile = 1000;
    v.height = 50;
    theRoad.InsertVertical(v);
    v.mile = 1430;
    v.height = 53;
    theRoad.InsertVertical(v);
    theRoad.ApplyVertical();
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

#endif  // VANTOREL_TESTS_TESTROAD_H
