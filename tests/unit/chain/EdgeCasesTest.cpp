// Behaviour at the edges of the flow: still water over an uneven bed with a
// dry island, a supercritical edge, several boundaries at one end, the normal
// level of a hydrograph, and a failing implicit step shortened and logged.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

#include "ChannelCase.h"
#include "chain/boundary/FCCoupledBoundary.h"
#include "chain/boundary/FCHQRelation.h"
#include "chain/boundary/FCHydrograph.h"
#include "chain/boundary/FCMultiBoundary.h"
#include "chain/boundary/FCWeir.h"
#include "chain/boundary/FCZeroGradient.h"
#include "chain/step/FCImplicitStep.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "section/CrossSection.h"

using namespace chaintest;
using FlumChain::End;
using FlumChain::Hydraulics;

TEST(EdgeCases, StillWaterStaysStillOverBumpsAndBesideADryIsland) {
    ChannelLayout layout;
    layout.shape = trapezoid(4.0, 1.0, 6.0);
    layout.n = 41;
    layout.mode = Flumaris::SectionMode::Table;
    // sections of one shape on bumps; section 30 stands above the water
    for (int k = 0; k < 41; ++k) layout.bumps.push_back(0.4 * std::sin(0.7 * k) + 0.3 * std::cos(1.9 * k));
    layout.bumps[30] = 1.5;
    Channel c(layout);
    Hydraulics h(c.grid(), explicitSettings());
    const double level = 101.0;
    std::vector<double> A(41), Q(41, 0.0);
    for (std::size_t k = 0; k < 41; ++k) A[k] = c.grid().elements()[k].section->area(level);
    h.setState(A, Q);
    runTo(h, 0.0, 600.0);
    for (std::size_t k = 0; k < 41; ++k) {
        EXPECT_EQ(h.state().Q[k], 0.0) << k;
        if (k != 30) {
            EXPECT_NEAR(h.state().sec[k].z, level, 1e-12) << k;
        }
    }
    EXPECT_EQ(h.state().A[30], 0.0);
}

TEST(EdgeCases, SupercriticalEdgeTakesTheUpstreamMassFlux) {
    const double g = Flumaris::settings().gravity();
    FlumChain::CellValues L{2.0, 12.0, 101.0, 1.0, 2.0, 1.0, 1.0, 2.0, 0.0};   // u = 6 > c = 3.1
    FlumChain::CellValues R{1.6, 10.0, 100.8, 0.8, 1.6, 1.0, 0.8, 2.0, 0.0};
    EXPECT_NEAR(FlumChain::roeFlux(L, R, g, 1e-4).A, L.Q, 1e-12);
    // against the flow, the downstream state
    FlumChain::CellValues l2 = L, r2 = R;
    l2.Q = -12.0, r2.Q = -10.0;
    EXPECT_NEAR(FlumChain::roeFlux(l2, r2, g, 1e-4).A, r2.Q, 1e-12);
    EXPECT_NEAR(FlumChain::upwindFlux(l2, r2, g, 1e-4).A, r2.Q, 1e-12);
    // a wet element beside a dry one above its energy level (102.8 m) passes nothing
    FlumChain::CellValues dry{0.0, 0.0, 103.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0};
    EXPECT_EQ(FlumChain::roeFlux(R, dry, g, 1e-4).A, 0.0);
    EXPECT_EQ(FlumChain::roeFlux(dry, R, g, 1e-4).Q, 0.0);
}

TEST(EdgeCases, TwoBoundariesAtOneEndDischargeTheSum) {
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.n = 5;
    Channel c(layout);
    Hydraulics h(c.grid(), explicitSettings());
    auto weir = boundary("weir", End::Downstream);
    weir.level = FlumChain::SeriesValue(101.0);
    weir.width = FlumChain::SeriesValue(6.0);
    auto hq = boundary("hqrelation", End::Downstream);
    hq.slope = 0.002;
    auto multi = std::make_unique<FlumChain::MultiBoundary>(h.view(), End::Downstream);
    multi->add(std::make_unique<FlumChain::Weir>(h.view(), weir));
    multi->add(std::make_unique<FlumChain::HQRelation>(h.view(), hq));
    multi->update(0.0, 1.0);
    const Flumaris::CrossSection& cs = *c.grid().elements().back().section;
    const Flumaris::SectionState st = cs.state(cs.area(102.0));
    const FlumChain::CellValues e = FlumChain::cellValues(cs.area(102.0), 30.0, st, cs.ground());
    const double g = Flumaris::settings().gravity();
    const double qWeir = 2.0 / 3.0 * 0.65 * 6.0 * std::sqrt(2.0 * g);  // H = 1 m
    EXPECT_NEAR(multi->flux(e).A, qWeir + st.K * std::sqrt(0.002), 1e-9);
    // the weir alone with the level exactly at its crest passes nothing
    FlumChain::Weir alone(h.view(), weir);
    alone.update(0.0, 1.0);
    const Flumaris::SectionState at = cs.state(cs.area(101.0));
    EXPECT_EQ(alone.flux(FlumChain::cellValues(cs.area(101.0), 0.0, at, cs.ground())).A, 0.0);
}

TEST(EdgeCases, HydrographIntoADryElementTakesTheNormalLevel) {
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.n = 5;
    Channel c(layout);
    Hydraulics h(c.grid(), explicitSettings());
    auto s = boundary("hydrograph", End::Upstream);
    s.serie = constant(20.0);
    s.slope = 0.001;
    s.precision = 1e-9;
    FlumChain::Hydrograph in(h.view(), s);
    in.update(0.0, 1.0);
    // normal depth of a 10 m rectangle with k = 30, by bisection on Strickler's law
    double lo = 0.0, hi = 8.0;
    for (int i = 0; i < 100; ++i) {
        const double y = 0.5 * (lo + hi), A = 10.0 * y, R = A / (10.0 + 2.0 * y);
        (30.0 * A * std::cbrt(R * R) * std::sqrt(0.001) < 20.0 ? lo : hi) = y;
    }
    EXPECT_NEAR(in.normalLevel(20.0) - 100.0, lo, 1e-6);
    const Flumaris::CrossSection& cs = *c.grid().elements().front().section;
    const FlumChain::EdgeFlux f = in.flux(FlumChain::cellValues(0.0, 0.0, cs.state(0.0), cs.ground()));
    EXPECT_EQ(f.A, 20.0);
    EXPECT_NEAR(f.Q, 20.0 * 20.0 / (10.0 * lo), 1e-4);
}

TEST(EdgeCases, FailingImplicitStepIsShortenedAndLogged) {
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.n = 21;
    layout.slope = 0.001;
    Channel c(layout);
    FlumChain::SolverSettings set = explicitSettings();
    set.scheme = FlumChain::Scheme::Implicit;
    set.truncationArea = set.truncationDischarge = 1e-300;  // never met
    Hydraulics h(c.grid(), set);
    std::vector<double> A(21, 20.0), Q(21, 0.0);
    A[0] = 40.0;
    h.setState(A, Q);
    std::ostringstream log, screen;
    h.setImplicitLog(&log);
    std::streambuf* old = std::cout.rdbuf(screen.rdbuf());
    const double dt = h.advance(0.0, 600.0);
    std::cout.rdbuf(old);
    EXPECT_DOUBLE_EQ(dt, 600.0 * std::pow(0.8, 5));
    const std::string text = log.str();
    EXPECT_NE(text.find("no solution found"), std::string::npos);
    EXPECT_NE(text.find("timestep reduced to :480\n"), std::string::npos);
    EXPECT_NE(text.find("timestep reduced to :384\n"), std::string::npos);
    EXPECT_NE(text.find("deltaA : "), std::string::npos);
    EXPECT_NE(text.find("cross section : "), std::string::npos);
    EXPECT_NE(screen.str().find("FLUMARIS could not find a solution."), std::string::npos);
    // the step still conserves the water it computed
    EXPECT_TRUE(std::isfinite(h.volume()));
}

TEST(EdgeCases, CoupledBoundariesTakeTheirValuesFromTheInterface) {
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.n = 5;
    Channel c(layout);
    Hydraulics h(c.grid(), explicitSettings());
    const Flumaris::CrossSection& cs = *c.grid().elements().back().section;
    const double z = 102.0;
    const FlumChain::CellValues e = FlumChain::cellValues(cs.area(z), 30.0, cs.state(cs.area(z)), cs.ground());

    auto w = boundary("weir", End::Downstream);
    w.coupled = true;
    w.level = FlumChain::SeriesValue(101.0);
    w.width = FlumChain::SeriesValue(6.0);
    FlumChain::CoupledBoundary weir(h.view(), w, std::make_unique<FlumChain::Weir>(h.view(), w));
    weir.update(0.0, 1.0);
    const double free = weir.flux(e).A;
    EXPECT_GT(free, 0.0);  // no tailwater yet
    weir.setWaterLevel(0.0, 101.5);  // r = 0.5: sigma = 1.05 - 0.25
    weir.update(0.0, 1.0);
    EXPECT_NEAR(weir.flux(e).A, 0.8 * free, 1e-9);
    EXPECT_NEAR(weir.getDischarge(0.0), 0.8 * free, 1e-9);
    weir.setWaterLevel(0.0, z);  // tailwater at the upstream level
    weir.update(0.0, 1.0);
    EXPECT_EQ(weir.flux(e).A, 0.0);

    auto g = boundary("zero_gradient", End::Downstream);
    g.coupled = true;
    FlumChain::CoupledBoundary out(h.view(), g, std::make_unique<FlumChain::ZeroGradient>(h.view(), g));
    out.update(0.0, 1.0);
    const double open = out.flux(e).A;
    out.setWaterLevel(0.0, z + 0.125 * e.h);  // an eighth of the depth above: half the flux
    EXPECT_NEAR(out.flux(e).A, 0.5 * open, 1e-9);
    out.setWaterLevel(0.0, z + 0.25 * e.h);
    EXPECT_EQ(out.flux(e).A, 0.0);

    auto q = boundary("hydrograph", End::Upstream);
    q.coupled = true;
    q.slope = 0.001;
    FlumChain::CoupledBoundary in(h.view(), q, std::make_unique<FlumChain::Hydrograph>(h.view(), q));
    in.setDischarge(0.0, 12.5);
    in.update(0.0, 1.0);
    EXPECT_EQ(in.flux(e).A, 12.5);
    EXPECT_EQ(in.getWaterLevel(0.0), h.state().sec.front().z);
}

TEST(EdgeCases, UnstretchedBoundaryElementsDictateTheStep) {
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.n = 11;
    Channel c(layout);
    const double c0 = std::sqrt(Flumaris::settings().gravity() * 2.0);
    for (bool stretch : {true, false}) {
        FlumChain::SolverSettings set = explicitSettings(0.9);
        set.stretchBoundary = stretch;
        Hydraulics h(c.grid(), set);
        h.setState(std::vector<double>(11, 20.0), std::vector<double>(11, 0.0));
        // interior elements 10 m, boundary elements 5 m
        EXPECT_NEAR(h.stableTimeStep(), 0.9 * (stretch ? 10.0 : 5.0) / c0, 1e-9);
        if (!stretch) {
            EXPECT_EQ(h.limitingElement(), 0);
        }
    }
}
