// Steady states of the explicit and the implicit scheme against independent
// references: the M1 backwater curve of the gradually-varied-flow equation
// (RK4 in x), the Poleni level of a downstream weir, the discharge of a
// sluice gate, and the two schemes against each other.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "ChannelCase.h"
#include "chain/boundary/FCGate.h"
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

// Steps until every element carries q within tol (or tEnd); the time reached.
double toSteadyState(Hydraulics& h, double q, double tol, double tEnd) {
    double t = 0.0;
    while (t < tEnd && !(t > 0.0 && maxDischargeError(h, q) < tol)) t += h.advance(t, h.stableTimeStep());
    return t;
}

struct Reach {
    Channel channel;
    std::unique_ptr<Hydraulics> h;
};

Reach backwaterReach(const Shape& shape, double downstreamDepth, const FlumChain::SolverSettings& set) {
    ChannelSpec spec;
    spec.shape = shape;
    spec.slope = kSlope;
    spec.strickler = kStrickler;
    Reach r{Channel(spec), nullptr};
    r.h = std::make_unique<Hydraulics>(r.channel.grid(), set);
    auto in = boundary("hydrograph", End::Upstream);
    in.serie = constant(kQ);
    in.slope = kSlope;
    r.h->setBoundary(std::make_unique<FlumChain::Hydrograph>(r.h->view(), in));
    auto out = boundary("zhydrograph", End::Downstream);
    const double zOut = r.channel.bed(spec.n - 1) + downstreamDepth;
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
    const int n = r.channel.spec().n;
    const auto& sec = r.h->state().sec;
    const std::vector<double> ref = gvfDepths(p, sec.back().z - r.channel.bed(n - 1), n, r.channel.spec().dx);
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
