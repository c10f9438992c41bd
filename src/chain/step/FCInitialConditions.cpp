#include "chain/step/FCInitialConditions.h"

#include <cmath>
#include <fmt/format.h>
#include <fstream>
#include <sstream>
#include <unordered_map>

#include "chain/FCGrid.h"
#include "chain/step/FCHydraulics.h"
#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "section/CrossSection.h"

namespace FlumChain {

using Flumaris::fatal;

namespace {

constexpr double kLevelTolerance = 1e-7;   // [m]
constexpr double kEnergyTolerance = 1e-6;  // [m]

double readContinueFile(const std::string& file, const Grid& grid, std::vector<double>& A, std::vector<double>& Q) {
    std::ifstream in(file);
    if (!in) fatal("Initial condition file '" + file + "' could not be opened.\nProgram cannot continue.");
    std::unordered_map<std::string, std::vector<std::size_t>> where;
    for (std::size_t i = 0; i < grid.numElements(); ++i) where[grid.elements()[i].section->name()].push_back(i);
    double time = -1.0;
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("#time:", 0) == 0) {
            time = std::stod(line.substr(6));
            continue;
        }
        if (line.rfind("#end", 0) == 0) break;
        std::istringstream words(line);
        std::string name;
        double a = 0.0, q = 0.0;
        if (!(words >> name) || name[0] == '#') continue;
        words >> a >> q;
        const auto it = where.find(name);
        if (it == where.end())
            fatal("FCInitialFile: Unknown cross section name '" + name +
                  "'. The initial conditions could not be set. Program can not continue.");
        for (std::size_t i : it->second) A[i] = a, Q[i] = q;
    }
    return time;
}

}  // namespace

double criticalLevel(const Grid& grid, std::size_t i, double q) {
    const Flumaris::CrossSection& cs = *grid.elements()[i].section;
    const double g = Flumaris::settings().gravity();
    auto fr2 = [&](double z) {
        const Flumaris::SectionRow r = cs.evaluate(z);
        const double A = r[Flumaris::ColArea];
        return A > 0.0 ? q * q * r[Flumaris::ColWidth] / (g * A * A * A) : 1e300;
    };
    // Fr falls with the level: step up while above 1, halving the step.
    double z = fr2(cs.ground() + 0.1) > 1.0 ? cs.ground() + 0.1 : cs.ground(), step = 0.1;
    while (step > 1e-15) {
        const double f = fr2(z + step);
        if (std::fabs(f - 1.0) <= 1e-9) return z + step;
        if (f > 1.0) z += step;
        else step *= 0.5;
    }
    return z;
}

std::vector<double> backwaterLevels(const Grid& grid, double q, double zOut) {
    const std::size_t n = grid.numElements();
    const double g = Flumaris::settings().gravity();
    std::vector<double> z(n, zOut);
    auto values = [&](std::size_t i, double level, double& E, double& Sf) {
        const Flumaris::SectionRow r = grid.elements()[i].section->evaluate(level);
        const double A = r[Flumaris::ColArea], K = r[Flumaris::ColConveyance];
        if (A < 1e-15) fatal("The backwater curve cannot be computed, because a cross section is getting dry.");
        E = level + q * q / (2.0 * g * A * A);
        Sf = K > 0.0 ? (q / K) * (q / K) : 0.0;
    };
    for (std::size_t i = n - 1; i-- > 0;) {
        double Ed, Sd;
        values(i + 1, z[i + 1], Ed, Sd);
        const double dx = std::fabs(grid.elements()[i + 1].section->lCoord() - grid.elements()[i].section->lCoord());
        auto f = [&](double level) {
            double E, S;
            values(i, level, E, S);
            return E - Ed - 0.5 * dx * (S + Sd);
        };
        const double zc = criticalLevel(grid, i, q);
        double lo = zc, flo = f(lo);
        if (flo > 0.0) {
            Flumaris::report(3, "Backwater calculation reached a supercritical\ncross section (" +
                                    grid.elements()[i].section->name() + "):flow is set to critical flow.");
            z[i] = zc;
            continue;
        }
        double hi = std::max(z[i + 1], zc) + 1.0, fhi = f(hi);
        while (fhi < 0.0) hi += 2.0 * (hi - lo), fhi = f(hi);
        double level = hi;
        int side = 0;
        for (int it = 0; it < 200 && hi - lo > kLevelTolerance; ++it) {
            level = (lo * fhi - hi * flo) / (fhi - flo);
            const double fl = f(level);
            if (std::fabs(fl) < kEnergyTolerance) break;
            if (fl < 0.0) {
                lo = level, flo = fl;
                if (side == -1) fhi *= 0.5;
                side = -1;
            } else {
                hi = level, fhi = fl;
                if (side == 1) flo *= 0.5;
                side = 1;
            }
        }
        z[i] = level;
    }
    return z;
}

double applyInitialConditions(const InitialSettings& s, Hydraulics& h) {
    const Grid& grid = h.grid();
    const std::size_t n = grid.numElements();
    std::vector<double> A(n, 0.0), Q(n, 0.0);
    double time = -1.0;
    switch (s.kind) {
    case InitialKind::Dry: break;
    case InitialKind::Continue: time = readContinueFile(s.file, grid, A, Q); break;
    case InitialKind::Backwater: {
        const std::vector<double> z = backwaterLevels(grid, s.qOut, s.wseOut);
        for (std::size_t i = 0; i < n; ++i) {
            A[i] = grid.elements()[i].section->area(z[i]);
            Q[i] = s.qOut;
        }
        break;
    }
    }
    h.setState(A, Q);
    return time;
}

}  // namespace FlumChain
