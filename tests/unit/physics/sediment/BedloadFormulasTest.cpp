// Each bed-load formula against values worked out by hand from its published
// form. Reference state: h = 1 m, u = 1.5 m/s, Strickler 30 (c = 9.5783,
// J = -0.0025), s = 2.65; one grain of 20 mm (theta = 0.075758, D* = 506,
// theta_cr = 0.055) or the mixture 2/10/40 mm with 20/50/30 %.
#include <gtest/gtest.h>

#include "SedimentTestSupport.h"
#include "physics/sediment/bedload/HidingAshidaMichiue.h"
#include "physics/sediment/bedload/TransportMPMH.h"
#include "physics/sediment/bedload/TransportParker.h"

using namespace sedtest;

namespace {

const std::string kSingle = "( 20.0 )";
const std::string kMixture = "( 2.0 10.0 40.0 )";
const std::vector<double> kFractions = {0.2, 0.5, 0.3};

std::string with(const std::string& word, const std::string& more = "")
{
    return "bedload_transport = " + word + "\n d90 = 20\n d30 = 20\n" + more;
}

// Capacity of class k at the reference state.
ClassCapacity reference(const SedCase& c, const std::vector<double>& fractions, int k)
{
    const FlowState f = uniformFlow(1.0, 1.5, 30.0);
    return c.law->capacity(f, c.location(fractions), k, c.shields(k, shearVelocity2(f)), c.theta->value(k));
}

void expectRelative(double actual, double expected, double tol = 1e-10)
{
    EXPECT_NEAR(actual, expected, tol * std::abs(expected)) << "expected " << expected;
}

}  // namespace

TEST(MeyerPeterMueller, SingleGrainAtAndAboveTheCriticalValue)
{
    const SedCase c(kSingle, with("mpm"));
    expectRelative(reference(c, {1.0}, 0).q, 2.722553381000398e-4);  // 8 (0.020758)^1.5 sqrt(1.65 g d^3)
    const FlowState f = uniformFlow(1.0, 1.5, 30.0);
    const BedLocation loc = c.location({1.0});
    EXPECT_EQ(c.law->capacity(f, loc, 0, 0.055, 0.055).q, 0.0);
    expectRelative(c.law->capacity(f, loc, 0, 1.05 * 0.055, 0.055).q, 1.3128360598338257e-5);
}

TEST(MeyerPeterMueller, AshidaMichiueHidingInAMixture)
{
    const SedCase c(kMixture, with("mpm_multi"));
    const double expected[] = {8.911714614614864e-4, 5.716838554648441e-4, 7.64593179986205e-5};
    const double xi[] = {7.395, 1.5170784830318211, 0.6077795044931835};  // x = d/dm, dm = 17.4 mm
    const BedLocation loc = c.location(kFractions);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(loc.hiding[static_cast<size_t>(k)], xi[k], 1e-12);
        expectRelative(reference(c, kFractions, k).q, expected[k]);
    }
}

TEST(MeyerPeterMueller, HidingFactorLimits)
{
    EXPECT_DOUBLE_EQ(hidingAshidaMichiue(1.0), 1.0);
    EXPECT_NEAR(hidingAshidaMichiue(0.4), 2.107685092044703, 1e-12);  // logarithmic branch at 0.4
    EXPECT_DOUBLE_EQ(hidingAshidaMichiue(0.39), 0.85 / 0.39);
    EXPECT_LT(hidingAshidaMichiue(3.0), 1.0);
}

TEST(Hunziker, SingleGrainAndMixture)
{
    expectRelative(reference(SedCase(kSingle, with("mpmh")), {1.0}, 0).q, 1.7015958631252487e-4);
    const SedCase c(kMixture, with("mpmh"));
    // theta_m = 0.0871 of dm = 17.4 mm, alpha = 0.12809
    const double expected[] = {4.01962493149904e-4, 2.950472963509526e-4, 2.260565926020104e-4};
    for (int k = 0; k < 3; ++k) expectRelative(reference(c, kFractions, k).q, expected[k]);
}

TEST(Hunziker, HidingNeverAboveFiveAndExponentNeverAboveTwenty)
{
    const SedCase c(kMixture, with("mpmh"));
    const auto& h = dynamic_cast<const TransportMPMH&>(*c.law);
    EXPECT_DOUBLE_EQ(h.hiding(1e-3, 0.05), 5.0);               // fine grain: capped at 5
    EXPECT_DOUBLE_EQ(h.hiding(2.0, 1e-4), std::pow(2.0, -20.0));  // tiny theta_m: alpha capped at 20
    EXPECT_DOUBLE_EQ(h.hiding(1.0, 0.08), 1.0);
    // A coarser sublayer raises theta_cr by (dm_sub/dm)^0.33.
    const GrainMixture surface(*c.params, kFractions);
    const GrainMixture sub(*c.params, {0.0, 0.5, 0.5});
    BedLocation loc = c.law->makeLocation();
    c.law->prepare(surface, &sub, loc);
    EXPECT_NEAR(loc.armouring, std::pow(0.025 / 0.0174, 0.33), 1e-12);
}

TEST(Parker, SingleGrainAndMixture)
{
    // One grain: sigma = 0, omega = 1, phi = theta/0.0386 = 1.9626
    expectRelative(reference(SedCase(kSingle, with("parker")), {1.0}, 0).q, 2.1754640465491734e-4);
    const SedCase c(kMixture, with("parker"));
    // dg = 10.986 mm, sigma = 1.5033, phi_sgo = 3.5731, omega = 0.54793
    const double expected[] = {3.526953334534523e-4, 2.22444154954042e-4, 1.3360848777722046e-4};
    for (int k = 0; k < 3; ++k) {
        const ClassCapacity r = reference(c, kFractions, k);
        expectRelative(r.q, expected[k]);
        EXPECT_NEAR(r.theta, 3.5730966459139597 * 0.0386, 1e-12);  // theta_sg is written back
    }
}

TEST(Parker, StrainFunctionsAndGAtTheirLimits)
{
    double omega0 = 0.0;
    double sigma0 = 0.0;
    TransportParker::strainFunctions(0.6684, omega0, sigma0);
    EXPECT_DOUBLE_EQ(omega0, 1.011);
    EXPECT_DOUBLE_EQ(sigma0, 0.8157);
    TransportParker::strainFunctions(1e4, omega0, sigma0);
    EXPECT_DOUBLE_EQ(omega0, 0.4527);
    EXPECT_DOUBLE_EQ(sigma0, 1.5);
    TransportParker::strainFunctions(1.0275, omega0, sigma0);  // half way between rows 6 and 7
    EXPECT_NEAR(omega0, 0.5 * (0.9997 + 0.9903), 1e-12);
    // Below the table: omega of the first row, not below 0.
    EXPECT_DOUBLE_EQ(TransportParker::omega(0.5, 1.0), 1.0 + 0.011 / 0.8157);
    EXPECT_DOUBLE_EQ(TransportParker::omega(2.0, 0.0), 1.0);
    // G: phi^14.2 up to 1, continuous there and (to 1e-4) at 1.59.
    EXPECT_DOUBLE_EQ(TransportParker::G(1.0), 1.0);
    EXPECT_DOUBLE_EQ(TransportParker::G(0.5), std::pow(0.5, 14.2));
    EXPECT_NEAR(TransportParker::G(1.59), 172.02365561464634, 1e-9);
    EXPECT_NEAR(TransportParker::G(1.5900001), 172.03682900047806, 1e-3);
}

TEST(Wu, SingleGrainAndMixture)
{
    const SedCase one(kSingle, with("wu"));
    EXPECT_DOUBLE_EQ(one.location({1.0}).hiding[0], 1.0);  // p_h = 0.5
    expectRelative(reference(one, {1.0}, 0).q, 1.5266841431208273e-4);
    const SedCase c(kMixture, with("wu"));
    const double pHiding[] = {0.8023809523809524, 0.5233333333333333, 0.2595238095238095};
    const double expected[] = {2.952449557255972e-4, 3.9640067839617993e-4, 3.4016342279010646e-4};
    const BedLocation loc = c.location(kFractions);
    for (int k = 0; k < 3; ++k) {
        EXPECT_NEAR(loc.hiding[static_cast<size_t>(k)], std::pow((1.0 - pHiding[k]) / pHiding[k], -0.6), 1e-12);
        expectRelative(reference(c, kFractions, k).q, expected[k]);
    }
    // theta_cr is bounded below by min_theta_critic before hiding.
    const FlowState f = uniformFlow(1.0, 1.5, 30.0);
    EXPECT_DOUBLE_EQ(c.law->capacity(f, loc, 1, 0.1, 0.001).thetaCr, 0.02 * loc.hiding[1]);
}

TEST(SmartJaeggi, SingleGrainWithSlopeCorrectedCriticalValue)
{
    const SedCase c(kSingle, "bedload_transport = smartjaeggi\n d90 = 40\n d30 = 20");
    const ClassCapacity r = reference(c, {1.0}, 0);
    expectRelative(r.q, 7.948511851818884e-5);
    EXPECT_NEAR(r.thetaCr, 0.054761671884002036, 1e-14);  // 0.055 cos(b) (1 - tan(b)/tan 30)
    // Uphill flow moves nothing.
    FlowState f = uniformFlow(1.0, 1.5, 30.0);
    f.slope = -f.slope;
    EXPECT_EQ(c.law->capacity(f, c.location({1.0}), 0, 0.0758, 0.055).q, 0.0);
}

TEST(SmartJaeggi, MultiGrainWithAlphaAndHiding)
{
    const SedCase c(kMixture, with("smartjaeggi_multi"));  // alpha 1.05
    const double expected[] = {1.5880575716185403e-4, 1.184126335493615e-4, 3.18069818467406e-5};
    for (int k = 0; k < 3; ++k) expectRelative(reference(c, kFractions, k).q, expected[k]);
}

TEST(Rickenmann, SingleGrain)
{
    const SedCase c(kSingle, "bedload_transport = rickenmann\n d90 = 40\n d30 = 20");
    expectRelative(reference(c, {1.0}, 0).q, 8.018982894398819e-5);  // 3.1 2^0.2 sqrt(th)(th-0.055) Fr^1.1 sqrt(g d^3)
    // The modifiers do not reach it.
    struct Double final : ThetaCriticalModificationInterface {
        double modify(double t, int, const FlowState&) const override { return 2.0 * t; }
    } twice;
    c.law->addModifier(twice);
    expectRelative(reference(c, {1.0}, 0).q, 8.018982894398819e-5);
}

TEST(VanRijn, SandAndTheGrainShearThreshold)
{
    // d = 0.5 mm, d90 = 1 mm, h = 1 m, u = 1 m/s: D* = 12.648, theta_cr = 0.031035,
    // C' = 18 log10(4000), T = 8.2905
    const SedCase sand("( 0.5 )", "bedload_transport = vanrijn\n d90 = 1.0");
    const FlowState f = uniformFlow(1.0, 1.0, 30.0);
    const BedLocation loc = sand.location({1.0});
    const ClassCapacity r = sand.law->capacity(f, loc, 0, sand.shields(0, shearVelocity2(f)), sand.theta->value(0));
    expectRelative(r.q, 9.45639708113676e-5);
    EXPECT_NEAR(r.thetaCr, 0.03103543897110069, 1e-14);
    // 20 mm gravel at the reference state: the grain shear stays below the critical one.
    EXPECT_EQ(reference(SedCase(kSingle, with("vanrijn")), {1.0}, 0).q, 0.0);
}

TEST(PowerLaw, NoThreshold)
{
    const SedCase c(kSingle, "bedload_transport = power_law\n power_law_a = 0.001\n power_law_b = 3");
    FlowState f = uniformFlow(1.0, 1.5, 30.0);
    EXPECT_DOUBLE_EQ(c.law->capacity(f, c.location({1.0}), 0, 1e-6, 0.055).q, 0.003375);
    f.u = 0.0;
    EXPECT_EQ(c.law->capacity(f, c.location({1.0}), 0, 0.0, 0.055).q, 0.0);
}

TEST(CriticalShieldsModifier, AppliedInRegistrationOrderBeforeTheBound)
{
    const SedCase c(kSingle, with("mpm"));
    struct Scale final : ThetaCriticalModificationInterface {
        double f;
        explicit Scale(double x) : f(x) {}
        double modify(double t, int, const FlowState&) const override { return f * t; }
    };
    struct Shift final : ThetaCriticalModificationInterface {
        double modify(double t, int, const FlowState& flow) const override { return t - 0.01 * flow.location; }
    };
    const Scale half(0.5);
    const Shift shift;
    c.law->addModifier(half);
    c.law->addModifier(shift);
    FlowState f = uniformFlow(1.0, 1.5, 30.0);
    f.location = 2;
    EXPECT_DOUBLE_EQ(c.law->capacity(f, c.location({1.0}), 0, 0.0758, 0.055).thetaCr, 0.5 * 0.055 - 0.02);
    f.location = 5;  // negative after the modifiers: bounded by 0
    EXPECT_DOUBLE_EQ(c.law->capacity(f, c.location({1.0}), 0, 0.0758, 0.055).thetaCr, 0.0);
}
