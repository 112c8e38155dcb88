#include "elementmarks.h"

#include <QCoreApplication>

namespace elementmarks {

namespace {

QString mark(const char* text)
{
    return QCoreApplication::translate("ElementMarks", text);
}

}  // namespace

QString jointMark(int before, int after)
{
    if (before == Start)
        return mark(QT_TRANSLATE_NOOP("ElementMarks", "QD"));
    if (after == None)
        return mark(QT_TRANSLATE_NOOP("ElementMarks", "ZD"));
    static const struct
    {
        int before, after;
        const char* text;
    } kJoints[] = {
        {Line, Spiral, QT_TRANSLATE_NOOP("ElementMarks", "ZH")},
        {Spiral, Arc, QT_TRANSLATE_NOOP("ElementMarks", "HY")},
        {Arc, Spiral, QT_TRANSLATE_NOOP("ElementMarks", "YH")},
        {Spiral, Line, QT_TRANSLATE_NOOP("ElementMarks", "HZ")},
        {Line, Arc, QT_TRANSLATE_NOOP("ElementMarks", "ZY")},
        {Arc, Line, QT_TRANSLATE_NOOP("ElementMarks", "YZ")},
    };
    for (const auto& joint : kJoints)
        if (joint.before == before && joint.after == after)
            return mark(joint.text);
    if (before == Line && after == Line)
        return QString();
    // Two curves meet: arc and arc, spiral and spiral.
    return mark(QT_TRANSLATE_NOOP("ElementMarks", "GQ"));
}

QString intersectionMark(int number)
{
    return QCoreApplication::translate("ElementMarks", "JD%1").arg(number);
}

}  // namespace elementmarks
