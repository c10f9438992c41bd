#pragma once
// Reader of 2dm mesh files. Only ND, E3T and E4Q cards are read; every other
// line (MESH2D, NS, E6T, material cards...) is skipped. Element cards refer to
// nodes by their file id, which need not be contiguous.
#include <string>

#include "plane/mesh/FPGridQualityCheck.h"
#include "plane/mesh/FPInputTopo.h"

namespace FlumPlane {

class InputSMS final : public InputTopo {
public:
    explicit InputSMS(GridCheckThresholds thresholds = {}) : thresholds_(thresholds) {}

    // Three passes (count, nodes, elements), then edges, the .edg file and the checks.
    void read(const std::string& fileName, Grid& grid) override;
    // The passes and the edges for a text in memory, without files and checks;
    // path only appears in messages. A file that is binary or holds no
    // elements, and a non-finite number, are errors before anything is built.
    static void parse(const std::string& text, const std::string& path, Grid& grid);

    // The edge list that belongs to a mesh file: same name, extension .edg.
    static std::string edgeFileOf(const std::string& meshFile);

    // Flags of the last read, for callers that want the warnings in detail.
    const GridCheckResult& checkResult() const { return checkResult_; }

private:
    GridCheckThresholds thresholds_;
    GridCheckResult checkResult_;
};

}  // namespace FlumPlane
