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
        if (wetL && wetR) {
            SL = std::min(uStar - cStar, L.un - L.c);
            SR = std::max(uStar + cStar, R.un + R.c);
        } else if (!wetL) {  // a dry side bounds the waves as in HLL
            SL = R.un - 2.0 * R.c;
            SR = R.un + R.c;
        } else {
            SL = L.un - L.c;
            SR = L.un + 2.0 * L.c;
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
            q = (SR * qL - SL * qR + SL * SR * (R.h - L.h)) * inv;
            M = std::max((SR * ML - SL * MR + SL * SR * (qR - qL)) * inv, 0.0);
        }
        const double T = q * (uStar < 0.0 ? R.ut : L.ut);
        return fluxFromNormalFrame(e, q, M, T, g, true);
    }

    double g;
    double hmin;
};

}  // namespace FlumPlane
