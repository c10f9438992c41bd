// Speed of the 2-D explicit step through the real subdomain path: a command
// file is parsed and validated, FLUMplane_2d reads its mesh, and the time loop
// (step and time step) runs a fixed number of steps with 1 and 2 threads.
//
//   flumbench [--steps N] [--solvers hll,hllc,exact] [--threads 1,2] [--dump prefix] mesh.2dm...
//
// --dump writes the final h, u, v of each case as raw doubles to
// <prefix><mesh>_<solver>.bin, to compare two builds bit for bit.
//
// Mupd/s: million element updates (elements x steps) per wall second of the
// time loop; Mupd/cpu-s: the same per CPU second of the single-thread run,
// which a machine shared with other work disturbs less.
//
// Each mesh is a rectangle whose left half (material 1) holds 1 m of water and
// whose right half (material 2) holds 0.5 m: a wet dam break, so that every
// element does the full work of a step. Runs with different thread counts
// start from the same state and must end bit-identical.
#include <fmt/format.h>
#include <omp.h>

#include <chrono>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <unistd.h>
#include <string>
#include <vector>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "input/blocks/FlumarisInputRoot.h"
#include "input/syntax/InputParser.h"
#include "plane/FLUMplane_2d.h"

namespace {

using Clock = std::chrono::steady_clock;

double seconds(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

// CPU seconds of the whole process (all threads): on a loaded machine the
// wall clock also counts time spent waiting for a core.
double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + 1e-9 * static_cast<double>(ts.tv_nsec);
}

struct Timing {
    double wall = 0.0;
    double cpu = 0.0;
};

std::vector<std::string> split(const std::string& s) {
    std::vector<std::string> out;
    std::stringstream in(s);
    for (std::string w; std::getline(in, w, ',');)
        if (!w.empty()) out.push_back(w);
    return out;
}

std::string commandFile(const std::string& mesh, const std::string& solver) {
    return fmt::format(
        "PROJECT {{\n  title = bench\n}}\n"
        "DOMAIN {{\n  FLUMPLANE_2D {{\n    region_name = bench\n"
        "    GEOMETRY {{\n      type = 2dm\n      file = {}\n    }}\n"
        "    HYDRAULICS {{\n"
        "      PARAMETER {{\n        minimum_water_depth = 0.01\n        riemann_solver = {}\n      }}\n"
        "      FRICTION {{\n        type = manning\n        default_friction = 0.025\n      }}\n"
        "      INITIAL {{\n        type = index_table\n        index = ( 1 2 )\n        h = ( 1.0 0.5 )\n      }}\n"
        "    }}\n"
        "    TIMESTEP {{\n      total_run_time = 1000\n      CFL = 0.9\n      initial_time_step = 100\n    }}\n"
        "  }}\n}}\n",
        mesh, solver);
}

// Owns the parsed input tree, which the subdomain's blocks point into.
struct Case {
    std::unique_ptr<FLUMparse::FlumarisInputRoot> root;
    std::unique_ptr<FlumPlane::FLUMplane_2d> plane;
    double readSeconds = 0.0;
};

Case build(const std::filesystem::path& dir, const std::string& mesh, const std::string& solver) {
    std::filesystem::create_directories(dir);
    const std::filesystem::path fmc = dir / "bench.fmc";
    std::ofstream(fmc) << commandFile(std::filesystem::absolute(mesh).string(), solver);
    auto& s = Flumaris::settings();
    s.batch_ = true;
    s.logLevel_ = 3;
    s.projectDirectory_ = dir.string();
    s.commandFile_ = (dir / "bench").string();
    Case c;
    c.root = std::make_unique<FLUMparse::FlumarisInputRoot>();
    FLUMparse::readCommandFile(fmc.string(), *c.root);
    const FLUMparse::ValidationReport r = c.root->validate();
    if (r.hasErrors()) Flumaris::report(1, "The benchmark command file has errors:\n" + r.text);
    const auto blocks = c.root->getBlock("DOMAIN").getBlocks("FLUMPLANE_2D");
    const auto t0 = Clock::now();
    c.plane = std::make_unique<FlumPlane::FLUMplane_2d>(*blocks.at(0));
    c.readSeconds = seconds(t0);
    c.plane->prepareRun();
    return c;
}

// Fixed number of steps; wall and CPU seconds of the loop.
Timing timeLoop(FlumPlane::FLUMplane_2d& p, int steps) {
    const auto t0 = Clock::now();
    const double c0 = cpuSeconds();
    for (int k = 0; k < steps; ++k) p.advance(p.getTimeStep());
    return {seconds(t0), cpuSeconds() - c0};
}

bool sameState(const FlumPlane::FPState& a, const FlumPlane::FPState& b) {
    return a.h_ == b.h_ && a.u_ == b.u_ && a.v_ == b.v_ && a.wse_ == b.wse_ && a.fluxMass_ == b.fluxMass_ &&
           a.fluxMomX_ == b.fluxMomX_ && a.fluxMomY_ == b.fluxMomY_;
}

}  // namespace

int main(int argc, char** argv) {
    int steps = 30;
    std::vector<std::string> solvers{"hll", "hllc", "exact"};
    std::vector<int> threads{1, 2};
    std::vector<std::string> meshes;
    std::string dump;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        if (a == "--steps" && k + 1 < argc) {
            steps = std::atoi(argv[++k]);
        } else if (a == "--solvers" && k + 1 < argc) {
            solvers = split(argv[++k]);
        } else if (a == "--dump" && k + 1 < argc) {
            dump = argv[++k];
        } else if (a == "--threads" && k + 1 < argc) {
            threads.clear();
            for (const std::string& t : split(argv[++k])) threads.push_back(std::atoi(t.c_str()));
        } else {
            meshes.push_back(a);
        }
    }
    if (meshes.empty() || steps < 1 || threads.empty()) {
        std::cerr << "usage: flumbench [--steps N] [--solvers hll,hllc,exact] [--threads 1,2] [--dump prefix] "
                     "mesh.2dm...\n";
        return 2;
    }
    const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                       fmt::format("flumbench_{}", static_cast<long>(::getpid()));
    bool identical = true;
    try {
        std::string header = fmt::format("{:<28} {:>8} {:>6} {:>8}", "mesh", "elements", "solver", "read[s]");
        for (int t : threads) header += fmt::format(" {:>12}", fmt::format("Mupd/s {}thr", t));
        header += fmt::format(" {:>12}", "Mupd/cpu-s");
        header += "  threads agree";
        std::cout << fmt::format("{} steps per run; Mupd/s = million element updates per second of the time loop\n",
                                 steps)
                  << header << "\n" << std::string(header.size(), '-') << "\n";
        for (const std::string& mesh : meshes) {
            for (const std::string& solver : solvers) {
                // Each thread count starts from a subdomain of its own, built from the same file.
                Case c = build(work, mesh, solver);
                const double ne = c.plane->grid().numElements();
                std::string row = fmt::format("{:<28} {:>8} {:>6} {:>8.2f}",
                                              std::filesystem::path(mesh).filename().string(),
                                              c.plane->grid().numElements(), solver, c.readSeconds);
                std::unique_ptr<FlumPlane::FPState> reference;
                bool agree = true;
                double perCpu = 0.0;
                bool first = true;
                for (int t : threads) {
                    if (!first) c = build(work, mesh, solver);
                    first = false;
                    FlumPlane::FLUMplane_2d& p = *c.plane;
                    omp_set_num_threads(t);
                    const Timing tm = timeLoop(p, steps);
                    row += fmt::format(" {:>12.2f}", ne * steps / tm.wall / 1e6);
                    if (perCpu == 0.0) perCpu = ne * steps / tm.cpu / 1e6;
                    if (!reference)
                        reference = std::make_unique<FlumPlane::FPState>(p.state());
                    else
                        agree = agree && sameState(*reference, p.state());
                }
                row += fmt::format(" {:>12.2f}", perCpu);
                if (!dump.empty()) {
                    std::ofstream out(dump + std::filesystem::path(mesh).stem().string() + "_" + solver + ".bin",
                                      std::ios::binary);
                    const FlumPlane::FPState& s = c.plane->state();
                    for (const auto* v : {&s.h_, &s.u_, &s.v_})
                        out.write(reinterpret_cast<const char*>(v->data()),
                                  static_cast<std::streamsize>(v->size() * sizeof(double)));
                }
                identical = identical && agree;
                std::cout << row << "  " << (agree ? "yes" : "NO") << std::endl;
            }
        }
    } catch (const Flumaris::FatalError&) {
        std::filesystem::remove_all(work);
        return 1;
    }
    std::filesystem::remove_all(work);
    if (!identical) {
        std::cout << "ERROR: runs with different thread counts gave different states.\n";
        return 1;
    }
    return 0;
}
