#include "plane/flux/FPRiemannSolverChoice.h"

#include "core/MessageService.h"

namespace FlumPlane {

RiemannSolverKind riemannSolverKind(const std::string& word) {
    if (word == "hll") return RiemannSolverKind::HLL;
    if (word == "hllc") return RiemannSolverKind::HLLC;
    if (word == "exact") return RiemannSolverKind::Exact;
    Flumaris::fatal("Unkown type of Riemann solver '" + word + "'");
}

}  // namespace FlumPlane
