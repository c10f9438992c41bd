#include "plane/step/FPTurbulence.h"

#include <string>

#include "core/FlumAssert.h"

namespace FlumPlane {

AlgebraicTurbulence::AlgebraicTurbulence(const Grid& grid, const TurbulenceSettings& settings)
    : grid_(grid), settings_(settings) {
    const auto n = static_cast<std::size_t>(grid.numElements());
    for (auto* a : {&dudx_, &dudy_, &dvdx_, &dvdy_}) a->assign(n, 0.0);
    for (int e = 0; e < grid.numElements(); ++e)
        FLUM_ASSERT_MSG(grid.elemArea_[e] > 0.0,
                        "ElementDerivative: the area of an element is negative or zero!");
}

void AlgebraicTurbulence::updateEddyViscosity(FPState& s) const {
    const int ne = grid_.numElements();
#pragma omp parallel for schedule(static)
    for (int e = 0; e < ne; ++e)
        s.eddyViscosity_[e] = eddyViscosity(settings_, s.speed_[e], s.h_[e], s.cf_[e]);
}

void AlgebraicTurbulence::computeGradients(const FPState& s) {
    const Grid& grid = grid_;
    const int ne = grid.numElements();
    const double outside = settings_.boundary == BoundaryGradient::ZeroGradient ? 1.0 : 0.0;
#pragma omp parallel for schedule(static)
    for (int e = 0; e < ne; ++e) {
        double gux = 0.0, guy = 0.0, gvx = 0.0, gvy = 0.0;
        for (int k = 0; k < grid.elemNumNodes_[e]; ++k) {
            const int slot = Grid::kMaxNodes * e + k;
            const int i = grid.elemEdges_[slot];
            const int nb = grid.elemNeighbours_[slot];
            const double sign = grid.elemEdgeSign_[slot];  // outward normal = sign * n
            const double uo = nb >= 0 ? s.u_[nb] : outside * s.u_[e];
            const double vo = nb >= 0 ? s.v_[nb] : outside * s.v_[e];
            const double uf = 0.5 * (s.u_[e] + uo);
            const double vf = 0.5 * (s.v_[e] + vo);
            const double nxL = sign * grid.edgeDy_[i];   // outward n L
            const double nyL = -sign * grid.edgeDx_[i];
            gux += uf * nxL;
            guy += uf * nyL;
            gvx += vf * nxL;
            gvy += vf * nyL;
        }
        const double invA = grid.elemInvArea_[e];
        dudx_[e] = gux * invA;
        dudy_[e] = guy * invA;
        dvdx_[e] = gvx * invA;
        dvdy_[e] = gvy * invA;
    }
}

void AlgebraicTurbulence::computeDiffusiveFluxes(FPState& s, double hmin) {
    computeGradients(s);
    const Grid& grid = grid_;
    const int ni = grid.numEdges();
    const double nu0 = settings_.kinematicViscosity;
#pragma omp parallel for schedule(static)
    for (int i = 0; i < ni; ++i) {
        const int l = grid.edgeLeft_[i];
        const int r = grid.edgeRight_[i];
        double fx = 0.0, fy = 0.0;
        const bool wetL = s.h_[l] > hmin;
        const bool wetR = r >= 0 && s.h_[r] > hmin;
        if (wetL && (r < 0 || wetR)) {
            const int o = r >= 0 ? r : l;  // the virtual outside element shares the gradient
            const double nu = nu0 + 0.5 * (s.eddyViscosity_[l] + s.eddyViscosity_[o]);
            const double h = 0.5 * (s.h_[l] + s.h_[o]);
            const double a = grid.edgeDy_[i], b = grid.edgeDx_[i];  // n L = (a, -b)
            const double dun = 0.5 * ((dudx_[l] + dudx_[o]) * a - (dudy_[l] + dudy_[o]) * b);
            const double dvn = 0.5 * ((dvdx_[l] + dvdx_[o]) * a - (dvdy_[l] + dvdy_[o]) * b);
            fx = -nu * h * dun;
            fy = -nu * h * dvn;
        }
        s.diffMomX_[i] = fx;
        s.diffMomY_[i] = fy;
    }
}

}  // namespace FlumPlane
