#pragma once
// Prismatic channels built in memory for the solver tests: n sections dx apart
// of one shape (nodes across, elevations above the local bed), the bed falling
// with the slope downstream, one Strickler value everywhere.
#include <cmath>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "chain/FCGrid.h"
#include "chain/FCInputTopo.h"
#include "chain/boundary/FCBoundarySettings.h"
#include "chain/step/FCHydraulics.h"
#include "physics/resistance/ResistanceFactory.h"
#include "physics/series/BoundarySerie.h"

namespace chaintest {

using Shape = std::vector<std::pair<double, double>>;  // (y, z above bed)

inline Shape rectangle(double width, double height) {
    return {{0.0, height}, {0.0, 0.0}, {width, 0.0}, {width, height}};
}
// Bottom width b, side slope m horizontal per vertical, height h.
inline Shape trapezoid(double b, double m, double h) { return {{0.0, h}, {m * h, 0.0}, {m * h + b, 0.0}, {2 * m * h + b, h}}; }

class MemoryTopo final : public FlumChain::InputTopo {
public:
    std::vector<Flumaris::CrossSection>& sections() override { return sections_; }
    Flumaris::CrossSection* findSection(const std::string& name) override {
        for (auto& s : sections_)
            if (s.name() == name) return &s;
        return nullptr;
    }
    std::vector<Flumaris::CrossSection> sections_;
};

struct ChannelLayout {
    Shape shape;
    int n = 101;
    double dx = 10.0;       // [m]
    double slope = 0.0;     // bed slope [-]
    double bed0 = 100.0;    // bed at the first section [m]
    double strickler = 30.0;
    std::vector<double> bumps;  // raise of each section's bed [m]; empty: none
    Flumaris::SectionMode mode = Flumaris::SectionMode::Iteration;
};

class Channel {
public:
    explicit Channel(const ChannelLayout& layout) : layout_(layout) {
        Flumaris::ResistanceSettings rs;
        rs.type = "strickler";
        law_ = Flumaris::createResistanceCalc(rs);
        Flumaris::SectionComputation c;
        c.mode = layout.mode;
        c.precision = 1e-12;
        c.minInterval = 0.01;
        c.maxInterval = 0.05;
        c.minWaterDepth = 1e-4;
        c.maxIterations = 1000;
        std::vector<std::string> order;
        topo_.sections_.reserve(static_cast<std::size_t>(layout.n));
        for (int k = 0; k < layout.n; ++k) {
            const std::string name = "cs" + std::to_string(k);
            Flumaris::CrossSection s(name, layout.dx * k, 0.0);
            for (const auto& [y, z] : layout.shape) s.addNode(y, bed(k) + z);
            s.formSlices();
            s.setComputation(c);
            s.setFrictionLaw(law_.get(), layout.strickler);
            s.setFriction(1, static_cast<int>(s.numSlices()), layout.strickler);
            topo_.sections_.push_back(std::move(s));
            order.push_back(name);
        }
        grid_ = std::make_unique<FlumChain::Grid>(topo_, order);
    }
    double bed(int k) const {
        return layout_.bed0 - layout_.slope * layout_.dx * k +
               (layout_.bumps.empty() ? 0.0 : layout_.bumps[static_cast<std::size_t>(k)]);
    }
    const FlumChain::Grid& grid() const { return *grid_; }
    const ChannelLayout& layout() const { return layout_; }

private:
    ChannelLayout layout_;
    std::unique_ptr<Flumaris::ResistanceCalc> law_;
    MemoryTopo topo_;
    std::unique_ptr<FlumChain::Grid> grid_;
};

inline FlumChain::SolverSettings explicitSettings(double cfl = 0.9) {
    FlumChain::SolverSettings s;
    s.hmin = 1e-4;
    s.cfl = cfl;
    s.maxTimeStep = 100.0;
    s.initialTimeStep = 1.0;
    s.truncationArea = 1e-6;
    s.truncationDischarge = 1e-6;
    s.tryLimit = 5;
    s.timeStepReduction = 0.2;
    return s;
}

inline FlumChain::BoundarySettings boundary(const std::string& type, FlumChain::End end) {
    FlumChain::BoundarySettings s;
    s.name = type;
    s.type = type;
    s.end = end;
    s.precision = 1e-4;
    s.iterations = 100;
    s.poleni = 0.65;
    s.contraction = 0.62;
    s.relaxationTau = 10.0;
    return s;
}

inline std::shared_ptr<const Flumaris::BoundarySerie> constant(double v) {
    return std::make_shared<const Flumaris::BoundarySerie>(
        std::vector<Flumaris::BoundarySerie::Pair>{{-1e9, v}, {1e9, v}});
}

// Explicit steps of the stable length until t; the number of steps.
inline int runTo(FlumChain::Hydraulics& h, double t0, double t) {
    int steps = 0;
    for (double time = t0; time < t - 1e-9; ++steps) {
        const double dt = std::min(h.stableTimeStep(), t - time);
        time += h.advance(time, dt);
    }
    return steps;
}

}  // namespace chaintest
