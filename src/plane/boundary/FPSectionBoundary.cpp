#include "plane/boundary/FPSectionBoundary.h"

#include <cmath>
#include <fmt/format.h>

#include "core/MessageService.h"
#include "plane/FPPlaneView.h"

namespace FlumPlane {

namespace {

std::vector<Flumaris::CrossSectionSlice> stringSlices(const PlaneView& plane, const EdgeString& string) {
    const Grid& g = plane.grid();
    std::vector<Flumaris::CrossSectionSlice> slices;
    double y = 0.0;
    const std::vector<int>& nodes = string.nodes();
    for (std::size_t k = 0; k + 1 < nodes.size(); ++k) {
        const int a = nodes[k], b = nodes[k + 1];
        const double len = std::hypot(g.nodeX_[b] - g.nodeX_[a], g.nodeY_[b] - g.nodeY_[a]);
        Flumaris::CrossSectionSlice s({g.nodeX_[a], y, g.nodeZ_[a]}, {g.nodeX_[b], y + len, g.nodeZ_[b]});
        s.kValue_ = plane.frictionValues()[static_cast<std::size_t>(g.edgeLeft_[string.edges()[k]])];
        s.activ_ = 1;
        slices.push_back(s);
        y += len;
    }
    return slices;
}

}  // namespace

SectionBoundary::SectionBoundary(const PlaneView& plane, const BoundarySettings& s, const EdgeString& string, int edgeType)
    : Boundary(plane, s.name, string, edgeType),
      settings_(s),
      tables_(stringSlices(plane, string), plane.frictionLaw(), s.maxInterval) {
    const std::size_t n = edges_.size();
    level_.assign(n, 0.0);
    active_.assign(n, 0);
    edgeQ_.assign(n, 0.0);
    edgeU_.assign(n, 0.0);
    edgeA_.assign(n, 0.0);
    froude_.assign(n, 0.0);
    if (settings_.precision < 0.0) settings_.precision = 0.1 * hmin_;
}

double SectionBoundary::normalFlowLevel(double Q) const {
    const double S = settings_.slope / 1000.0;
    double z = tables_.lowestLevel();
    if (Q <= 0.0 || S <= 0.0) return z;
    // Without friction the conveyance is unbounded and normal depth is zero.
    if (!std::isfinite(tables_.tableConveyance(z + settings_.precision))) return z;
    if (!tables_.levelForConveyance(Q / std::sqrt(S), settings_.precision, settings_.iterations, z))
        Flumaris::fatal("Maximum number of iterations '" + std::to_string(settings_.iterations) + "' for Q = '" +
                                fmt::format("{}", Q) +
                                "' exceeded . The iteration of the inflow hydrograph boundary was not succesfull. "
                                "Please increase the maximum number of iterations or decrease the precision.");
    return z;
}

void SectionBoundary::distribute(double Q) {
    const std::size_t n = edges_.size();
    const auto& slices = tables_.slices();
    double sumK = 0.0, sumA = 0.0;
    for (std::size_t k = 0; k < n; ++k) {
        edgeQ_[k] = edgeU_[k] = froude_[k] = 0.0;
        edgeA_[k] = active_[k] ? slices[k].area(level_[k]) : 0.0;
        sumA += edgeA_[k];
        if (settings_.weighting != DischargeWeighting::Area && active_[k]) sumK += tables_.sliceConveyance(k, level_[k]);
    }
    // A frictionless section has no finite conveyance to share by: share by area.
    const bool byArea = settings_.weighting == DischargeWeighting::Area || !std::isfinite(sumK);
    for (std::size_t k = 0; k < n; ++k) {
        if (!active_[k]) continue;
        if (byArea) {
            const double u = (sumA > 0.0 && edgeA_[k] > 0.0) ? Q / sumA : 0.0;
            edgeU_[k] = u;
            edgeQ_[k] = u * edgeA_[k];
        } else if (sumK > kTiny) {
            edgeQ_[k] = Q * tables_.sliceConveyance(k, level_[k]) / sumK;
            edgeU_[k] = edgeA_[k] > kTiny ? edgeQ_[k] / edgeA_[k] : 0.0;
        }
        const double L = grid_.edgeLength_[edges_[k]];
        if (edgeA_[k] > kTiny) froude_[k] = edgeU_[k] / std::sqrt(g_ * edgeA_[k] / L);
    }
}

}  // namespace FlumPlane
