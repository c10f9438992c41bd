#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/resistance/HeightChezy.h"
#include "physics/resistance/HeightDarcy.h"
#include "physics/resistance/HeightLog.h"
#include "physics/resistance/HeightStrick.h"
#include "physics/resistance/Manning.h"
#include "physics/resistance/NoFriction.h"
#include "physics/resistance/ResistanceFactory.h"
#include "physics/resistance/Strickler.h"

using namespace Flumaris;

namespace {

constexpr double kSqrtG = 3.132091952673165;  // g = 9.81

std::string fatalText(const std::function<void()>& f)
{
    try {
        f();
    } catch (const FatalError& e) {
        return e.what();
    }
    return "(no error)";
}

struct LawCase {
    const char* name;
    std::function<std::unique_ptr<ResistanceCalc>()> make;
    double value;  // a typical friction value of the law
    bool scaled = true;
};

class EveryLaw : public ::testing::TestWithParam<LawCase> {};

}  // namespace

// The batched sweep and the single call must agree, dry cells must keep their
// value, and scale must only multiply.
TEST_P(EveryLaw, SweepMatchesSingleCallsAndScaleMultiplies)
{
    const LawCase& lc = GetParam();
    auto law = lc.make();
    const std::vector<double> values{lc.value, lc.value * 1.5, lc.value, lc.value * 0.8};
    const std::vector<double> depths{0.7, 2.3, 0.01, 5.0};
    std::vector<double> out(4, -7.0);
    law->computeAll(values, depths, 1.0, kSqrtG, 0.05, out);
    for (int i : {0, 1, 3}) {
        const double c = law->getVelocityCoefficient(values[i], depths[i], 1.0, kSqrtG);
        EXPECT_DOUBLE_EQ(out[i], c) << lc.name << " cell " << i;
        EXPECT_GT(c, 0.0) << lc.name;
        const double expected = lc.scaled ? 2.5 * c : c;
        EXPECT_NEAR(law->getVelocityCoefficient(values[i], depths[i], 2.5, kSqrtG), expected, 1e-12 * c);
    }
    EXPECT_EQ(out[2], -7.0) << lc.name << ": a dry cell is left alone";
}

INSTANTIATE_TEST_SUITE_P(
    Resistance, EveryLaw,
    ::testing::Values(LawCase{"Strickler", [] { return std::make_unique<Strickler>(false, 21.1); }, 30.0},
                      LawCase{"Manning", [] { return std::make_unique<Manning>(false, 21.1); }, 0.03},
                      LawCase{"NoFriction", [] { return std::make_unique<NoFriction>(); }, 0.0, false},
                      LawCase{"HeightChezy", [] { return std::make_unique<HeightChezy>(false, 3.0); }, 0.05},
                      LawCase{"HeightDarcy", [] { return std::make_unique<HeightDarcy>(false, 3.0); }, 0.05},
                      LawCase{"HeightLog", [] { return std::make_unique<HeightLog>(false, 3.0); }, 0.05},
                      LawCase{"HeightStrick", [] { return std::make_unique<HeightStrick>(false, 21.1, 3.0); }, 0.05}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StricklerManning, HandValuesZeroDepthAndEquivalence)
{
    Strickler st(false, 21.1);
    Manning mn(false, 21.1);
    EXPECT_NEAR(st.getVelocityCoefficient(30.0, 1.0, 1.0, kSqrtG), 9.578262852211514, 1e-12);
    EXPECT_NEAR(st.getVelocityCoefficient(30.0, 2.0, 1.0, kSqrtG), 10.751236540338914, 1e-12);
    EXPECT_EQ(st.getVelocityCoefficient(30.0, 0.0, 1.0, kSqrtG), 0.0);
    EXPECT_EQ(st.getVelocityCoefficient(30.0, -0.2, 1.0, kSqrtG), 0.0);
    EXPECT_EQ(mn.getVelocityCoefficient(0.03, 0.0, 1.0, kSqrtG), 0.0);
    EXPECT_EQ(mn.getVelocityCoefficient(0.03, -0.2, 1.0, kSqrtG), 0.0);
    for (double kst : {12.0, 30.0, 85.0})
        for (double h : {0.05, 1.0, 7.5})
            EXPECT_NEAR(mn.getVelocityCoefficient(1.0 / kst, h, 1.3, kSqrtG),
                        st.getVelocityCoefficient(kst, h, 1.3, kSqrtG), 1e-12);
}

TEST(StricklerManning, FrictionlessValues)
{
    Strickler st(false, 21.1);
    Manning mn(false, 21.1);
    EXPECT_TRUE(st.isFrictionless(2.0e6));
    EXPECT_FALSE(st.isFrictionless(1.0e6));
    EXPECT_FALSE(st.isFrictionless(0.0));
    EXPECT_TRUE(mn.isFrictionless(0.0));
    EXPECT_FALSE(mn.isFrictionless(0.03));
    EXPECT_TRUE(HeightLog(false, 3.0).isFrictionless(-1.0));
}

TEST(ResistanceGrain, FrictionFromGrainDiameter)
{
    // 0.064^(1/6) = 0.4^(1/2)
    EXPECT_NEAR(Strickler(true, 21.1).getFrictionFromGrain(0.064), 33.3620293147764, 1e-10);
    EXPECT_NEAR(Manning(true, 21.1).getFrictionFromGrain(0.064), 0.029974195830979898, 1e-14);
    EXPECT_EQ(Strickler(true, 21.1).getFrictionFromGrain(0.0), 0.0);
    EXPECT_EQ(Manning(true, 21.1).getFrictionFromGrain(-1.0), 0.0);
    EXPECT_DOUBLE_EQ(HeightChezy(true, 3.0).getFrictionFromGrain(0.02), 0.06);
    EXPECT_DOUBLE_EQ(HeightStrick(true, 21.1, 2.5).getFrictionFromGrain(0.02), 0.05);
    EXPECT_EQ(NoFriction().getFrictionFromGrain(0.02), 0.0);
    EXPECT_EQ(NoFriction().getVelocityCoefficient(0.03, 1.0, 1.0, kSqrtG), 1.0e6);
}

TEST(RoughnessHeightLaws, HandValues)
{
    EXPECT_NEAR(HeightChezy(false, 3.0).getVelocityCoefficient(0.1, 1.0, 1.0, kSqrtG), 11.955292164773843, 1e-12);
    EXPECT_NEAR(HeightDarcy(false, 3.0).getVelocityCoefficient(0.1, 1.0, 1.0, kSqrtG), 8.325025017074774, 1e-12);
}

TEST(RoughnessHeightLaws, LogLawJumpsAtThreeRoughnessHeights)
{
    HeightLog law(false, 3.0);
    const double ks = 0.25;
    EXPECT_DOUBLE_EQ(law.getVelocityCoefficient(ks, 2.9 * ks, 2.0, kSqrtG), 2.6);
    EXPECT_NEAR(law.getVelocityCoefficient(ks, 3.0 * ks, 2.0, kSqrtG), 2.0 * 8.741268903666201, 1e-12);
}

TEST(RoughnessHeightLaws, HeightStricklerClipsAtOneThirdRoughness)
{
    ProgramSettings::resetToDefaults();
    HeightStrick law(false, 21.1, 3.0);
    // ks/3 = 0.1: below it the ratio is 1; at 64 times it the sixth root is 2.
    // The sqrt(g) argument is ignored in favour of the physical property.
    EXPECT_NEAR(law.getVelocityCoefficient(0.3, 0.05, 1.0, 1.0), 6.736711539388765, 1e-12);
    EXPECT_NEAR(law.getVelocityCoefficient(0.3, 0.0, 3.0, 1.0), 3.0 * 6.736711539388765, 1e-12);
    EXPECT_NEAR(law.getVelocityCoefficient(0.3, 6.4, 1.0, 1.0), 13.47342307877753, 1e-12);
    // Same as Strickler with kst = K / d90^(1/6) when ks = 3 d90 and h above ks/3.
    const double d90 = 0.064;
    EXPECT_NEAR(law.getVelocityCoefficient(3.0 * d90, 1.7, 1.0, kSqrtG),
                Strickler(false, 21.1).getVelocityCoefficient(21.1 / std::pow(d90, 1.0 / 6.0), 1.7, 1.0, kSqrtG),
                1e-12);
}

TEST(ResistanceBeta, SliceSums)
{
    double a = 0.0, b = 0.0;
    Strickler(false, 21.1).addBetaContribution(30.0, 2.0, 3.0, a, b);
    EXPECT_NEAR(a, 13607.14733886463, 1e-8);
    EXPECT_NEAR(b, 285.73218935427593, 1e-10);
    double a2 = 0.0, b2 = 0.0;
    Manning(false, 21.1).addBetaContribution(1.0 / 30.0, 2.0, 3.0, a2, b2);
    EXPECT_NEAR(a2, a, 1e-8);
    EXPECT_NEAR(b2, b, 1e-10);
    double c = 5.0, d = 1.0;  // sums accumulate
    HeightChezy(false, 3.0).addBetaContribution(40.0, 4.0, 2.0, c, d);
    EXPECT_DOUBLE_EQ(c, 5.0 + 51200.0);
    EXPECT_DOUBLE_EQ(d, 1.0 + 640.0);
}

TEST(ResistanceBeta, UniformSectionHasBetaOne)
{
    // Two equal slices: beta = A sum(K_i^2/A_i) / K^2 = 1.
    Strickler law(false, 21.1);
    double sumK2A = 0.0, sumK = 0.0;
    law.addBetaContribution(25.0, 1.2, 4.0, sumK2A, sumK);
    law.addBetaContribution(25.0, 1.2, 4.0, sumK2A, sumK);
    EXPECT_NEAR(2.0 * 4.0 * 1.2 * sumK2A / (sumK * sumK), 1.0, 1e-12);
}

TEST(ResistanceBeta, LawsWithoutBetaStop)
{
    double a = 0.0, b = 0.0;
    const std::string msg = "your resistance model does not have a working beta factor implemented";
    EXPECT_EQ(fatalText([&] { HeightDarcy(false, 3.0).addBetaContribution(0.1, 1.0, 1.0, a, b); }), msg);
    EXPECT_EQ(fatalText([&] { HeightLog(false, 3.0).addBetaContribution(0.1, 1.0, 1.0, a, b); }), msg);
    EXPECT_EQ(fatalText([&] { NoFriction().addBetaContribution(0.1, 1.0, 1.0, a, b); }), msg);
}

TEST(ResistanceFactory, TypeWordsChooseTheLaw)
{
    auto make = [](const char* w) {
        ResistanceSettings s;
        s.type = w;
        s.grainFriction = true;
        s.stricklerFactor = 25.0;
        s.roughnessFactor = 2.0;
        return createResistanceCalc(s);
    };
    EXPECT_NE(dynamic_cast<Manning*>(make("manning").get()), nullptr);
    EXPECT_NE(dynamic_cast<Strickler*>(make("Strickler").get()), nullptr);
    EXPECT_NE(dynamic_cast<HeightChezy*>(make("CHEZY").get()), nullptr);
    EXPECT_NE(dynamic_cast<HeightDarcy*>(make("darcy").get()), nullptr);
    EXPECT_NE(dynamic_cast<HeightLog*>(make("log").get()), nullptr);
    auto hs = make("heightstr");
    auto* h = dynamic_cast<HeightStrick*>(hs.get());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->stricklerFactor(), 25.0);
    EXPECT_EQ(h->lawParameter(), 2.0);
    EXPECT_TRUE(h->grainFriction());
    EXPECT_EQ(make("strickler")->lawParameter(), 25.0);
    EXPECT_EQ(make("strickler")->auxValue(), 1000.0);
    EXPECT_EQ(make("manning")->auxValue(), 0.0);
    EXPECT_EQ(make("chezy")->lawParameter(), 2.0);
}

TEST(ResistanceFactory, UnknownWordNamesItAndTheKnownOnes)
{
    ResistanceSettings s;
    s.type = "colebrook";
    EXPECT_EQ(fatalText([&] { createResistanceCalc(s); }),
              "Unknown source friction type: 'colebrook'.\nPlease choose a knwon friction type and restart the "
              "program.\nKnown types: manning, strickler, heightstr, chezy, darcy, log.");
}
