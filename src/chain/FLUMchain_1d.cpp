#include "chain/FLUMchain_1d.h"

#include "chain/FCGrid.h"
#include "chain/FCInputTopoFMG.h"
#include "chain/FCSectionFiles.h"
#include "core/FlumPath.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "input/schema/InputBlock.h"

namespace FlumChain {

using Flumaris::fatal;
using Flumaris::report;

FLUMchain_1d::FLUMchain_1d(const FLUMparse::InputBlock& block)
    : SubDomain(block.getTag("region_name").asString(), Flumaris::SubDomainKind::Chain1D),
      outputPrefix_(Flumaris::joinPath(Flumaris::settings().projectDirectory_, getName())) {
    report(5, "FLUMchain: Initialization of SubDomain '" + getName() + "'");
    for (const char* needed : {"GEOMETRY", "HYDRAULICS", "TIMESTEP"})
        if (!block.getChild(needed))
            fatal("Error: The subdomain '" + getName() + "' has no " + needed +
                  " block.\nA FLUMCHAIN_1D subdomain needs GEOMETRY, HYDRAULICS and TIMESTEP; please define it and "
                  "restart the program.");
    const FLUMparse::InputBlock& ts = block.getBlock("TIMESTEP");
    const double start = ts.getTag("start_time").asDouble();
    startTime_ = start < 0.0 ? 0.0 : start;
    finalTime_ = ts.getTag("total_run_time").asDouble();
    time_ = startTime_;

    const GeometrySettings geometry = GeometrySettings::fromBlock(block.getBlock("GEOMETRY"));
    const FLUMparse::InputBlock& hydraulics = block.getBlock("HYDRAULICS");
    friction_ = FrictionSettings::fromHydraulics(hydraulics);
    if (friction_.grainFriction) {
        const FLUMparse::InputBlock* morph = block.getChild("MORPHOLOGY");
        if (!morph || !morph->getChild("BEDMATERIAL"))
            fatal("Tag 'grain_size_friction' = 'yes' requires block '" + block.path() + "/MORPHOLOGY/BEDMATERIAL'");
    }
    law_ = Flumaris::createResistanceCalc(friction_.law);
    const Flumaris::SectionComputation computation = sectionComputationFromHydraulics(hydraulics);

    report(5, "FLUMchain: reading the geometry file '" + geometry.file + "'");
    topo_ = std::make_unique<InputTopoFMG>(geometry.file, TopoContext{computation, law_.get(), friction_.defaultFriction});
    grid_ = std::make_unique<Grid>(*topo_, geometry.order);
    if (computation.mode == Flumaris::SectionMode::Table) writeTablesFile(*grid_, outputPrefix_);
    if (geometry.dump) dumpSections(*grid_, Flumaris::settings().projectDirectory_);
    for (Element& e : grid_->elements()) e.state = e.section->state(0.0);
}

FLUMchain_1d::~FLUMchain_1d() = default;

void FLUMchain_1d::solverMissing() const {
    fatal("Error: The 1-D hydrodynamic solver is not built yet.\nThe subdomain '" + getName() +
          "' (block FLUMCHAIN_1D) has read its geometry and built its grid and cross-section tables, but it cannot "
          "advance in time with this version of FLUMARIS.\nUse -t to check the command file, or compute the reach "
          "with a FLUMPLANE_2D subdomain.");
}

void FLUMchain_1d::advance(double) { solverMissing(); }

void FLUMchain_1d::runTo(double) { solverMissing(); }

}  // namespace FlumChain
