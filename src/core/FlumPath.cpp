#include "core/FlumPath.h"

#include <algorithm>

namespace Flumaris {

std::string normalizePath(const std::string& path) {
    std::string p = path;
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

std::string directoryOf(const std::string& path) {
    const std::string p = normalizePath(path);
    const auto slash = p.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

std::string stemOf(const std::string& path) {
    const std::string p = normalizePath(path);
    const auto slash = p.rfind('/');
    std::string name = slash == std::string::npos ? p : p.substr(slash + 1);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string joinPath(const std::string& dir, const std::string& name) {
    const std::string n = normalizePath(name);
    if (!n.empty() && n.front() == '/') return n;
    if (dir.empty()) return n;
    const std::string d = normalizePath(dir);
    return d.back() == '/' ? d + n : d + "/" + n;
}

}  // namespace Flumaris
