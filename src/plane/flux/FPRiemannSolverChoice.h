#pragma once
// The Riemann solver is chosen once from the command file; the edge loop is
// then instantiated for that solver type, so no per-edge dispatch remains.
#include <string>
#include <utility>

#include "plane/flux/FPExact.h"
#include "plane/flux/FPHLL.h"
#include "plane/flux/FPHLLC.h"

namespace FlumPlane {

enum class RiemannSolverKind { HLL, HLLC, Exact };

// The key word of `riemann_solver`; an unknown word is a fatal error naming it.
RiemannSolverKind riemannSolverKind(const std::string& word);

struct RiemannSolverSettings {
    RiemannSolverKind kind = RiemannSolverKind::Exact;
    double gravity = 9.81;
    double hmin = 0.05;
    double tolerance = 1.0e-6;
};

// Calls f(solver) with a solver object of the chosen type.
template <class F>
decltype(auto) withRiemannSolver(const RiemannSolverSettings& s, F&& f) {
    switch (s.kind) {
        case RiemannSolverKind::HLL:
            return std::forward<F>(f)(HLL(s.gravity, s.hmin));
        case RiemannSolverKind::HLLC:
            return std::forward<F>(f)(HLLC(s.gravity, s.hmin));
        case RiemannSolverKind::Exact:
        default:
            return std::forward<F>(f)(Exact(s.gravity, s.hmin, s.tolerance));
    }
}

}  // namespace FlumPlane
