#pragma once
// Builds a 2-D subdomain from command-file text in a fresh temporary folder,
// so that tests run the real input path: parse, validate, construct.
#include <cmath>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sstream>
#include <memory>
#include <string>
#include <vector>

#include "input/blocks/FlumarisInputRoot.h"
#include "plane/FLUMplane_2d.h"

namespace flumtest {

// Keeps the console output of a test out of the test log.
struct Quiet {
    std::ostringstream sink;
    std::streambuf* old = std::cout.rdbuf(sink.rdbuf());
    ~Quiet() { std::cout.rdbuf(old); }
};

struct MeshLayout {
    int nx = 10, ny = 1;
    double lx = 10.0, ly = 1.0, x0 = 0.0, y0 = 0.0;
    bool triangles = false;  // each cell as two triangles with alternating diagonals
    std::function<double(double, double)> z = [](double, double) { return 0.0; };
    std::function<int(double, double)> material = [](double, double) { return 1; };
};

// 2dm text of a rectangular mesh; node ids are j*(nx+1)+i+1 (row by row from y0).
std::string rectangularMesh(const MeshLayout& m);

class PlaneCase {
public:
    // files: extra files to write into the folder (name, content); the command
    // file must contain exactly one FLUMPLANE_2D block. Validation errors throw
    // Flumaris::FatalError with the report.
    explicit PlaneCase(const std::string& fmcText,
                       const std::vector<std::pair<std::string, std::string>>& files = {});
    ~PlaneCase();

    FlumPlane::FLUMplane_2d& plane() { return *plane_; }
    const std::filesystem::path& dir() const { return dir_; }
    // prepareRun() once.
    void prepare();
    // prepare(), then steps until t (the last step shortened).
    void runTo(double t);

private:
    std::filesystem::path dir_;
    std::unique_ptr<FLUMparse::FlumarisInputRoot> root_;
    std::unique_ptr<FlumPlane::FLUMplane_2d> plane_;
    bool prepared_ = false;
};

// A minimal command file around the given HYDRAULICS inner text and mesh name.
std::string planeCommandFile(const std::string& hydraulics, double totalTime, const std::string& extra = "",
                             const std::string& mesh = "mesh.2dm", const std::string& geometryExtra = "");

}  // namespace flumtest
