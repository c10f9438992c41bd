#pragma once
// Shared pieces of the writer tests: a two-element mesh (a unit square and a
// triangle to its right), a fresh temporary folder and whole-file reading.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/FTMesh2D.h"

namespace toolstest {

// Nodes (0,0) (1,0) (1,1) (0,1) (2,0.5) with z = 10..14; a quadrilateral and a triangle, both counter-clockwise.
inline FLUMtools::FTMesh2D smallMesh() {
    return FLUMtools::FTMesh2D({0.0, 1.0, 1.0, 0.0, 2.0}, {0.0, 0.0, 1.0, 1.0, 0.5}, {10.0, 11.0, 12.0, 13.0, 14.0},
                               {{0, 1, 2, 3}, {1, 4, 2, FLUMtools::FTMesh2D::noNode}});
}

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "flumtools_XXXXXX").string();
        path_ = mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

inline std::string readText(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::vector<std::string> readLines(const std::string& fileName) {
    std::vector<std::string> lines;
    std::istringstream in(readText(fileName));
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace toolstest
