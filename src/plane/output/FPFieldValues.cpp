#include "plane/output/FPFieldValues.h"

#include <algorithm>
#include <cmath>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "physics/resistance/ResistanceCalc.h"
#include "plane/FPPlaneView.h"
#include "plane/step/FPEuler.h"

using Flumaris::fatal;
using FLUMtools::FTLocation;

namespace FlumPlane {

namespace {

double kGravity() { return Flumaris::settings().gravity(); }

constexpr const char* kSusp = "suspended load";
constexpr const char* kBed = "sediment transport (a MORPHOLOGY block)";
constexpr const char* kSub = "a coupled subsurface subdomain";

// One value at one element or node of its native location.
struct ValueArgs {
    const PlaneView& plane;
    const Grid& g;
    const FPState& s;
    double hmin;
    double thresholdWse;
    bool useThreshold;
    const std::vector<double>& initialNodeZ;
};
using ValueFormula = void (*)(const ValueArgs&, int, double*);

struct ValueDef {
    const char* name;
    FTLocation native;
    int components;
    ValueFormula formula;       // null for values of models this version does not compute
    const char* missingModel;   // what such a value needs
};

void tau(const ValueArgs& a, int e, double* out) {
    // tau = rho u*^2 with the velocity coefficient cf = u / u*.
    if (a.s.h_[e] < a.hmin || a.s.speed_[e] <= 0.0) {
        out[0] = 0.0;
        return;
    }
    if (a.s.cf_[e] == 0.0) fatal("Friction factor cf is zero, division by zero! (Use NoFriction class instead)");
    const double ustar = a.s.speed_[e] / a.s.cf_[e];
    out[0] = Flumaris::settings().waterDensity_ * ustar * ustar;
    if (!std::isfinite(out[0])) fatal("error, indefinite tau in output");
}

// The momentum sources of the element update [m2/s2], as rates of (h u, h v)
// at the present state: what the next step adds per second before its
// semi-implicit friction damping.
void bedSource(const ValueArgs& a, int e, double* o) {
    o[0] = o[1] = 0.0;
    if (!isWet(a.s.h_[e], a.hmin)) return;
    ElementBed scratch;
    GridBed bed(a.g, scratch);
    bed.select(e);
    double Bx = 0.0, By = 0.0;
    bedSlope(bed, a.s.h_[e], a.s.h_[e] + a.g.elemZb_[e], kGravity(), Bx, By);
    o[0] = -Bx;
    o[1] = -By;
}

// -c (h u, h v) with the friction rate c = |u| / (cf^2 h) of a velocity coefficient cf.
void frictionRate(const ValueArgs& a, int e, double cf, double* o) {
    const double c = isWet(a.s.h_[e], a.hmin) ? bedFrictionRate(a.s.speed_[e], a.s.h_[e], cf) : 0.0;
    o[0] = -c * a.s.u_[e] * a.s.h_[e];
    o[1] = -c * a.s.v_[e] * a.s.h_[e];
}

// The bed's own coefficient, without the side walls that the state's cf includes.
double bedCoefficient(const ValueArgs& a, int e) {
    return a.plane.frictionLaw().getVelocityCoefficient(a.plane.frictionValues()[static_cast<std::size_t>(e)],
                                                        a.s.h_[e], 1.0, std::sqrt(kGravity()));
}

void turbulentSource(const ValueArgs& a, int e, double* o) {
    o[0] = o[1] = 0.0;
    if (a.s.diffMomX_.empty()) return;
    for (int k = 0; k < a.g.elemNumNodes_[e]; ++k) {
        const int slot = Grid::kMaxNodes * e + k;
        const int i = a.g.elemEdges_[slot];
        o[0] -= a.g.elemEdgeSign_[slot] * a.s.diffMomX_[i];
        o[1] -= a.g.elemEdgeSign_[slot] * a.s.diffMomY_[i];
    }
    o[0] *= a.g.elemInvArea_[e];
    o[1] *= a.g.elemInvArea_[e];
}

const ValueDef kValues[] = {
    {"depth", FTLocation::Element, 1, [](const ValueArgs& a, int e, double* o) { o[0] = a.s.h_[e]; }, nullptr},
    {"velocity", FTLocation::Element, 2,
     [](const ValueArgs& a, int e, double* o) {
         o[0] = a.s.u_[e];
         o[1] = a.s.v_[e];
     },
     nullptr},
    {"wse", FTLocation::Element, 1,
     [](const ValueArgs& a, int e, double* o) {
         o[0] = a.s.h_[e] >= a.hmin ? a.s.h_[e] + a.g.elemZb_[e] : (a.useThreshold ? a.thresholdWse : a.g.elemZb_[e]);
     },
     nullptr},
    {"z_element", FTLocation::Element, 1, [](const ValueArgs& a, int e, double* o) { o[0] = a.g.elemZb_[e]; }, nullptr},
    {"friction", FTLocation::Element, 1, [](const ValueArgs& a, int e, double* o) { o[0] = a.s.cf_[e]; }, nullptr},
    {"tau", FTLocation::Element, 1, tau, nullptr},
    {"abs_velocity", FTLocation::Element, 1, [](const ValueArgs& a, int e, double* o) { o[0] = a.s.speed_[e]; }, nullptr},
    {"specific_discharge", FTLocation::Element, 1,
     [](const ValueArgs& a, int e, double* o) { o[0] = a.s.speed_[e] * a.s.h_[e]; }, nullptr},
    {"external_source_discharge", FTLocation::Element, 1,
     [](const ValueArgs& a, int e, double* o) { o[0] = a.s.sourceRate_[e] * a.g.elemArea_[e]; }, nullptr},
    {"balance_discharge_fluxes", FTLocation::Element, 1,
     [](const ValueArgs& a, int e, double* o) { o[0] = a.s.sumMass_[e]; }, nullptr},
    {"balance_momentum_fluxes", FTLocation::Element, 2,
     [](const ValueArgs& a, int e, double* o) {
         o[0] = a.s.sumMomX_[e];
         o[1] = a.s.sumMomY_[e];
     },
     nullptr},
    {"z_node", FTLocation::Node, 1, [](const ValueArgs& a, int n, double* o) { o[0] = a.g.nodeZ_[n]; }, nullptr},
    {"deltaz", FTLocation::Node, 1,
     [](const ValueArgs& a, int n, double* o) { o[0] = a.g.nodeZ_[n] - a.initialNodeZ[n]; }, nullptr},
    {"concentration", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_load", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_net_deposition_rate", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_grain_conc", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_total_pickup", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_total_deposition", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_grain_pickup", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_grain_deposition", FTLocation::Element, 1, nullptr, kSusp},
    {"susp_deltaz", FTLocation::Node, 1, nullptr, kSusp},
    {"theta_critical", FTLocation::Element, 1, nullptr, kBed},
    {"grain_size", FTLocation::Node, 1, nullptr, kBed},
    {"grain_bedload", FTLocation::Node, 1, nullptr, kBed},
    {"bedload_vec", FTLocation::Node, 2, nullptr, kBed},
    {"sediment_sum", FTLocation::Node, 1, nullptr, kBed},
    {"saturation", FTLocation::Element, 1, nullptr, kSub},
    {"pore_pressure", FTLocation::Element, 1, nullptr, kSub},
    {"source_bed", FTLocation::Element, 2, bedSource, nullptr},
    {"source_friction", FTLocation::Element, 2,
     [](const ValueArgs& a, int e, double* o) { frictionRate(a, e, bedCoefficient(a, e), o); }, nullptr},
    {"source_wall_friction", FTLocation::Element, 2,
     [](const ValueArgs& a, int e, double* o) {
         // the side walls' share: the state's coefficient holds bed and walls together
         double all[2], bedOnly[2];
         frictionRate(a, e, a.s.cf_[e], all);
         frictionRate(a, e, bedCoefficient(a, e), bedOnly);
         o[0] = all[0] - bedOnly[0];
         o[1] = all[1] - bedOnly[1];
     },
     nullptr},
    {"source_internal_friction", FTLocation::Element, 2, turbulentSource, nullptr},
};

const ValueDef& definition(const std::string& name) {
    for (const ValueDef& d : kValues) {
        if (name != d.name) continue;
        if (!d.formula)
            fatal("Error: The output value '" + name + "' needs " + d.missingModel +
                  ", which this version of FLUMARIS does not compute yet.\nPlease remove '" + name +
                  "' from the output values and restart the program.");
        return d;
    }
    fatal("Value type '" + name + "' is invalid!");
}

}  // namespace

std::vector<std::string> FPFieldValues::names() {
    std::vector<std::string> out;
    for (const ValueDef& d : kValues) out.emplace_back(d.name);
    return out;
}

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

FPFieldValues::FPFieldValues(const PlaneView& plane, double thresholdWse)
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
    const ValueDef& d = definition(name);
    return {d.native, d.components};
}

void FPFieldValues::computeNative(const std::string& name, std::vector<double>& out) const {
    const ValueDef& d = definition(name);
    const Grid& g = plane_.grid();
    const ValueArgs args{plane_, g, plane_.state(), plane_.hmin(), thresholdWse_, useThreshold_, initialNodeZ_};
    const int n = d.native == FTLocation::Element ? g.numElements() : g.numNodes();
    const std::size_t c = static_cast<std::size_t>(d.components);
    out.resize(static_cast<std::size_t>(n) * c);
    for (int k = 0; k < n; ++k) d.formula(args, k, out.data() + static_cast<std::size_t>(k) * c);
}

void FPFieldValues::elementValue(const std::string& name, int e, double* out) const {
    const ValueDef& d = definition(name);
    const Grid& g = plane_.grid();
    if (d.native == FTLocation::Node) {
        const int m = g.elemNumNodes(e);
        std::fill(out, out + d.components, 0.0);
        double tmp[4];
        for (int j = 0; j < m; ++j) {
            nodeValue(name, g.elemNode(e, j), tmp);
            for (int k = 0; k < d.components; ++k) out[k] += tmp[k] / m;
        }
        return;
    }
    d.formula({plane_, g, plane_.state(), plane_.hmin(), thresholdWse_, useThreshold_, initialNodeZ_}, e, out);
}

void FPFieldValues::nodeValue(const std::string& name, int n, double* out) const {
    const ValueDef& d = definition(name);
    const Grid& g = plane_.grid();
    if (d.native == FTLocation::Node) {
        d.formula({plane_, g, plane_.state(), plane_.hmin(), thresholdWse_, useThreshold_, initialNodeZ_}, n, out);
        return;
    }
    std::fill(out, out + d.components, 0.0);
    double tmp[4];
    for (int e : g.elementsOfNode(n)) {
        elementValue(name, e, tmp);
        for (int k = 0; k < d.components; ++k) out[k] += g.elemArea_[e] * tmp[k];
    }
    for (int k = 0; k < d.components; ++k) out[k] *= nodeWeight_[static_cast<std::size_t>(n)];
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
