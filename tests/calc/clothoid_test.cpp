// Spiral points against published reference points and against a fine
// numerical integration of the clothoid's defining integrals done here.
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

// Composite Simpson integration of u = ∫cos θ, v = ∫sin θ with
// θ = c1·t + (c2 − c1)·t² / (2·length), checked at eight points up to `upTo`.
void expectMatchesIntegration(double R1, double R2, double length, double upTo)
{
    const double c1 = R1 != 0 ? 1 / R1 : 0;
    const double c2 = R2 != 0 ? 1 / R2 : 0;
    const auto theta = [&](double t) { return c1 * t + (c2 - c1) / (2 * length) * t * t; };
    const int samples = 8, stepsPerSample = 20000;
    const double h = upTo / samples / stepsPerSample;
    double u = 0, v = 0, t = 0;
    for (int k = 1; k <= samples; ++k) {
        for (int i = 0; i < stepsPerSample / 2; ++i, t += 2 * h) {
            const double a = theta(t), b = theta(t + h), c = theta(t + 2 * h);
            u += h / 3 * (std::cos(a) + 4 * std::cos(b) + std::cos(c));
            v += h / 3 * (std::sin(a) + 4 * std::sin(b) + std::sin(c));
        }
        const double s = upTo * k / samples;
        const Local p = spiralPoint(R1, R2, length, s);
        EXPECT_NEAR(p.u, u, 1e-8) << "R1 " << R1 << " R2 " << R2 << " s " << s;
        EXPECT_NEAR(p.v, v, 1e-8) << "R1 " << R1 << " R2 " << R2 << " s " << s;
        EXPECT_NEAR(p.turn, std::remainder(theta(s), 2 * kPi), 1e-12) << R1 << " " << R2;
    }
}

TEST(SpiralPoint, MatchesNumericalIntegrationForAnyTurnUpToAFullCircle)
{
    // Start radius, end radius, length: ordinary transitions up to 1 rad, then
    // 2.5 and 3 rad, left turns, a full turn both ways, and one between arcs.
    const double cases[][3] = {{0, 250, 80},      {1000, 300, 100}, {0, 1500, 60},
                               {0, 60, 120},      {0, 30, 150},     {0, 50, 300},
                               {0, -30, 150},     {-40, -400, 200}, {0, 20, 80 * kPi},
                               {20, 0, 80 * kPi}, {300, 30, 120}};
    for (const auto& [R1, R2, length] : cases)
        expectMatchesIntegration(R1, R2, length, length);
    expectMatchesIntegration(0, 200, 100, 130);  // the geometry goes on past the end

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
        ASSERT_NEAR(q.u, std::stod(f[5]), 1e-8) << f[0] << " at " << station;
        ASSERT_NEAR(q.v, -std::stod(f[6]), 1e-8) << f[0] << " at " << station;
        // Some published directions carry only six decimals.
        ASSERT_NEAR(q.turn, -std::stod(f[7]), 1e-6) << f[0] << " at " << station;
    }
    EXPECT_EQ(points, 808);
}

}  // namespace
