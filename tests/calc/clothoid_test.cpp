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
    double u, v, turn;  // along the start tangent, to its right, the direction turned
};

// The point s metres along a spiral from (kX, kY) heading kAzimuth, in its start frame.
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

// u = ∫cos θ, v = ∫sin θ, θ = c1·t + (c2 − c1)·t² / (2·length), by Simpson in long double.
Local referencePoint(double c1, double c2, double length, double s)
{
    using Real = long double;
    const Real K = (Real(c2) - c1) / (2 * length);
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
        EXPECT_LT(std::hypot(p.u - q.u, p.v - q.v), 1e-10) << R1 << " " << R2 << " " << length;
        EXPECT_NEAR(p.turn, std::remainder(q.turn, 2 * kPi), 1e-12) << R1 << " " << R2 << " " << s;
    }
}

// From and to a straight and between arcs, both ways round, turning up to 2π; on past the end,
// and behind the start, where it bends the other way. Constant curvature 0 makes a straight.
TEST(SpiralPoint, AgreesWithReferencesForAnyTurnUpToAFullCircle)
{
    for (const double turn : {0.05, 0.3, 1.0, 2.5, 4.0, 2 * kPi})
        for (const double length : {30.0, 300.0})
            for (const double fraction : {0.0, 0.2, 0.9, 0.999})
                for (const double side : {1.0, -1.0}) {
                    const double R = length * (1 + fraction) / (2 * turn);
                    const double r = fraction > 0 ? R / fraction : 0;
                    expectWithinATenthOfANanometre(side * r, side * R, length, length);
                    expectWithinATenthOfANanometre(side * R, side * r, length, length);
                }
    expectWithinATenthOfANanometre(0, 200, 100, 130);
    const Local before = spiralPoint(0, 200, 100, -10);
    EXPECT_NEAR(std::hypot(before.u + 10, (before.v + 1000.0 / (6 * 200 * 100)) * 100), 0, 1e-4);

    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    road.InsertHorizonLine(0.0, 10);
    road.InsertHorizonSpiral(20);  // both curvatures still 0
    ASSERT_EQ(road.ApplyHorizon(), 0);
    EXPECT_NEAR(std::hypot(road.GetHorizon(2)->x2 - 30, road.GetHorizon(2)->y2), 0, 1e-9);

    // Case, length, radii at start and end (inf: a straight end), station, x, y, direction
    // (some to six decimals only), in a frame turning left with a positive radius: mirrored.
    std::ifstream in(VANTOREL_TEST_DATA "/clothoid-points.csv");
    in.ignore(1 << 16, '\n');  // the header
    int points = 0;
    for (std::string line; std::getline(in, line); ++points) {
        std::stringstream fields(line);
        std::string f[8];
        for (std::string& field : f)
            std::getline(fields, field, ',');
        double radii[2] = {-std::stod(f[2]), -std::stod(f[3])};
        for (double& r : radii)
            r = std::isinf(r) ? 0 : r;
        const Local q = spiralPoint(radii[0], radii[1], 100.0, std::stod(f[4]));
        ASSERT_LT(std::hypot(q.u - std::stod(f[5]), q.v + std::stod(f[6])), 1e-10) << line;
        ASSERT_NEAR(q.turn, -std::stod(f[7]), 1e-6) << line;
    }
    EXPECT_EQ(points, 808);
}

}  // namespace
