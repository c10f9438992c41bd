#include "chain/step/FCImplicitStep.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <lapacke.h>
#include <ostream>

#include "chain/FCGrid.h"
#include "chain/step/FCHydraulics.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "section/CrossSection.h"

namespace FlumChain {

namespace {
constexpr int kBand = 3;                   // sub- and super-diagonals
constexpr int kRows = 2 * kBand + kBand + 1;  // LU needs kl extra rows
}  // namespace

ImplicitStep::ImplicitStep(Hydraulics& h) : h_(h), n_(h.grid().numElements()) {
    for (auto* v : {&A_, &Q_, &Aold_, &Qold_, &oldMass_, &oldMom_, &mass_, &mom_, &saved_}) v->assign(n_, 0.0);
    r0_.assign(2 * n_, 0.0);
    r1_.assign(2 * n_, 0.0);
    rhs_.assign(2 * n_, 0.0);
    band_.assign(static_cast<std::size_t>(kRows) * 2 * n_, 0.0);
    FA_.assign(n_ + 1, 0.0);
    FQ_.assign(n_ + 1, 0.0);
    sec_.resize(n_);
    secOld_.resize(n_);
    pivots_.assign(2 * n_, 0);
}

void ImplicitStep::balanceTerms(const std::vector<double>& A, const std::vector<double>& Q,
                                const std::vector<Flumaris::SectionState>& sec, std::vector<double>& mass,
                                std::vector<double>& momentum) {
    h_.computeFluxes(A, Q, sec, FA_, FQ_);
    const double g = Flumaris::settings().gravity();
    const double hmin = h_.settings().hmin;
    const ChainState& s = h_.state();
    for (std::size_t k = 0; k < n_; ++k) {
        const int i = static_cast<int>(k);
        const double L = h_.grid().elements()[k].length;
        mass[k] = FA_[k + 1] - FA_[k] - s.lateral[k];
        double xu, xd;
        const double zu = h_.neighbourLevel(sec, Q, i, 0, xu);
        const double zd = h_.neighbourLevel(sec, Q, i, 1, xd);
        double bed = 0.0;
        if (std::fabs(zd - zu) >= 1e-9 && xd != xu) bed = g * sec[k].reducedArea * (zd - zu) / std::fabs(xd - xu) * L;
        // The friction of the discharge that crosses the element, as in the explicit step.
        const Element& e = h_.grid().elements()[k];
        double qn = (e.halfUp * FA_[k] + e.halfDown * FA_[k + 1]) / L;
        if (n_ > 1 && e.boundary) qn = k == 0 ? FA_[1] : FA_[k];
        double friction = 0.0;
        if (A[k] > 0.0 && sec[k].z - h_.zBed(i) > hmin && sec[k].K > 0.0)
            friction = g * sec[k].reducedArea * qn * std::fabs(qn) / (sec[k].K * sec[k].K) * L;
        momentum[k] = FQ_[k + 1] - FQ_[k] + bed + friction;
    }
}

void ImplicitStep::residual(const std::vector<double>& A, const std::vector<double>& Q,
                            const std::vector<Flumaris::SectionState>& sec, double dt, std::vector<double>& r) {
    balanceTerms(A, Q, sec, mass_, mom_);
    const double theta = h_.settings().theta;
    for (std::size_t k = 0; k < n_; ++k) {
        const double L = h_.grid().elements()[k].length;
        r[2 * k] = (A[k] - Aold_[k]) * L / dt + theta * mass_[k] + (1.0 - theta) * oldMass_[k];
        r[2 * k + 1] = (Q[k] - Qold_[k]) * L / dt + theta * mom_[k] + (1.0 - theta) * oldMom_[k];
    }
}

double ImplicitStep::run(double t, double dt, std::ostream* log) {
    const ChainState& s = h_.state();
    Aold_ = s.A;
    Qold_ = s.Q;
    secOld_ = s.sec;
    const SolverSettings& set = h_.settings();
    bool ok = attempt(dt);
    for (int tries = 0; !ok && set.timeStepReduction != 0.0 && tries < set.tryLimit; ++tries) {
        dt -= set.timeStepReduction * dt;
        if (log)
            *log << fmt::format("time: {}  no solution found, try {} of {}, timestep reduced to :{}\n", t + dt,
                                tries + 1, set.tryLimit, dt);
        h_.updateBoundaries(t, dt);
        ok = attempt(dt);
    }
    if (!ok) {
        if (log)
            for (const Unconverged& u : unconverged_)
                *log << fmt::format("deltaA : {}  cross section : {}  deltaQ : {}\n", u.dA,
                                    h_.grid().elements()[static_cast<std::size_t>(u.element)].section->name(), u.dQ);
        Flumaris::report(3, "FLUMARIS could not find a solution.\nPlease change parameters for implicite computation: "
                            "timestep or/and theta.");
    }
    return dt;
}

bool ImplicitStep::attempt(double dt) {
    ChainState& s = h_.mutableState();
    const auto& elements = h_.grid().elements();
    A_ = Aold_;
    Q_ = Qold_;
    sec_ = secOld_;
    const double theta = h_.settings().theta;
    if (theta < 1.0) balanceTerms(Aold_, Qold_, secOld_, oldMass_, oldMom_);
    const lapack_int N = static_cast<lapack_int>(2 * n_);
    bool converged = false;
    unconverged_.clear();
    for (iterations_ = 1; iterations_ <= kNewtonLimit; ++iterations_) {
        residual(A_, Q_, sec_, dt, r0_);
        std::fill(band_.begin(), band_.end(), 0.0);
        // Columns of the unknowns of every third element at once.
        for (int var = 0; var < 2; ++var)
            for (std::size_t color = 0; color < 3; ++color) {
                std::vector<double>& x = var == 0 ? A_ : Q_;
                for (std::size_t k = color; k < n_; k += 3) {
                    saved_[k] = x[k];
                    x[k] += 1e-7 * std::max(1.0, std::fabs(x[k]));
                    if (var == 0) sec_[k] = elements[k].section->state(A_[k]);
                }
                residual(A_, Q_, sec_, dt, r1_);
                for (std::size_t k = color; k < n_; k += 3) {
                    const double step = x[k] - saved_[k];  // the increment as stored
                    x[k] = saved_[k];
                    if (var == 0) sec_[k] = elements[k].section->state(A_[k]);
                    const std::size_t col = 2 * k + static_cast<std::size_t>(var);
                    const std::size_t lo = k > 0 ? 2 * (k - 1) : 0, hi = std::min(2 * n_, 2 * (k + 2));
                    for (std::size_t row = lo; row < hi; ++row)
                        band_[col * kRows + (2 * kBand + row - col)] = (r1_[row] - r0_[row]) / step;
                }
            }
        for (std::size_t r = 0; r < 2 * n_; ++r) rhs_[r] = -r0_[r];
        lapack_int info = LAPACKE_dgbtrf(LAPACK_COL_MAJOR, N, N, kBand, kBand, band_.data(), kRows, pivots_.data());
        if (info != 0) break;
        info = LAPACKE_dgbtrs(LAPACK_COL_MAJOR, 'N', N, kBand, kBand, 1, band_.data(), kRows, pivots_.data(),
                              rhs_.data(), N);
        if (info != 0 || std::any_of(rhs_.begin(), rhs_.end(), [](double v) { return !std::isfinite(v); })) break;
        unconverged_.clear();
        for (std::size_t k = 0; k < n_; ++k) {
            const double dA = rhs_[2 * k], dQ = rhs_[2 * k + 1];
            A_[k] = std::max(0.0, A_[k] + dA);
            Q_[k] = A_[k] > 0.0 ? Q_[k] + dQ : 0.0;
            sec_[k] = elements[k].section->state(A_[k]);
            if (std::fabs(dA) > h_.settings().truncationArea || std::fabs(dQ) > h_.settings().truncationDischarge)
                unconverged_.push_back({static_cast<int>(k), dA, dQ});
        }
        if (unconverged_.empty()) {
            converged = true;
            break;
        }
    }
    // The last iterate stands, converged or not.
    s.A = A_;
    s.Q = Q_;
    s.sec = sec_;
    h_.computeFluxes(s.A, s.Q, s.sec, s.FA, s.FQ);
    for (std::size_t k = 0; k < n_; ++k) {
        const Element& e = elements[k];
        s.Qnum[k] = e.length > 0.0 ? (e.halfUp * s.FA[k] + e.halfDown * s.FA[k + 1]) / e.length : 0.0;
    }
    return converged;
}

}  // namespace FlumChain
