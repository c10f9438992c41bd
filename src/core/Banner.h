#pragma once
// The framed texts the program prints at start-up.
#include <string>
#include <vector>

namespace Flumaris {
std::string startBanner();
std::string projectSettingsBox();
// A frame of box characters around lines padded to innerWidth.
std::string framed(const std::vector<std::string>& lines, std::size_t innerWidth);
}  // namespace Flumaris
