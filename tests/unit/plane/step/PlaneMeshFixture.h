#pragma once
// Small structured meshes built in memory for the sweep tests.
#include <functional>
#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/step/FPState.h"

namespace FlumPlaneTest {

// nx x ny cells of size dx over [0, nx dx] x [0, ny dy]; each cell a
// quadrilateral or two triangles; node elevations z(x, y).
inline FlumPlane::Grid rectangle(int nx, int ny, double dx, double dy, bool triangles,
                                 const std::function<double(double, double)>& z) {
    FlumPlane::Grid grid;
    for (int j = 0; j <= ny; ++j)
        for (int i = 0; i <= nx; ++i)
            grid.addNode(1 + i + j * (nx + 1), i * dx, j * dy, z(i * dx, j * dy));
    int id = 1;
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            const int n0 = i + j * (nx + 1), n1 = n0 + 1, n2 = n1 + nx + 1, n3 = n0 + nx + 1;
            if (triangles) {
                const int t1[3] = {n0, n1, n2}, t2[3] = {n0, n2, n3};
                grid.addElement(id++, t1, 1);
                grid.addElement(id++, t2, 1);
            } else {
                const int q[4] = {n0, n1, n2, n3};
                grid.addElement(id++, q, 1);
            }
        }
    }
    grid.buildEdges();
    return grid;
}

// Water level W(x, y) at the element centres; depth 0 where the bed is higher.
inline void fill(const FlumPlane::Grid& grid, FlumPlane::FPState& s,
                 const std::function<double(double, double)>& W) {
    s.resize(grid.numElements(), grid.numEdges());
    for (int e = 0; e < grid.numElements(); ++e) {
        const double zb = grid.elemZb_[e];
        const double h = W(grid.elemCx_[e], grid.elemCy_[e]) - zb;
        s.h_[e] = h > 0.0 ? h : 0.0;
        s.wse_[e] = s.h_[e] + zb;
        s.wseOld_[e] = s.wse_[e];
    }
}

inline double volume(const FlumPlane::Grid& grid, const FlumPlane::FPState& s) {
    double v = 0.0;
    for (int e = 0; e < grid.numElements(); ++e) v += s.h_[e] * grid.elemArea_[e];
    return v;
}

}  // namespace FlumPlaneTest

#include <string>

namespace FlumPlaneTest {

// Console text with every run of white space as one blank: messages are wrapped.
inline std::string collapsed(const std::string& text) {
    std::string out;
    bool space = false;
    for (const char c : text) {
        if (c == ' ' || c == '\n' || c == '\t') {
            space = true;
            continue;
        }
        if (space && !out.empty()) out += ' ';
        space = false;
        out += c;
    }
    return out;
}

}  // namespace FlumPlaneTest
