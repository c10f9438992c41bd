// Unsteady flow of the explicit scheme on a flat, frictionless rectangular
// channel 1 m wide (A = h) against the exact dam-break solutions of Ritter
// (dry bed) and Stoker (wet bed); the volume of a closed chain; the same bits
// for one and two threads.
#include <gtest/gtest.h>
#include <omp.h>

#include <cmath>

#include "ChannelCase.h"
#include "core/Flumaris.h"

using namespace chaintest;
using FlumChain::Hydraulics;

namespace {

constexpr int kCells = 1001;      // dx = 1 m
constexpr double kDam = 500.5;    // between elements 500 and 501

Channel flatChannel(int n = kCells) {
    ChannelLayout layout;
    layout.shape = rectangle(1.0, 3.0);
    layout.n = n;
    layout.dx = 1.0;
    layout.strickler = 0.0;  // no friction
    layout.mode = Flumaris::SectionMode::Table;
    return Channel(layout);
}

std::unique_ptr<Hydraulics> damBreak(const Channel& c, double hLeft, double hRight) {
    auto h = std::make_unique<Hydraulics>(c.grid(), explicitSettings(0.9));
    const int n = c.layout().n;
    std::vector<double> A(static_cast<std::size_t>(n)), Q(static_cast<std::size_t>(n), 0.0);
    for (int k = 0; k < n; ++k) A[static_cast<std::size_t>(k)] = k <= n / 2 ? hLeft : hRight;
    h->setState(A, Q);
    return h;
}

// Stoker: the middle depth where the rarefaction meets the shock.
double stokerMiddle(double hl, double hr, double g) {
    double lo = hr, hi = hl;
    for (int i = 0; i < 200; ++i) {
        const double hm = 0.5 * (lo + hi);
        const double uRare = 2.0 * (std::sqrt(g * hl) - std::sqrt(g * hm));
        const double uShock = (hm - hr) * std::sqrt(g * (hm + hr) / (2.0 * hm * hr));
        (uRare > uShock ? lo : hi) = hm;
    }
    return 0.5 * (lo + hi);
}

double exactDepth(double x, double t, double hl, double hr, double g) {
    const double cl = std::sqrt(g * hl), xi = (x - kDam) / t;
    if (xi <= -cl) return hl;
    const double rare = (2.0 * cl - xi) * (2.0 * cl - xi) / (9.0 * g);
    if (hr == 0.0) return xi < 2.0 * cl ? rare : 0.0;
    const double hm = stokerMiddle(hl, hr, g), cm = std::sqrt(g * hm), um = 2.0 * (cl - cm);
    if (xi <= um - cm) return rare;
    return xi < hm * um / (hm - hr) ? hm : hr;
}

double relativeL1(const Hydraulics& h, double t, double hl, double hr) {
    const double g = Flumaris::settings().gravity();
    double err = 0.0, sum = 0.0;
    for (int k = 0; k < kCells; ++k) {
        const double L = h.grid().elements()[static_cast<std::size_t>(k)].length;
        const double ex = exactDepth(k, t, hl, hr, g);
        err += std::fabs(h.state().A[static_cast<std::size_t>(k)] - ex) * L;
        sum += ex * L;
    }
    return err / sum;
}

}  // namespace

TEST(DamBreak, StokerAndRitterAgainstTheExactSolutions) {
    const Channel c = flatChannel();
    const double t = 40.0;
    auto stoker = damBreak(c, 1.0, 0.1);
    runTo(*stoker, 0.0, t);
    const double eStoker = relativeL1(*stoker, t, 1.0, 0.1);

    auto ritter = damBreak(c, 1.0, 0.0);
    runTo(*ritter, 0.0, t);
    const double eRitter = relativeL1(*ritter, t, 1.0, 0.0);
    std::cout << "relative L1 depth error: Stoker " << eStoker << ", Ritter " << eRitter << "\n";
    EXPECT_LT(eStoker, 0.0025);
    EXPECT_LT(eRitter, 0.007);
    // Beyond the front (2 c0 t past the dam) and a margin of smeared cells the bed stays exactly dry.
    const double front = kDam + 2.0 * std::sqrt(Flumaris::settings().gravity()) * t;
    for (int k = static_cast<int>(front) + 20; k < kCells; ++k) {
        ASSERT_EQ(ritter->state().A[static_cast<std::size_t>(k)], 0.0) << k;
        ASSERT_EQ(ritter->state().Q[static_cast<std::size_t>(k)], 0.0) << k;
    }
}

TEST(DamBreak, ClosedChainKeepsItsVolumeAndThreadsGiveTheSameBits) {
    const Channel c = flatChannel(2049);  // long enough for the loops to run in parallel
    std::vector<std::vector<double>> result;
    for (int threads : {1, 2}) {
        omp_set_num_threads(threads);
        auto h = damBreak(c, 1.0, 0.3);  // walls at both ends: the waves reflect
        const double v0 = h->volume();
        runTo(*h, 0.0, 300.0);
        EXPECT_NEAR(h->volume() / v0 - 1.0, 0.0, 1e-12);
        result.push_back(h->state().A);
        result.push_back(h->state().Q);
    }
    omp_set_num_threads(1);
    EXPECT_TRUE(result[0] == result[2]);
    EXPECT_TRUE(result[1] == result[3]);
}
