// The marks surveyors write at the points where one horizontal element meets
// the next: ZH (straight to spiral), HY (spiral to arc), YH (arc to spiral),
// HZ (spiral to straight), ZY and YZ (straight to arc and back), GQ (where
// two curves meet), QD and ZD at the road's start and end. Translatable, so
// that a locale can write TS, SC, CS, ST … instead.
#ifndef VANTOREL_VIEWS_ELEMENTMARKS_H
#define VANTOREL_VIEWS_ELEMENTMARKS_H

#include <QString>

namespace elementmarks {

// Element type codes as the road holds them.
enum Type { Start = 0, Line = 1, Arc = 2, Spiral = 3, None = -1 };

// The mark of the joint after an element of type `before` and before one of
// type `after` (None at the road's end); empty where a straight meets a
// straight.
QString jointMark(int before, int after);

// The mark of the intersection point `number` (1, 2, …): "JD1".
QString intersectionMark(int number);

}  // namespace elementmarks

#endif  // VANTOREL_VIEWS_ELEMENTMARKS_H
