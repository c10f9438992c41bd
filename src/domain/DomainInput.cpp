// The composition root: reads the command file and builds the subdomains,
// couplings and controllers it describes.
#include <fmt/format.h>

#include <set>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "core/OutputRedirector.h"
#include "domain/ChainAssembly.h"
#include "domain/Domain.h"
#include "domain/PlaneAssembly.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "input/syntax/InputEcho.h"
#include "input/syntax/InputParser.h"

namespace Flumaris {

void Domain::readInput() {
    root_ = std::make_unique<FLUMparse::FlumarisInputRoot>();
    FLUMparse::readCommandFile(settings().commandFile_ + ".fmc", *root_);
    FLUMtools::OutputRedirector::instance().commentFreeWrite(FLUMparse::echoInput(*root_));
    const FLUMparse::ValidationReport r = root_->validate();
    if (r.hasErrors()) fatal("Your input file has errors:\n" + r.text);
    report(5, "Domain: " + r.text);
    FLUMparse::applyPhysicalProperties(*root_);
}

namespace {

using SubDomainBuilder = std::unique_ptr<SubDomain> (*)(const FLUMparse::InputBlock&);

std::unique_ptr<SubDomain> subsurfaceNotBuilt(const FLUMparse::InputBlock&) {
    fatal("Error: The subsurface model (block FLUMSUB) is not part of this build of FLUMARIS.\n"
          "Please remove the FLUMSUB block from the command file.");
}
std::unique_ptr<SubDomain> externalNotBuilt(const FLUMparse::InputBlock&) {
    fatal("Error: External subdomains (block FLUM_EXTERN) connected over the network are not part of this "
          "build of FLUMARIS.\nPlease remove the FLUM_EXTERN block from the command file.");
}

// The subdomain kinds by their block in DOMAIN, the only place that knows them all.
const std::pair<const char*, SubDomainBuilder> kSubDomainKinds[] = {
    {"FLUMCHAIN_1D", buildChainSubDomain},
    {"FLUMPLANE_2D", buildPlaneSubDomain},
    {"FLUMSUB", subsurfaceNotBuilt},
    {"FLUM_EXTERN", externalNotBuilt},
};

}  // namespace

bool Domain::initialize() {
    report(5, "*** Start Simulation ***");
    const FLUMparse::InputBlock& dom = root_->getBlock("DOMAIN");
    setNumberOfThreads(dom.childOrDefaults("PARALLEL").getTag("number_threads").asInt());

    const FLUMparse::InputBlock* project = root_->getChild("PROJECT");
    if (project && project->isSet("real_time_factor")) {
        realTimeFactor_ = project->getTag("real_time_factor").asDouble();
        if (realTimeFactor_ > 0.0) report(5, "Domain: enabling real time factor of " + fmt::format("{}", realTimeFactor_));
    }

    // The region name prefixes every result file of a subdomain.
    std::set<std::string> names;
    for (const FLUMparse::InputBlock* b : dom.children()) {
        const FLUMparse::InputTag* name = b->findTag("region_name");
        if (name && name->isSet() && !names.insert(name->asString()).second)
            fatal("Error: Two subdomains are named '" + name->asString() + "' (line " + std::to_string(name->line()) +
                  " of the command file).\nThe region_name of each subdomain names its result files and must be "
                  "unique.\nPlease rename one of them and restart the program.");
    }
    for (const FLUMparse::InputBlock* b : dom.children())
        for (const auto& [block, build] : kSubDomainKinds)
            if (b->name() == block) addSubDomain(build(*b));
    if (subDomains_.empty())
        fatal("Error: The DOMAIN block defines no subdomain.\nPlease add a FLUMPLANE_2D block and restart the program.");
    report(5, "Domain Initialized");
    report(5, "initialize domain done");
    checkTimes();

    const FLUMparse::InputBlock* couplings = dom.getChild("COUPLINGS");
    if (subDomains_.size() > 1 && !couplings)
        fatal("Error: more than one Subdomain requires\nthe definition of appropriate coupling conditions.\nPlease "
                  "correct the command file and restart the simulation.");
    if (couplings) {
        if (const FLUMparse::InputBlock* cp = couplings->getChild("PARAMETER")) {
            maxTimeLevel_ = cp->getTag("max_time_level").asInt();
            timeLevelFactor_ = cp->getTag("factor_time_step_reduction").asDouble();
        }
        if (!couplings->getBlocks("COUPLING_LATERAL").empty())
            report(2, "ATTENTION: Using a lateral coupling, data should be exchanged as often as possible to prevent "
                      "oscillations. It is strongly recommended to set the 'max_time_level = 1' to ensure data exchange "
                      "every time step.");
        for (const FLUMparse::InputBlock* c : couplings->getBlocks("COUPLING")) checkCouplingType(c->getTag("type").asString());
        if (!couplings->getBlocks("COUPLING").empty() || !couplings->getBlocks("COUPLING_LATERAL").empty())
            fatal("Error: Couplings between subdomains cannot be computed by this version of FLUMARIS yet.\n"
                      "Please run the subdomains in separate command files.");
    }
    if (!root_->getBlock("DOMAIN").getBlocks("CONTROLLER").empty())
        fatal("Error: Controllers cannot be computed by this version of FLUMARIS yet.\nPlease remove the CONTROLLER "
                  "blocks from the command file.");
    return true;
}

}  // namespace Flumaris
