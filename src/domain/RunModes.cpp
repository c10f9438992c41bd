#include "domain/RunModes.h"

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "domain/Domain.h"
#include "input/doc/CreateDocumentation.h"

namespace Flumaris {

void validateCommandFile() {
    Domain domain;
    domain.readInput();
}

void writeDocumentation(const char* dir) {
    // The generator appends the file names to the directory text as given.
    const std::string prefix = std::string(dir) == "." ? "" : std::string(dir) + "/";
    FLUMparse::createDocumentation(prefix);
}

int runSimulation() {
    Domain domain;
    domain.readInput();
    if (!domain.initialize()) {
        MessageService::instance().endOfProgram(false);
        return 1;
    }
    domain.run();
    MessageService::instance().endOfProgram(false);
    return 0;
}

}  // namespace Flumaris
