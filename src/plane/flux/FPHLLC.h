#pragma once
// HLLC approximate Riemann solver: HLL mass and normal momentum with wave
// speeds bounded by a two-rarefaction estimate of the star region, and the
// tangential momentum upwinded by the contact wave.
#include <algorithm>
#include <cmath>

#include "plane/flux/FPEdgeKernels.h"

namespace FlumPlane {

class HLLC final {
public:
    HLLC(double gravity, double minDepth) : g(gravity), hmin(minDepth) {}

    EdgeFlux flux(const EdgeGeometry& e, const EdgeState& s) const {
        const double nx = e.nx();
        const double ny = e.ny();
        const NormalState L = toNormalFrame(s.hL, s.uL, s.vL, nx, ny, hmin, g);
        const NormalState R = toNormalFrame(s.hR, s.uR, s.vR, nx, ny, hmin, g);
        const bool wetL = L.h > kTiny;
        const bool wetR = R.h > kTiny;
        if (!wetL && !wetR) return EdgeFlux{};
        const double cStarRoot = 0.5 * (L.c + R.c) + 0.25 * (L.un - R.un);
        const double uStar = 0.5 * (L.un + R.un) + L.c - R.c;
        // star depth h* = cStarRoot^2 / g, so c* = sqrt(g h*) = |cStarRoot|
        const double cStar = std::fabs(cStarRoot);
        double SL, SR;
        if (!drySideSpeeds(L, R, wetL, wetR, SL, SR)) {
            SL = std::min(uStar - cStar, L.un - L.c);
            SR = std::max(uStar + cStar, R.un + R.c);
        }
        const double qL = L.h * L.un, qR = R.h * R.un;
        const double ML = qL * L.un + 0.5 * g * L.h * L.h;
        const double MR = qR * R.un + 0.5 * g * R.h * R.h;
        double q, M;
        if (SL >= 0.0) {
            q = qL; M = ML;
        } else if (SR <= 0.0) {
            q = qR; M = MR;
        } else {
            const double inv = 1.0 / (SR - SL);
            q = hllAverage(SL, SR, inv, qL, qR, L.h, R.h);
            M = std::max(hllAverage(SL, SR, inv, ML, MR, qL, qR), 0.0);
        }
        const double T = q * (uStar < 0.0 ? R.ut : L.ut);
        return fluxFromNormalFrame(e, q, M, T, g, true);
    }

    double g;
    double hmin;
};

}  // namespace FlumPlane
