#include "core/FlumAssert.h"

#include <cstdlib>
#include <iostream>
#include <string>

#include "core/Flumaris.h"

namespace Flumaris {

void assertionFailed(const char* text, const char* file, int line, const char* date, const char* time) {
    std::cout.flush();
    std::cerr << text << "\nin file: " << file << " on line " << line << "\n"
              << "Version: " << kVersion << " R" << kRevision << ", compiled at " << date << ", " << time << "\n";
    std::cerr.flush();
    std::abort();
}

}  // namespace Flumaris
