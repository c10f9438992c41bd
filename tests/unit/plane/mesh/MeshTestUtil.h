#pragma once
// Helpers shared by the mesh tests: a fresh folder, files in and out, error texts.
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <unistd.h>

#include "core/MessageService.h"

namespace MeshTest {

inline std::filesystem::path freshDir(const std::string& tag)
{
    static std::atomic<int> counter{0};
    auto dir = std::filesystem::temp_directory_path() /
               ("flum_mesh_" + tag + "_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::string writeFile(const std::filesystem::path& path, const std::string& text)
{
    std::ofstream(path) << text;
    return path.string();
}

inline std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

inline std::string fatalText(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Flumaris::FatalError& e) {
        return e.what();
    }
    return "(no error)";
}

}  // namespace MeshTest
