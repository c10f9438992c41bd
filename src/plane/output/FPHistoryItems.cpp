#include "plane/output/FPHistoryItems.h"

#include <cmath>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/FPPlaneView.h"
#include "plane/boundary/FPBoundaryCondition.h"
#include "plane/output/FPFieldValues.h"

using Flumaris::fatal;
using Flumaris::report;

namespace FlumPlane {

namespace {

std::vector<std::string> componentColumns(const std::string& name, int components) {
    if (components == 1) return {name};
    std::vector<std::string> out;
    const char* axes[] = {"_x", "_y", "_z"};
    for (int c = 0; c < components; ++c) out.push_back(name + axes[c]);
    return out;
}

std::vector<std::string> defaultIfEmpty(const std::vector<std::string>& v, std::vector<std::string> fallback) {
    return v.empty() ? fallback : v;
}

// Mean state of the elements beside edge i.
struct EdgeMean {
    double h = 0.0, u = 0.0, v = 0.0, wse = 0.0;
};
EdgeMean edgeMean(const PlaneView& plane, int i) {
    const Grid& g = plane.grid();
    const FPState& s = plane.state();
    const int l = g.edgeLeft_[i], r = g.edgeRight_[i];
    EdgeMean out;
    const int n = r == Grid::kNone ? 1 : 2;
    for (int e : {l, r}) {
        if (e == Grid::kNone) continue;
        out.h += s.h_[e] / n;
        out.u += s.u_[e] / n;
        out.v += s.v_[e] / n;
        out.wse += (s.h_[e] + g.elemZb_[e]) / n;
    }
    return out;
}

void needsSediment(const std::string& value, const std::string& model) {
    fatal("Error: The history value '" + value + "' needs " + model +
                  ", which this version of FLUMARIS does not compute yet.\nPlease remove it from the output values and "
                  "restart the program.");
}

}  // namespace

double stringDischarge(const PlaneView& plane, const EdgeString& string) {
    if (!string.hasUpstreamDirection())
        fatal("EdgeString " + string.name() + " has no upstream direction defined.");
    const FPState& s = plane.state();
    double q = 0.0;
    for (std::size_t k = 0; k < string.edges().size(); ++k) q += s.fluxMass_[string.edges()[k]] * string.edgeSigns()[k];
    // q is positive towards the right of the string.
    return string.upstreamDirection() == UpstreamDirection::Left ? q : -q;
}

std::vector<HistoryItem> elementHistoryItems(const PlaneView& plane, const std::vector<int>& ids,
                                             const std::vector<std::string>& values) {
    auto fv = std::make_shared<FPFieldValues>(plane, -1000000.0);
    std::vector<HistoryItem> items;
    for (int id : ids) {
        const int e = plane.grid().elementIndexOfId(id);
        HistoryItem item{"element_" + std::to_string(id), {}};
        for (const ValueRequest& r : parseValueRequests(defaultIfEmpty(values, {"depth", "wse", "velocity"}))) {
            const FPFieldValues::Info in = FPFieldValues::info(r.name);
            item.values.push_back({r, componentColumns(r.name, in.components),
                                   [fv, name = r.name, e](double* out) { fv->elementValue(name, e, out); }});
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<HistoryItem> nodeHistoryItems(const PlaneView& plane, const std::vector<int>& ids,
                                          const std::vector<std::string>& values) {
    auto fv = std::make_shared<FPFieldValues>(plane, -1000000.0);
    std::vector<HistoryItem> items;
    for (int id : ids) {
        const int n = plane.grid().nodeIndexOfId(id);
        if (n == Grid::kNone)
            fatal("Error: The node id " + std::to_string(id) +
                          " of the node_history output is not in the mesh.\nPlease correct the command file.");
        HistoryItem item{"node_" + std::to_string(id), {}};
        for (const ValueRequest& r : parseValueRequests(defaultIfEmpty(values, {"depth", "wse", "velocity"}))) {
            const FPFieldValues::Info in = FPFieldValues::info(r.name);
            item.values.push_back({r, componentColumns(r.name, in.components),
                                   [fv, name = r.name, n](double* out) { fv->nodeValue(name, n, out); }});
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<HistoryItem> edgeHistoryItems(const PlaneView& plane, const std::vector<std::string>& edges,
                                          const std::vector<std::string>& values) {
    const Grid& g = plane.grid();
    const double grav = Flumaris::settings().gravity();
    std::vector<HistoryItem> items;
    for (const std::string& text : edges) {
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos || colon == 0 || colon + 1 == text.size() ||
            text.find(':', colon + 1) != std::string::npos)
            fatal("Edge definition '" + text + "' is not a double-point separated node number");
        int nodes[2];
        const std::string parts[2] = {text.substr(0, colon), text.substr(colon + 1)};
        for (int k = 0; k < 2; ++k) {
            std::size_t used = 0;
            int id = 0;
            try {
                id = std::stoi(parts[k], &used);
            } catch (...) {
                used = 0;
            }
            if (used != parts[k].size() || (nodes[k] = g.nodeIndexOfId(id)) == Grid::kNone)
                fatal("Edge definition '" + text + "' is not a valid node number");
        }
        if (nodes[0] == nodes[1])
            fatal("Edge definition '" + text + "' is invalid as a point connected to itself is not an edge ...");
        const int i = g.findEdge(nodes[0], nodes[1]);
        if (i == Grid::kNone)
            fatal("Could not find edge '" + text + "' which means that these points are not connected");
        std::string label = text;
        label[colon] = '-';
        HistoryItem item{"edge_" + label, {}};
        const double nx = g.edgeNx_[i], ny = g.edgeNy_[i];
        for (const ValueRequest& r : parseValueRequests(defaultIfEmpty(values, {"depth", "u_norm", "v_tang"}))) {
            std::function<double(const EdgeMean&)> f;
            if (r.name == "u2h") f = [](const EdgeMean& s) { return s.h * s.u * s.u; };
            else if (r.name == "v2h") f = [](const EdgeMean& s) { return s.h * s.v * s.v; };
            else if (r.name == "gh2") f = [grav](const EdgeMean& s) { return 0.5 * grav * s.h * s.h; };
            else if (r.name == "depth") f = [](const EdgeMean& s) { return s.h; };
            else if (r.name == "u_norm") f = [nx, ny](const EdgeMean& s) { return s.u * nx + s.v * ny; };
            else if (r.name == "v_tang") f = [nx, ny](const EdgeMean& s) { return -s.u * ny + s.v * nx; };
            else if (r.name == "susp_upper_C" || r.name == "susp_flux_AA") needsSediment(r.name, "suspended load");
            else fatal("Value type '" + r.name + "' is invalid!");
            item.values.push_back({r, {r.name}, [&plane, i, f](double* out) { out[0] = f(edgeMean(plane, i)); }});
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<HistoryItem> stringdefHistoryItems(const PlaneView& plane, const std::vector<std::string>& names,
                                               const std::vector<std::string>& values) {
    const Grid& g = plane.grid();
    const double grav = Flumaris::settings().gravity();
    const double hmin = plane.eulerSettings().hmin;
    std::vector<HistoryItem> items;
    for (const std::string& name : names) {
        const EdgeString* es = plane.edgeStrings().find(name);
        if (!es)
            fatal("Error: The stringdef '" + name +
                          "' of the stringdef_history output does not exist within the grid.\nPlease define it in a "
                          "STRINGDEF block of the GEOMETRY or correct the name.");
        const EdgeString& str = *es;
        auto q = [&plane, &str]() { return stringDischarge(plane, str); };
        // Wetted cross-section, mean wse (wet edges) and mean bed along the string.
        struct Section {
            double area = 0.0, wse = 0.0, zbed = 0.0;
        };
        auto section = [&plane, &g, &str, hmin]() {
            Section s;
            double length = 0.0, wetLength = 0.0;
            for (int i : str.edges()) {
                const EdgeMean e = edgeMean(plane, i);
                const double l = g.edgeLength_[i];
                length += l;
                s.zbed += l * g.edgeZmean_[i];
                s.area += l * e.h;
                if (e.h >= hmin) {
                    wetLength += l;
                    s.wse += l * e.wse;
                }
            }
            s.zbed /= length;
            s.wse = wetLength > 0.0 ? s.wse / wetLength : s.zbed;
            return s;
        };
        auto velocity = [q, section]() {
            const double a = section().area;
            return a > 0.0 ? q() / a : 0.0;
        };
        HistoryItem item{"stringdef_" + name, {}};
        for (const ValueRequest& r : parseValueRequests(defaultIfEmpty(values, {"Q"}))) {
            std::function<double()> f;
            std::string column;
            if (r.name == "Q") {
                stringDischarge(plane, str);  // checks the upstream direction now
                f = q;
                column = "Q[m3/s]";
            } else if (r.name == "u") {
                stringDischarge(plane, str);
                f = velocity;
                column = "u[m/s]";
            } else if (r.name == "wse") {
                f = [section]() { return section().wse; };
                column = "wse[m_asl]";
            } else if (r.name == "zbed") {
                f = [section]() { return section().zbed; };
                column = "zbed[m_asl]";
            } else if (r.name == "energy_head") {
                stringDischarge(plane, str);
                f = [section, velocity, grav]() {
                    const double u = velocity();
                    return section().wse + u * u / (2.0 * grav);
                };
                column = "energy_head[m_asl]";
            } else if (r.name == "conc") {
                fatal("You asked for 'conc' output (concentration) which is only available if you include "
                          "suspension load into your model.");
            } else if (r.name == "Qsed") {
                needsSediment(r.name, "sediment transport (a MORPHOLOGY block)");
            } else {
                fatal("Value type '" + r.name + "' is invalid!");
            }
            item.values.push_back({r, {column}, [f](double* out) { out[0] = f(); }});
        }
        items.push_back(std::move(item));
    }
    return items;
}

std::vector<HistoryItem> boundaryHistoryItems(const PlaneView& plane, const std::vector<std::string>& names,
                                              const std::vector<std::string>& values) {
    std::vector<const FPBoundaryCondition*> chosen;
    if (names.empty()) {
        for (const auto& bc : plane.boundaryConditions()) chosen.push_back(bc.get());
    } else {
        for (const std::string& name : names) {
            if (!plane.edgeStrings().find(name))
                fatal("Stringdef '" + name +
                              "' you are trying to use within the boundary_history output does not exist within grid.");
            const FPBoundaryCondition* found = nullptr;
            for (const auto& bc : plane.boundaryConditions())
                if (!found && bc->stringName() == name) found = bc.get();
            if (!found)
                fatal("Error: No boundary condition of the subdomain '" + plane.name() + "' uses the stringdef '" +
                              name + "' named in the boundary_history output.\nPlease correct the command file.");
            chosen.push_back(found);
        }
    }
    std::vector<HistoryItem> items;
    for (const FPBoundaryCondition* bc : chosen) {
        HistoryItem item{"boundary_" + bc->name(), {}};
        for (const ValueRequest& r : parseValueRequests(defaultIfEmpty(values, {"Q"}))) {
            if (r.name == "Qsed") needsSediment(r.name, "sediment transport (a MORPHOLOGY block)");
            else if (r.name != "Q") fatal("Value type '" + r.name + "' is invalid!");
            item.values.push_back({r, {"Q[m3/s]"}, [bc](double* out) { out[0] = bc->discharge(); }});
        }
        items.push_back(std::move(item));
    }
    return items;
}

}  // namespace FlumPlane
