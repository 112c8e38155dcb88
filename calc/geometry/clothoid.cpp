// The clothoid by Gauss–Legendre quadrature of its defining integrals
//   u(s) = ∫₀ˢ cos θ(t) dt,  v(s) = ∫₀ˢ sin θ(t) dt,  θ(t) = rou1·t + K·t²,
// with K = (rou2 − rou1) / (2·length). The power series of cos and sin in θ
// converges too slowly once a spiral turns through much more than a radian
// (loop ramps); quadrature over pieces of bounded phase does not.
#include "clothoid.h"

#include <algorithm>
#include <cmath>

namespace geometry {

namespace {

// Six-point Gauss–Legendre rule on [-1, 1] (symmetric pairs).
constexpr int kHalfRule = 3;
constexpr double kNodes[kHalfRule] = {0.2386191860831969, 0.6612093864662645, 0.9324695142031520};
constexpr double kWeights[kHalfRule] = {0.4679139345726910, 0.3607615730481386, 0.1713244923791703};

// Largest phase change κ·h over one piece; with six nodes this keeps the
// error near 1e-10 m for every spiral up to several full turns.
constexpr double kPhasePerPiece = 1.5;
// Bound on the pieces for stations far outside the element (a secant search
// may probe such stations); accuracy there is of no interest, finiteness is.
constexpr int kMaxPieces = 4096;

}  // namespace

LocalPoint clothoidAt(double rou1, double rou2, double length, double s)
{
    const double K = length != 0.0 ? (rou2 - rou1) / (2.0 * length) : 0.0;
    const auto theta = [rou1, K](double t) { return rou1 * t + K * t * t; };

    const double maxCurvature = std::max(std::fabs(rou1), std::fabs(rou1 + 2.0 * K * s));
    const double phase = std::fabs(s) * maxCurvature;
    const double wanted = std::ceil(phase / kPhasePerPiece);
    const int pieces = wanted >= 1.0 ? static_cast<int>(std::min(wanted, double(kMaxPieces))) : 1;

    const double h = s / pieces;
    double u = 0.0;
    double v = 0.0;
    for (int p = 0; p < pieces; ++p) {
        const double mid = (p + 0.5) * h;
        for (int k = 0; k < kHalfRule; ++k) {
            const double offset = 0.5 * h * kNodes[k];
            const double before = theta(mid - offset);
            const double after = theta(mid + offset);
            u += kWeights[k] * (std::cos(before) + std::cos(after));
            v += kWeights[k] * (std::sin(before) + std::sin(after));
        }
    }
    return {0.5 * h * u, 0.5 * h * v, theta(s)};
}

}  // namespace geometry
