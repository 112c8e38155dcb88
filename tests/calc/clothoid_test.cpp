// Spiral points against published reference points and against a fine
// numerical integration of the clothoid's defining integrals done here.
#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr double kTwoPi = 6.283185307179586;

// Angular difference folded into [-π, π].
double angleBetween(double a, double b)
{
    return std::remainder(a - b, kTwoPi);
}

RoadEntity spiral(double startRadius, double endRadius, double length, double azimuth = 0.0)
{
    RoadEntity e;
    EXPECT_EQ(e.set(3, 0, 0, azimuth, startRadius, endRadius, length, 0), 0);
    return e;
}

struct Local
{
    double u;
    double v;
    double turn;
};

// A point of a spiral that starts at the origin heading along +X.
Local pointAt(const RoadEntity& e, double s)
{
    double x = 0, y = 0, a = 0;
    e.L2XY(e.l1 + s, &x, &y, &a);
    return {x, y, angleBetween(a, e.angle1)};
}

// Composite Simpson integration of u = ∫cos θ, v = ∫sin θ with θ = c·t + K·t²
// (signed curvatures, right turns positive), sampled at every `every` metres.
std::vector<Local> integrate(double c1, double c2, double length, double upTo, int samples)
{
    const double K = (c2 - c1) / (2 * length);
    const auto theta = [&](double t) { return c1 * t + K * t * t; };
    const int stepsPerSample = 20000;
    std::vector<Local> points;
    double u = 0, v = 0;
    const double h = upTo / samples / stepsPerSample;
    double t = 0;
    for (int k = 0; k < samples; ++k) {
        for (int i = 0; i < stepsPerSample / 2; ++i) {
            const double a = theta(t), b = theta(t + h), c = theta(t + 2 * h);
            u += h / 3 * (std::cos(a) + 4 * std::cos(b) + std::cos(c));
            v += h / 3 * (std::sin(a) + 4 * std::sin(b) + std::sin(c));
            t += 2 * h;
        }
        points.push_back({u, v, theta(upTo * (k + 1) / samples)});
    }
    return points;
}

void expectMatchesIntegration(double R1, double R2, double length, double upTo)
{
    const double c1 = R1 != 0 ? 1 / R1 : 0;
    const double c2 = R2 != 0 ? 1 / R2 : 0;
    const int samples = 8;
    const std::vector<Local> exact = integrate(c1, c2, length, upTo, samples);
    const RoadEntity e = spiral(R1, R2, length);
    for (int k = 0; k < samples; ++k) {
        const double s = upTo * (k + 1) / samples;
        const Local p = pointAt(e, s);
        EXPECT_NEAR(p.u, exact[k].u, 1e-8) << "R1 " << R1 << " R2 " << R2 << " s " << s;
        EXPECT_NEAR(p.v, exact[k].v, 1e-8) << "R1 " << R1 << " R2 " << R2 << " s " << s;
        EXPECT_NEAR(p.turn, std::remainder(exact[k].turn, kTwoPi), 1e-12);
    }
}

TEST(SpiralPoint, ClassicTransitionsEndWhereTablesSay)
{
    const Local a = pointAt(spiral(0, 200, 100), 100);
    EXPECT_NEAR(a.turn, 0.25, 1e-12);
    EXPECT_NEAR(a.u, 99.3768, 5e-5);
    EXPECT_NEAR(a.v, 8.2962, 5e-5);

    const Local b = pointAt(spiral(500, 200, 100), 100);
    EXPECT_NEAR(b.u, 98.3678, 5e-5);
    EXPECT_NEAR(b.v, 14.8617, 5e-5);
}

TEST(SpiralPoint, LeftSpiralMirrorsTheRightOne)
{
    const Local right = pointAt(spiral(0, 200, 100), 70);
    const Local left = pointAt(spiral(0, -200, 100), 70);
    EXPECT_DOUBLE_EQ(left.u, right.u);
    EXPECT_DOUBLE_EQ(left.v, -right.v);
    EXPECT_NEAR(left.turn, -right.turn, 1e-15);
}

TEST(SpiralPoint, LargeTurnsMatchNumericalIntegration)
{
    expectMatchesIntegration(0, 30, 150, 150);  // 2.5 rad: the series is 0.33 m off here
    expectMatchesIntegration(0, 50, 300, 300);  // 3 rad
    expectMatchesIntegration(0, 20, 4 * M_PI * 20, 4 * M_PI * 20);  // a full turn, 2π
    expectMatchesIntegration(20, 0, 4 * M_PI * 20, 4 * M_PI * 20);  // curvature falling
    expectMatchesIntegration(300, 30, 120, 120);                    // between two arcs
    expectMatchesIntegration(0, -30, 150, 150);                     // left
    expectMatchesIntegration(-40, -400, 200, 200);
}

TEST(SpiralPoint, OrdinaryTransitionsMatchNumericalIntegration)
{
    expectMatchesIntegration(0, 250, 80, 80);
    expectMatchesIntegration(1000, 300, 100, 100);
    expectMatchesIntegration(0, 1500, 60, 60);
    expectMatchesIntegration(0, 60, 120, 120);  // 1 rad
}

TEST(SpiralPoint, GeometryExtendsBeyondTheEnds)
{
    expectMatchesIntegration(0, 200, 100, 130);
    const RoadEntity e = spiral(0, 200, 100);
    const Local before = pointAt(e, -10);
    EXPECT_NEAR(before.u, -10, 1e-4);
    // A spiral from a straight is odd in s: behind its start it bends the other way.
    EXPECT_NEAR(before.v, -std::pow(10.0, 3) / (6 * 200 * 100), 1e-6);
}

TEST(SpiralPoint, PlacedAtItsStartPointAndAzimuth)
{
    RoadEntity e;
    ASSERT_EQ(e.set(3, 1000, 2000, 0.5, 0, 200, 100, 0), 0);
    e.l1 = 40;
    double x = 0, y = 0, a = 0;
    e.L2XY(140, &x, &y, &a);
    const double u = 99.376804, v = 8.296205;
    EXPECT_NEAR(x, 1000 + u * std::cos(0.5) - v * std::sin(0.5), 1e-5);
    EXPECT_NEAR(y, 2000 + u * std::sin(0.5) + v * std::cos(0.5), 1e-5);
    EXPECT_NEAR(a, 0.75, 1e-12);
}

TEST(SpiralPoint, ConstantCurvatureSpiralFromTheBuildersIsFinite)
{
    RoadSet road;
    road.InsertHorizonPoint(0, 0, 0);
    road.InsertHorizonLine(0.0, 10);
    road.InsertHorizonSpiral(20);  // both curvatures still 0
    ASSERT_EQ(road.ApplyHorizon(), 0);
    const RoadEntity& e = *road.GetHorizon(2);
    EXPECT_NEAR(e.x2, 30, 1e-9);
    EXPECT_NEAR(e.y2, 0, 1e-9);
}

struct ReferencePoint
{
    std::string name;
    double radiusStart;
    double radiusEnd;
    double station;
    double x;
    double y;
    double direction;
};

double readRadius(const std::string& field)
{
    if (field == "inf" || field == "-inf")
        return 0.0;  // a straight end
    return std::stod(field);
}

std::vector<ReferencePoint> readReference()
{
    std::ifstream in(VANTOREL_TEST_DATA "/clothoid-points.csv");
    std::vector<ReferencePoint> points;
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        std::stringstream fields(line);
        std::string f[8];
        for (std::string& field : f)
            std::getline(fields, field, ',');
        points.push_back({f[0], readRadius(f[2]), readRadius(f[3]), std::stod(f[4]),
                          std::stod(f[5]), std::stod(f[6]), std::stod(f[7])});
    }
    return points;
}

TEST(SpiralPoint, AgreesWithPublishedReferencePoints)
{
    const std::vector<ReferencePoint> points = readReference();
    ASSERT_EQ(points.size(), 808u);
    for (const ReferencePoint& p : points) {
        // Their frame turns counter-clockwise with a positive radius turning
        // left: mirror it into ours.
        const RoadEntity e = spiral(-p.radiusStart, -p.radiusEnd, 100.0);
        const Local q = pointAt(e, p.station);
        ASSERT_NEAR(q.u, p.x, 1e-8) << p.name << " at " << p.station;
        ASSERT_NEAR(q.v, -p.y, 1e-8) << p.name << " at " << p.station;
        // Some published directions carry only six decimals.
        ASSERT_NEAR(q.turn, -p.direction, 1e-6) << p.name << " at " << p.station;
    }
}

}  // namespace
