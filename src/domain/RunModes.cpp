#include "domain/RunModes.h"

#include "core/Flumaris.h"
#include "core/MessageService.h"
#include "domain/Domain.h"

namespace Flumaris {

void validateCommandFile() {
    Domain domain;
    domain.readInput();
}

void writeDocumentation(const char* /*dir*/) {
    report(3, "The HTML reference of the command file is not available in this build.");
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
