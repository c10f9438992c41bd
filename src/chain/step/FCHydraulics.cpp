#include "chain/step/FCHydraulics.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <limits>

#include "chain/FCGrid.h"
#include "chain/boundary/FCWall.h"
#include "chain/step/FCEdgeFlux.h"
#include "chain/step/FCImplicitStep.h"
#include "core/FlumAssert.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "section/CrossSection.h"

namespace FlumChain {

namespace {
constexpr double kMinTimeStep = 1e-12;
constexpr double kFilm = 10.0;
// Below this many elements a parallel loop costs more in its barrier than it saves.
constexpr long kParallelMin = 2048;
}

Hydraulics::Hydraulics(const Grid& grid, const SolverSettings& settings)
    : grid_(grid), settings_(settings), view_(grid_, state_, settings_, time_), g_(Flumaris::settings().gravity()) {
    const std::size_t n = grid.numElements();
    state_.resize(n);
    zBed_.resize(n);
    x_.resize(n);
    length_.resize(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Element& e = grid.elements()[i];
        zBed_[i] = e.section->ground();
        x_[i] = e.section->lCoord();
        length_[i] = e.length;
    }
    // Distances along the chain [m], increasing downstream.
    const double sign = n > 1 && x_[n - 1] < x_[0] ? -1.0 : 1.0;
    for (std::size_t i = 0; i < n; ++i) x_[i] *= sign;
    structureOfEdge_.assign(n + 1, nullptr);
    bounds_[0] = std::make_unique<Wall>(view_, "", End::Upstream);
    bounds_[1] = std::make_unique<Wall>(view_, "", End::Downstream);
    refreshSections();
    if (settings_.scheme == Scheme::Implicit) implicit_ = std::make_unique<ImplicitStep>(*this);
}

Hydraulics::~Hydraulics() = default;

void Hydraulics::setBoundary(std::unique_ptr<Boundary> b) {
    bounds_[b->end() == End::Upstream ? 0 : 1] = std::move(b);
}

void Hydraulics::addStructure(std::unique_ptr<InnerStructure> s) {
    structureOfEdge_[static_cast<std::size_t>(s->edge())] = s.get();
    structures_.push_back(std::move(s));
}

void Hydraulics::addSource(std::unique_ptr<LateralSource> s) { sources_.push_back(std::move(s)); }

void Hydraulics::setState(const std::vector<double>& A, const std::vector<double>& Q) {
    FLUM_ASSERT(A.size() == state_.size() && Q.size() == state_.size());
    state_.A = A;
    state_.Q = Q;
    state_.Qnum = Q;
    refreshSections();
}

void Hydraulics::refreshSections() {
    const long n = static_cast<long>(state_.size());
#pragma omp parallel for schedule(static) if (n >= kParallelMin)
    for (long i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        state_.sec[k] = grid_.elements()[k].section->state(state_.A[k]);
    }
}

double Hydraulics::volume() const {
    double v = 0.0;
    for (std::size_t i = 0; i < state_.size(); ++i) v += state_.A[i] * length_[i];
    return v;
}

void Hydraulics::updateBoundaries(double t, double dt) {
    time_ = t;
    bounds_[0]->update(t, dt);
    bounds_[1]->update(t, dt);
    for (auto& s : structures_) s->update(t);
    std::fill(state_.lateral.begin(), state_.lateral.end(), 0.0);
    for (const auto& s : sources_) {
        const std::size_t k = static_cast<std::size_t>(s->element());
        state_.lateral[k] += s->discharge(t, dt, state_.A[k] * length_[k]);
    }
}

void Hydraulics::computeFluxes(const std::vector<double>& A, const std::vector<double>& Q,
                               const std::vector<Flumaris::SectionState>& sec, std::vector<double>& FA,
                               std::vector<double>& FQ) const {
    const long n = static_cast<long>(A.size());
    const double hmin = settings_.hmin;
    const bool roe = settings_.riemann == RiemannSolver::Roe;
    auto cell = [&](long i) {
        const std::size_t k = static_cast<std::size_t>(i);
        return cellValues(A[k], Q[k], sec[k], zBed_[k]);
    };
#pragma omp parallel for schedule(static) if (n >= kParallelMin)
    for (long k = 1; k < n; ++k) {
        const CellValues L = cell(k - 1), R = cell(k);
        const InnerStructure* s = structureOfEdge_[static_cast<std::size_t>(k)];
        const EdgeFlux f = s ? s->flux(L, R, zBed_[static_cast<std::size_t>(k - 1)], zBed_[static_cast<std::size_t>(k)])
                             : (roe ? roeFlux(L, R, g_, hmin) : upwindFlux(L, R, g_, hmin));
        FA[static_cast<std::size_t>(k)] = f.A;
        FQ[static_cast<std::size_t>(k)] = f.Q;
    }
    CellValues first = cell(0), last = cell(n - 1);
    first.qInner = n > 1 ? FA[1] : first.Q;
    last.qInner = n > 1 ? FA[static_cast<std::size_t>(n - 1)] : last.Q;
    const EdgeFlux up = bounds_[0]->flux(first);
    const EdgeFlux down = bounds_[1]->flux(last);
    FA[0] = up.A;
    FQ[0] = up.Q;
    FA[static_cast<std::size_t>(n)] = down.A;
    FQ[static_cast<std::size_t>(n)] = down.Q;
}

double Hydraulics::neighbourLevel(const std::vector<Flumaris::SectionState>& sec, const std::vector<double>& Q, int i,
                                  int side, double& x) const {
    const std::size_t k = static_cast<std::size_t>(i);
    const int j = side == 0 ? i - 1 : i + 1;
    const int edge = side == 0 ? i : i + 1;
    const int n = static_cast<int>(sec.size());
    x = x_[k];
    if (j < 0 || j >= n || structureOfEdge_[static_cast<std::size_t>(edge)]) return sec[k].z;
    const std::size_t m = static_cast<std::size_t>(j);
    const Flumaris::SectionState& s = sec[k];
    const double h = s.z - zBed_[k];
    const double u = s.reducedArea > 0.0 ? Q[k] / s.reducedArea : 0.0;
    const double E = h > settings_.hmin ? s.z + u * u / (2.0 * g_) : s.z;
    // A dry neighbour above the energy level pushes nothing.
    if (sec[m].z - zBed_[m] <= settings_.hmin && sec[m].z > E) return sec[k].z;
    x = x_[m];
    return sec[m].z;
}

double Hydraulics::advance(double t, double dt) {
    updateBoundaries(t, dt);
    if (implicit_) {
        dt = implicit_->run(t, dt, implicitLog_);
        lastInflow_ = state_.FA.front() - state_.FA.back();
        for (double q : state_.lateral) lastInflow_ += q;
        return dt;
    }
    explicitStep(dt);
    return dt;
}

void Hydraulics::explicitStep(double dt) {
    ChainState& s = state_;
    computeFluxes(s.A, s.Q, s.sec, s.FA, s.FQ);
    const long n = static_cast<long>(s.size());
    const double hmin = settings_.hmin;
#pragma omp parallel for schedule(static) if (n >= kParallelMin)
    for (long i = 0; i < n; ++i) {
        const std::size_t k = static_cast<std::size_t>(i);
        const Element& e = grid_.elements()[k];
        const double L = length_[k];
        double A = s.A[k] - dt * (s.FA[k + 1] - s.FA[k] - s.lateral[k]) / L;
        double Q = 0.0;
        if (A > 0.0) {
            s.secNew[k] = e.section->state(A);
            Q = s.Q[k] - dt * (s.FQ[k + 1] - s.FQ[k]) / L;
        } else {
            A = 0.0;
            s.secNew[k] = e.section->state(0.0);
        }
        // Pressure and bed slope from the old state, so that the sum over the
        // chain telescopes to the ends (the pressure is conserved: shocks run
        // at their speed).
        double xu, xd;
        const double zu = neighbourLevel(s.sec, s.Q, i, 0, xu);
        const double zd = neighbourLevel(s.sec, s.Q, i, 1, xd);
        double S = 0.0;
        if (std::fabs(zd - zu) >= 1e-9 && xd != xu) S = g_ * s.sec[k].reducedArea * (zd - zu) / std::fabs(xd - xu);
        Q -= dt * S;
        s.bedForce[k] = S * L;
        // Semi-implicit friction of the discharge that crosses the element
        // (Qnum of the last step): the linear part in the element's Q stays
        // implicit, the difference to Qnum is deferred. In steady flow the
        // friction is that of the true discharge, not of the element value,
        // which differs from it by the Roe dissipation.
        const Flumaris::SectionState& ns = s.secNew[k];
        s.frictionForce[k] = 0.0;
        if (ns.K > 0.0 && ns.reducedArea > 0.0) {
            const double c = dt * g_ * ns.reducedArea / (ns.K * ns.K), qo = s.Q[k], qn = s.Qnum[k];
            const double Qf = (Q - c * (qn * std::fabs(qn) - qo * std::fabs(qo))) / (1.0 + c * std::fabs(qo));
            s.frictionForce[k] = (Q - Qf) * L / dt;
            Q = Qf;
        }
        double qnum = e.boundary ? (k == 0 ? s.FA[1] : s.FA[k]) : (e.halfUp * s.FA[k] + e.halfDown * s.FA[k + 1]) / L;
        if (n == 1) qnum = 0.5 * (s.FA[0] + s.FA[1]);
        if (ns.reducedArea <= 0.0) Q = qnum = 0.0;
        // A film thinner than kFilm hmin: the velocity of Kurganov & Petrova
        // (2007), u = sqrt(2) h q / sqrt(h^4 + max(h^4, e^4)), which equals
        // q / h above the film depth e and tends to 0 with h, so that momentum
        // arriving with little water cannot make a film race ahead.
        const double hf = ns.meanDepth, film = kFilm * hmin;
        if (ns.reducedArea > 0.0 && hf < film) {
            const double h4 = hf * hf * hf * hf;
            Q *= std::sqrt(2.0) * hf * hf / std::sqrt(h4 + std::max(h4, film * film * film * film));
        }
        s.Anew[k] = A;
        s.Qnew[k] = Q;
        s.Qnum[k] = qnum;
    }
    double inflow = s.FA[0] - s.FA[static_cast<std::size_t>(n)];
    for (double q : s.lateral) inflow += q;
    lastInflow_ = inflow;
    std::swap(s.A, s.Anew);
    std::swap(s.Q, s.Qnew);
    std::swap(s.sec, s.secNew);
}

double Hydraulics::stableTimeStep() {
    if (implicit_) return settings_.initialTimeStep;
    const ChainState& s = state_;
    const long n = static_cast<long>(s.size());
    double best = std::numeric_limits<double>::infinity();
    long where = -1;
    // Per-thread minima merged by (dt, element): the same answer for any thread count.
#pragma omp parallel if (n >= kParallelMin)
    {
        double mine = std::numeric_limits<double>::infinity();
        long at = -1;
#pragma omp for schedule(static) nowait
        for (long i = 0; i < n; ++i) {
            const std::size_t k = static_cast<std::size_t>(i);
            const Flumaris::SectionState& st = s.sec[k];
            if (st.reducedArea == 0.0 || !(st.meanDepth > settings_.hmin)) continue;
            const double stretch = settings_.stretchBoundary && grid_.elements()[k].boundary ? 2.0 : 1.0;
            const double dt = settings_.cfl * length_[k] * stretch /
                              (std::fabs(s.Q[k] / st.reducedArea) + std::sqrt(g_ * st.meanDepth));
            if (dt < mine) mine = dt, at = i;
        }
#pragma omp critical(chainTimeStep)
        if (mine < best || (mine == best && at < where)) best = mine, where = at;
    }
    limiting_ = static_cast<int>(where);
    // A dry chain has no celerity: the first water enters with initial_time_step.
    if (where < 0) best = settings_.initialTimeStep;
    const double dt = std::min(best, settings_.maxTimeStep);
    if (dt < kMinTimeStep)
        Flumaris::fatal(fmt::format("FLUMchain: the new determined timestep {} is smaller than the minimum limit {}. "
                                    "This indicates that your simulation has a severe numerical problem. So we quit "
                                    "here.",
                                    dt, kMinTimeStep));
    return dt;
}

}  // namespace FlumChain
