#pragma once
// The chain: one element per name of cross_section_order (upstream first),
// each around its cross section, and the edges between them: an upstream
// boundary edge, one edge between each pair of neighbours, a downstream
// boundary edge. Edge k lies between elements k-1 and k.
#include <string>
#include <vector>

#include "section/CrossSection.h"
#include "section/SectionState.h"

namespace FlumChain {

class InputTopo;

struct Element {
    const Flumaris::CrossSection* section = nullptr;  // owned by the geometry reader; shared when listed twice
    double halfUp = 0.0;    // [m] upstream half-length
    double halfDown = 0.0;  // [m] downstream half-length
    double length = 0.0;    // [m]
    bool boundary = false;  // first or last element
    int edges[2] = {-1, -1};  // upstream, downstream

    void addEdge(int edge);
};

struct Edge {
    int up = -1;    // element upstream; -1 at the upstream boundary
    int down = -1;  // element downstream; -1 at the downstream boundary
    bool isBoundary() const { return up < 0 || down < 0; }
};

class Grid {
public:
    // Looks up every name among the sections of topo, prepares their levels and
    // tables and forms elements and edges.
    Grid(InputTopo& topo, const std::vector<std::string>& order);

    const std::vector<Element>& elements() const { return elements_; }
    std::vector<Element>& elements() { return elements_; }
    const std::vector<Edge>& edges() const { return edges_; }
    std::size_t numElements() const { return elements_.size(); }
    // The section of that name in the chain (internal error when absent).
    const Flumaris::CrossSection& section(const std::string& name) const;
    // Every section of the chain once, in chain order.
    const std::vector<const Flumaris::CrossSection*>& sections() const { return sections_; }

private:
    void setLengths();

    std::vector<Element> elements_;
    std::vector<Edge> edges_;
    std::vector<const Flumaris::CrossSection*> sections_;
};

}  // namespace FlumChain
