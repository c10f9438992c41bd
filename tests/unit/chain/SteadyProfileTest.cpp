// Steady states of the explicit and the implicit scheme against independent
// references: the M1 backwater curve of the gradually-varied-flow equation
// (RK4 in x), the Poleni level of a downstream weir, the discharge of a
// sluice gate, and the two schemes against each other.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ChannelCase.h"
#include "chain/boundary/FCGate.h"
#include "chain/boundary/FCHQRelation.h"
#include "chain/boundary/FCHydrograph.h"
#include "chain/boundary/FCWeir.h"
#include "chain/boundary/FCZHydrograph.h"
#include "chain/step/FCImplicitStep.h"
#include "chain/step/FCInitialConditions.h"
#include "core/Flumaris.h"
#include "physics/gate/GateLaw.h"

using namespace chaintest;
using FlumChain::End;
using FlumChain::Hydraulics;

namespace {

constexpr double kQ = 20.0;       // [m3/s]
constexpr double kSlope = 0.001;  // bed slope
constexpr double kStrickler = 30.0;

// Area, conveyance and beta of a trapezoid (m = 0: rectangle) at depth h, as
// the slices give them: the banks and the bottom each a vertical strip.
struct Prism {
    double b, m;
    double area(double h) const { return (b + m * h) * h; }
    double conveyance(double h) const {
        const double A = area(h), P = b + 2.0 * h * std::sqrt(1.0 + m * m);
        return kStrickler * A * std::cbrt((A / P) * (A / P));
    }
    double beta(double h) const {
        if (m == 0.0) return 1.0;
        const double kb = std::pow(h / 2.0, 5.0 / 3.0) * m * h, kc = b * std::pow(h, 5.0 / 3.0);
        const double s2 = 2.0 * kb * kb / (m * h * h / 2.0) + kc * kc / (b * h), s1 = 2.0 * kb + kc;
        return area(h) * s2 / (s1 * s1);
    }
    // dh/dx of  d(beta Q^2/A)/dx + g A dz/dx + g A Sf = 0  with z = bed + h.
    double slope(double h) const {
        const double g = Flumaris::settings().gravity(), A = area(h), K = conveyance(h), e = 1e-6;
        const double dBetaOverA = (beta(h + e) / area(h + e) - beta(h - e) / area(h - e)) / (2.0 * e);
        return g * A * (kSlope - kQ * kQ / (K * K)) / (g * A + kQ * kQ * dBetaOverA);
    }
};

// Depths at the sections by RK4 from the last one upstream, 20 substeps per spacing.
std::vector<double> gvfDepths(const Prism& p, double hLast, int n, double dx) {
    std::vector<double> h(static_cast<std::size_t>(n));
    h.back() = hLast;
    double y = hLast;
    const double step = -dx / 20.0;
    for (int k = n - 2; k >= 0; --k) {
        for (int s = 0; s < 20; ++s) {
            const double k1 = p.slope(y), k2 = p.slope(y + 0.5 * step * k1), k3 = p.slope(y + 0.5 * step * k2),
                         k4 = p.slope(y + step * k3);
            y += step * (k1 + 2.0 * k2 + 2.0 * k3 + k4) / 6.0;
        }
        h[static_cast<std::size_t>(k)] = y;
    }
    return h;
}

// Steady: every edge carries q.
double maxDischargeError(const Hydraulics& h, double q) {
    double e = 0.0;
    for (double v : h.state().FA) e = std::max(e, std::fabs(v - q));
    return e;
}

// Steps until every edge carries q within tol (or tEnd); the time reached.
double toSteadyState(Hydraulics& h, double q, double tol, double tEnd) {
    double t = 0.0;
    while (t < tEnd && !(t > 0.0 && maxDischargeError(h, q) < tol)) t += h.advance(t, h.stableTimeStep());
    return t;
}

// Steps until no edge flux changes by more than tol per step and the inflow
// edge carries q (or tEnd); the time reached.
double toSteadyFluxes(Hydraulics& h, double q, double tol, double tEnd) {
    double t = 0.0;
    std::vector<double> last;
    for (;;) {
        last = h.state().FA;
        t += h.advance(t, h.stableTimeStep());
        double change = 0.0;
        for (std::size_t k = 0; k < last.size(); ++k) change = std::max(change, std::fabs(h.state().FA[k] - last[k]));
        if (t >= tEnd || (change < tol * 1e-2 && std::fabs(h.state().FA[1] - q) < tol)) return t;
    }
}

struct Reach {
    Channel channel;
    std::unique_ptr<Hydraulics> h;
};

Reach backwaterReach(const Shape& shape, double downstreamDepth, const FlumChain::SolverSettings& set) {
    ChannelLayout layout;
    layout.shape = shape;
    layout.slope = kSlope;
    layout.strickler = kStrickler;
    Reach r{Channel(layout), nullptr};
    r.h = std::make_unique<Hydraulics>(r.channel.grid(), set);
    auto in = boundary("hydrograph", End::Upstream);
    in.serie = constant(kQ);
    in.slope = kSlope;
    r.h->setBoundary(std::make_unique<FlumChain::Hydrograph>(r.h->view(), in));
    auto out = boundary("zhydrograph", End::Downstream);
    const double zOut = r.channel.bed(layout.n - 1) + downstreamDepth;
    out.serie = constant(zOut);
    r.h->setBoundary(std::make_unique<FlumChain::ZHydrograph>(r.h->view(), out));
    FlumChain::InitialSettings init;
    init.kind = FlumChain::InitialKind::Backwater;
    init.qOut = kQ;
    init.wseOut = zOut;
    FlumChain::applyInitialConditions(init, *r.h);
    return r;
}

// Largest level difference to the RK4 profile started at the last element's level.
double profileError(const Reach& r, const Prism& p) {
    const int n = r.channel.layout().n;
    const auto& sec = r.h->state().sec;
    const std::vector<double> ref = gvfDepths(p, sec.back().z - r.channel.bed(n - 1), n, r.channel.layout().dx);
    double e = 0.0;
    for (int k = 0; k < n; ++k)
        e = std::max(e, std::fabs(sec[static_cast<std::size_t>(k)].z - r.channel.bed(k) - ref[static_cast<std::size_t>(k)]));
    return e;
}

}  // namespace

TEST(SteadyProfile, M1BackwaterOfRectangularAndTrapezoidalChannels) {
    const struct {
        const char* name;
        Shape shape;
        Prism prism;
    } cases[] = {{"rectangle", rectangle(10.0, 8.0), Prism{10.0, 0.0}},
                 {"trapezoid", trapezoid(6.0, 1.5, 8.0), Prism{6.0, 1.5}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Reach r = backwaterReach(c.shape, 3.0, explicitSettings());
        const double before = profileError(r, c.prism);
        toSteadyState(*r.h, kQ, 1e-9, 4.0e4);
        ASSERT_LT(maxDischargeError(*r.h, kQ), 1e-9);
        const double after = profileError(r, c.prism);
        std::cout << c.name << ": backwater start " << before << " m, steady " << after << " m\n";
        EXPECT_LT(after, 5e-4);
        EXPECT_NEAR(r.h->state().sec.back().z, r.channel.bed(100) + 3.0, 1e-9);
    }
}

namespace {

// The reach of the M1 case with a structure at its downstream end, started
// from the backwater curve below the level zStart.
template <class T>
Reach structureReach(const FlumChain::BoundarySettings& s, double zStart, const FlumChain::SolverSettings& set) {
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.slope = kSlope;
    layout.strickler = kStrickler;
    layout.mode = Flumaris::SectionMode::Table;  // the structure laws read the element's level, however found
    Reach r{Channel(layout), nullptr};
    r.h = std::make_unique<Hydraulics>(r.channel.grid(), set);
    auto in = boundary("hydrograph", End::Upstream);
    in.serie = constant(kQ);
    in.slope = kSlope;
    r.h->setBoundary(std::make_unique<FlumChain::Hydrograph>(r.h->view(), in));
    r.h->setBoundary(std::make_unique<T>(r.h->view(), s));
    FlumChain::InitialSettings init;
    init.kind = FlumChain::InitialKind::Backwater;
    init.qOut = kQ;
    init.wseOut = zStart;
    FlumChain::applyInitialConditions(init, *r.h);
    return r;
}

}  // namespace

TEST(SteadyProfile, WeirHoldsThePoleniLevelAndGatePassesItsLaw) {
    const double g = Flumaris::settings().gravity();
    {
        auto s = boundary("weir", End::Downstream);
        const double crest = 100.0 - kSlope * 1000.0 + 2.0;
        s.level = FlumChain::SeriesValue(crest);
        s.width = FlumChain::SeriesValue(10.0);
        Reach r = structureReach<FlumChain::Weir>(s, crest + 1.0, explicitSettings());
        toSteadyState(*r.h, kQ, 1e-8, 4.0e4);
        const double H = std::pow(kQ / (2.0 / 3.0 * 0.65 * 10.0 * std::sqrt(2.0 * g)), 2.0 / 3.0);
        EXPECT_NEAR(r.h->state().sec.back().z, crest + H, 1e-7);
    }
    {
        auto s = boundary("gate", End::Downstream);
        const double bed = 100.0 - kSlope * 1000.0, a = 0.5;
        s.width = FlumChain::SeriesValue(10.0);
        s.gateElevation = FlumChain::SeriesValue(bed + a);
        Reach r = structureReach<FlumChain::Gate>(s, bed + 2.0, explicitSettings());
        toSteadyState(*r.h, kQ, 1e-8, 4.0e4);
        // Henderson's free sluice flow with contraction 0.62 at the upstream depth y1.
        const double y1 = r.h->state().sec.back().z - bed;
        const double Cd = 0.62 / std::sqrt(1.0 + 0.62 * a / y1);
        EXPECT_NEAR(10.0 * Cd * a * std::sqrt(2.0 * g * y1), kQ, 1e-7);
        EXPECT_GT(y1, 4.0 * a);  // far above the opening: the gate, not the sill, controls
    }
}

TEST(SteadyProfile, ImplicitAtCourantAboveTenReachesTheExplicitSteadyState) {
    Reach ex = backwaterReach(rectangle(10.0, 8.0), 3.0, explicitSettings());
    toSteadyState(*ex.h, kQ, 1e-10, 4.0e4);

    FlumChain::SolverSettings set = explicitSettings();
    set.scheme = FlumChain::Scheme::Implicit;
    set.initialTimeStep = 30.0;
    Reach im = backwaterReach(rectangle(10.0, 8.0), 3.0, set);
    // the Courant number of the step, from the fastest element
    double courant = 0.0;
    for (std::size_t k = 0; k < im.h->state().size(); ++k) {
        const auto& st = im.h->state().sec[k];
        courant = std::max(courant, (std::fabs(im.h->state().Q[k] / st.reducedArea) +
                                     std::sqrt(Flumaris::settings().gravity() * st.meanDepth)) * 30.0 / 10.0);
    }
    EXPECT_GT(courant, 10.0);
    double t = 0.0;
    int steps = 0;
    for (; steps < 400 && !(steps > 0 && maxDischargeError(*im.h, kQ) < 1e-10); ++steps) {
        const double dt = im.h->advance(t, im.h->stableTimeStep());
        EXPECT_EQ(dt, 30.0);  // never reduced
        EXPECT_TRUE(im.h->implicitStep()->unconverged().empty());
        t += dt;
    }
    EXPECT_LT(maxDischargeError(*im.h, kQ), 1e-10);
    double diff = 0.0;
    for (std::size_t k = 0; k < ex.h->state().size(); ++k)
        diff = std::max(diff, std::fabs(ex.h->state().sec[k].z - im.h->state().sec[k].z));
    std::cout << "implicit: Courant " << courant << ", " << steps << " steps, |z_ex - z_im| max " << diff << " m\n";
    EXPECT_LT(diff, 1e-7);
}

TEST(SteadyProfile, InnerWeirAndLateralInflow) {
    // A reach at the backwater curve of the inflow, a lateral brook below a free
    // inner weir, normal outflow: the weir holds its Poleni level above the
    // crest and every edge below the brook carries both discharges.
    ChannelLayout layout;
    layout.shape = rectangle(10.0, 8.0);
    layout.slope = kSlope;
    layout.strickler = kStrickler;
    layout.mode = Flumaris::SectionMode::Table;
    Channel c(layout);
    Hydraulics h(c.grid(), explicitSettings());
    auto in = boundary("hydrograph", End::Upstream);
    in.serie = constant(kQ);
    in.slope = kSlope;
    h.setBoundary(std::make_unique<FlumChain::Hydrograph>(h.view(), in));
    auto out = boundary("hqrelation", End::Downstream);
    out.slope = kSlope;
    h.setBoundary(std::make_unique<FlumChain::HQRelation>(h.view(), out));
    FlumChain::InnerSettings w;
    w.type = "weir";
    w.my = 0.65;
    const double crest = c.bed(40) + 2.0;
    w.level = FlumChain::SeriesValue(crest);
    w.width = FlumChain::SeriesValue(10.0);
    h.addStructure(std::make_unique<FlumChain::InnerStructure>(w, 41, h.settings().hmin));  // between 40 and 41
    h.addSource(std::make_unique<FlumChain::LateralSource>("brook", 70, constant(5.0)));
    FlumChain::InitialSettings init;
    init.kind = FlumChain::InitialKind::Backwater;
    init.qOut = kQ;
    init.wseOut = c.bed(100) + 1.5;
    FlumChain::applyInitialConditions(init, h);
    const double t = toSteadyFluxes(h, kQ, 1e-8, 2.0e4);
    for (std::size_t k = 0; k <= 41; ++k) EXPECT_NEAR(h.state().FA[k], kQ, 1e-6) << k;
    for (std::size_t k = 71; k <= 101; ++k) EXPECT_NEAR(h.state().FA[k], kQ + 5.0, 1e-6) << k;
    const double g = Flumaris::settings().gravity();
    const double H = std::pow(kQ / (2.0 / 3.0 * 0.65 * 10.0 * std::sqrt(2.0 * g)), 2.0 / 3.0);
    EXPECT_NEAR(h.state().sec[40].z, crest + H, 1e-6);
    EXPECT_LT(h.state().sec[41].z, crest);  // free overflow
    EXPECT_LT(t, 2.0e4);
}
