#pragma once
// HLL approximate Riemann solver (two waves SL <= SR, one averaged state
// between them). Wave speeds after the two-rarefaction bound for a dry side.
// The edge depth is recovered from the averaged flux (cubic), so the
// hydrostatic term is integrated over the wetted part of the edge only.
#include <algorithm>

#include "plane/flux/FPEdgeKernels.h"

namespace FlumPlane {

class HLL final {
public:
    HLL(double gravity, double minDepth) : g(gravity), hmin(minDepth) {}

    EdgeFlux flux(const EdgeGeometry& e, const EdgeState& s) const {
        const double nx = e.nx();
        const double ny = e.ny();
        const NormalState L = toNormalFrame(s.hL, s.uL, s.vL, nx, ny, hmin, g);
        const NormalState R = toNormalFrame(s.hR, s.uR, s.vR, nx, ny, hmin, g);
        const bool wetL = L.h > kTiny;
        const bool wetR = R.h > kTiny;
        if (!wetL && !wetR) return EdgeFlux{};
        double SL, SR;
        if (wetL && wetR) {
            SL = std::min(L.un - L.c, R.un - R.c);
            SR = std::max(L.un + L.c, R.un + R.c);
        } else if (!wetL) {
            SL = R.un - 2.0 * R.c;
            SR = R.un + R.c;
        } else {
            SL = L.un - L.c;
            SR = L.un + 2.0 * L.c;
        }
        const double qL = L.h * L.un, qR = R.h * R.un;
        const double ML = qL * L.un + 0.5 * g * L.h * L.h;
        const double MR = qR * R.un + 0.5 * g * R.h * R.h;
        const double TL = qL * L.ut, TR = qR * R.ut;
        double q, M, T;
        if (SL >= 0.0) {
            q = qL; M = ML; T = TL;
        } else if (SR <= 0.0) {
            q = qR; M = MR; T = TR;
        } else {
            const double inv = 1.0 / (SR - SL);
            q = (SR * qL - SL * qR + SL * SR * (R.h - L.h)) * inv;
            M = (SR * ML - SL * MR + SL * SR * (qR - qL)) * inv;
            T = (SR * TL - SL * TR + SL * SR * (R.h * R.ut - L.h * L.ut)) * inv;
            M = std::max(M, 0.0);
        }
        return fluxFromNormalFrame(e, q, M, T, g, false);
    }

    double g;
    double hmin;
};

}  // namespace FlumPlane
