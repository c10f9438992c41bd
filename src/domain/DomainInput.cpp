// Reading the command file into the domain (the composition root).
#include <fstream>

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "domain/Domain.h"

namespace Flumaris {

void Domain::readInput() {
    const std::string path = settings().commandFile_ + ".fmc";
    if (!std::ifstream(path).good()) report(1, "InputParser: file '" + path + "' does not exist");
}

bool Domain::initialize() {
    report(5, "*** Start Simulation ***");
    setNumberOfThreads(1);
    report(5, "Domain Initialized");
    report(5, "initialize domain done");
    checkTimes();
    return true;
}

}  // namespace Flumaris
