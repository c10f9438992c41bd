#pragma once
// The topography restart file of a morphological run: the geometry file as
// read, with the current nodes of every section of the chain, so that a new
// run can start from the moved bed. Its name is the geometry file's with
// "_topo_restart.fmg" instead of ".fmg".
#include <string>

namespace FlumChain {

class Grid;
class InputTopoFMG;

class TopoRestartFMG {
public:
    TopoRestartFMG(const InputTopoFMG& topo, const Grid& grid);
    static std::string fileNameFor(const std::string& geometryFile);
    const std::string& fileName() const { return fileName_; }
    // Rewrites the file with the state at time t [s].
    void write(double t) const;

private:
    const InputTopoFMG& topo_;
    const Grid& grid_;
    std::string fileName_;
};

}  // namespace FlumChain
