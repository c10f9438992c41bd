#pragma once
// Exact solver of the one-dimensional shallow-water Riemann problem in the edge
// normal direction, sampled at x/t = 0. Star depth by Newton iteration on
// fL(h) + fR(h) + (uNR - uNL) = 0 (rarefaction or shock branch per side);
// dry beds and a dry zone between two separating rarefactions are solved in
// closed form. The hydrostatic term uses the wetted part of the edge.
#include <algorithm>
#include <cmath>

#include "plane/flux/FPEdgeKernels.h"

namespace FlumPlane {

class Exact final {
public:
    static constexpr int kMaxIterations = 500;

    Exact(double gravity, double minDepth, double tolerance = 1.0e-6)
        : g(gravity), hmin(minDepth), tol(tolerance) {}

    // Sampled state at the edge (x/t = 0), in the normal frame.
    struct Sample {
        double h = 0.0;
        double un = 0.0;
        double ut = 0.0;
    };

    EdgeFlux flux(const EdgeGeometry& e, const EdgeState& s) const {
        const double nx = e.nx();
        const double ny = e.ny();
        const NormalState L = toNormalFrame(s.hL, s.uL, s.vL, nx, ny, hmin, g);
        const NormalState R = toNormalFrame(s.hR, s.uR, s.vR, nx, ny, hmin, g);
        if (L.h <= kTiny && R.h <= kTiny) return EdgeFlux{};
        const Sample S = solve(L, R);
        const double W = S.h + e.zmean;
        const EdgeWetting w = edgeWetting(W - e.z1, W - e.z2, e.z1, e.z2);
        const double P = 0.5 * g * w.m;
        const double Fn = e.L * w.f * (S.h * S.un * S.un + P);
        const double Ft = e.L * w.f * S.h * S.un * S.ut;
        EdgeFlux F;
        F.mass = e.L * w.f * S.h * S.un;
        F.momX = Fn * nx - Ft * ny;
        F.momY = Fn * ny + Ft * nx;
        return F;
    }

    // The Riemann problem proper (public for tests against analytic solutions).
    Sample solve(const NormalState& L, const NormalState& R) const {
        const bool dryL = L.h <= kTiny;
        const bool dryR = R.h <= kTiny;
        if (dryL && dryR) return Sample{};
        if (dryR) return sampleLeftIntoDry(L);
        if (dryL) return sampleRightIntoDry(R);
        const double du = R.un - L.un;
        if (du >= 2.0 * (L.c + R.c)) {
            // two rarefactions leave a dry zone between them
            if (L.un + 2.0 * L.c > 0.0) return sampleLeftIntoDry(L);
            if (R.un - 2.0 * R.c < 0.0) return sampleRightIntoDry(R);
            return Sample{};
        }
        if (L.h == R.h && L.un == R.un) {
            // Equal states, as on every edge under a level surface at rest: the
            // two sides' branches are the same numbers, so one of each serves
            // (f + f, f - f: the bits of the general path).
            const double hStar = starDepthEqual(L, du);
            const double f = branch(hStar, L).f;
            return sampleWet(L, R, hStar, 0.5 * (L.un + R.un) + 0.5 * (f - f));
        }
        const double hStar = starDepth(L, R);
        const double uStar =
            0.5 * (L.un + R.un) + 0.5 * (branch(hStar, R).f - branch(hStar, L).f);
        return sampleWet(L, R, hStar, uStar);
    }

    double g;
    double hmin;
    double tol;

private:
    struct Branch {
        double f;
        double df;
    };

    Branch branch(double h, const NormalState& K) const {
        if (h <= K.h) {
            const double c = std::sqrt(g * h);
            return {2.0 * (c - K.c), g / c};
        }
        const double gK = std::sqrt(0.5 * g * (h + K.h) / (h * K.h));
        return {(h - K.h) * gK, gK - 0.25 * g * (h - K.h) / (gK * h * h)};
    }

    double starDepth(const NormalState& L, const NormalState& R) const {
        const double du = R.un - L.un;
        const double root = 0.5 * (L.c + R.c) - 0.25 * du;
        const double h0 = root * root / g;
        const double hLow = std::min(L.h, R.h);
        if (h0 <= hLow) return h0;  // two rarefactions: exact
        const double gL = std::sqrt(0.5 * g * (h0 + L.h) / (h0 * L.h));
        const double gR = std::sqrt(0.5 * g * (h0 + R.h) / (h0 * R.h));
        double h = (gL * L.h + gR * R.h - du) / (gL + gR);
        for (int it = 0; it < kMaxIterations; ++it) {
            const Branch bL = branch(h, L);
            const Branch bR = branch(h, R);
            const double hNew = h - (bL.f + bR.f + du) / (bL.df + bR.df);
            if (std::fabs(hNew - h) / (0.5 * (hNew + h)) <= tol) return hNew;
            h = std::max(hLow, hNew);
        }
        reportIterationLimit();
        return h;
    }

    // starDepth for R = L (du = 0), with each branch evaluated once.
    double starDepthEqual(const NormalState& K, double du) const {
        const double root = 0.5 * (K.c + K.c) - 0.25 * du;
        const double h0 = root * root / g;
        const double hLow = K.h;
        if (h0 <= hLow) return h0;
        const double gK = std::sqrt(0.5 * g * (h0 + K.h) / (h0 * K.h));
        double h = (gK * K.h + gK * K.h - du) / (gK + gK);
        for (int it = 0; it < kMaxIterations; ++it) {
            const Branch b = branch(h, K);
            const double hNew = h - (b.f + b.f + du) / (b.df + b.df);
            if (std::fabs(hNew - h) / (0.5 * (hNew + h)) <= tol) return hNew;
            h = std::max(hLow, hNew);
        }
        reportIterationLimit();
        return h;
    }

    Sample sampleWet(const NormalState& L, const NormalState& R, double hStar,
                     double uStar) const {
        const double cStar = std::sqrt(g * hStar);
        if (uStar >= 0.0) {  // the edge lies left of the contact
            if (hStar > L.h) {
                const double QL = std::sqrt(0.5 * (hStar + L.h) * hStar / (L.h * L.h));
                if (L.un - L.c * QL >= 0.0) return {L.h, L.un, L.ut};
                return {hStar, uStar, L.ut};
            }
            if (L.un - L.c >= 0.0) return {L.h, L.un, L.ut};
            if (uStar - cStar <= 0.0) return {hStar, uStar, L.ut};
            const double u = (L.un + 2.0 * L.c) / 3.0;
            return {u * u / g, u, L.ut};
        }
        if (hStar > R.h) {
            const double QR = std::sqrt(0.5 * (hStar + R.h) * hStar / (R.h * R.h));
            if (R.un + R.c * QR <= 0.0) return {R.h, R.un, R.ut};
            return {hStar, uStar, R.ut};
        }
        if (R.un + R.c <= 0.0) return {R.h, R.un, R.ut};
        if (uStar + cStar >= 0.0) return {hStar, uStar, R.ut};
        const double u = (R.un - 2.0 * R.c) / 3.0;
        return {u * u / g, u, R.ut};
    }

    Sample sampleLeftIntoDry(const NormalState& L) const {
        if (L.un - L.c >= 0.0) return {L.h, L.un, L.ut};
        if (L.un + 2.0 * L.c <= 0.0) return Sample{};
        const double u = (L.un + 2.0 * L.c) / 3.0;
        return {u * u / g, u, L.ut};
    }

    Sample sampleRightIntoDry(const NormalState& R) const {
        if (R.un + R.c <= 0.0) return {R.h, R.un, R.ut};
        if (R.un - 2.0 * R.c >= 0.0) return Sample{};
        const double u = (R.un - 2.0 * R.c) / 3.0;
        return {u * u / g, u, R.ut};
    }

    // Once per run; the iteration goes on with its last iterate.
    static void reportIterationLimit();
};

}  // namespace FlumPlane
