// Speed of the 1-D cross sections: building a long chain (sections, grid,
// levels and tables) and evaluating one section from its table.
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

}  // namespace

BENCHMARK_MAIN();
