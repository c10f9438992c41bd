#include "chain/FCTopoRestartFMG.h"

#include <fmt/format.h>
#include <fstream>
#include <iterator>
#include <map>

#include "chain/FCGrid.h"
#include "chain/FCInputTopoFMG.h"
#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "input/syntax/InputEcho.h"

namespace FlumChain {

TopoRestartFMG::TopoRestartFMG(const InputTopoFMG& topo, const Grid& grid)
    : topo_(topo), grid_(grid), fileName_(fileNameFor(topo.path())) {}

std::string TopoRestartFMG::fileNameFor(const std::string& geometryFile) {
    const std::string ending = ".fmg";
    if (geometryFile.size() >= ending.size() &&
        geometryFile.compare(geometryFile.size() - ending.size(), ending.size(), ending) == 0)
        return geometryFile.substr(0, geometryFile.size() - ending.size()) + "_topo_restart.fmg";
    return geometryFile + "_topo_restart.fmg";
}

void TopoRestartFMG::write(double t) const {
    // Every section of the chain must come from a block of the file.
    std::map<std::string, const Flumaris::CrossSection*> current;
    for (const Flumaris::CrossSection* s : grid_.sections()) {
        bool found = false;
        for (const FLUMparse::InputBlock* b : topo_.sectionBlocks())
            found = found || b->getTag("name").asString() == s->name();
        if (!found) Flumaris::fatal("Could not find any corresponding cross section in fmg file!");
        current[s->name()] = s;
    }
    // Elevations are written as they are now, with the reference height
    // included and set to 0: subtracting it again would not round-trip exactly.
    const auto rewrite = [&](const FLUMparse::InputBlock& block, const FLUMparse::InputTag& tag, std::string& text) {
        if (block.name() != "CROSS_SECTION") return false;
        const auto it = current.find(block.getTag("name").asString());
        if (it == current.end()) return false;
        if (tag.name() == "reference_height") {
            text = fmt::format("{:.1f}", 0.0);
            return true;
        }
        if (tag.name() != "node_coords") return false;
        const Flumaris::CrossSection& s = *it->second;
        fmt::memory_buffer buf;
        buf.push_back('(');
        for (std::size_t i = 0; i < s.nodes().size(); ++i)
            fmt::format_to(std::back_inserter(buf), "{}({},{})", i ? "," : "", s.nodes()[i][1], s.nodes()[i][2]);
        buf.push_back(')');
        text = fmt::to_string(buf);
        return true;
    };
    std::ofstream out(fileName_, std::ios::binary);
    if (!out) Flumaris::fatal("TopoRestartFMG: can not write to restart file '" + fileName_ + "'");
    out << fmt::format("// topology at {} s\n", t) << FLUMparse::echoInput(topo_.tree(), rewrite);
}

}  // namespace FlumChain
