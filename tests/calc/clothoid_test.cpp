// Spiral points against published reference points and against a
// high-precision numerical integration of the clothoid's defining integrals
// done here, for turns far beyond the published ones.
#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

namespace {

constexpr double kPi = 3.141592653589793;
constexpr double kX = 1000, kY = 2000, kAzimuth = 0.5;  // where the test spirals start

struct Local
{
    double u;  // along the start tangent
    double v;  // to its right
    double turn;
};

// The point s metres along a spiral placed at (kX, kY) heading kAzimuth,
// in the frame of its start point and tangent.
Local spiralPoint(double startRadius, double endRadius, double length, double s)
{
    RoadEntity e;
    EXPECT_EQ(e.set(3, kX, kY, kAzimuth, startRadius, endRadius, length, 0), 0);
    double x = 0, y = 0, a = 0;
    e.L2XY(e.l1 + s, &x, &y, &a);
    const double dx = x - kX, dy = y - kY;
    return {dx * std::cos(kAzimuth) + dy * std::sin(kAzimuth),
            dy * std::cos(kAzimuth) - dx * std::sin(kAzimuth),
            std::remainder(a - kAzimuth, 2 * kPi)};
}

// The clothoid's integrals u = ∫cos θ, v = ∫sin θ with θ = c1·t + (c2 − c1)·t² / (2·length),
// by composite Simpson in long double over steps of about a milliradian of
// phase: a method and a precision of its own, independent of the library's.
Local referencePoint(double c1, double c2, double length, double s)
{
    using Real = long double;
    const Real K = (Real(c2) - c1) / (2 * length);
    // Steps short against both the curvature and the rate it changes at.
    const Real scale =
        std::max(std::fabs(Real(c1)), std::fabs(c1 + 2 * K * s)) + std::sqrt(std::fabs(K));
    const int steps = 2 * (1 + static_cast<int>(scale * std::fabs(s) / 2e-3L));  // even
    const Real h = Real(s) / steps;
    Real u = 0, v = 0;
    for (int i = 0; i <= steps; ++i) {
        const Real t = i * h, theta = (c1 + K * t) * t;
        const int weight = i == 0 || i == steps ? 1 : 2 + 2 * (i % 2);
        u += weight * std::cos(theta);
        v += weight * std::sin(theta);
    }
    return {double(u * h / 3), double(v * h / 3), double((c1 + K * s) * s)};
}

void expectWithinATenthOfANanometre(double R1, double R2, double length, double upTo)
{
    for (int k = 1; k <= 10; ++k) {
        const double s = upTo * k / 10 - 0.37;  // not only round stations
        const Local p = spiralPoint(R1, R2, length, s);
        const Local q = referencePoint(R1 != 0 ? 1 / R1 : 0, R2 != 0 ? 1 / R2 : 0, length, s);
        EXPECT_LT(std::hypot(p.u - q.u, p.v - q.v), 1e-10)
            << "R1 " << R1 << " R2 " << R2 << " length " << length << " s " << s;
        EXPECT_NEAR(p.turn, std::remainder(q.turn, 2 * kPi), 1e-12) << R1 << " " << R2;
    }
}

TEST(SpiralPoint, WithinATenthOfANanometreForAnyTurnUpToAFullCircle)
{
    // From and to a straight, and between arcs (the smaller curvature a
    // fraction of the larger), both ways round, turning up to 2π in all.
    for (const double turn : {0.05, 0.3, 1.0, 2.5, 4.0, 2 * kPi}) {
        for (const double length : {30.0, 300.0}) {
            for (const double fraction : {0.0, 0.2, 0.9, 0.999}) {
                const double larger = 2 * turn / (length * (1 + fraction));
                const double R = 1 / larger, r = fraction > 0 ? R / fraction : 0;
                for (const double side : {1.0, -1.0}) {
                    expectWithinATenthOfANanometre(side * r, side * R, length, length);
                    expectWithinATenthOfANanometre(side * R, side * r, length, length);
                }
            }
        }
    }
    // Far from the inflection point: nearly a circle, turning 0.1 rad.
    expectWithinATenthOfANanometre(1000, 990, 100, 100);
    expectWithinATenthOfANanometre(0, 200, 100, 130);  // the geometry goes on past the end

    // A spiral from a straight is odd in s: behind its start it bends the other way.
    const Local before = spiralPoint(0, 200, 100, -10);
    EXPECT_NEAR(before.u, -10, 1e-4);
    EXPECT_NEAR(before.v, -std::pow(10.0, 3) / (6 * 200 * 100), 1e-6);
}

TEST(SpiralPoint, ConstantCurvatureSpiralFromTheBuildersIsFinite)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    road.InsertHorizonLine(0.0, 10);
    road.InsertHorizonSpiral(20);  // both curvatures still 0
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_NEAR(road.GetHorizon(2)->x2, 30, 1e-9);
    EXPECT_NEAR(road.GetHorizon(2)->y2, 0, 1e-9);
}

double readRadius(const std::string& field)
{
    return field == "inf" || field == "-inf" ? 0.0 : std::stod(field);  // inf: a straight end
}

TEST(SpiralPoint, AgreesWithPublishedReferencePoints)
{
    std::ifstream in(VANTOREL_TEST_DATA "/clothoid-points.csv");
    std::string line;
    std::getline(in, line);  // header
    int points = 0;
    for (; std::getline(in, line); ++points) {
        // case, length, radius at start and end, station, x, y, direction
        std::stringstream fields(line);
        std::string f[8];
        for (std::string& field : f)
            std::getline(fields, field, ',');
        const double station = std::stod(f[4]);
        // Their frame turns counter-clockwise with a positive radius turning
        // left: mirror it into ours.
        const Local q = spiralPoint(-readRadius(f[2]), -readRadius(f[3]), 100.0, station);
        ASSERT_NEAR(q.u, std::stod(f[5]), 1e-10) << f[0] << " at " << station;
        ASSERT_NEAR(q.v, -std::stod(f[6]), 1e-10) << f[0] << " at " << station;
        // Some published directions carry only six decimals.
        ASSERT_NEAR(q.turn, -std::stod(f[7]), 1e-6) << f[0] << " at " << station;
    }
    EXPECT_EQ(points, 808);
}

}  // namespace
