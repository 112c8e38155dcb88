// Steps for grids, axes and station ticks at "nice" values — 1, 2 or 5
// times a power of ten — and the ticks of such a step within a range.
#ifndef VANTOREL_VIEWS_AXISTICKS_H
#define VANTOREL_VIEWS_AXISTICKS_H

#include <vector>

namespace axisticks {

// The smallest nice step that is not below `minimum`; `minimum` itself when
// it is not a positive finite number.
double niceStep(double minimum);

// The nice step after `step`: 1 → 2 → 5 → 10.
double nextStep(double step);

// How many decimals show every multiple of the nice step exactly: 0 for
// steps of 1 and more, 1 for 0.5, 2 for 0.05.
int decimalsFor(double step);

// The multiples of `step` within [from, to], ascending; each is computed
// from its index, so no rounding accumulates along a long axis.
std::vector<double> ticks(double from, double to, double step);

}  // namespace axisticks

#endif  // VANTOREL_VIEWS_AXISTICKS_H
