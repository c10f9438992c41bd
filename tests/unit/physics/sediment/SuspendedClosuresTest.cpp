// Settling velocity, near-bed concentration, adaptation coefficient and
// transport type factor.
#include <gtest/gtest.h>

#include <cmath>

#include "core/MessageService.h"
#include "physics/suspended/adaptation/ACLin.h"
#include "physics/suspended/adaptation/ACMinhDuc.h"
#include "physics/suspended/adaptation/AdaptationCoefficientFactory.h"
#include "physics/suspended/nearbed/NBCVanRijn.h"
#include "physics/suspended/nearbed/NBCZyserman.h"
#include "physics/suspended/nearbed/NearBedConcentrationFactory.h"
#include "physics/suspended/settling/SVVanRijn.h"
#include "physics/suspended/settling/SVWuWang.h"
#include "physics/suspended/settling/SVZhang.h"
#include "physics/suspended/settling/SettlingVelocityFactory.h"
#include "physics/suspended/typefactor/TransportTypeFactorBagnold.h"
#include "physics/suspended/typefactor/TransportTypeFactorFactory.h"
#include "physics/suspended/typefactor/TransportTypeFactorVanRijn.h"

using namespace Flumaris;

namespace {

constexpr double g = 9.81;
constexpr double nu = 1.0e-6;
constexpr double delta = 1.65;

std::string fatalText(void (*f)())
{
    try {
        f();
    } catch (const FatalError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(SettlingVelocity, VanRijnBranches)
{
    const SVVanRijn w(g, nu);
    EXPECT_DOUBLE_EQ(w.velocity(1e-4, delta), delta * g * 1e-8 / (18 * nu));  // Stokes at 0.1 mm: 8.99 mm/s
    EXPECT_NEAR(w.velocity(1e-3, delta), 0.01 * (std::sqrt(1 + 0.01 * delta * g * 1e-9 / 1e-12) - 1), 1e-15);
    EXPECT_DOUBLE_EQ(w.velocity(2e-3, delta), 1.1 * std::sqrt(delta * g * 2e-3));
    // The published branches jump by 13 % at 0.1 mm and 19 % at 1 mm.
    EXPECT_NEAR(w.velocity(1.0001e-4, delta) / w.velocity(1e-4, delta), 0.866, 1e-3);
    EXPECT_NEAR(w.velocity(1.0001e-3, delta) / w.velocity(1e-3, delta), 1.190, 1e-3);
}

TEST(SettlingVelocity, WuWangShapeFactorAndValue)
{
    const SVWuWang sphere(g, nu, 1.0);
    EXPECT_DOUBLE_EQ(sphere.M(), 53.5 * std::exp(-0.65));
    EXPECT_DOUBLE_EQ(sphere.N(), 5.6 * std::exp(-2.5));
    EXPECT_DOUBLE_EQ(sphere.n(), 1.6);
    // S = 0.7, d = 0.5 mm: D* = 12.648, M = 33.943, N = 0.97313, n = 1.33
    EXPECT_NEAR(SVWuWang(g, nu, 0.7).velocity(5e-4, delta), 0.06531694534487414, 1e-14);
}

TEST(SettlingVelocity, ZhangAndTheFamilyAgreeOnSand)
{
    const SVZhang z(g, nu);
    const double a = 13.95 * nu / 2e-4;
    EXPECT_DOUBLE_EQ(z.velocity(2e-4, delta), std::sqrt(a * a + 1.09 * delta * g * 2e-4) - a);
    // For medium sand all three laws lie within 25 % of each other and grow with d.
    for (const char* word : {"vanrijn", "wuwang", "zhang"}) {
        auto law = createSettlingVelocity(sinkVelocityTypeFromWord(word), g, nu, 0.7);
        double last = 0.0;
        for (double d = 1e-5; d < 0.05; d *= 1.2) {
            const double w = law->velocity(d, delta);
            EXPECT_GT(w, last) << word << " d = " << d;
            last = w;
        }
        EXPECT_NEAR(law->velocity(3e-4, delta) / SVVanRijn(g, nu).velocity(3e-4, delta), 1.0, 0.25) << word;
    }
    EXPECT_EQ(fatalText([] { sinkVelocityTypeFromWord("stokes"); }),
              "'stokes' is not a supported sink velocity formula to be used for suspension with sediment exchange.");
}

TEST(NearBedConcentration, VanRijnAndZyserman)
{
    NearBedState s;
    s.tau = 3.0;
    s.tauCr = 1.0;
    s.d = 3e-4;
    s.dStar = 7.59;
    s.h = 2.0;
    EXPECT_DOUBLE_EQ(NBCVanRijn(0.1).concentration(s), 0.015 * 3e-4 * std::pow(2.0, 1.5) / (0.2 * std::pow(7.59, 0.3)));
    s.tau = 1.0;
    EXPECT_EQ(NBCVanRijn(0.1).concentration(s), 0.0);

    s.theta = 0.55;
    s.thetaCr = 0.05;
    const double x = std::pow(0.5, 1.75);
    EXPECT_DOUBLE_EQ(NBCZyserman().concentration(s), 0.331 * x / (1 + 0.72 * x));
    s.theta = 0.05;
    EXPECT_EQ(NBCZyserman().concentration(s), 0.0);
    s.theta = 1e6;  // bounded by 0.331/0.72
    EXPECT_NEAR(NBCZyserman().concentration(s), 0.331 / 0.72, 1e-6);

    EXPECT_EQ(nearBedConcentrationTypeFromWord("zysermann"), NearBedConcentrationType::Zyserman);
    EXPECT_EQ(fatalText([] { nearBedConcentrationTypeFromWord("smith"); }),
              "'smith' is not a supported near bed concentration formula to be used for suspension with sediment "
              "exchange. supported formulas are 'vanrijn' and 'zysermann'.");
}

TEST(AdaptationCoefficient, LinAndRouseProfile)
{
    EXPECT_DOUBLE_EQ(ACLin::ofRatio(1.0), 3.25);
    EXPECT_DOUBLE_EQ(ACLin::ofRatio(std::exp(-10.0)), 0.0);  // not below 0
    EXPECT_DOUBLE_EQ(ACLin().coefficient(0.04, 0.1, 0.1), 3.25);  // w/(0.4 u*) = 1
    // Fine grains: uniform profile above a, alpha = 1/(1 - a/h).
    EXPECT_NEAR(ACMinhDuc::ofRouse(0.0, 0.1), 1.0 / 0.9, 1e-6);
    // Z = 1, a/h = 0.1: int_0.1^1 (1-x)/x /9 dx = (ln 10 - 0.9)/9
    EXPECT_NEAR(ACMinhDuc::ofRouse(1.0, 0.1), 9.0 / (std::log(10.0) - 0.9), 1e-4);
    EXPECT_GT(ACMinhDuc::ofRouse(2.0, 0.1), ACMinhDuc::ofRouse(1.0, 0.1));
    EXPECT_NE(createAdaptationCoefficient("lin"), nullptr);
    EXPECT_THROW(createAdaptationCoefficient("armanini"), FatalError);
}

TEST(TransportTypeFactor, LimitsOfBothLaws)
{
    const TransportTypeFactorVanRijn v;
    const TransportTypeFactorBagnold b;
    EXPECT_EQ(v.factor(0.4, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(v.factor(2.0, 1.0), 0.25 + 0.325 * std::log(2.0));
    EXPECT_EQ(v.factor(10.0, 1.0), 1.0);
    EXPECT_EQ(b.factor(1.0, 1.0), 0.0);
    EXPECT_DOUBLE_EQ(b.factor(2.0, 1.0), (0.25 + 0.325 * std::log(2.0)) * b.continuousFactor());
    EXPECT_EQ(b.factor(10.0, 1.0), 1.0);
    EXPECT_NEAR(b.factor(9.99999, 1.0), 1.0, 1e-6);  // no jump at 10
    for (double x = 0.0; x < 20.0; x += 0.1) {
        EXPECT_GE(v.factor(x, 1.0), 0.0);
        EXPECT_LE(b.factor(x, 1.0), 1.0);
        EXPECT_LE(b.factor(x, 1.0), v.factor(x, 1.0) * b.continuousFactor() + 1e-15);
    }
    EXPECT_EQ(fatalText([] { transportTypeFactorTypeFromWord("einstein"); }),
              "'einstein' is not a supported near transport type factor approach to be used.");
}
