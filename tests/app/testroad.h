// The example road and the small file helpers the GUI tests share.
#ifndef VANTOREL_TESTS_TESTROAD_H
#define VANTOREL_TESTS_TESTROAD_H

#include "globals.h"

#include <QFile>

// A 4.1 km road: straights, spiral-arc-spirals of radius 800, 600, 1200 and
// 500, a profile of six points, templates "Fill" and "Cut" in six sections.
inline bool loadExampleRoad()
{
    theRoad.NewRoad();
    return theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod");
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
