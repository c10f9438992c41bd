#include "plane/step/FPEuler.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <fmt/format.h>
#include <string>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/step/FPEdgeSweep.h"

namespace FlumPlane {

namespace {

std::string num(double x) { return fmt::format("{:g}", x); }

}  // namespace

Euler::Euler(const Grid& grid, FPState& state, const EulerSettings& settings)
    : grid_(grid), state_(state), settings_(settings), g_(Flumaris::settings().gravity()) {
    if (settings_.turbulence)
        turbulence_ = std::make_unique<AlgebraicTurbulence>(grid, settings_.turbulenceSettings);
}

const WetBlocks* Euler::wetBlocks() {
    // Eddy viscosity reaches past the wet elements' neighbours: turbulence visits everything.
    if (turbulence_) return nullptr;
    if (!blocks_.built()) blocks_.build(grid_, state_, settings_.hmin);
    return &blocks_;
}

void Euler::computeFluxes() {
    RiemannSolverSettings rs;
    rs.kind = settings_.solver;
    rs.gravity = g_;
    rs.hmin = settings_.hmin;
    rs.tolerance = settings_.riemannTolerance;
    const WetBlocks* blocks = wetBlocks();
    if (blocks) blocks_.beginStep();
    withRiemannSolver(rs, [&](const auto& solver) {
        computeEdgeFluxes(solver, grid_, state_, settings_.hmin, settings_.dynamicDepth, blocks);
    });
    if (turbulence_) {
        turbulence_->updateEddyViscosity(state_);
        turbulence_->computeDiffusiveFluxes(state_, settings_.hmin);
    }
}

void Euler::updateElements(double dt) {
    const Grid& grid = grid_;
    FPState& s = state_;
    StepParameters p;
    p.dt = dt;
    p.hmin = settings_.hmin;
    p.g = g_;
    p.velocityUpdate = settings_.velocityUpdate;
    const int ne = grid.numElements();
    const bool watchSpeed = !speedWarningShown_;
    const bool turbulence = turbulence_ != nullptr;
    int depthNaN = INT_MAX, velocityNaN = INT_MAX;
    int firstNegative = ne;
    int cutElement = INT_MAX;
    double cutSpeed = 0.0;

    const std::vector<int>* visit = visitedBlocks();
    const int nv = visit ? static_cast<int>(visit->size()) : 0;
#pragma omp parallel reduction(min : depthNaN, velocityNaN, firstNegative)
    {
        ElementBed scratch;  // refilled per partly wet element; no record copied per element
        GridBed bed(grid, scratch);
        // Without blocks every block is visited; one loop keeps the update inlined.
        const int nr = visit ? nv : (ne + WetBlocks::kBlock - 1) / WetBlocks::kBlock;
#pragma omp for schedule(static)
        for (int j = 0; j < nr; ++j) {
            const int b = visit ? (*visit)[j] : j;
            const int last = std::min(ne, (b + 1) * WetBlocks::kBlock);
            for (int e = b * WetBlocks::kBlock; e < last; ++e) {
                const bool dry = s.h_[e] <= p.hmin;
                ElementInput in;
                Inflow diffusion;
                for (int k = 0; k < grid.elemNumNodes_[e]; ++k) {
                    const int slot = Grid::kMaxNodes * e + k;
                    const int i = grid.elemEdges_[slot];
                    const int nb = grid.elemNeighbours_[slot];
                    const double otherWse = nb >= 0 ? s.wse_[nb] : 0.0;
                    addEdgeInflow(in.inflow, grid.elemEdgeSign_[slot], s.fluxMass_[i], s.fluxMomX_[i],
                                  s.fluxMomY_[i], dry, s.wse_[e], otherWse, nb >= 0);
                    if (turbulence)
                        addEdgeInflow(diffusion, grid.elemEdgeSign_[slot], 0.0, s.diffMomX_[i],
                                      s.diffMomY_[i], dry, s.wse_[e], otherWse, nb >= 0);
                }
                in.tx = diffusion.momX * grid.elemInvArea_[e];
                in.ty = diffusion.momY * grid.elemInvArea_[e];
                s.sumMass_[e] = in.inflow.mass;
                s.sumMomX_[e] = in.inflow.momX;
                s.sumMomY_[e] = in.inflow.momY;
                in.h = s.h_[e];
                in.u = s.u_[e];
                in.v = s.v_[e];
                in.zb = grid.elemZb_[e];
                in.frictionRate = bedFrictionRate(s.speed_[e], s.h_[e], s.cf_[e]);
                in.hasSource = s.hasSource_[e] != 0;
                in.sourceRate = s.sourceRate_[e];
                bed.select(e);
                const ElementResult r = updateElement(bed, in, p);
                s.hNew_[e] = r.h;
                s.uNew_[e] = r.u;
                s.vNew_[e] = r.v;
                // what the commit makes of them, here while the element is in cache
                s.speedNew_[e] = std::sqrt(r.u * r.u + r.v * r.v);
                s.wseOld_[e] = r.h + grid.elemZb_[e];
                s.fullyWetted_[e] = r.fullyWetted ? 1 : 0;
                if (r.h < 0.0 && e < firstNegative) firstNegative = e;
                if (r.depthNaN) depthNaN = std::min(depthNaN, e);
                if (r.velocityNaN) velocityNaN = std::min(velocityNaN, e);
                if (watchSpeed && r.cutSpeed > 0.0) {
#pragma omp critical(flum_plane_speed_cut)
                    if (e < cutElement) {
                        cutElement = e;
                        cutSpeed = r.cutSpeed;
                    }
                }
            }
            if (visit) blocks_.scanBlock(b, s.hNew_.data());
        }
    }

    firstNegative_ = firstNegative;
    if (depthNaN != INT_MAX || velocityNaN != INT_MAX) reportFailure(depthNaN, velocityNaN);
    if (cutElement != INT_MAX) {
        speedWarningShown_ = true;
        Flumaris::report(3, "The velocity 'v=" + num(cutSpeed) + "m/s' in the element #" +
                                std::to_string(grid.elemId_[cutElement]) +
                                " exceeded the maximum velocity 'vmax=" + num(kMaxSpeed) +
                                "m/s' and is set to this maximum. No more messages are shown.");
    }
}

void Euler::reportFailure(int depthNaN, int velocityNaN) const {
    const FPState& s = state_;
    if (depthNaN <= velocityNaN) {
        Flumaris::fatal("The new depth of the element # " +
                                std::to_string(grid_.elemId_[depthNaN]) + " is NAN = " +
                                num(s.hNew_[depthNaN]) +
                                ".\nThe program is terminated abnormally.");
        return;
    }
    const int e = velocityNaN;
    Flumaris::fatal("The element # " + std::to_string(grid_.elemId_[e]) +
                            " has an infinite velocity!\nh = " + num(s.hNew_[e]) +
                            "\nu = " + num(s.uNew_[e]) + "\nv = " + num(s.vNew_[e]) +
                            "\nFluxH = " + num(s.sumMass_[e]) + "\nFluxU = " +
                            num(s.sumMomX_[e]) + "\nFluxV = " + num(s.sumMomY_[e]) +
                            "\nThe program is terminated abnormally.");
}

bool Euler::limitDraining(double dt) {
    const Grid& grid = grid_;
    FPState& s = state_;
    const int ne = grid.numElements();
    drainFactor_.resize(static_cast<std::size_t>(ne));
    double* factor = drainFactor_.data();
    int limited = 0;
#pragma omp parallel for schedule(static) reduction(+ : limited)
    for (int e = 0; e < ne; ++e) {
        double out = 0.0;
        for (int k = 0; k < grid.elemNumNodes_[e]; ++k) {
            const int slot = Grid::kMaxNodes * e + k;
            out += std::max(0.0, grid.elemEdgeSign_[slot] * s.fluxMass_[grid.elemEdges_[slot]]);
        }
        const double volume = s.h_[e] * grid.elemArea_[e];
        factor[e] = 1.0;
        if (out * dt > volume) {
            factor[e] = volume / (out * dt);
            ++limited;
        }
    }
    if (limited == 0) return false;
    const int ni = grid.numEdges();
    const auto donorFactor = [&](int i) {
        const double m = s.fluxMass_[i];
        const int donor = m > 0.0 ? grid.edgeLeft_[i] : (m < 0.0 ? grid.edgeRight_[i] : Grid::kNone);
        return donor == Grid::kNone ? 1.0 : factor[donor];
    };
    const auto scale = [&](int i, double f) {
        s.fluxMass_[i] *= f;
        s.fluxMomX_[i] *= f;
        s.fluxMomY_[i] *= f;
    };
#pragma omp parallel for schedule(static)
    for (int i = 0; i < ni; ++i) {
        const int link = grid.edgeLink_[i];
        if (link == Grid::kNone) {
            if (const double f = donorFactor(i); f != 1.0) scale(i, f);
        } else if (i < link) {
            // The two banks of an inner structure carry one discharge: both take the donor's factor.
            const double f = std::min(donorFactor(i), donorFactor(link));
            if (f != 1.0) {
                scale(i, f);
                scale(link, f);
            }
        }
    }
    return true;
}

void Euler::correctNegativeDepths(double dt) {
    // Negative depths are rare: the update found the first, and the repair
    // runs in element order on one thread, since a repair changes its neighbours.
    const int ne = grid_.numElements();
    for (int e = firstNegative_; e < ne; ++e)
        if (state_.hNew_[e] < 0.0) collectFromNeighbours(e, dt);
    firstNegative_ = ne;
}

void Euler::collectFromNeighbours(int e, double dt) {
    FPState& s = state_;
    const Grid& grid = grid_;
    const double A = grid.elemArea_[e];
    const std::string id = std::to_string(grid.elemId_[e]);
    double need = -s.hNew_[e] * A;
    // Repairs are frequent at wet/dry fronts; their story is formatted only for a log that shows it.
    const bool tell = Flumaris::settings().logLevel_ >= 6;
    if (tell) {
        Flumaris::report(6, "**********\nelement #" + id + " with negativ water depth h=" +
                                num(s.hNew_[e]) + " we need to collect " + num(need) +
                                "[m3] from the neighbours!");
        Flumaris::report(6, "looking for neighbouring elements that (1) took water out of our "
                            "sink and (2) have some water left to fill our sink ...");
        Flumaris::report(6, "ok, let's do the collection:");
    }
    for (int k = 0; k < grid.elemNumNodes_[e] && need > 0.0; ++k) {
        const int slot = Grid::kMaxNodes * e + k;
        const int i = grid.elemEdges_[slot];
        // An inner structure moves water to the element across it, which counts as a neighbour here.
        const int link = grid.edgeLink_[i];
        const int nb = link != Grid::kNone ? grid.edgeLeft_[link] : grid.elemNeighbours_[slot];
        if (nb < 0) continue;
        const double outflow = grid.elemEdgeSign_[slot] * s.fluxMass_[i] * dt;
        const double left = s.hNew_[nb] * grid.elemArea_[nb];
        if (outflow <= 0.0 || left <= 0.0) continue;
        const double take = std::min({outflow, left, need});
        s.hNew_[nb] -= take / grid.elemArea_[nb];
        if (s.hNew_[nb] <= settings_.hmin) {
            // drained below the wet threshold: at rest like any dry element
            s.uNew_[nb] = s.vNew_[nb] = 0.0;
            s.fullyWetted_[nb] = 0;
        }
        refreshCommitValues(nb);
        need -= take;
        if (tell)
            Flumaris::report(6, "\tfrom element #" + std::to_string(grid.elemId_[nb]) +
                                    " we take back " + num(take) +
                                    "[m3]...remaining volume to fill the sink: " + num(need));
    }
    const double h = -need / A;
    if (h < -kTiny) {
        Flumaris::report(3, "Mass conservation is not guaranteed! Negative water depth in element #" +
                                id + ": h=" + num(h) + "[m] is set to 0.");
    } else if (h > kTiny) {
        Flumaris::report(3, "too much water was collected in element #" + id + ": surplus of " +
                                num(-need) + "[m3]");
    }
    s.hNew_[e] = h > kTiny ? h : 0.0;
    s.uNew_[e] = s.vNew_[e] = 0.0;
    s.fullyWetted_[e] = 0;
    refreshCommitValues(e);
}

void Euler::refreshCommitValues(int e) {
    FPState& s = state_;
    s.speedNew_[e] = std::sqrt(s.uNew_[e] * s.uNew_[e] + s.vNew_[e] * s.vNew_[e]);
    s.wseOld_[e] = s.hNew_[e] + grid_.elemZb_[e];
    if (blocks_.built()) blocks_.markCrossed(e);
}

void Euler::commit() {
    FPState& s = state_;
    // Every element visited wrote its temporaries (speed and wse included), and
    // one left out holds the same values in both buffers (see WetBlocks), so
    // swapping is the whole commit.
    s.h_.swap(s.hNew_);
    s.u_.swap(s.uNew_);
    s.v_.swap(s.vNew_);
    s.speed_.swap(s.speedNew_);
    s.wseOld_.swap(s.wse_);
    if (visitedBlocks()) blocks_.countCrossings(grid_, s);
}

void Euler::step(double dt) {
    computeFluxes();
    limitDraining(dt);
    updateElements(dt);
    correctNegativeDepths(dt);
    commit();
}

}  // namespace FlumPlane
