#include "plane/FLUMplane_2d.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <fmt/format.h>
#include <map>
#include <omp.h>

#include "core/FlumPath.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "physics/resistance/ResistanceFactory.h"
#include "plane/boundary/FPBoundaryFactory.h"
#include "plane/mesh/FPInputSMS.h"
#include "plane/output/FPOutputFactory.h"
#include "tools/cgns/FTRestartCGNS.h"
#include "input/schema/InputTagFile.h"

#include <filesystem>

using Flumaris::report;

namespace FlumPlane {

namespace {

const FLUMparse::InputBlock* child(const FLUMparse::InputBlock* b, const char* name) {
    return b ? b->getChild(name) : nullptr;
}

// The effective value of a key: the file's, else the default.
double realOf(const FLUMparse::InputBlock* b, const char* key, double fallback) {
    if (!b) return fallback;
    const FLUMparse::InputTag& t = b->getTag(key);
    return t.isSet() || !t.defaultValue().empty() ? t.asDouble() : fallback;
}

std::string stringOf(const FLUMparse::InputBlock* b, const char* key, const std::string& fallback) {
    if (!b) return fallback;
    const FLUMparse::InputTag& t = b->getTag(key);
    return t.isSet() || !t.defaultValue().empty() ? t.asString() : fallback;
}

bool boolOf(const FLUMparse::InputBlock* b, const char* key, bool fallback) {
    if (!b) return fallback;
    const FLUMparse::InputTag& t = b->getTag(key);
    return t.isSet() || !t.defaultValue().empty() ? t.asBool() : fallback;
}

std::string idText(const Grid& g, int e) { return std::to_string(g.elemId_[e]); }

}  // namespace

FLUMplane_2d::FLUMplane_2d(const FLUMparse::InputBlock& block)
    : SubDomain(block.getTag("region_name").asString(), Plane2D) {
    report(5, "FLUMplane: Initialization of SubDomain '" + getName() + "'");
    sqrtG_ = Flumaris::settings().sqrtGravity();
    outputPrefix_ = Flumaris::joinPath(Flumaris::settings().projectDirectory_, getName());
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
    createBoundaryConditions(*this, block.getChild("HYDRAULICS"));
    report(5, "FLUMplane: Initialization of reconstruction objects.");
    report(5, "FLUMplane: Initialization of h, u & v");
    readInitialConditions(block);
    timeStep_ = std::make_unique<TimeStep>(timeStepSettings_);
    report(5, "FLUMplane: Initialization of moving bed boundary object.");
    createOutputs(*this, block.getChild("OUTPUT"));
    readRestartSettings(block);
}

FLUMplane_2d::~FLUMplane_2d() = default;

void FLUMplane_2d::readParameters(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* hydr = block.getChild("HYDRAULICS");
    const FLUMparse::InputBlock* par = child(hydr, "PARAMETER");
    eulerSettings_.hmin = realOf(par, "minimum_water_depth", 0.05);
    eulerSettings_.solver = riemannSolverKind(stringOf(par, "riemann_solver", "exact"));
    eulerSettings_.riemannTolerance = realOf(par, "riemann_tolerance", 1.0e-6);
    eulerSettings_.dynamicDepth = boolOf(par, "dynamic_depth_solver", true);
    eulerSettings_.velocityUpdate =
        stringOf(par, "velocity_update_partial", "volume_area") == "depth" ? VelocityUpdate::Depth : VelocityUpdate::VolumeArea;
    if (stringOf(par, "simulation_scheme", "exp") != "exp")
        report(1, "Implicit calculations are not supported at the moment for FLUMplane!");
    if (const FLUMparse::InputBlock* tm = child(hydr, "TURBULENCE_MODEL")) {
        TurbulenceSettings& t = eulerSettings_.turbulenceSettings;
        eulerSettings_.turbulence = true;
        t.constEddyViscosity = realOf(tm, "const_eddy_viscosity", -1.0);
        t.factor = realOf(tm, "turbulence_factor", 1.0);
        t.kinematicViscosity = realOf(tm, "kinematic_viscosity", 1.307e-6);
        t.boundary = stringOf(tm, "boundary_gradient", "zerogradient") == "zerovelocity" ? BoundaryGradient::ZeroVelocity
                                                                                           : BoundaryGradient::ZeroGradient;
    }

    const FLUMparse::InputBlock* ts = block.getChild("TIMESTEP");
    if (!ts)
        report(1, "Error: The subdomain '" + getName() +
                      "' has no TIMESTEP block.\nPlease define it with at least total_run_time and restart the program.");
    timeStepSettings_.cfl = realOf(ts, "CFL", 1.0);
    timeStepSettings_.minimum = realOf(ts, "minimum_time_step", 0.001);
    timeStepSettings_.maximum = realOf(ts, "maximum_time_step", 100.0);
    timeStepSettings_.initial = realOf(ts, "initial_time_step", 1.0);
    timeStepSettings_.ignoreWaveCelerity = boolOf(ts, "ignore_wave_celerity", false);
    timeStepSettings_.maximumWaterDepth = realOf(ts, "maximum_waterdepth", 0.0);
    const double start = realOf(ts, "start_time", -1.0);
    startTime_ = start < 0.0 ? 0.0 : start;
    startFromRestart_ = start < 0.0;
    finalTime_ = ts->getTag("total_run_time").asDouble();
    time_ = startTime_;
}

void FLUMplane_2d::readGeometry(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* geo = block.getChild("GEOMETRY");
    if (!geo || !geo->isSet("file"))
        report(1, "Error: The subdomain '" + getName() +
                      "' has no mesh.\nPlease define a GEOMETRY block with the file of the 2dm mesh and restart the program.");
    meshFile_ = FLUMparse::resolveInputPath(geo->getTag("file").asString());
    const FLUMparse::InputBlock* par = child(block.getChild("HYDRAULICS"), "PARAMETER");
    GridCheckThresholds th;
    th.minAreaRatio = realOf(par, "geo_min_area_ratio", 0.05);
    th.minAspectRatio = realOf(par, "geo_min_aspect_ratio", 0.06);
    th.maxAngleQuadrilateral = realOf(par, "geo_max_angle_quadrilateral", 45.0);
    InputSMS(th).read(meshFile_, grid_);
    for (const FLUMparse::InputBlock* sd : geo->getBlocks("STRINGDEF")) {
        StringDef def;
        def.name = sd->getTag("name").asString();
        def.nodeIds = sd->getTag("node_ids").asIntList();
        if (sd->isSet("upstream_direction")) def.upstream = upstreamDirectionFromWord(sd->getTag("upstream_direction").asString());
        edgeStrings_.add(grid_, def);
    }
}

void FLUMplane_2d::readFriction(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* fr = child(block.getChild("HYDRAULICS"), "FRICTION");
    if (!fr)
        report(1, "There seems to be no friction block defined, but a friction block is obligatory.\nPlease define a "
                  "friction block and restart the program.");
    Flumaris::ResistanceSettings rs;
    rs.type = fr->getTag("type").asString();
    rs.grainFriction = boolOf(fr, "grain_size_friction", false);
    rs.stricklerFactor = realOf(fr, "strickler_factor", 21.1);
    rs.roughnessFactor = realOf(fr, "roughness_factor", 3.0);
    if (rs.grainFriction && !block.getChild("MORPHOLOGY"))
        report(1, "Friction from grain cannot be used if no MORPHOLOGY-block is activated. \nPlease correct the input file.");
    friction_ = Flumaris::createResistanceCalc(rs);

    const double fallback = realOf(fr, "default_friction", -1.0);
    std::map<int, double> byIndex;
    if (fr->isSet("index") || fr->isSet("friction")) {
        const std::vector<int> idx = fr->isSet("index") ? fr->getTag("index").asIntList() : std::vector<int>{};
        const std::vector<double> val = fr->isSet("friction") ? fr->getTag("friction").asDoubleList() : std::vector<double>{};
        if (idx.size() != val.size())
            report(1, "Error in the FRICTION block of the subdomain '" + getName() + "': the list 'index' has " +
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
            report(1, "Error: No friction value is defined for the material index " +
                          std::to_string(grid_.elemMaterial_[e]) + " of element #" + idText(grid_, e) +
                          ".\nPlease add the index to the lists 'index' and 'friction' of the FRICTION block or set "
                          "'default_friction', and restart the program.");
        }
    }
    wallFrictionOn_ = boolOf(fr, "wall_friction", true);
    wallFrictionFactor_ = realOf(fr, "wall_friction_factor", -1.0);
}

void FLUMplane_2d::readInitialConditions(const FLUMparse::InputBlock& block) {
    const FLUMparse::InputBlock* ic = child(block.getChild("HYDRAULICS"), "INITIAL");
    const std::string type = stringOf(ic, "type", "dry");
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
            report(1, "Error in the INITIAL block of the subdomain '" + getName() + "': the lists 'index', '" +
                          (byDepth ? "h" : "wse") + "', 'u' and 'v' must have the same number of entries (index has " +
                          std::to_string(idx.size()) + ").\nPlease correct the command file.");
        std::map<int, std::size_t> row;
        for (std::size_t k = 0; k < idx.size(); ++k) row[idx[k]] = k;
        for (int e = 0; e < n; ++e) {
            const auto it = row.find(grid_.elemMaterial_[e]);
            if (it == row.end())
                report(1, "No initial condition of type index could be found for element nr#" + idText(grid_, e) +
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
        report(1, "Unknwon initial type '" + type + "'.\nThis should not happen.\nPlease contact the developers");
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
}

void FLUMplane_2d::readRestartSettings(const FLUMparse::InputBlock& block) {
    if (const FLUMparse::InputBlock* out = block.getChild("OUTPUT"))
        if (const FLUMparse::InputTag* t = out->findTag("restart_time_step"); t && (t->isSet() || !t->defaultValue().empty()))
            restartInterval_ = t->asDouble();
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
    restart_->write(mesh, st);
}

void FLUMplane_2d::updateFriction() {
    const std::size_t n = frictionValue_.size();
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
    if (wallFriction_)
        wallFriction_->apply(state_, frictionValue_, eulerSettings_.hmin, sqrtG_, std::span<double>(state_.cf_.data(), n));
}

double FLUMplane_2d::computeTimeStep() {
    return timeStep_->compute(grid_, state_, eulerSettings_.hmin, euler_->gravity());
}

void FLUMplane_2d::prepareRun() {
    // Boundary conditions have set their edge types by now; the remaining boundary edges are walls.
    if (wallFrictionOn_) wallFriction_ = std::make_unique<WallFriction>(grid_, *friction_, wallFrictionFactor_);
    report(5, "FLUMplane: Definition of hydraulic outputs.");
    for (auto& o : outputs_) o->initialize(time_);
    report(5, "FLUMplane: Computing the first time step");
    dt_ = computeTimeStep();
    report(5, "FLUMplane: Computed first time step delta_t = " + fmt::format("{}", dt_));
}

void FLUMplane_2d::step(double dt) {
    for (auto& bc : boundaries_) bc->update(time_, dt);
    euler_->computeFluxes();
    for (auto& bc : boundaries_) bc->computeFluxes(time_, dt);
    updateFriction();
    euler_->updateElements(dt);
    euler_->correctNegativeDepths(dt);
    euler_->commit();
    health_.afterStep(time_ + dt, dt);
    time_ += dt;
    ++steps_;
    for (auto& o : outputs_) o->afterStep(time_, dt);
    if (time_ >= nextRestart_ - 1.0e-9) {
        writeRestart();
        // An interval of 0 stores every step.
        while (nextRestart_ <= time_ + 1.0e-9 && restartInterval_ > 0.0) nextRestart_ += restartInterval_;
    }
}

void FLUMplane_2d::run() {
    if (!isAlone()) {
        step(dt_);
        dt_ = computeTimeStep();
        return;
    }
    // The last step is shortened so that the run ends on its final time.
    while (time_ < finalTime_ - 1.0e-12 * std::max(1.0, std::fabs(finalTime_))) {
        const double dt = std::min(dt_, finalTime_ - time_);
        step(dt);
        dt_ = computeTimeStep();
    }
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

double FLUMplane_2d::waterVolume() const {
    double v = 0.0;
    for (int e = 0; e < grid_.numElements(); ++e) v += state_.h_[e] * grid_.elemArea_[e];
    return v;
}

}  // namespace FlumPlane
