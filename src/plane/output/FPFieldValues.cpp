#include "plane/output/FPFieldValues.h"

#include <algorithm>
#include <cmath>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/FLUMplane_2d.h"

using Flumaris::report;
using FLUMtools::FTLocation;

namespace FlumPlane {

namespace {

struct ValueDef {
    const char* name;
    FTLocation native;
    int components;
    const char* missingModel;  // null when the subdomain computes the value
};

constexpr const char* kSusp = "suspended load";
constexpr const char* kBed = "sediment transport (a MORPHOLOGY block)";
constexpr const char* kSub = "a coupled subsurface subdomain";
constexpr const char* kSrc = "the stored source terms of the element update";

const ValueDef kValues[] = {
    {"depth", FTLocation::Element, 1, nullptr},
    {"velocity", FTLocation::Element, 2, nullptr},
    {"wse", FTLocation::Element, 1, nullptr},
    {"z_element", FTLocation::Element, 1, nullptr},
    {"friction", FTLocation::Element, 1, nullptr},
    {"tau", FTLocation::Element, 1, nullptr},
    {"abs_velocity", FTLocation::Element, 1, nullptr},
    {"specific_discharge", FTLocation::Element, 1, nullptr},
    {"external_source_discharge", FTLocation::Element, 1, nullptr},
    {"balance_discharge_fluxes", FTLocation::Element, 1, nullptr},
    {"balance_momentum_fluxes", FTLocation::Element, 2, nullptr},
    {"z_node", FTLocation::Node, 1, nullptr},
    {"deltaz", FTLocation::Node, 1, nullptr},
    {"concentration", FTLocation::Element, 1, kSusp},
    {"susp_load", FTLocation::Element, 1, kSusp},
    {"susp_net_deposition_rate", FTLocation::Element, 1, kSusp},
    {"susp_grain_conc", FTLocation::Element, 1, kSusp},
    {"susp_total_pickup", FTLocation::Element, 1, kSusp},
    {"susp_total_deposition", FTLocation::Element, 1, kSusp},
    {"susp_grain_pickup", FTLocation::Element, 1, kSusp},
    {"susp_grain_deposition", FTLocation::Element, 1, kSusp},
    {"susp_deltaz", FTLocation::Node, 1, kSusp},
    {"theta_critical", FTLocation::Element, 1, kBed},
    {"grain_size", FTLocation::Node, 1, kBed},
    {"grain_bedload", FTLocation::Node, 1, kBed},
    {"bedload_vec", FTLocation::Node, 2, kBed},
    {"sediment_sum", FTLocation::Node, 1, kBed},
    {"saturation", FTLocation::Element, 1, kSub},
    {"pore_pressure", FTLocation::Element, 1, kSub},
    {"source_bed", FTLocation::Element, 2, kSrc},
    {"source_friction", FTLocation::Element, 2, kSrc},
    {"source_wall_friction", FTLocation::Element, 2, kSrc},
    {"source_internal_friction", FTLocation::Element, 2, kSrc},
};

}  // namespace

FLUMtools::FTMesh2D toolsMesh(const Grid& g) {
    std::vector<FLUMtools::FTMesh2D::Element> elements(static_cast<std::size_t>(g.numElements()));
    for (int e = 0; e < g.numElements(); ++e) {
        auto& el = elements[static_cast<std::size_t>(e)];
        el.fill(FLUMtools::FTMesh2D::noNode);
        for (int k = 0; k < g.elemNumNodes(e); ++k) el[static_cast<std::size_t>(k)] = g.elemNode(e, k);
    }
    FLUMtools::FTMesh2D mesh(g.nodeX_, g.nodeY_, g.nodeZ_, std::move(elements));
    mesh.setNodeIds(std::vector<std::int64_t>(g.nodeId_.begin(), g.nodeId_.end()));
    mesh.setElementIds(std::vector<std::int64_t>(g.elemId_.begin(), g.elemId_.end()));
    return mesh;
}

FPFieldValues::FPFieldValues(const FLUMplane_2d& plane, double thresholdWse)
    : plane_(plane), thresholdWse_(thresholdWse), useThreshold_(thresholdWse > -999999.0),
      initialNodeZ_(plane.grid().nodeZ_) {
    const Grid& g = plane.grid();
    nodeWeight_.assign(static_cast<std::size_t>(g.numNodes()), 0.0);
    for (int n = 0; n < g.numNodes(); ++n) {
        double a = 0.0;
        for (int e : g.elementsOfNode(n)) a += g.elemArea_[e];
        nodeWeight_[static_cast<std::size_t>(n)] = a > 0.0 ? 1.0 / a : 0.0;
    }
}

FPFieldValues::Info FPFieldValues::info(const std::string& name) {
    for (const ValueDef& d : kValues) {
        if (name != d.name) continue;
        if (d.missingModel)
            report(1, "Error: The output value '" + name + "' needs " + d.missingModel +
                          ", which this version of FLUMARIS does not compute yet.\nPlease remove '" + name +
                          "' from the output values and restart the program.");
        return {d.native, d.components};
    }
    report(1, "Value type '" + name + "' is invalid!");
    return {};
}

void FPFieldValues::computeNative(const std::string& name, std::vector<double>& out) const {
    const Grid& g = plane_.grid();
    const FPState& s = plane_.state();
    const std::size_t ne = static_cast<std::size_t>(g.numElements());
    const double hmin = plane_.eulerSettings().hmin;
    const Info in = info(name);
    out.resize((in.native == FTLocation::Element ? ne : static_cast<std::size_t>(g.numNodes())) *
               static_cast<std::size_t>(in.components));
    if (name == "depth") {
        out.assign(s.h_.begin(), s.h_.end());
    } else if (name == "velocity") {
        for (std::size_t e = 0; e < ne; ++e) {
            out[2 * e] = s.u_[e];
            out[2 * e + 1] = s.v_[e];
        }
    } else if (name == "wse") {
        for (std::size_t e = 0; e < ne; ++e)
            out[e] = s.h_[e] >= hmin ? s.h_[e] + g.elemZb_[e] : (useThreshold_ ? thresholdWse_ : g.elemZb_[e]);
    } else if (name == "z_element") {
        out.assign(g.elemZb_.begin(), g.elemZb_.end());
    } else if (name == "friction") {
        out.assign(s.cf_.begin(), s.cf_.end());
    } else if (name == "tau") {
        // tau = rho u*^2 with the velocity coefficient cf = u / u*.
        const double rho = Flumaris::settings().waterDensity_;
        for (std::size_t e = 0; e < ne; ++e) {
            if (s.h_[e] < hmin || s.speed_[e] <= 0.0) {
                out[e] = 0.0;
                continue;
            }
            if (s.cf_[e] == 0.0)
                report(1, "Friction factor cf is zero, division by zero! (Use NoFriction class instead)");
            const double ustar = s.speed_[e] / s.cf_[e];
            out[e] = rho * ustar * ustar;
            if (!std::isfinite(out[e])) report(1, "error, indefinite tau in output");
        }
    } else if (name == "abs_velocity") {
        out.assign(s.speed_.begin(), s.speed_.end());
    } else if (name == "specific_discharge") {
        for (std::size_t e = 0; e < ne; ++e) out[e] = s.speed_[e] * s.h_[e];
    } else if (name == "external_source_discharge") {
        for (std::size_t e = 0; e < ne; ++e) out[e] = s.sourceRate_[e] * g.elemArea_[e];
    } else if (name == "balance_discharge_fluxes") {
        out.assign(s.sumMass_.begin(), s.sumMass_.end());
    } else if (name == "balance_momentum_fluxes") {
        for (std::size_t e = 0; e < ne; ++e) {
            out[2 * e] = s.sumMomX_[e];
            out[2 * e + 1] = s.sumMomY_[e];
        }
    } else if (name == "z_node") {
        out.assign(g.nodeZ_.begin(), g.nodeZ_.end());
    } else if (name == "deltaz") {
        for (std::size_t n = 0; n < out.size(); ++n) out[n] = g.nodeZ_[n] - initialNodeZ_[n];
    }
}

void FPFieldValues::elementValue(const std::string& name, int e, double* out) const {
    const Grid& g = plane_.grid();
    const FPState& s = plane_.state();
    const Info in = info(name);
    if (in.native == FTLocation::Node) {
        const int m = g.elemNumNodes(e);
        std::fill(out, out + in.components, 0.0);
        double tmp[4];
        for (int j = 0; j < m; ++j) {
            nodeValue(name, g.elemNode(e, j), tmp);
            for (int k = 0; k < in.components; ++k) out[k] += tmp[k] / m;
        }
        return;
    }
    const double hmin = plane_.eulerSettings().hmin;
    if (name == "depth") out[0] = s.h_[e];
    else if (name == "velocity") {
        out[0] = s.u_[e];
        out[1] = s.v_[e];
    } else if (name == "wse") out[0] = s.h_[e] >= hmin ? s.h_[e] + g.elemZb_[e] : (useThreshold_ ? thresholdWse_ : g.elemZb_[e]);
    else if (name == "z_element") out[0] = g.elemZb_[e];
    else if (name == "friction") out[0] = s.cf_[e];
    else if (name == "tau") {
        if (s.h_[e] < hmin || s.speed_[e] <= 0.0) {
            out[0] = 0.0;
        } else {
            if (s.cf_[e] == 0.0) report(1, "Friction factor cf is zero, division by zero! (Use NoFriction class instead)");
            const double ustar = s.speed_[e] / s.cf_[e];
            out[0] = Flumaris::settings().waterDensity_ * ustar * ustar;
            if (!std::isfinite(out[0])) report(1, "error, indefinite tau in output");
        }
    } else if (name == "abs_velocity") out[0] = s.speed_[e];
    else if (name == "specific_discharge") out[0] = s.speed_[e] * s.h_[e];
    else if (name == "external_source_discharge") out[0] = s.sourceRate_[e] * g.elemArea_[e];
    else if (name == "balance_discharge_fluxes") out[0] = s.sumMass_[e];
    else if (name == "balance_momentum_fluxes") {
        out[0] = s.sumMomX_[e];
        out[1] = s.sumMomY_[e];
    }
}

void FPFieldValues::nodeValue(const std::string& name, int n, double* out) const {
    const Grid& g = plane_.grid();
    const Info in = info(name);
    if (in.native == FTLocation::Node) {
        if (name == "z_node") out[0] = g.nodeZ_[n];
        else if (name == "deltaz") out[0] = g.nodeZ_[n] - initialNodeZ_[n];
        return;
    }
    std::fill(out, out + in.components, 0.0);
    double tmp[4];
    for (int e : g.elementsOfNode(n)) {
        elementValue(name, e, tmp);
        for (int k = 0; k < in.components; ++k) out[k] += g.elemArea_[e] * tmp[k];
    }
    for (int k = 0; k < in.components; ++k) out[k] *= nodeWeight_[static_cast<std::size_t>(n)];
}

void FPFieldValues::convert(const std::vector<double>& native, const Info& in, FTLocation where,
                            std::vector<double>& out) const {
    if (in.native == where) out = native;
    else if (where == FTLocation::Node) elementsToNodes(native, in.components, out);
    else nodesToElements(native, in.components, out);
}

void FPFieldValues::compute(const std::string& name, FTLocation where, std::vector<double>& out) const {
    const Info in = info(name);
    if (in.native == where) {
        computeNative(name, out);
        return;
    }
    computeNative(name, scratch_);
    convert(scratch_, in, where, out);
}

void FPFieldValues::elementsToNodes(const std::vector<double>& elem, int components, std::vector<double>& out) const {
    const Grid& g = plane_.grid();
    const std::size_t c = static_cast<std::size_t>(components);
    out.assign(static_cast<std::size_t>(g.numNodes()) * c, 0.0);
    for (int n = 0; n < g.numNodes(); ++n) {
        const std::size_t nn = static_cast<std::size_t>(n);
        for (int e : g.elementsOfNode(n))
            for (std::size_t k = 0; k < c; ++k) out[nn * c + k] += g.elemArea_[e] * elem[static_cast<std::size_t>(e) * c + k];
        for (std::size_t k = 0; k < c; ++k) out[nn * c + k] *= nodeWeight_[nn];
    }
}

void FPFieldValues::nodesToElements(const std::vector<double>& node, int components, std::vector<double>& out) const {
    const Grid& g = plane_.grid();
    const std::size_t c = static_cast<std::size_t>(components);
    out.assign(static_cast<std::size_t>(g.numElements()) * c, 0.0);
    for (int e = 0; e < g.numElements(); ++e) {
        const int m = g.elemNumNodes(e);
        for (int j = 0; j < m; ++j)
            for (std::size_t k = 0; k < c; ++k)
                out[static_cast<std::size_t>(e) * c + k] += node[static_cast<std::size_t>(g.elemNode(e, j)) * c + k] / m;
    }
}

}  // namespace FlumPlane
