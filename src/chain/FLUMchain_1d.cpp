#include "chain/FLUMchain_1d.h"

#include "chain/FCGrid.h"
#include "chain/FCInputTopoFMG.h"
#include "chain/FCSectionFiles.h"
#include "chain/boundary/FCBoundaryFactory.h"
#include "chain/step/FCHydraulics.h"
#include "chain/step/FCInitialConditions.h"
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

    const SolverSettings solver = SolverSettings::fromBlocks(hydraulics, ts);
    hyd_ = std::make_unique<Hydraulics>(*grid_, solver);
    createFluxObjects(hydraulics, *hyd_, [this](Flumaris::CouplingInterface* ci) { addCouplingInterface(ci); });
    const double restartTime = applyInitialConditions(InitialSettings::fromHydraulics(hydraulics), *hyd_);
    if (start < 0.0 && restartTime >= 0.0) time_ = startTime_ = restartTime;
    if (solver.scheme == Scheme::Implicit) {
        const std::string log = Flumaris::joinPath(Flumaris::settings().projectDirectory_, "implicit_log");
        implicitLog_.open(log);
        if (!implicitLog_) fatal("The implicit log '" + log + "' could not be opened.");
        hyd_->setImplicitLog(&implicitLog_);
    }
}

FLUMchain_1d::~FLUMchain_1d() = default;

void FLUMchain_1d::prepareRun() { dt_ = hyd_->stableTimeStep(); }

void FLUMchain_1d::advance(double dt) {
    const double taken = hyd_->advance(time_, dt);
    time_ = landing() && taken == dt ? landing_ : time_ + taken;
    dt_ = hyd_->stableTimeStep();
}

}  // namespace FlumChain
