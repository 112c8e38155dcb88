#include "axisticks.h"

#include <cmath>

namespace axisticks {

namespace {

// A nice step is mantissa · 10^exponent with mantissa 1, 2 or 5.
struct Nice
{
    int mantissa;
    int exponent;
    double value() const { return mantissa * std::pow(10.0, exponent); }
};

Nice niceAtLeast(double minimum)
{
    int exponent = static_cast<int>(std::floor(std::log10(minimum)));
    for (;; ++exponent)
        for (const int mantissa : {1, 2, 5})
            if (Nice{mantissa, exponent}.value() >= minimum * (1.0 - 1e-12))
                return {mantissa, exponent};
}

}  // namespace

double niceStep(double minimum)
{
    if (!(minimum > 0.0) || !std::isfinite(minimum))
        return minimum;
    return niceAtLeast(minimum).value();
}

double nextStep(double step)
{
    return niceStep(step * 1.5);
}

int decimalsFor(double step)
{
    if (!(step > 0.0) || step >= 1.0)
        return 0;
    return -niceAtLeast(step).exponent;
}

std::vector<double> ticks(double from, double to, double step)
{
    std::vector<double> values;
    if (!(step > 0.0) || !(from <= to))
        return values;
    const double first = std::ceil(from / step - 1e-9);
    const double last = std::floor(to / step + 1e-9);
    for (double k = first; k <= last; ++k)
        values.push_back(k * step);
    return values;
}

}  // namespace axisticks
