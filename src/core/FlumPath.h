#pragma once
// Paths: a backslash read from input is a separator; we write '/'.
#include <string>

namespace Flumaris {
std::string normalizePath(const std::string& path);
// Directory part ("." when none) and file stem (extension dropped) of a path.
std::string directoryOf(const std::string& path);
std::string stemOf(const std::string& path);
// Joins dir and name with '/'; name is returned unchanged when absolute.
std::string joinPath(const std::string& dir, const std::string& name);
}  // namespace Flumaris
