#pragma once
// Shared pieces of the output tests: a quiet console, whole-file reading and
// command-file snippets.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include <fmt/format.h>

#include "unit/plane/PlaneCase.h"

namespace outtest {

using flumtest::Quiet;

inline std::vector<std::string> readLines(const std::string& fileName) {
    std::ifstream in(fileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    for (std::string w; in >> w;) out.push_back(w);
    return out;
}

// Frictionless water, two depths by material index (1 and 2), HLLC.
inline std::string hydraulics(double h1, double h2, const std::string& solver = "hllc") {
    return fmt::format(
        "      PARAMETER {{\n        minimum_water_depth = 0.001\n        riemann_solver = {}\n      }}\n"
        "      FRICTION {{\n        type = manning\n        default_friction = 0.0\n      }}\n"
        "      INITIAL {{\n        type = index_table\n        index = ( 1 2 )\n        h = ( {} {} )\n      }}\n",
        solver, h1, h2);
}

// An OUTPUT block around SPECIAL_OUTPUT bodies.
inline std::string outputBlock(const std::vector<std::string>& specials, const std::string& keys = "") {
    std::string out = "    OUTPUT {\n" + keys;
    for (const std::string& s : specials) out += "      SPECIAL_OUTPUT {\n" + s + "      }\n";
    return out + "    }\n";
}

}  // namespace outtest
