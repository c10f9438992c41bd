#include "plane/output/FPBalanceOutput.h"

#include "core/Flumaris.h"
#include <cmath>

#include "core/MessageService.h"
#include "plane/FPPlaneView.h"

using Flumaris::fatal;
using Flumaris::report;

namespace FlumPlane {

namespace {
// Wide enough for any time in its shortest exact form, so columns stay aligned.
constexpr int kTimeWidth = 24;
}  // namespace

FPBalanceOutput::FPBalanceOutput(const PlaneView& plane, const std::vector<std::string>& values, double interval)
    : plane_(plane), clock_(interval) {
    for (const std::string& v : values) {
        if (v == "timestep") timestep_ = true;
        else if (v == "water_volume") volume_ = true;
        else if (v == "sediment")
            fatal("Error: The balance value 'sediment' needs sediment transport (a MORPHOLOGY block), which this "
                      "version of FLUMARIS does not compute yet.\nPlease remove it from balance_values and restart the program.");
        else fatal("value '" + v + "' is unknown!");
    }
    if (values.empty()) timestep_ = volume_ = true;
}

void FPBalanceOutput::initialize(double t, double origin) {
    start_ = std::chrono::steady_clock::now();
    file_.open(plane_.outputPrefix() + "_balance.dat");
    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, "{:>{}}", "time[s]", kTimeWidth);
    if (timestep_) fmt::format_to(out, " {:>22} {:>10} {:>10}", "hydraulic_timestep[s]", "Element", "Edge");
    if (volume_) fmt::format_to(out, " {:>22}", "water_vol[m3]");
    fmt::format_to(out, "\n");
    file_.writeRecord(buf);
    clock_.start(t, origin);
    lastDt_ = plane_.timeStep();
    write(t);
}

void FPBalanceOutput::afterStep(double t, double dt) {
    lastDt_ = dt;
    if (clock_.due(t)) write(t);
}

void FPBalanceOutput::write(double t) {
    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, "{:>{}}", t, kTimeWidth);
    if (timestep_) {
        // The element and edge that bound the next step (largest L * wave speed / A).
        const Grid& g = plane_.grid();
        const FPState& s = plane_.state();
        const double grav = Flumaris::settings().gravity();
        double worst = 0.0;
        int elem = -1, edge = -1;
        for (int i = 0; i < g.numEdges(); ++i) {
            for (int e : {g.edgeLeft_[i], g.edgeRight_[i]}) {
                if (e == Grid::kNone || s.h_[e] <= 1.0e-15) continue;
                const double un = std::fabs(s.u_[e] * g.edgeNx_[i] + s.v_[e] * g.edgeNy_[i]);
                const double rate = g.edgeLength_[i] * (un + std::sqrt(grav * s.h_[e])) * g.elemInvArea_[e];
                if (rate > worst) {
                    worst = rate;
                    elem = g.elemId_[e];
                    edge = i + 1;
                }
            }
        }
        fmt::format_to(out, " {:>22.10e} {:>10} {:>10}", lastDt_, elem, edge);
    }
    if (volume_) fmt::format_to(out, " {:>22.14e}", plane_.waterVolume());
    fmt::format_to(out, "\n");
    file_.writeRecord(buf);
    clock_.written(t);
}

void FPBalanceOutput::finalize(double t) {
    if (closed_) return;
    if (!clock_.writtenAt(t)) write(t);
    fmt::memory_buffer buf;
    fmt::format_to(std::back_inserter(buf), "Run Time of the simulation={:.3f} sec\n",
                   std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count());
    file_.writeRecord(buf);
    file_.close();
    closed_ = true;
}

}  // namespace FlumPlane
