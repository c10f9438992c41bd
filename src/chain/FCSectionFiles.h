#pragma once
// Text files about the sections of a chain: the look-up tables of all
// sections, and one dump of the internal representation per section.
#include <string>

namespace FlumChain {

class Grid;

// The tables of every section in chain order, to prefix + "Tables.txt".
void writeTablesFile(const Grid& grid, const std::string& prefix);
// dump_crosssection_<name>.dat for every section, in directory.
void dumpSections(const Grid& grid, const std::string& directory);

}  // namespace FlumChain
