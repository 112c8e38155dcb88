#include "roadset.h"

#include <gtest/gtest.h>

#include <clocale>
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
    EXPECT_DOUBLE_EQ(rad2dms(deg2rad(30.5)), 30.3);
    EXPECT_DOUBLE_EQ(rad2dms(deg2rad(12.3456789)), 12.2044444);
    EXPECT_DOUBLE_EQ(rad2dms(kTwoPi), 360.0);
    EXPECT_DOUBLE_EQ(rad2dms(deg2rad(359.99999999)), 360.0);  // through the carries
    EXPECT_DOUBLE_EQ(rad2dms(-0.1), 354.1613519);
    EXPECT_DOUBLE_EQ(rad2dms(kTwoPi + deg2rad(30.5)), 30.3);
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

TEST(Dms2Rad, DigitsOfInexactBinaryFractionsAreReadAsTyped)
{
    EXPECT_DOUBLE_EQ(dms2rad(30.3), deg2rad(30.5));
    EXPECT_DOUBLE_EQ(dms2rad(0.3), deg2rad(0.5));
    // 45.3 is 45.29999999999999716 in binary; plain truncation reads 29'99.99".
    EXPECT_NEAR(dms2rad(45.3), deg2rad(45.5), 1e-12);
    EXPECT_NEAR(dms2rad(12.2044444), dmsAngle(12, 20, 44.444), 1e-12);
    EXPECT_NEAR(dms2rad(0.0001), dmsAngle(0, 0, 1), 1e-12);
    EXPECT_NEAR(dms2rad(359.5959999), dmsAngle(359, 59, 59.999), 1e-12);
}

TEST(Dms2Rad, OutOfRangeValuesWrapWithoutNegating)
{
    EXPECT_NEAR(dms2rad(361.0), deg2rad(1.0), 1e-12);
    EXPECT_NEAR(dms2rad(-30.3), dms2rad(329.7), 1e-12);
    EXPECT_NEAR(dms2rad(329.7), deg2rad(329.0 + 70.0 / 60.0), 1e-12);  // 70' carried as typed
    EXPECT_TRUE(std::isnan(rad2dms(std::nan(""))));  // non-finite input comes back, no hang
    EXPECT_TRUE(std::isinf(dms2rad(HUGE_VAL)));
    EXPECT_TRUE(std::isfinite(dms2rad(1e300)));
}

TEST(NormalizeRad, StepsOnceAndSnapsTinyValues)
{
    for (auto [in, out] : {std::pair{2 * kTwoPi + 0.5, kTwoPi + 0.5}, {-0.5, kTwoPi - 0.5}}) {
        NormalizeRad(in);
        EXPECT_DOUBLE_EQ(in, out);
    }
    double tiny = 5e-13;
    NormalizeRad(tiny);
    EXPECT_EQ(tiny, 0.0);
}

TEST(Angles, DecimalCommaLocaleChangesNothing)
{
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "de_DE.UTF-8 locale not installed";
    const double packed = rad2dms(deg2rad(30.5));
    const double back = dms2rad(12.2044444);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_DOUBLE_EQ(packed, 30.3);
    EXPECT_NEAR(back, dmsAngle(12, 20, 44.444), 1e-12);
}

}  // namespace
