#pragma once
// The 1-D subdomain: a chain of cross sections read from an FMG file. It reads
// its geometry, builds its grid and section tables and writes the section
// files; the hydrodynamic solver is not part of it yet, so it cannot advance.
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

class FLUMchain_1d final : public Flumaris::SubDomain {
public:
    explicit FLUMchain_1d(const FLUMparse::InputBlock& block);
    ~FLUMchain_1d() override;

    void prepareRun() override {}
    // Both stop: there is no 1-D solver yet.
    void advance(double dt) override;
    void runTo(double t) override;
    void finalize(double) override {}

    const Grid& grid() const { return *grid_; }
    const InputTopoFMG& topography() const { return *topo_; }

private:
    [[noreturn]] void solverMissing() const;

    std::string outputPrefix_;
    FrictionSettings friction_;
    std::unique_ptr<Flumaris::ResistanceCalc> law_;
    std::unique_ptr<InputTopoFMG> topo_;
    std::unique_ptr<Grid> grid_;
};

}  // namespace FlumChain
