#pragma once
// A reader that fills a grid from a mesh file.
#include <string>

namespace FlumPlane {

class Grid;

class InputTopo {
public:
    virtual ~InputTopo() = default;
    // Nodes, elements, edges and the start-up checks; faults end the run.
    virtual void read(const std::string& fileName, Grid& grid) = 0;
};

}  // namespace FlumPlane
