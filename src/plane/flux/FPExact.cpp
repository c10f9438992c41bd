#include "plane/flux/FPExact.h"

#include <atomic>
#include <string>

#include "core/MessageService.h"

namespace FlumPlane {

namespace {
std::atomic<bool> iterationWarningShown{false};
}

void Exact::reportIterationLimit() {
    if (iterationWarningShown.exchange(true, std::memory_order_relaxed)) return;
    Flumaris::report(3, "Max number of iterations (" + std::to_string(kMaxIterations) +
                            ") exceeded in exact riemann solver.");
}

}  // namespace FlumPlane
