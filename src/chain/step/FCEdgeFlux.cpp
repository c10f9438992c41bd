#include "chain/step/FCEdgeFlux.h"

#include <algorithm>
#include <cmath>

#include "section/SectionState.h"

namespace FlumChain {

CellValues cellValues(double A, double Q, const Flumaris::SectionState& s, double zBed) {
    return CellValues{A, Q, s.z, s.z - zBed, s.reducedArea, s.beta, s.meanDepth, s.B, s.K};
}

namespace {

// Water does not climb onto a dry neighbour above the wet side's energy level.
bool blockedByDry(const CellValues& wet, const CellValues& dry, double g) {
    const double u = wet.u();
    return dry.z > wet.z + u * u / (2.0 * g);
}

}  // namespace

EdgeFlux roeFlux(const CellValues& L, const CellValues& R, double g, double hmin, bool areaJump,
                 RoeCoefficients* coefficients) {
    const bool wetL = L.h >= hmin, wetR = R.h >= hmin;
    if (coefficients) *coefficients = RoeCoefficients{};
    if (!wetL && !wetR) return {};
    if (wetL && !wetR && blockedByDry(L, R, g)) return {};
    if (!wetL && wetR && blockedByDry(R, L, g)) return {};
    // Onto a dry bed the averages of the Roe matrix halve the front's speeds
    // (the dry side has neither velocity nor celerity) and the flux runs
    // unstable: the front takes the upwind state of the wet side, and only
    // while it flows towards the dry side (the bed source starts it).
    if (wetL != wetR) {
        if (coefficients) *coefficients = RoeCoefficients{};
        const CellValues& wet = wetL ? L : R;
        const bool towardsDry = wetL ? wet.Q > 0.0 : wet.Q < 0.0;
        return towardsDry && wet.Ar > 0.0 ? EdgeFlux{wet.Q, wet.M()} : EdgeFlux{};
    }
    const double hmMean = 0.5 * (L.hm + R.hm);
    if (!(hmMean > 0.0)) return {};
    const double c = std::sqrt(g * hmMean);
    const double ubar = 0.5 * (L.u() + R.u());
    const double l1 = ubar + c, l2 = ubar - c;
    // Harten & Hyman (1983) entropy fix: in a transonic rarefaction a wave
    // speed crossing zero gets the smoothed |lambda| = (lambda^2 + d^2) / (2 d),
    // d the spread of that speed between the two sides; without it the Roe
    // flux keeps a standing expansion shock at the critical section of a dam break.
    const double cL = std::sqrt(g * std::max(L.hm, 0.0)), cR = std::sqrt(g * std::max(R.hm, 0.0));
    auto fixedAbs = [](double l, double lL, double lR) {
        const double d = std::max({0.0, l - lL, lR - l});
        return std::fabs(l) < d ? 0.5 * (l * l + d * d) / d : std::fabs(l);
    };
    const double a1 = fixedAbs(l1, L.u() + cL, R.u() + cR), a2 = fixedAbs(l2, L.u() - cL, R.u() - cR);
    const double D = 1.0 / (4.0 * c);
    RoeCoefficients k;
    k.a7 = (a2 * l1 - a1 * l2) * D;
    k.a8 = (a1 - a2) * D;
    k.a9 = -l1 * l2 * (a1 - a2) * D;
    k.a10 = (l1 * a1 - l2 * a2) * D;
    if (coefficients) *coefficients = k;

    double dA = 0.0;
    const double dz = R.z - L.z;
    if (areaJump && std::fabs(dz) >= 1e-9) {
        const double B = wetL && wetR ? 0.5 * (L.B + R.B) : (wetL ? L.B : R.B);
        const double surface = dz * B;
        if (wetL && wetR) {
            dA = surface;
        } else {
            // At a wet/dry edge the level jump is limited by the area jump.
            const double jump = R.A - L.A;
            if (surface * jump > 0.0) {
                if (std::fabs(jump) <= std::fabs(surface)) {
                    dA = jump;
                    if ((!wetR && blockedByDry(L, R, g)) || (!wetL && blockedByDry(R, L, g))) dA = 0.0;
                } else {
                    dA = surface;
                }
            }
        }
    }
    const double dQ = R.Q - L.Q;
    EdgeFlux f;
    f.A = 0.5 * (L.Q + R.Q) - k.a8 * dQ - k.a7 * dA;
    f.Q = 0.5 * (L.M() + R.M()) - k.a10 * dQ - k.a9 * dA;
    return f;
}

EdgeFlux upwindFlux(const CellValues& L, const CellValues& R, double g, double hmin) {
    const bool wetL = L.h >= hmin, wetR = R.h >= hmin;
    auto stateOf = [](const CellValues& s) { return s.Ar > 0.0 ? EdgeFlux{s.Q, s.M()} : EdgeFlux{}; };
    if (!wetL && !wetR) return {};
    if (wetL && wetR) return L.Q + R.Q >= 0.0 ? stateOf(L) : stateOf(R);
    if (wetL) return blockedByDry(L, R, g) ? EdgeFlux{} : stateOf(L);
    return blockedByDry(R, L, g) ? EdgeFlux{} : stateOf(R);
}

}  // namespace FlumChain
