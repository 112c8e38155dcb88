// The example road and the small file helpers the GUI tests share.
#ifndef VANTOREL_TESTS_TESTROAD_H
#define VANTOREL_TESTS_TESTROAD_H

#include "globals.h"

#include <QFile>

// 4.1 km: four curves, six grade points, templates "Fill" and "Cut" in six sections.
inline bool loadExampleRoad()
{
    theRoad.NewRoad();
    return theRoad.Load(VANTOREL_EXAMPLES "/example-road.rod");
}

// Every field of every record of the road, one record a line.
inline QString roadFields(const RoadSet& road)
{
    QString text;
    const auto line = [&text](const QString& name, std::initializer_list<double> fields) {
        text += name;
        for (const double v : fields)
            text += ' ' + QString::number(v, 'g', 17);
        text += '\n';
    };
    for (int i = 0; i < road.NumberOfHorizon(); ++i) {
        const RoadEntity& e = *road.GetHorizon(i);
        line("element", {double(e.type), e.radius, e.rou1, e.rou2, e.x1, e.y1, e.x2, e.y2, e.angle1,
                         e.angle2, e.l1, e.length, double(e.pz), double(e.mode)});
    }
    for (int i = 0; i < road.NumberOfCross(); ++i) {
        const CrossEntity& c = *road.GetCross(i);
        line("point", {c.x, c.y, c.l, c.radius, c.arcLen, c.spiralLenIn, c.spiralLenOut,
                       c.tangentLenIn, c.tangentLenOut, c.angle});
    }
    for (int i = 0; i < road.NumberOfVertical(); ++i) {
        const VerticalEntity& v = *road.GetVertical(i);
        line("grade", {v.mile, v.height, v.slope, v.radius, v.tangent});
    }
    for (int i = 0; i < road.NumberOfTemplates(); ++i) {
        const RoadTemplate& t = *road.GetTemplate(i);
        line("template " + QString::fromStdString(t.name), {});
        for (const SectionItem& b : t.items)
            line("break", {b.dist, b.dh});
    }
    for (int i = 0; i < road.NumberOfSections(); ++i) {
        const RoadSection& s = *road.GetSection(i);
        line(QString::fromStdString("section " + s.left + ' ' + s.right), {s.L1, s.L2});
    }
    return text;
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
