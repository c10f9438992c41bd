#pragma once
// The three runs the entry point can hand over (each builds its own Domain).

namespace Flumaris {
// -t: read and check the command file (errors are fatal).
void validateCommandFile();
// -doc: the HTML reference of the command file into dir.
void writeDocumentation(const char* dir);
// Batch or console run: read, initialise, run. Returns the exit code.
int runSimulation();
}  // namespace Flumaris
