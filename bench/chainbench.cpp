// Speed of the 1-D chain: building a long chain (sections, grid, levels and
// tables), evaluating one section from its table, and the explicit and
// implicit steps (section-updates per second: elements times steps).
//
// The chain has 10,000 sections of 200 nodes: a 100 m wide valley with a
// 5 m deep main channel and uneven forelands, the bed falling 1 m per km.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "chain/FCGrid.h"
#include "chain/FCInputTopo.h"
#include "chain/boundary/FCBoundarySettings.h"
#include "chain/boundary/FCHydrograph.h"
#include "chain/boundary/FCZeroGradient.h"
#include "chain/step/FCHydraulics.h"
#include "physics/series/BoundarySerie.h"
#include "physics/resistance/ResistanceFactory.h"

namespace {

using Flumaris::CrossSection;

class MemoryTopo final : public FlumChain::InputTopo {
public:
    std::vector<CrossSection>& sections() override { return sections_; }
    CrossSection* findSection(const std::string& name) override {
        // names are "cs<k>"
        const std::size_t k = std::stoul(name.substr(2));
        return k < sections_.size() ? &sections_[k] : nullptr;
    }
    std::vector<CrossSection> sections_;
};

std::unique_ptr<Flumaris::ResistanceCalc> strickler() {
    Flumaris::ResistanceSettings rs;
    rs.type = "strickler";
    return Flumaris::createResistanceCalc(rs);
}

Flumaris::SectionComputation tableMode() {
    Flumaris::SectionComputation c;
    c.mode = Flumaris::SectionMode::Table;
    c.precision = 1e-3;
    c.minInterval = 0.05;
    c.maxInterval = 0.2;
    c.minWaterDepth = 1e-4;
    c.maxIterations = 1000;
    return c;
}

// Node elevations of section k (y = 0, 0.5, ..., 99.5 m).
std::vector<double> valleyProfile(int k, std::mt19937& rng) {
    std::uniform_real_distribution<double> noise(-0.05, 0.05);
    const double bed = 400.0 - 0.001 * 20.0 * k;
    std::vector<double> z(200);
    for (int n = 0; n < 200; ++n) {
        const double d = std::fabs(0.5 * n - 50.0);  // distance from the axis
        z[static_cast<std::size_t>(n)] =
            (d < 10.0 ? bed : (d < 15.0 ? bed + (d - 10.0) : bed + 5.0 + 0.02 * (d - 15.0))) + noise(rng);
    }
    return z;
}

CrossSection valleySection(int k, const std::vector<double>& z, const Flumaris::ResistanceCalc& law) {
    CrossSection s("cs" + std::to_string(k), 20.0 * k, 0.0);  // 20 m apart
    for (std::size_t n = 0; n < z.size(); ++n) s.addNode(0.5 * static_cast<double>(n), z[n]);
    s.formSlices();
    s.setMainChannel(71, 129);  // y 35 .. 65
    s.setFriction(1, 199, 25.0);
    s.setFriction(71, 129, 35.0);
    s.setComputation(tableMode());
    s.setFrictionLaw(&law, 30.0);
    return s;
}

void BuildChain(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    auto law = strickler();
    std::vector<std::string> order;
    for (int k = 0; k < n; ++k) order.push_back("cs" + std::to_string(k));
    std::mt19937 rng(1);
    std::vector<std::vector<double>> profiles;
    for (int k = 0; k < n; ++k) profiles.push_back(valleyProfile(k, rng));
    for (auto _ : state) {
        MemoryTopo topo;
        topo.sections_.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) topo.sections_.push_back(valleySection(k, profiles[static_cast<std::size_t>(k)], *law));
        FlumChain::Grid grid(topo, order);
        benchmark::DoNotOptimize(grid.elements().data());
        state.counters["rows/section"] =
            static_cast<double>(grid.sections().front()->table().numRows());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BuildChain)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// One table look-up: the level of an area (a tree descent and one interpolation).
void TableLookup(benchmark::State& state) {
    auto law = strickler();
    std::mt19937 rng(2);
    CrossSection s = valleySection(0, valleyProfile(0, rng), *law);
    s.prepare();
    const Flumaris::Tables& t = s.table();
    std::uniform_real_distribution<double> area(0.0, t.column(Flumaris::ColArea).back());
    std::vector<double> xs(4096);
    for (double& x : xs) x = area(rng);
    std::size_t i = 0;
    for (auto _ : state) {
        double z = 0.0;
        t.lookup(xs[i++ & 4095], Flumaris::ColArea, Flumaris::ColZ, z);
        benchmark::DoNotOptimize(z);
    }
    state.counters["rows"] = static_cast<double>(t.numRows());
}
BENCHMARK(TableLookup);

// The whole state of an element from its area: two descents, nine interpolations.
void StateFromArea(benchmark::State& state) {
    auto law = strickler();
    std::mt19937 rng(3);
    CrossSection s = valleySection(0, valleyProfile(0, rng), *law);
    s.prepare();
    std::uniform_real_distribution<double> area(0.0, s.table().column(Flumaris::ColArea).back());
    std::vector<double> xs(4096);
    for (double& x : xs) x = area(rng);
    std::size_t i = 0;
    for (auto _ : state) benchmark::DoNotOptimize(s.state(xs[i++ & 4095]));
}
BENCHMARK(StateFromArea);

// A valley of n sections with 20 m of flowing water from an initial level,
// a constant inflow and free outflow.
struct Flood {
    std::unique_ptr<Flumaris::ResistanceCalc> law = strickler();
    MemoryTopo topo;
    std::unique_ptr<FlumChain::Grid> grid;
    std::unique_ptr<FlumChain::Hydraulics> h;

    Flood(int n, FlumChain::Scheme scheme) {
        std::vector<std::string> order;
        std::mt19937 rng(4);
        topo.sections_.reserve(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            topo.sections_.push_back(valleySection(k, valleyProfile(k, rng), *law));
            order.push_back("cs" + std::to_string(k));
        }
        grid = std::make_unique<FlumChain::Grid>(topo, order);
        FlumChain::SolverSettings s;
        s.hmin = 1e-4;
        s.cfl = 0.9;
        s.maxTimeStep = 100.0;
        s.initialTimeStep = 60.0;
        s.scheme = scheme;
        s.truncationArea = s.truncationDischarge = 1e-3;
        s.tryLimit = 5;
        s.timeStepReduction = 0.2;
        h = std::make_unique<FlumChain::Hydraulics>(*grid, s);
        FlumChain::BoundarySettings in;
        in.name = "in";
        in.end = FlumChain::End::Upstream;
        in.slope = 0.001;
        in.precision = 1e-4;
        in.iterations = 100;
        in.serie = std::make_shared<const Flumaris::BoundarySerie>(
            std::vector<Flumaris::BoundarySerie::Pair>{{0.0, 150.0}, {1e9, 150.0}});
        h->setBoundary(std::make_unique<FlumChain::Hydrograph>(h->view(), in));
        FlumChain::BoundarySettings out = in;
        out.end = FlumChain::End::Downstream;
        h->setBoundary(std::make_unique<FlumChain::ZeroGradient>(h->view(), out));
        std::vector<double> A(static_cast<std::size_t>(n)), Q(static_cast<std::size_t>(n), 100.0);
        for (int k = 0; k < n; ++k) {
            const Flumaris::CrossSection& cs = *grid->elements()[static_cast<std::size_t>(k)].section;
            A[static_cast<std::size_t>(k)] = cs.area(cs.ground() + 2.0);
        }
        h->setState(A, Q);
    }
};

void Step(benchmark::State& state, FlumChain::Scheme scheme) {
    const int n = static_cast<int>(state.range(0));
    Flood f(n, scheme);
    double t = 0.0;
    for (auto _ : state) t += f.h->advance(t, f.h->stableTimeStep());
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["section-updates/s"] =
        benchmark::Counter(static_cast<double>(state.iterations()) * n, benchmark::Counter::kIsRate);
}
void ExplicitStep(benchmark::State& state) { Step(state, FlumChain::Scheme::Explicit); }
void ImplicitStep(benchmark::State& state) { Step(state, FlumChain::Scheme::Implicit); }
BENCHMARK(ExplicitStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImplicitStep)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

}  // namespace

BENCHMARK_MAIN();
