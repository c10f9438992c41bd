#pragma once
// The 1-D subdomain: a chain of cross sections read from an FMG file. It reads
// its geometry, builds its grid and section tables, writes the section files
// and advances the water with the explicit or the implicit scheme.
#include <fstream>
#include <memory>
#include <string>

#include "chain/FCChainSettings.h"
#include "core/SubDomain.h"

namespace FLUMparse {
class InputBlock;
}
namespace Flumaris {
class ResistanceCalc;
}

namespace FlumChain {

class Grid;
class InputTopoFMG;
class Hydraulics;

class FLUMchain_1d final : public Flumaris::SubDomain {
public:
    explicit FLUMchain_1d(const FLUMparse::InputBlock& block);
    ~FLUMchain_1d() override;

    void prepareRun() override;
    void advance(double dt) override;
    void finalize(double) override {}

    const Grid& grid() const { return *grid_; }
    const InputTopoFMG& topography() const { return *topo_; }
    const Hydraulics& hydraulics() const { return *hyd_; }

private:

    std::string outputPrefix_;
    FrictionSettings friction_;
    std::unique_ptr<Flumaris::ResistanceCalc> law_;
    std::unique_ptr<InputTopoFMG> topo_;
    std::unique_ptr<Grid> grid_;
    std::unique_ptr<Hydraulics> hyd_;
    std::ofstream implicitLog_;
};

}  // namespace FlumChain
