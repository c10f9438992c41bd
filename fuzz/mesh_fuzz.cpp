// libFuzzer target for the 2dm mesh reader: any bytes either give a grid whose
// geometry and topology hold together, or end in the level-1 message
// (FatalError); never a crash, an assertion, a hang or a NaN in the grid.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <streambuf>
#include <string>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPGridQualityCheck.h"
#include "plane/mesh/FPInputSMS.h"

namespace {

using namespace FlumPlane;

class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return c; }
};

void require(bool ok) {
    if (!ok) std::abort();
}

void checkGrid(const Grid& g) {
    require(g.numElements() > 0);
    for (int n = 0; n < g.numNodes(); ++n)
        require(std::isfinite(g.nodeX_[n]) && std::isfinite(g.nodeY_[n]) && std::isfinite(g.nodeZ_[n]));
    for (int e = 0; e < g.numElements(); ++e) {
        require(g.elemArea_[e] > 0.0 && std::isfinite(g.elemArea_[e]) && std::isfinite(g.elemInvArea_[e]));
        for (int k = 0; k < g.elemNumNodes(e); ++k) {
            const int i = g.elemEdge(e, k);
            require(i >= 0 && i < g.numEdges());
            const int nb = g.elemNeighbour(e, k);
            require(nb == Grid::kNone || (g.edgeLeft_[i] == e ? g.edgeRight_[i] == nb : g.edgeLeft_[i] == nb));
        }
    }
    for (int i = 0; i < g.numEdges(); ++i) {
        require(g.edgeLeft_[i] >= 0 && g.edgeLeft_[i] < g.numElements());
        require(g.edgeLength_[i] > 0.0 && std::isfinite(g.edgeLength_[i]));
    }
    require(g.interiorEdges_.size() + g.boundaryEdges_.size() == static_cast<std::size_t>(g.numEdges()));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static NullBuffer sink;
    std::cout.rdbuf(&sink);  // the reader's progress messages
    Flumaris::settings().batch_ = true;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    Grid grid;
    try {
        InputSMS::parse(text, "fuzz.2dm", grid);
    } catch (const Flumaris::FatalError&) {
        return 0;
    }
    checkGrid(grid);
    try {
        GridQualityCheck(grid, "/dev/null").run();
    } catch (const Flumaris::FatalError&) {
    }
    return 0;
}
