#include "plane/FLUMplane_2d.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fmt/format.h>
#include <limits>
#include <map>
#include <omp.h>

#include "core/FlumPath.h"
#include "core/Flumaris.h"
#include "core/CouplingInterface.h"
#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "physics/resistance/ResistanceFactory.h"
#include "plane/FPPlaneSettings.h"
#include "plane/boundary/FPBoundaryFactory.h"
#include "plane/mesh/FPInputSMS.h"
#include "plane/output/FPOutputFactory.h"
#include "tools/cgns/FTRestartCGNS.h"
#include "input/schema/InputTagFile.h"

#include <filesystem>

using Flumaris::fatal;
using Flumaris::report;

namespace FlumPlane {

namespace {

std::string idText(const Grid& g, int e) { return std::to_string(g.elemId_[e]); }

}  // namespace

FLUMplane_2d::FLUMplane_2d(const FLUMparse::InputBlock& block)
    : SubDomain(block.getTag("region_name").asString(), Flumaris::SubDomainKind::Plane2D),
      outputPrefix_(Flumaris::joinPath(Flumaris::settings().projectDirectory_, getName())),
      view_({getName(), outputPrefix_, &grid_, &state_, &eulerSettings_, &edgeStrings_, &frictionValue_, &friction_,
             &boundaries_, {&time_, &dt_, &startTime_, &finalTime_, &origin_}}) {
    report(5, "FLUMplane: Initialization of SubDomain '" + getName() + "'");
    sqrtG_ = Flumaris::settings().sqrtGravity();
    readParameters(block);

    const auto t0 = std::chrono::steady_clock::now();
    readGeometry(block);
    report(5, "FLUMplane: Run Time of Topography Information Part " +
                  fmt::format("{:.3f}", std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count()) +
                  "[s]");
    state_.resize(grid_.numElements(), grid_.numEdges());

    report(5, "FLUMplane: Initialization of source term objects.");
    readFriction(block);
    report(5, "FLUMplane: Initialization of edge strings.");
    report(5, "FLUMplane: Initialization of flux objects.");
    euler_ = std::make_unique<Euler>(grid_, state_, eulerSettings_);
    report(5, "FLUMplane: Initialization of boundary objects.");
    for (auto& bc : createBoundaryConditions(view_, block.getChild("HYDRAULICS"))) addBoundaryCondition(std::move(bc));
    report(5, "FLUMplane: Initialization of reconstruction objects.");
    report(5, "FLUMplane: Initialization of h, u & v");
    readInitialConditions(block);
    timeStep_ = std::make_unique<TimeStep>(timeStepSettings_);
    // A continued run takes the step the stored run would have taken next, not a first step.
    if (continued_) timeStep_->skipFirstStepBound();
    report(5, "FLUMplane: Initialization of moving bed boundary object.");
    if (const FLUMparse::InputBlock* moving = block.childOrDefaults("GEOMETRY").getChild("BOUNDARY")) {
        if (block.getChild("MORPHOLOGY"))
            fatal("If using BOUNDARY (enforced grid movement), no MORPHOLOGY block can be defined.");
        movingBed_ = std::make_unique<MovingBed>(grid_, FLUMparse::resolveInputPath(moving->getTag("file").asString()));
        std::vector<int> touched;
        for (int n : movingBed_->nodes())
            for (int e : grid_.elementsOfNode(n)) touched.push_back(e);
        std::sort(touched.begin(), touched.end());
        touched.erase(std::unique(touched.begin(), touched.end()), touched.end());
        movingElements_ = std::move(touched);
        moveBed(time_);
    }
    outputs_ = createOutputs(view_, block.getChild("OUTPUT"));
    readRestartSettings(block);
}

FLUMplane_2d::~FLUMplane_2d() = default;

void FLUMplane_2d::readParameters(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock& hydraulics = block.childOrDefaults("HYDRAULICS");
    eulerSettings_ = eulerSettingsFromBlock(hydraulics);
    if (hydraulics.childOrDefaults("PARAMETER").getTag("simulation_scheme").asString() != "exp")
        fatal("Implicit calculations are not supported at the moment for FLUMplane!");

    const FLUMparse::InputBlock* ts = block.getChild("TIMESTEP");
    if (!ts)
        fatal("Error: The subdomain '" + getName() +
              "' has no TIMESTEP block.\nPlease define it with at least total_run_time and restart the program.");
    timeStepSettings_ = timeStepSettingsFromBlock(*ts);
    const double start = ts->getTag("start_time").asDouble();
    startTime_ = start < 0.0 ? 0.0 : start;
    startFromRestart_ = start < 0.0;
    finalTime_ = ts->getTag("total_run_time").asDouble();
    time_ = origin_ = startTime_;
}

void FLUMplane_2d::readGeometry(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* geo = block.getChild("GEOMETRY");
    if (!geo || !geo->isSet("file"))
        fatal("Error: The subdomain '" + getName() +
                      "' has no mesh.\nPlease define a GEOMETRY block with the file of the 2dm mesh and restart the program.");
    meshFile_ = FLUMparse::resolveInputPath(geo->getTag("file").asString());
    InputSMS(gridThresholdsFromBlock(block.childOrDefaults("HYDRAULICS"))).read(meshFile_, grid_);
    for (const FLUMparse::InputBlock* sd : geo->getBlocks("STRINGDEF")) {
        StringDef def;
        def.name = sd->getTag("name").asString();
        def.nodeIds = sd->getTag("node_ids").asIntList();
        if (sd->isSet("upstream_direction")) def.upstream = upstreamDirectionFromWord(sd->getTag("upstream_direction").asString());
        edgeStrings_.add(grid_, def);
    }
}

void FLUMplane_2d::readFriction(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* fr = block.childOrDefaults("HYDRAULICS").getChild("FRICTION");
    if (!fr)
        fatal("There seems to be no friction block defined, but a friction block is obligatory.\nPlease define a "
                  "friction block and restart the program.");
    Flumaris::ResistanceSettings rs;
    rs.type = fr->getTag("type").asString();
    rs.grainFriction = fr->getTag("grain_size_friction").asBool();
    rs.stricklerFactor = fr->getTag("strickler_factor").asDouble();
    rs.roughnessFactor = fr->getTag("roughness_factor").asDouble();
    if (rs.grainFriction && !block.getChild("MORPHOLOGY"))
        fatal("Friction from grain cannot be used if no MORPHOLOGY-block is activated. \nPlease correct the input file.");
    friction_ = Flumaris::createResistanceCalc(rs);

    const double fallback = fr->getTag("default_friction").asDouble();
    std::map<int, double> byIndex;
    if (fr->isSet("index") || fr->isSet("friction")) {
        const std::vector<int> idx = fr->isSet("index") ? fr->getTag("index").asIntList() : std::vector<int>{};
        const std::vector<double> val = fr->isSet("friction") ? fr->getTag("friction").asDoubleList() : std::vector<double>{};
        if (idx.size() != val.size())
            fatal("Error in the FRICTION block of the subdomain '" + getName() + "': the list 'index' has " +
                          std::to_string(idx.size()) + " entries but the list 'friction' has " + std::to_string(val.size()) +
                          ".\nPlease give one friction value per material index.");
        for (std::size_t k = 0; k < idx.size(); ++k) byIndex[idx[k]] = val[k];
    }
    frictionValue_.resize(static_cast<std::size_t>(grid_.numElements()));
    for (int e = 0; e < grid_.numElements(); ++e) {
        const auto it = byIndex.find(grid_.elemMaterial_[e]);
        if (it != byIndex.end()) {
            frictionValue_[e] = it->second;
        } else if (fallback >= 0.0) {
            frictionValue_[e] = fallback;
        } else {
            fatal("Error: No friction value is defined for the material index " +
                          std::to_string(grid_.elemMaterial_[e]) + " of element #" + idText(grid_, e) +
                          ".\nPlease add the index to the lists 'index' and 'friction' of the FRICTION block or set "
                          "'default_friction', and restart the program.");
        }
    }
    wallFrictionOn_ = fr->getTag("wall_friction").asBool();
    wallFrictionFactor_ = fr->isSet("wall_friction_factor") ? fr->getTag("wall_friction_factor").asDouble() : -1.0;
}

void FLUMplane_2d::readInitialConditions(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* ic = &block.childOrDefaults("HYDRAULICS").childOrDefaults("INITIAL");
    const std::string type = ic->getTag("type").asString();
    const double hmin = eulerSettings_.hmin;
    FPState& s = state_;
    const int n = grid_.numElements();
    if (type == "dry") {
        for (int e = 0; e < n; ++e) s.wse_[e] = s.wseOld_[e] = grid_.elemZb_[e];
    } else if (type == "index_table") {
        const std::vector<int> idx = ic->getTag("index").asIntList();
        const bool byDepth = ic->isSet("h");
        const std::vector<double> level = byDepth ? ic->getTag("h").asDoubleList()
                                                  : (ic->isSet("wse") ? ic->getTag("wse").asDoubleList() : std::vector<double>{});
        const std::vector<double> u = ic->isSet("u") ? ic->getTag("u").asDoubleList() : std::vector<double>(idx.size(), 0.0);
        const std::vector<double> v = ic->isSet("v") ? ic->getTag("v").asDoubleList() : std::vector<double>(idx.size(), 0.0);
        if (level.size() != idx.size() || u.size() != idx.size() || v.size() != idx.size())
            fatal("Error in the INITIAL block of the subdomain '" + getName() + "': the lists 'index', '" +
                          (byDepth ? "h" : "wse") + "', 'u' and 'v' must have the same number of entries (index has " +
                          std::to_string(idx.size()) + ").\nPlease correct the command file.");
        std::map<int, std::size_t> row;
        for (std::size_t k = 0; k < idx.size(); ++k) row[idx[k]] = k;
        for (int e = 0; e < n; ++e) {
            const auto it = row.find(grid_.elemMaterial_[e]);
            if (it == row.end())
                fatal("No initial condition of type index could be found for element nr#" + idText(grid_, e) +
                              " with material index#" + std::to_string(grid_.elemMaterial_[e]));
            const std::size_t k = it->second;
            const double zb = grid_.elemZb_[e];
            double h = byDepth ? level[k] : level[k] - zb;
            if (h < hmin + 1.0e-15) h = 0.0;
            s.h_[e] = h;
            s.u_[e] = h > 0.0 ? u[k] : 0.0;
            s.v_[e] = h > 0.0 ? v[k] : 0.0;
            s.speed_[e] = std::sqrt(s.u_[e] * s.u_[e] + s.v_[e] * s.v_[e]);
            s.wse_[e] = s.wseOld_[e] = h + zb;
            bool above = true;
            for (int j = 0; j < grid_.elemNumNodes(e); ++j) above = above && grid_.nodeZ_[grid_.elemNode(e, j)] < s.wse_[e];
            s.fullyWetted_[e] = above ? 1 : 0;
        }
    } else if (type == "continue") {
        continueFromRestart(*ic, startFromRestart_);
    } else {
        fatal("Unknwon initial type '" + type + "'.\nThis should not happen.\nPlease contact the developers");
    }
    s.hNew_ = s.h_;
    s.uNew_ = s.u_;
    s.vNew_ = s.v_;
}

std::string FLUMplane_2d::restartFile() const { return FLUMtools::FTRestartCGNS::fileNameForPrefix(outputPrefix_); }

void FLUMplane_2d::continueFromRestart(const FLUMparse::InputBlock& initial, bool startFromRestart) {
    restartInput_ = FLUMparse::resolveInputPath(initial.getTag("file").asString());
    const double requested = initial.getTag("restart_solution_time").asDouble();
    const FLUMtools::FTRestartData data = FLUMtools::FTRestartCGNS::read(
        restartInput_, requested,
        {static_cast<std::size_t>(grid_.numNodes()), static_cast<std::size_t>(grid_.numElements()),
         static_cast<std::size_t>(grid_.numEdges())});
    const std::vector<double>& h = data.elementField(FLUMtools::FTRestartCGNS::kDepth);
    const std::vector<double>& u = data.elementField(FLUMtools::FTRestartCGNS::kVelocityX);
    const std::vector<double>& v = data.elementField(FLUMtools::FTRestartCGNS::kVelocityY);
    FPState& s = state_;
    for (int e = 0; e < grid_.numElements(); ++e) {
        s.h_[e] = h[e];
        s.u_[e] = u[e];
        s.v_[e] = v[e];
        s.speed_[e] = std::sqrt(u[e] * u[e] + v[e] * v[e]);
        s.wse_[e] = s.wseOld_[e] = h[e] + grid_.elemZb_[e];
        bool above = true;
        for (int j = 0; j < grid_.elemNumNodes(e); ++j) above = above && grid_.nodeZ_[grid_.elemNode(e, j)] < s.wse_[e];
        s.fullyWetted_[e] = above ? 1 : 0;
    }
    if (data.fluxH.size() == s.fluxMass_.size()) s.fluxMass_ = data.fluxH;
    if (startFromRestart) startTime_ = time_ = data.time;
    origin_ = data.origin;
    continued_ = true;
}

void FLUMplane_2d::readRestartSettings(const FLUMparse::InputBlock& block) {
    restartInterval_ = block.childOrDefaults("OUTPUT").getTag("restart_time_step").asDouble();
    nextRestart_ = restartInterval_ > 0.0 ? startTime_ + restartInterval_ : startTime_;
    // A run that continues from its own file keeps the earlier times in it.
    std::error_code ec;
    const bool ownFile = !restartInput_.empty() && std::filesystem::equivalent(restartInput_, restartFile(), ec);
    restart_ = std::make_unique<FLUMtools::FTRestartCGNS>(restartFile(), ownFile);
}

void FLUMplane_2d::writeRestart() {
    if (time_ == lastRestartTime_) return;
    lastRestartTime_ = time_;
    FLUMtools::FTRestartMesh mesh;
    mesh.x = grid_.nodeX_;
    mesh.y = grid_.nodeY_;
    mesh.z = grid_.nodeZ_;
    mesh.elementNodes = grid_.elemNodes_;
    mesh.numEdges = static_cast<std::size_t>(grid_.numEdges());
    FLUMtools::FTRestartState st;
    st.time = time_;
    st.elementFields = {{FLUMtools::FTRestartCGNS::kDepth, state_.h_},
                        {FLUMtools::FTRestartCGNS::kVelocityX, state_.u_},
                        {FLUMtools::FTRestartCGNS::kVelocityY, state_.v_}};
    // Without a moving bed the previous bed is the bed itself.
    st.nodeFields = {{FLUMtools::FTRestartCGNS::kBed, grid_.nodeZ_}, {FLUMtools::FTRestartCGNS::kBedOld, grid_.nodeZ_}};
    st.fluxH = state_.fluxMass_;
    st.origin = origin_;
    restart_->write(mesh, st);
}

void FLUMplane_2d::updateFriction() {
    const std::size_t n = frictionValue_.size();
    // The law changes only wet elements, and all of them lie in the blocks the step visits.
    if (const WetBlocks* blocks = euler_->wetBlocks()) {
        const std::vector<int>& visit = blocks->stepBlocks();
        const int nv = static_cast<int>(visit.size());
#pragma omp parallel for schedule(static)
        for (int k = 0; k < nv; ++k) {
            const std::size_t b = static_cast<std::size_t>(blocks->blockBegin(visit[k]));
            const std::size_t len = static_cast<std::size_t>(blocks->blockEnd(visit[k])) - b;
            friction_->computeAll(std::span<const double>(frictionValue_.data() + b, len),
                                  std::span<const double>(state_.h_.data() + b, len), 1.0, sqrtG_, eulerSettings_.hmin,
                                  std::span<double>(state_.cf_.data() + b, len));
        }
    } else {
    // Each thread sweeps its own contiguous part: one element's value never depends on the split.
#pragma omp parallel
    {
        const std::size_t nt = static_cast<std::size_t>(omp_get_num_threads());
        const std::size_t id = static_cast<std::size_t>(omp_get_thread_num());
        const std::size_t b = n * id / nt, len = n * (id + 1) / nt - b;
        friction_->computeAll(std::span<const double>(frictionValue_.data() + b, len),
                              std::span<const double>(state_.h_.data() + b, len), 1.0, sqrtG_, eulerSettings_.hmin,
                              std::span<double>(state_.cf_.data() + b, len));
    }
    }
    if (wallFriction_)
        wallFriction_->apply(state_, frictionValue_, eulerSettings_.hmin, sqrtG_, std::span<double>(state_.cf_.data(), n));
}

double FLUMplane_2d::computeTimeStep() {
    return timeStep_->compute(grid_, state_, eulerSettings_.hmin, euler_->gravity(), euler_->wetBlocks());
}

void FLUMplane_2d::prepareRun() {
    // Boundary conditions have set their edge types by now; the remaining boundary edges are walls.
    if (wallFrictionOn_) wallFriction_ = std::make_unique<WallFriction>(grid_, *friction_, wallFrictionFactor_);
    // Outputs at the start (tau, friction sources) see the coefficients of the start state.
    updateFriction();
    report(5, "FLUMplane: Definition of hydraulic outputs.");
    for (auto& o : outputs_) o->initialize(time_, origin_);
    report(5, "FLUMplane: Computing the first time step");
    dt_ = computeTimeStep();
    report(5, "FLUMplane: Computed first time step delta_t = " + fmt::format("{}", dt_));
}

void FLUMplane_2d::step(double dt) {
    for (auto& bc : boundaries_) bc->update(time_, dt);
    euler_->computeFluxes();
    for (auto& bc : boundaries_) bc->computeFluxes(time_, dt);
    updateFriction();
    if (euler_->limitDraining(dt))
        for (auto& bc : boundaries_) bc->fluxesLimited();
    euler_->updateElements(dt);
    euler_->correctNegativeDepths(dt);
    euler_->commit();
    const double end = landing() ? landing_ : time_ + dt;
    time_ = end;
    if (movingBed_) moveBed(time_);
    health_.afterStep(end, dt);
    ++steps_;
    for (auto& o : outputs_) o->afterStep(time_, dt);
    if (time_ >= nextRestart_ - 1.0e-9) {
        writeRestart();
        // An interval of 0 stores every step.
        while (nextRestart_ <= time_ + 1.0e-9 && restartInterval_ > 0.0) nextRestart_ += restartInterval_;
    }
}

double FLUMplane_2d::nextEventTime() const {
    const double after = time_ + 1.0e-9 * std::max(1.0, std::fabs(time_));
    double next = nextRestart_ > after ? nextRestart_ : std::numeric_limits<double>::infinity();
    for (const auto& o : outputs_)
        if (o->landsOnOutputTimes() && o->nextOutputTime() > after) next = std::min(next, o->nextOutputTime());
    return next;
}

void FLUMplane_2d::moveBed(double t) {
    movingBed_->apply(grid_, t);
    for (int e : movingElements_) {
        state_.wse_[e] = state_.h_[e] + grid_.elemZb_[e];
        bool above = true;
        for (int j = 0; j < grid_.elemNumNodes(e); ++j) above = above && grid_.nodeZ_[grid_.elemNode(e, j)] < state_.wse_[e];
        state_.fullyWetted_[e] = above ? 1 : 0;
    }
}

void FLUMplane_2d::advance(double dt) {
    step(dt);
    dt_ = computeTimeStep();
}

void FLUMplane_2d::addBoundaryCondition(std::unique_ptr<FPBoundaryCondition> bc) {
    const EdgeClaims& c = bc->claims();
    for (const EdgeClaims::Edge& e : c.edges) {
        grid_.edgeType_[e.edge] = e.type;
        if (e.link != Grid::kNone) grid_.edgeLink_[e.edge] = e.link;
    }
    if (!c.leaveSweep.empty()) {
        std::vector<int> taken = c.leaveSweep;
        std::sort(taken.begin(), taken.end());
        std::erase_if(grid_.interiorEdges_, [&](int i) { return std::binary_search(taken.begin(), taken.end(), i); });
    }
    for (int e : c.sourceElements) state_.hasSource_[e] = 1;
    if (auto* ci = dynamic_cast<Flumaris::CouplingInterface*>(bc.get())) addCouplingInterface(ci);
    boundaries_.push_back(std::move(bc));
}

void FLUMplane_2d::finalize(double /*runTime*/) {
    writeRestart();
    report(5, "FLUMplane: '" + getName() + "' reached t = " + fmt::format("{}", time_) + " s after " +
                  std::to_string(steps_) + " time steps; water volume " + fmt::format("{:.6g}", waterVolume()) + " m3.");
    for (std::size_t k = 0; k < outputs_.size(); ++k) {
        outputs_[k]->finalize(time_);
        report(5, "Finalizing Output nr. " + std::to_string(k + 1) + " of " + std::to_string(outputs_.size()) + " finished.");
    }
}

double FLUMplane_2d::waterVolume() const { return view_.waterVolume(); }

}  // namespace FlumPlane
