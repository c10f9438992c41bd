#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fmt/format.h>

#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPInputSMS.h"
#include "unit/plane/mesh/MeshTestUtil.h"

using namespace FlumPlane;

namespace {

// nx x ny squares of side 1, each cut into two triangles, node ids offset by 7
// so that ids and positions differ.
void writeTriangulatedRectangle(const std::string& path, int nx, int ny)
{
    std::FILE* f = std::fopen(path.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fmt::memory_buffer out;
    auto flush = [&] {
        std::fwrite(out.data(), 1, out.size(), f);
        out.clear();
    };
    out.append(std::string_view("MESH2D\n"));
    auto node = [&](int i, int j) { return 7 + j * (nx + 1) + i; };
    int id = 1;
    for (int j = 0; j < ny; ++j) {
        for (int i = 0; i < nx; ++i) {
            fmt::format_to(std::back_inserter(out), "E3T {} {} {} {} 1\n", id++, node(i, j), node(i + 1, j),
                           node(i + 1, j + 1));
            fmt::format_to(std::back_inserter(out), "E3T {} {} {} {} 2\n", id++, node(i, j), node(i + 1, j + 1),
                           node(i, j + 1));
        }
        if (out.size() > (1 << 20)) flush();
    }
    for (int j = 0; j <= ny; ++j) {
        for (int i = 0; i <= nx; ++i)
            fmt::format_to(std::back_inserter(out), "ND {} {} {} {}\n", node(i, j), i, j, 0.001 * i);
        if (out.size() > (1 << 20)) flush();
    }
    flush();
    std::fclose(f);
}

}  // namespace

TEST(LargeMesh, MillionElementsReadInSeconds)
{
    const int nx = 1000, ny = 500;
    const auto dir = MeshTest::freshDir("large");
    const std::string mesh = (dir / "large.2dm").string();
    writeTriangulatedRectangle(mesh, nx, ny);

    Grid grid;
    const auto t0 = std::chrono::steady_clock::now();
    InputSMS().read(mesh, grid);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf("[ timing   ] read, edges, .edg and checks of %d elements: %.2f s\n", grid.numElements(), seconds);

    ASSERT_EQ(grid.numElements(), 2 * nx * ny);
    EXPECT_EQ(grid.numNodes(), (nx + 1) * (ny + 1));
    // Euler: V - E + F = 1 for a simply connected mesh.
    EXPECT_EQ(grid.numEdges(), grid.numNodes() + grid.numElements() - 1);
    EXPECT_EQ(static_cast<int>(grid.boundaryEdges_.size()), 2 * (nx + ny));
    EXPECT_NEAR(grid.totalArea(), double(nx) * ny, 1e-6);
    std::filesystem::remove_all(dir);
}
