// The clothoid u(s) + i·v(s) = ∫₀ˢ e^{iθ(t)} dt, θ(t) = rou1·t + K·t², with
// K = (rou2 − rou1) / (2·length).
//
// Completing the square about the inflection point, where the curvature of
// the whole clothoid is zero, θ(t) = K·(t + τ₀)² − K·τ₀² with τ₀ = rou1/(2K),
// turns the integral into the difference of one function of one variable:
//
//   u + iv = e^{−iKτ₀²} · (Φ(k·(τ₀ + s)) − Φ(k·τ₀)) / k,   k = √|K|,
//   Φ(x) = ∫₀ˣ e^{±iy²} dy = Σₙ (±i)ⁿ · x^{2n+1} / (n!·(2n+1)),
//
// the sign being that of K. x² is the turn of the tangent counted from the
// inflection point, at most a few radians for any road spiral, so the series
// needs a dozen terms for an ordinary transition and a few dozen for a loop,
// summed by Horner's rule without a sine or cosine. The rotation e^{−iKτ₀²}
// is left to the placement in the world, which turns the point anyway.
//
// The terms grow to about e^{x²} before they fall, so far from the
// inflection point (a spiral between arcs of nearly equal radius, a station
// far beyond the element) the sum would lose digits; there Gauss–Legendre
// quadrature over pieces of bounded phase takes over.
#include "clothoid.h"

#include "arc.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace geometry {

namespace {

// --- The series ---------------------------------------------------------

// The coefficients 1 / (n!·(2n+1)) of the series above, even n for the
// real part and odd n for the imaginary part.
constexpr int kMaxIndex = 56;  // highest n ever summed
struct SeriesCoefficients
{
    double real[kMaxIndex / 2 + 1];
    double imag[kMaxIndex / 2 + 1];
};

constexpr SeriesCoefficients seriesCoefficients()
{
    SeriesCoefficients c{};
    double factorial = 1.0;
    for (int n = 0; n <= kMaxIndex; ++n) {
        if (n > 0)
            factorial *= n;
        const double coefficient = 1.0 / (factorial * (2 * n + 1));
        if (n % 2 == 0)
            c.real[n / 2] = coefficient;
        else
            c.imag[n / 2] = coefficient;
    }
    return c;
}
constexpr SeriesCoefficients kSeries = seriesCoefficients();

// The series is summed for x² up to kSeriesLimit, in bins of x² of width
// 1/kBinsPerRadian; each bin knows how many terms it needs and how much its
// terms outgrow the sum (e^{x²}, the bound on Σ|terms| / |x|).
constexpr double kSeriesLimit = 7.0;
constexpr int kBinsPerRadian = 8;
constexpr int kBins = static_cast<int>(kSeriesLimit) * kBinsPerRadian;
// Relative size of the first term left out.
constexpr double kTruncation = 1e-17;

struct SeriesBin
{
    int lastIndex;  // n of the last term summed
    double growth;  // e^{x²} at the bin's top
};

constexpr SeriesBin seriesBin(double top)
{
    // Terms T^n / (n!·(2n+1)) with T = x²: sum until one falls below
    // kTruncation. Their sizes without the 2n+1 add up to the growth.
    double power = 1.0;
    double growth = 1.0;
    int n = 0;
    while (power / (2 * n + 1) >= kTruncation || n < 2) {
        ++n;
        power *= top / n;
        growth += power;
    }
    return {n - 1, growth};
}

struct SeriesBins
{
    SeriesBin bin[kBins];
};

constexpr SeriesBins seriesBins()
{
    SeriesBins b{};
    for (int i = 0; i < kBins; ++i)
        b.bin[i] = seriesBin(static_cast<double>(i + 1) / kBinsPerRadian);
    return b;
}
constexpr SeriesBins kBinTable = seriesBins();
static_assert(kBinTable.bin[kBins - 1].lastIndex <= kMaxIndex, "the table holds every term");

inline const SeriesBin& binOf(double xx)
{
    // NaN takes the last bin: the sum is NaN whatever it holds.
    return kBinTable
        .bin[xx >= 0.0 && xx < kSeriesLimit ? static_cast<int>(xx * kBinsPerRadian) : kBins - 1];
}

struct Complex
{
    double re;
    double im;
};

// c[0] + c[1]·w + … + c[m]·w^m, summed in pairs c[j] + c[j+1]·w by Horner's
// rule in w², so that only half the steps wait for each other.
inline double polynomial(const double* c, int m, double w)
{
    const double ww = w * w;
    double p = m % 2 == 0 ? c[m] : c[m - 1] + c[m] * w;
    for (int j = m - 2 - m % 2; j >= 0; j -= 2)
        p = p * ww + (c[j] + c[j + 1] * w);
    return p;
}

// ∫₀^τ e^{iKt²} dt = Φ(kτ) / k = τ·Σ_m (−T²)^m / ((2m)!·(4m+1))
//                              + i·τ·T·Σ_m (−T²)^m / ((2m+1)!·(4m+3)),
// with T = Kτ², the turn from the inflection point; |T| ≤ kSeriesLimit.
inline Complex fromInflection(double K, double tau)
{
    const double T = K * tau * tau;
    const double w = -T * T;
    const int last = binOf(std::fabs(T)).lastIndex;
    return {tau * polynomial(kSeries.real, last / 2, w),
            tau * T * polynomial(kSeries.imag, (last - 1) / 2, w)};
}

// Where the series sum may lose more than this many metres to rounding, the
// quadrature is used.
constexpr double kSeriesRoundoff = 2e-11;
constexpr double kRoundoff = std::numeric_limits<double>::epsilon() / 2.0;

// --- The quadrature -----------------------------------------------------

// Six-point Gauss–Legendre rule on [-1, 1] (symmetric pairs).
constexpr int kHalfRule = 3;
constexpr double kNodes[kHalfRule] = {0.2386191860831969, 0.6612093864662645, 0.9324695142031520};
constexpr double kWeights[kHalfRule] = {0.4679139345726910, 0.3607615730481386, 0.1713244923791703};

// Largest phase change over one piece of the quadrature.
constexpr double kPhasePerPiece = 0.5;
// Bound on the pieces, enough for 32 rad of phase; beyond that (stations
// far outside the element) accuracy is of no interest, finiteness is.
constexpr int kMaxPieces = 64;

LocalPoint byQuadrature(double rou1, double K, double s)
{
    const auto theta = [rou1, K](double t) { return rou1 * t + K * t * t; };
    const double maxCurvature = std::max(std::fabs(rou1), std::fabs(rou1 + 2.0 * K * s));
    const double wanted = std::ceil(std::fabs(s) * maxCurvature / kPhasePerPiece);
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

}  // namespace

LocalPoint clothoidAt(double rou1, double rou2, double length, double s)
{
    const double K = length != 0.0 ? (rou2 - rou1) / (2.0 * length) : 0.0;
    if (K == 0.0)
        return arcAt(rou1 != 0.0 ? 1.0 / rou1 : 0.0, s);

    // The start, seen from the inflection point (a transition from a straight starts there).
    const double tau0 = rou1 != 0.0 ? rou1 / (2.0 * K) : 0.0;
    const double tau1 = tau0 + s;
    // NaN fails the comparison as well.
    const double far = std::fabs(K) * (tau0 * tau0 > tau1 * tau1 ? tau0 * tau0 : tau1 * tau1);
    if (!(far < kSeriesLimit) ||
        kRoundoff * binOf(far).growth * std::max(std::fabs(tau0), std::fabs(tau1)) >
            kSeriesRoundoff)
        return byQuadrature(rou1, K, s);

    const Complex end = fromInflection(K, tau1);
    const Complex start = tau0 != 0.0 ? fromInflection(K, tau0) : Complex{0.0, 0.0};
    LocalPoint p;
    p.u = end.re - start.re;
    p.v = end.im - start.im;
    p.turn = s * (rou1 + K * s);
    p.frame = -K * tau0 * tau0;
    return p;
}

}  // namespace geometry
