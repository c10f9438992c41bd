#include "core/Flumaris.h"

#include <cmath>
#include <omp.h>
#include <string>

#include "core/FlumAssert.h"
#include "core/MessageService.h"

namespace Flumaris {

namespace {
ProgramSettings* singleton = nullptr;
}

ProgramSettings& ProgramSettings::create() {
    FLUM_ASSERT(singleton == 0);
    singleton = new ProgramSettings();
    return *singleton;
}

ProgramSettings& ProgramSettings::get() {
    if (!singleton) singleton = new ProgramSettings();
    return *singleton;
}

void ProgramSettings::resetToDefaults() { get() = ProgramSettings(); }

void ProgramSettings::setGravity(double g) {
    gravity_ = g;
    sqrtGravity_ = std::sqrt(g);
    sqrtTwoGravity_ = std::sqrt(2.0 * g);
    invGravity_ = 1.0 / g;
}

void setNumberOfThreads(int n) {
    const int cores = omp_get_num_procs();
    if (n < 1) {
        n = cores;
    } else if (n > cores) {
        // More threads than cores only take turns on them, each waiting at every barrier.
        report(3, "number_threads = " + std::to_string(n) + " in the PARALLEL block exceeds the " +
                      std::to_string(cores) + " cores of this machine; the run uses " + std::to_string(cores) +
                      " threads.\nSet number_threads to at most " + std::to_string(cores) +
                      ", or to 0 for all cores.");
        n = cores;
    }
    omp_set_num_threads(n);
    if (n > 1)
        report(5, "OpenMP: Computation is executed in parallel using " + std::to_string(n) + " threads");
    else
        report(5, "OpenMP: Computation is executed sequentially");
}

}  // namespace Flumaris
