#include "chain/FCSectionFiles.h"

#include <fstream>

#include "chain/FCGrid.h"
#include "core/FlumPath.h"
#include "core/MessageService.h"

namespace FlumChain {

namespace {

std::ofstream openOrStop(const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    if (!out) Flumaris::fatal("The file '" + path + "' could not be created.\nProgram cannot continue.");
    return out;
}

}  // namespace

void writeTablesFile(const Grid& grid, const std::string& prefix) {
    std::ofstream out = openOrStop(prefix + "Tables.txt");
    for (const Flumaris::CrossSection* s : grid.sections()) {
        s->table().write(out, s->name());
        out << '\n';
    }
}

void dumpSections(const Grid& grid, const std::string& directory) {
    Flumaris::report(5, "FLUMCHAIN: dumping internal representation of cross sections");
    for (const Flumaris::CrossSection* s : grid.sections()) {
        std::ofstream out = openOrStop(Flumaris::joinPath(directory, "dump_crosssection_" + s->name() + ".dat"));
        s->dump(out);
    }
}

}  // namespace FlumChain
