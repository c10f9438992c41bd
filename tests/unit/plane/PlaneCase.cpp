#include "unit/plane/PlaneCase.h"

#include <fmt/format.h>

#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "input/syntax/InputParser.h"

namespace flumtest {

std::string rectangularMesh(const MeshLayout& m) {
    std::string out = "MESH2D\n";
    const double dx = m.lx / m.nx, dy = m.ly / m.ny;
    auto nid = [&](int i, int j) { return j * (m.nx + 1) + i + 1; };
    int eid = 1;
    for (int j = 0; j < m.ny; ++j)
        for (int i = 0; i < m.nx; ++i) {
            const int mat = m.material(m.x0 + (i + 0.5) * dx, m.y0 + (j + 0.5) * dy);
            const int a = nid(i, j), b = nid(i + 1, j), c = nid(i + 1, j + 1), d = nid(i, j + 1);
            if (!m.triangles) {
                out += fmt::format("E4Q {} {} {} {} {} {}\n", eid++, a, b, c, d, mat);
            } else if ((i + j) % 2 == 0) {
                out += fmt::format("E3T {} {} {} {} {}\n", eid++, a, b, c, mat);
                out += fmt::format("E3T {} {} {} {} {}\n", eid++, a, c, d, mat);
            } else {
                out += fmt::format("E3T {} {} {} {} {}\n", eid++, a, b, d, mat);
                out += fmt::format("E3T {} {} {} {} {}\n", eid++, b, c, d, mat);
            }
        }
    for (int j = 0; j <= m.ny; ++j)
        for (int i = 0; i <= m.nx; ++i) {
            const double x = m.x0 + i * dx, y = m.y0 + j * dy;
            out += fmt::format("ND {} {} {} {}\n", nid(i, j), x, y, m.z(x, y));
        }
    return out;
}

std::string planeCommandFile(const std::string& hydraulics, double totalTime, const std::string& extra,
                             const std::string& mesh, const std::string& geometryExtra) {
    return fmt::format(
        "PROJECT {{\n  title = test\n}}\nDOMAIN {{\n  FLUMPLANE_2D {{\n    region_name = test\n    GEOMETRY {{\n      type = 2dm\n      file = {}\n{}    }}\n"
        "    HYDRAULICS {{\n{}    }}\n    TIMESTEP {{\n      total_run_time = {}\n      CFL = 0.9\n    }}\n{}  }}\n}}\n",
        mesh, geometryExtra, hydraulics, totalTime, extra);
}

PlaneCase::PlaneCase(const std::string& fmcText, const std::vector<std::pair<std::string, std::string>>& files) {
    static std::mt19937_64 rng{std::random_device{}()};
    dir_ = std::filesystem::temp_directory_path() / fmt::format("flum_plane_{:016x}", rng());
    std::filesystem::create_directories(dir_);
    for (const auto& [name, content] : files) std::ofstream(dir_ / name) << content;
    std::ofstream(dir_ / "case.fmc") << fmcText;
    auto& s = Flumaris::settings();
    s.batch_ = true;
    s.projectDirectory_ = dir_.string();
    s.commandFile_ = (dir_ / "case").string();
    root_ = std::make_unique<FLUMparse::FlumarisInputRoot>();
    FLUMparse::readCommandFile((dir_ / "case.fmc").string(), *root_);
    const FLUMparse::ValidationReport r = root_->validate();
    if (r.hasErrors()) Flumaris::report(1, "Your input file has errors:\n" + r.text);
    const auto blocks = root_->getBlock("DOMAIN").getBlocks("FLUMPLANE_2D");
    plane_ = std::make_unique<FlumPlane::FLUMplane_2d>(*blocks.at(0));
}

PlaneCase::~PlaneCase() {
    plane_.reset();
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

void PlaneCase::prepare() {
    if (!prepared_) plane_->prepareRun();
    prepared_ = true;
}

void PlaneCase::runTo(double t) {
    prepare();
    plane_->runTo(t);
}

}  // namespace flumtest
