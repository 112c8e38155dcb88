#include "roadset.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

constexpr double kTwoPi = 6.283185307179586;

double dmsAngle(double degrees, double minutes, double seconds)
{
    return deg2rad(degrees + minutes / 60.0 + seconds / 3600.0);
}

TEST(Rad2Dms, PacksDegreesMinutesAndSecondsWithinOneTurn)
{
    // 359.99999999° goes through every carry; angles wrap into one turn.
    const std::pair<double, double> cases[] = {{deg2rad(30.5), 30.3},
                                               {deg2rad(12.3456789), 12.2044444},
                                               {deg2rad(359.99999999), 360.0},
                                               {kTwoPi, 360.0},
                                               {-0.1, 354.1613519},
                                               {kTwoPi + deg2rad(30.5), 30.3}};
    for (const auto& [radians, packed] : cases)
        EXPECT_DOUBLE_EQ(rad2dms(radians), packed) << radians;
    EXPECT_TRUE(std::isnan(rad2dms(std::nan(""))));  // non-finite input comes back, no hang
}

TEST(Rad2Dms, NeverShowsSixtyMinutesOrSecondsAndRoundTrips)
{
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> turn(0.0, kTwoPi);
    for (int i = 0; i < 20000; ++i) {
        // Half of the angles sit exactly on whole seconds, where binary
        // fractions are most likely to fall just short of a digit.
        const double a = i % 2 ? turn(random) : dmsAngle(i % 360, (i / 7) % 60, (i / 3) % 60);
        const double packed = rad2dms(a);
        const long long digits = std::llround(packed * 1e7);  // dddmmss.sss as printed
        ASSERT_LT(digits / 100000 % 100, 60) << packed;
        ASSERT_LT(digits % 100000, 60000) << packed;
        ASSERT_NEAR(dms2rad(packed), a, deg2rad(0.0011 / 3600.0)) << packed;
    }
}

// 45.3 is 45.29999999999999716 in binary: plain truncation reads 29'99.99".
// Values out of range wrap without negating; 70' carry as typed.
TEST(Dms2Rad, DigitsAreReadAsTypedAndOutOfRangeValuesWrap)
{
    const std::pair<double, double> cases[] = {
        {45.3, deg2rad(45.5)},       {12.2044444, dmsAngle(12, 20, 44.444)},
        {0.0001, dmsAngle(0, 0, 1)}, {359.5959999, dmsAngle(359, 59, 59.999)},
        {361.0, deg2rad(1.0)},       {-30.3, deg2rad(329.0 + 70.0 / 60.0)}};
    for (const auto& [packed, radians] : cases)
        EXPECT_NEAR(dms2rad(packed), radians, 1e-12) << packed;
    EXPECT_TRUE(std::isinf(dms2rad(HUGE_VAL)));
    EXPECT_TRUE(std::isfinite(dms2rad(1e300)));
}

TEST(NormalizeRad, StepsOnceAndSnapsTinyValues)
{
    for (auto [in, out] :
         {std::pair{2 * kTwoPi + 0.5, kTwoPi + 0.5}, {-0.5, kTwoPi - 0.5}, {5e-13, 0.0}}) {
        NormalizeRad(in);
        EXPECT_DOUBLE_EQ(in, out);
    }
}

}  // namespace
