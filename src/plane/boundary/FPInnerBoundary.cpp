#include "plane/boundary/FPInnerBoundary.h"

#include <algorithm>
#include <cmath>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/FPPlaneView.h"
#include "plane/boundary/FPBoundary.h"
#include "physics/gate/GateLaw.h"
#include "plane/flux/FPExact.h"
#include "plane/step/FPEdgeSweep.h"

namespace FlumPlane {

namespace {

const char* kindWord(InnerBoundary::Kind k) {
    switch (k) {
        case InnerBoundary::Kind::Weir: return "weir";
        case InnerBoundary::Kind::Gate: return "gate";
        case InnerBoundary::Kind::HQRelation: return "hqrelation";
        case InnerBoundary::Kind::Exact: return "exact_flux";
        default: return "dummy_flux";
    }
}

const EdgeString& innerString(const PlaneView& plane, const std::string& name) {
    const EdgeString* s = plane.edgeStrings().find(name);
    if (!s)
        Flumaris::fatal("Inner Boundary string_name '" + name +
                                "' not found in STRINGDEF block. Make sure the Inner Boundary string_name has the same "
                                "name as a defined unique string in the STRINGDEF block.");
    return *s;
}

}  // namespace

InnerBoundary::InnerBoundary(const PlaneView& plane, const BoundarySettings& s, Kind kind)
    : FPBoundaryCondition(s.name),
      plane_(plane),
      grid_(plane.grid()),
      state_(plane.state()),
      kind_(kind),
      settings_(s),
      weir_(s.my),
      hmin_(plane.hmin()),
      g_(Flumaris::settings().gravity()) {
    const EdgeString& s1 = innerString(plane, s.stringName);
    const EdgeString& s2 = innerString(plane, s.stringName2);
    if (s1.nodes().size() != s2.nodes().size())
        Flumaris::fatal(std::string("The two cross_strings for an inner boundary of type '") + kindWord(kind) +
                                "' do not have the same number of nodes! Both STRINGDEF's need an equal number of "
                                "nodes for this inner boundary condition.");
    edges1_ = s1.edges();
    edges2_ = s2.edges();
    const Grid& grid = grid_;
    for (std::size_t k = 0; k < edges1_.size(); ++k) {
        const int a = edges1_[k], b = edges2_[k];
        const bool interior = grid.edgeRight_[a] != Grid::kNone || grid.edgeRight_[b] != Grid::kNone;
        if (interior && a != b)
            Flumaris::fatal("The edge string '" + (grid.edgeRight_[a] != Grid::kNone ? s1.name() : s2.name()) +
                                    "' is not correct!\nEdges must be boundary edges!\nPlease correct the edge string "
                                    "in the command file.");
        shared_.push_back(interior ? 1 : 0);
        if (interior) {
            // leaves the interior sweep, so no edge is computed twice
            claims_.edges.push_back({a, EdgeInner});
            claims_.leaveSweep.push_back(a);
        } else {
            // the link lets the negative-depth correction reach the element across the structure
            claims_.edges.push_back({a, EdgeInner, b});
            claims_.edges.push_back({b, EdgeInner, a});
        }
    }

    if (kind == Kind::Weir || kind == Kind::Gate) {
        if (s.file.empty())
            Flumaris::fatal(std::string("No file specified for the inner boundary of type '") + kindWord(kind) +
                                    "'. A file with the " + (kind == Kind::Weir ? "crest" : "gate") +
                                    " level over time is compulsory. Provide an existing name for a file.");
        serie_ = std::make_unique<Flumaris::BoundarySerie>(s.file);
        serie_->checkBoundarySerie(plane.finalTime());
    } else if (kind == Kind::HQRelation) {
        if (s.file.empty()) Flumaris::fatal("no hq-relation found for InnerHQRelation. Program cannot continue.");
        table_ = std::make_unique<Flumaris::StandardSerie>(s.file);
    }
}

void InnerBoundary::fluxesLimited() {
    double sum = 0.0;
    for (std::size_t k = 0; k < edges1_.size(); ++k) {
        const int i = edges1_[k];
        sum += (grid_.edgeLeft_[i] == element(k, 0) ? 1.0 : -1.0) * state_.fluxMass_[i];
    }
    discharge_ = sum;
}

int InnerBoundary::element(std::size_t k, int side) const {
    const int i = side == 0 ? edges1_[k] : edges2_[k];
    return (shared_[k] && side == 1) ? grid_.edgeRight_[i] : grid_.edgeLeft_[i];
}

void InnerBoundary::update(double t, double dt) {
    dt_ = dt;
    if (serie_) level_ = serie_->getValue(t);
}

double InnerBoundary::limit(int e, double q) const {
    return dt_ > 0.0 ? std::min(q, state_.h_[e] * grid_.elemArea_[e] / dt_) : q;
}

void InnerBoundary::passDischarge(std::size_t k, int from, double q) {
    const int to = 1 - from;
    const int eFrom = element(k, from), eTo = element(k, to);
    const int iFrom = from == 0 ? edges1_[k] : edges2_[k];
    const int iTo = to == 0 ? edges1_[k] : edges2_[k];
    const double factor = kind_ == Kind::Gate ? settings_.momentumFactor : 1.0;
    if (shared_[k]) {
        // One interior edge: positive flux runs from its left to its right element.
        const double sign = grid_.edgeLeft_[iFrom] == eFrom ? 1.0 : -1.0;
        EdgeFlux F = structureFlux(grid_, iFrom, state_.wse_[eFrom], q, 1.0, g_);
        plane_.setEdgeFlux(iFrom, {sign * F.mass, sign * F.momX, sign * F.momY});
        return;
    }
    const EdgeFlux out = structureFlux(grid_, iFrom, state_.wse_[eFrom], q, 1.0, g_);
    const double wTo = std::max(state_.wse_[eTo], state_.wse_[eFrom] - grid_.edgeZmean_[iFrom] + grid_.edgeZmean_[iTo]);
    const EdgeFlux in = structureFlux(grid_, iTo, wTo, q, -1.0, g_, factor);
    // The receiving side feels its own hydrostatic pressure, not the jet's.
    const EdgeFlux pIn = structureFlux(grid_, iTo, state_.wse_[eTo], 0.0, 1.0, g_);
    const EdgeFlux jet0 = structureFlux(grid_, iTo, wTo, 0.0, 1.0, g_);
    auto put = [&](int i, double m, double x, double y) { plane_.setEdgeFlux(i, {m, x, y}); };
    put(iFrom, out.mass, out.momX, out.momY);
    put(iTo, in.mass, in.momX - jet0.momX + (isWet(state_.h_[eTo], hmin_) ? pIn.momX : 0.0),
        in.momY - jet0.momY + (isWet(state_.h_[eTo], hmin_) ? pIn.momY : 0.0));
}

void InnerBoundary::computeFluxes(double, double) {
    double sum = 0.0;
    const std::size_t n = edges1_.size();
    // The discharge of an h-Q relation is shared by the wet area of the edges of string 1.
    double Q = 0.0, wetArea = 0.0;
    if (kind_ == Kind::HQRelation) {
        double zSum = 0.0, lSum = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            const int e = element(k, 0);
            const int i = edges1_[k];
            if (!isWet(state_.h_[e], hmin_) || state_.wse_[e] <= grid_.edgeZmean_[i]) continue;
            zSum += grid_.edgeLength_[i] * state_.wse_[e];
            lSum += grid_.edgeLength_[i];
            wetArea += grid_.edgeLength_[i] * (state_.wse_[e] - grid_.edgeZmean_[i]);
        }
        if (lSum > 0.0) Q = std::max(0.0, table_->getValue(zSum / lSum));
    }
    for (std::size_t k = 0; k < n; ++k) {
        const int i1 = edges1_[k], i2 = edges2_[k];
        const int e1 = element(k, 0), e2 = element(k, 1);
        const bool wet1 = isWet(state_.h_[e1], hmin_), wet2 = isWet(state_.h_[e2], hmin_);
        auto zero = [&](int i) { plane_.setEdgeFluxRaw(i, 0.0, 0.0, 0.0); };
        auto walls = [&]() {
            for (int side = 0; side < 2; ++side) {
                const int i = side == 0 ? i1 : i2;
                const int e = side == 0 ? e1 : e2;
                if (shared_[k] && side == 1) break;
                const EdgeFlux F = isWet(state_.h_[e], hmin_) ? wallFlux(edgeGeometry(grid_, i), state_.wse_[e], g_)
                                                        : EdgeFlux{};
                plane_.setEdgeFluxRaw(i, 0.0, F.momX, F.momY);
            }
        };
        if (kind_ == Kind::Dummy) {
            zero(i1);
            zero(i2);
            continue;
        }
        if (kind_ == Kind::Exact) {
            if (!wet1 && !wet2) {
                zero(i1);
                zero(i2);
                continue;
            }
            const EdgeGeometry geo = edgeGeometry(grid_, i1);
            EdgeState s;
            s.wseL = state_.wse_[e1];
            s.wseR = state_.wse_[e2] - grid_.edgeZmean_[i2] + geo.zmean;
            if (wet1 && state_.wse_[e1] - geo.zmean > hmin_) {
                s.hL = state_.wse_[e1] - geo.zmean;
                s.uL = state_.u_[e1];
                s.vL = state_.v_[e1];
            }
            if (wet2 && state_.wse_[e2] - grid_.edgeZmean_[i2] > hmin_) {
                s.hR = state_.wse_[e2] - grid_.edgeZmean_[i2];
                s.uR = state_.u_[e2];
                s.vR = state_.v_[e2];
            }
            const Exact solver(g_, hmin_, plane_.eulerSettings().riemannTolerance);
            EdgeFlux F = (s.hL > 0.0 || s.hR > 0.0) ? solver.flux(geo, s) : EdgeFlux{};
            if (F.mass > 0.0) F.mass = std::min(F.mass, limit(e1, F.mass));
            if (F.mass < 0.0) F.mass = -limit(e2, -F.mass);
            plane_.setEdgeFlux(i1, F);
            if (!shared_[k])
                plane_.setEdgeFluxRaw(i2, -state_.fluxMass_[i1], -state_.fluxMomX_[i1], -state_.fluxMomY_[i1]);
            sum += F.mass;
            continue;
        }
        // Weir and gate: the higher wet side is upstream; a dry side counts with
        // its own level, so no water climbs into a dry element above it.
        const double w1 = state_.wse_[e1], w2 = state_.wse_[e2];
        const int up = (wet1 && wet2) ? (w1 >= w2 ? 0 : 1) : (wet1 ? 0 : 1);
        const int eUp = up == 0 ? e1 : e2;
        const int iUp = up == 0 ? i1 : i2;
        const double zUp = up == 0 ? w1 : w2;
        const double zDown = up == 0 ? w2 : w1;
        double q = 0.0;
        if (kind_ == Kind::HQRelation) {
            if (wet1 && wetArea > 0.0 && state_.wse_[e1] > grid_.edgeZmean_[i1])
                q = Q * grid_.edgeLength_[i1] * (state_.wse_[e1] - grid_.edgeZmean_[i1]) / wetArea;
            if (q > 0.0) {
                q = limit(e1, q);
                passDischarge(k, 0, q);
                sum += q;
            } else {
                walls();
            }
            continue;
        }
        if ((!wet1 && !wet2) || zUp <= zDown) {
            walls();
            continue;
        }
        if (!isWet(state_.h_[eUp], hmin_))
            Flumaris::fatal("Error within Inner Weir Calculation. Attempt to calculate weir flux although both "
                                "elements are dry.");
        const double zBed = std::min(grid_.elemZb_[eUp], kind_ == Kind::Weir ? level_ : grid_.edgeZmean_[iUp]);
        if (kind_ == Kind::Weir) {
            if (zUp > level_) q = weir_.discharge(level_, zUp, zDown, zBed, 0.1 * hmin_);
        } else {
            q = Flumaris::gateDischarge(level_, zUp, zDown, grid_.edgeZmean_[iUp], settings_.my, g_);
        }
        q = limit(eUp, q * grid_.edgeLength_[iUp]);
        if (q <= 0.0) {
            walls();
            continue;
        }
        passDischarge(k, up, q);
        sum += up == 0 ? q : -q;
    }
    discharge_ = sum;
}

}  // namespace FlumPlane
