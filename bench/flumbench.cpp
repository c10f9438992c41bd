// Speed of the 2-D explicit step through the real subdomain path: a command
// file is parsed and validated, FLUMplane_2d reads its mesh, and the time loop
// (step and time step) runs with each thread count.
//
//   flumbench [--steps N | --until T] [--wse a,b] [--solvers hll,hllc,exact] [--threads 1,2]
//             [--lean 1:r1,2:r2] [--dump prefix] mesh.2dm...
//
// Dam-break meshes (default): material 1 holds 1 m of water, material 2 0.5 m, a
// wet dam break where every element does the full work of a step; N steps.
// --wse a,b starts material 1 and 2 at these water levels instead (a level below the
// bed is dry), and --until T runs to simulated time T: the valley cases.
//
// One row per mesh, solver and thread count: element updates (elements x steps)
// per wall second of the time loop, the ratio to the lean kernel's rate for that
// thread count (--lean, measured by run-bench.sh in the same run), ms per step, and
// the relative change of the water volume (walls all round: round-off only).
// Runs with different thread counts start from the same state and must end
// bit-identical.
//
// --dump writes the final h, u, v of each case as raw doubles to
// <prefix><mesh>_<solver>.bin, to compare two builds bit for bit.
#include <fmt/format.h>
#include <omp.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
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

std::string commandFile(const std::string& mesh, const std::string& solver, const std::string& initial) {
    return fmt::format(
        "PROJECT {{\n  title = bench\n}}\n"
        "DOMAIN {{\n  FLUMPLANE_2D {{\n    region_name = bench\n"
        "    GEOMETRY {{\n      type = 2dm\n      file = {}\n    }}\n"
        "    HYDRAULICS {{\n"
        "      PARAMETER {{\n        minimum_water_depth = 0.01\n        riemann_solver = {}\n      }}\n"
        "      FRICTION {{\n        type = manning\n        default_friction = 0.025\n      }}\n"
        "      INITIAL {{\n        type = index_table\n        index = ( 1 2 )\n        {}\n      }}\n"
        "    }}\n"
        "    TIMESTEP {{\n      total_run_time = 100000\n      CFL = 0.9\n      initial_time_step = 100\n    }}\n"
        "  }}\n}}\n",
        mesh, solver, initial);
}

// Owns the parsed input tree, which the subdomain's blocks point into.
struct Case {
    std::unique_ptr<FLUMparse::FlumarisInputRoot> root;
    std::unique_ptr<FlumPlane::FLUMplane_2d> plane;
    double readSeconds = 0.0;
};

Case build(const std::filesystem::path& dir, const std::string& mesh, const std::string& solver,
           const std::string& initial) {
    std::filesystem::create_directories(dir);
    const std::filesystem::path fmc = dir / "bench.fmc";
    std::ofstream(fmc) << commandFile(std::filesystem::absolute(mesh).string(), solver, initial);
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

// A fixed number of steps, or (until > 0) steps up to that simulated time.
Timing timeLoop(FlumPlane::FLUMplane_2d& p, int steps, double until, int& done) {
    const auto t0 = Clock::now();
    const double c0 = cpuSeconds();
    done = 0;
    if (until > 0.0) {
        while (p.getTime() < until) {
            p.advance(std::min(p.getTimeStep(), until - p.getTime()));
            ++done;
        }
    } else {
        for (; done < steps; ++done) p.advance(p.getTimeStep());
    }
    return {seconds(t0), cpuSeconds() - c0};
}

bool sameState(const FlumPlane::FPState& a, const FlumPlane::FPState& b) {
    return a.h_ == b.h_ && a.u_ == b.u_ && a.v_ == b.v_ && a.wse_ == b.wse_ && a.fluxMass_ == b.fluxMass_ &&
           a.fluxMomX_ == b.fluxMomX_ && a.fluxMomY_ == b.fluxMomY_;
}

}  // namespace

int main(int argc, char** argv) {
    int steps = 30;
    double until = 0.0;
    std::string initial = "h = ( 1.0 0.5 )";
    std::vector<std::string> solvers{"hll", "hllc", "exact"};
    std::vector<int> threads{1, 2};
    std::map<int, double> lean;  // thread count -> lean kernel's element updates per second
    std::vector<std::string> meshes;
    std::string dump;
    for (int k = 1; k < argc; ++k) {
        const std::string a = argv[k];
        if (a == "--steps" && k + 1 < argc) {
            steps = std::atoi(argv[++k]);
        } else if (a == "--until" && k + 1 < argc) {
            until = std::atof(argv[++k]);
        } else if (a == "--wse" && k + 1 < argc) {
            const std::vector<std::string> w = split(argv[++k]);
            initial = "wse = ( " + (w.size() == 2 ? w[0] + " " + w[1] : std::string("bad")) + " )";
        } else if (a == "--solvers" && k + 1 < argc) {
            solvers = split(argv[++k]);
        } else if (a == "--dump" && k + 1 < argc) {
            dump = argv[++k];
        } else if (a == "--lean" && k + 1 < argc) {
            for (const std::string& t : split(argv[++k])) {
                const auto colon = t.find(':');
                if (colon != std::string::npos) lean[std::atoi(t.substr(0, colon).c_str())] = std::atof(t.substr(colon + 1).c_str());
            }
        } else if (a == "--threads" && k + 1 < argc) {
            threads.clear();
            for (const std::string& t : split(argv[++k])) threads.push_back(std::atoi(t.c_str()));
        } else {
            meshes.push_back(a);
        }
    }
    if (meshes.empty() || steps < 1 || threads.empty()) {
        std::cerr << "usage: flumbench [--steps N | --until T] [--wse a,b] [--solvers hll,hllc,exact] [--threads 1,2] "
                     "[--lean 1:r1,2:r2] [--dump prefix] mesh.2dm...\n";
        return 2;
    }
    const std::filesystem::path work = std::filesystem::temp_directory_path() /
                                       fmt::format("flumbench_{}", static_cast<long>(::getpid()));
    bool identical = true;
    try {
        const std::string header = fmt::format("{:<18} {:>8} {:>6} {:>3} {:>6} {:>9} {:>10} {:>6} {:>7} {:>10} {:>6}",
                                               "mesh", "elements", "solver", "thr", "steps", "ms/step", "upd/s",
                                               "x lean", "scaling", "dV/V", "agree");
        std::cout << (until > 0.0 ? fmt::format("runs to t = {} s", until) : fmt::format("{} steps per run", steps))
                  << "; upd/s = element updates per wall second of the time loop\n"
                  << header << "\n" << std::string(header.size(), '-') << "\n";
        for (const std::string& mesh : meshes) {
            for (const std::string& solver : solvers) {
                std::unique_ptr<FlumPlane::FPState> reference;
                double firstRate = 0.0;
                Case c;
                for (int t : threads) {
                    // Each thread count starts from a subdomain of its own, built from the same file.
                    c = build(work, mesh, solver, initial);
                    FlumPlane::FLUMplane_2d& p = *c.plane;
                    const double ne = p.grid().numElements();
                    const double v0 = p.waterVolume();
                    omp_set_num_threads(t);
                    int done = 0;
                    const Timing tm = timeLoop(p, steps, until, done);
                    const double rate = ne * done / tm.wall;
                    if (firstRate == 0.0) firstRate = rate;
                    bool agree = true;
                    if (!reference)
                        reference = std::make_unique<FlumPlane::FPState>(p.state());
                    else
                        agree = sameState(*reference, p.state());
                    identical = identical && agree;
                    const auto it = lean.find(t);
                    std::cout << fmt::format("{:<18} {:>8} {:>6} {:>3} {:>6} {:>9.3f} {:>10.3e} {:>6} {:>7.2f} {:>10.1e} {:>6}",
                                             std::filesystem::path(mesh).stem().string(), p.grid().numElements(), solver, t,
                                             done, 1e3 * tm.wall / done, rate,
                                             it != lean.end() ? fmt::format("{:.2f}", rate / it->second) : "-",
                                             rate / firstRate, (p.waterVolume() - v0) / v0, agree ? "yes" : "NO")
                              << std::endl;
                }
                if (!dump.empty()) {
                    std::ofstream out(dump + std::filesystem::path(mesh).stem().string() + "_" + solver + ".bin",
                                      std::ios::binary);
                    const FlumPlane::FPState& s = c.plane->state();
                    for (const auto* v : {&s.h_, &s.u_, &s.v_})
                        out.write(reinterpret_cast<const char*>(v->data()),
                                  static_cast<std::streamsize>(v->size() * sizeof(double)));
                }
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
