#include "chain/FCGrid.h"

#include <fmt/format.h>
#include <set>

#include "chain/FCInputTopo.h"
#include "core/FlumAssert.h"
#include "core/MessageService.h"

namespace FlumChain {

using Flumaris::CrossSection;

void Element::addEdge(int edge) {
    FLUM_ASSERT_MSG(edges[1] < 0, "element already has two edges!");
    edges[edges[0] < 0 ? 0 : 1] = edge;
}

Grid::Grid(InputTopo& topo, const std::vector<std::string>& order) {
    Flumaris::report(5, fmt::format("Grid: building grid using {} cross sections", order.size()));
    std::vector<CrossSection*> used;
    std::set<const CrossSection*> seen;
    elements_.resize(order.size());
    for (std::size_t k = 0; k < order.size(); ++k) {
        CrossSection* s = topo.findSection(order[k]);
        if (!s) {
            std::string names;
            for (const CrossSection& c : topo.sections()) names += (names.empty() ? "" : ", ") + c.name();
            Flumaris::fatal("Cross section '" + order[k] + "' could not be found! Valid cross sections are: " + names +
                            "\nPlease ensure that you only reference defined cross sections in your input file.");
        }
        elements_[k].section = s;
        if (seen.insert(s).second) used.push_back(s);
    }
    const int n = static_cast<int>(order.size());
    edges_.resize(order.size() + 1);
    for (int k = 0; k <= n; ++k) {
        edges_[static_cast<std::size_t>(k)] = Edge{k - 1, k < n ? k : -1};
        if (k > 0) elements_[static_cast<std::size_t>(k - 1)].addEdge(k);
        if (k < n) elements_[static_cast<std::size_t>(k)].addEdge(k);
    }
    setLengths();
    // Sections are independent; their tables are the bulk of building a long chain.
    const long numUsed = static_cast<long>(used.size());
#pragma omp parallel for schedule(dynamic, 16)
    for (long i = 0; i < numUsed; ++i) used[static_cast<std::size_t>(i)]->prepare();
    sections_.assign(used.begin(), used.end());
}

void Grid::setLengths() {
    const std::size_t n = elements_.size();
    for (std::size_t k = 0; k < n; ++k) {
        Element& e = elements_[k];
        const double x = e.section->lCoord();
        double up = k > 0 ? 0.5 * (x - elements_[k - 1].section->lCoord()) : 0.0;
        double down = k + 1 < n ? 0.5 * (elements_[k + 1].section->lCoord() - x) : 0.0;
        if (up <= 0.0 && down <= 0.0) {
            // The chain runs against the distance coordinate.
            up = -up;
            down = -down;
        }
        if ((up < 0.0 && down > 0.0) || (up > 0.0 && down < 0.0))
            Flumaris::fatal(fmt::format("There is a problem in the element containing the cross-section '{}'. The left "
                                        "segment has a 'distance' of {} and the right one has a distance of '{}'. "
                                        "Probably, the cross sections are not ordered.",
                                        e.section->name(), up, down));
        e.halfUp = up;
        e.halfDown = down;
        e.length = up + down;
        e.boundary = !(up > 0.0 && down > 0.0);
    }
}

const CrossSection& Grid::section(const std::string& name) const {
    for (const CrossSection* s : sections_)
        if (s->name() == name) return *s;
    const std::string msg = "There is no cross section '" + name + "' defined within the grid.";
    Flumaris::assertionFailed(msg.c_str(), __FILE__, __LINE__, __DATE__, __TIME__);
}

}  // namespace FlumChain
