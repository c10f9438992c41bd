#include "plane/output/FPAvsOutput.h"

#include <fmt/format.h>

#include "core/MessageService.h"
#include "plane/FPPlaneView.h"

namespace FlumPlane {

namespace {
constexpr int kCountWidth = 10;
}

FPAvsOutput::FPAvsOutput(const PlaneView& plane, double interval)
    : plane_(plane), values_(plane, -1000000.0), clock_(interval) {}

FPAvsOutput::~FPAvsOutput() {
    if (file_) std::fclose(file_);
}

void FPAvsOutput::initialize(double t, double origin) {
    const std::string name = plane_.outputPrefix() + "_Movie_AVS.inp";
    file_ = std::fopen(name.c_str(), "w+b");
    if (!file_) Flumaris::fatal("Could not open file '" + name + "' for writing");
    const std::string head = fmt::format("# AVS UCD file of {}\n{:>{}}\ndata\n", plane_.name(), 0, kCountWidth);
    std::fwrite(head.data(), 1, head.size(), file_);
    clock_.start(t, origin);
    write(t);
}

void FPAvsOutput::write(double t) {
    const Grid& g = plane_.grid();
    std::vector<double> wse, depth, speed;
    values_.compute("wse", FLUMtools::FTLocation::Node, wse);
    values_.compute("depth", FLUMtools::FTLocation::Node, depth);
    values_.compute("abs_velocity", FLUMtools::FTLocation::Node, speed);
    fmt::memory_buffer buf;
    auto out = std::back_inserter(buf);
    fmt::format_to(out, "step{} {}\n{} {}\n", steps_ + 1, t, g.numNodes(), g.numElements());
    for (int n = 0; n < g.numNodes(); ++n) fmt::format_to(out, "{} {} {} {}\n", n + 1, g.nodeX_[n], g.nodeY_[n], g.nodeZ_[n]);
    for (int e = 0; e < g.numElements(); ++e) {
        fmt::format_to(out, "{} 1 {}", e + 1, g.elemNumNodes(e) == 4 ? "quad" : "tri");
        for (int k = 0; k < g.elemNumNodes(e); ++k) fmt::format_to(out, " {}", g.elemNode(e, k) + 1);
        fmt::format_to(out, "\n");
    }
    fmt::format_to(out, "4 1 1 1 1\nbedlevel, masl\nwse , masl\ndepth , m\nvelocity , mps\n");
    for (int n = 0; n < g.numNodes(); ++n)
        fmt::format_to(out, "{} {} {} {} {}\n", n + 1, g.nodeZ_[n], wse[n], depth[n], speed[n]);
    std::fseek(file_, 0, SEEK_END);
    std::fwrite(buf.data(), 1, buf.size(), file_);
    ++steps_;
    // The step count sits on the second line in a fixed-width field.
    const std::string count = fmt::format("{:>{}}", steps_, kCountWidth);
    std::fseek(file_, 0, SEEK_SET);
    int c;
    while ((c = std::fgetc(file_)) != EOF && c != '\n') {
    }
    std::fseek(file_, std::ftell(file_), SEEK_SET);
    std::fwrite(count.data(), 1, count.size(), file_);
    if (std::fflush(file_) != 0) Flumaris::fatal("Could not write to the AVS output file of " + plane_.name());
    clock_.written(t);
}

void FPAvsOutput::finalize(double t) {
    if (!file_) return;
    if (!clock_.writtenAt(t)) write(t);
    std::fclose(file_);
    file_ = nullptr;
}

}  // namespace FlumPlane
