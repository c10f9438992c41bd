#include "core/Banner.h"

#include <array>

#include "core/Flumaris.h"

namespace Flumaris {

namespace {

// Display width of a UTF-8 string (box characters count one column).
std::size_t columns(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

std::string repeat(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) out += s;
    return out;
}

// The product name in seven rows of '#'.
std::vector<std::string> bigName() {
    static const std::array<std::array<const char*, 7>, 8> letters = {{
        {"#######", "#      ", "#      ", "#####  ", "#      ", "#      ", "#      "},
        {"#      ", "#      ", "#      ", "#      ", "#      ", "#      ", "#######"},
        {"#     #", "#     #", "#     #", "#     #", "#     #", "#     #", " ##### "},
        {"#     #", "##   ##", "# # # #", "#  #  #", "#     #", "#     #", "#     #"},
        {"   #   ", "  # #  ", " #   # ", "#     #", "#######", "#     #", "#     #"},
        {"###### ", "#     #", "#     #", "###### ", "#   #  ", "#    # ", "#     #"},
        {"###", " # ", " # ", " # ", " # ", " # ", "###"},
        {" ##### ", "#     #", "#      ", " ##### ", "      #", "#     #", " ##### "},
    }};
    std::vector<std::string> rows(7);
    for (std::size_t r = 0; r < 7; ++r) {
        std::string row = "      ";
        for (std::size_t l = 0; l < letters.size(); ++l) row += std::string(letters[l][r]) + (l + 1 < letters.size() ? "  " : "");
        rows[r] = row;
    }
    return rows;
}

}  // namespace

std::string framed(const std::vector<std::string>& lines, std::size_t innerWidth) {
    std::string out = "┌" + repeat("─", innerWidth) + "┐\n";
    for (const std::string& l : lines) {
        const std::size_t w = columns(l);
        out += "│" + l + std::string(w < innerWidth ? innerWidth - w : 0, ' ') + "│\n";
    }
    out += "└" + repeat("─", innerWidth) + "┘\n";
    return out;
}

std::string projectSettingsBox() {
    return framed({"                           Current Project Settings                          "}, 77);
}

std::string startBanner() {
    std::vector<std::string> lines{""};
    for (const std::string& r : bigName()) lines.push_back(r);
    lines.push_back("");
    lines.push_back("  Simulation of river hydraulics, sediment transport and natural-hazard");
    lines.push_back("  flows on chains of surveyed cross sections and on unstructured meshes of");
    lines.push_back("  triangles and quadrilaterals.");
    lines.push_back("");
    lines.push_back("");
    lines.push_back(std::string("  Version ") + kVersion + " R" + kRevision);
    lines.push_back(std::string("  Release date: ") + kReleaseDate);
    lines.push_back("");
    lines.push_back("  Developed by the FLUMARIS development team.");
    lines.push_back("");
    lines.push_back("  Contact: the FLUMARIS development team");
    return framed(lines, 78);
}

}  // namespace Flumaris
