#pragma once
// Reads an FMG geometry file (block FLUMCHAIN_GEOMETRY, the command-file
// syntax), checks what the schema cannot (names, order, node coordinates,
// ranges, friction lists, soils, table levels) and builds one CrossSection per
// CROSS_SECTION block. Every message names the file and the line.
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chain/FCInputTopo.h"

namespace FLUMparse {
class InputBlock;
class IRGeo1DInputRoot;
}  // namespace FLUMparse

namespace FlumChain {

// What the sections take from the command file.
struct TopoContext {
    Flumaris::SectionComputation computation;
    const Flumaris::ResistanceCalc* law = nullptr;  // not owned
    double defaultFriction = -1.0;                  // Strickler value of FRICTION; -1: none
};

class InputTopoFMG final : public InputTopo {
public:
    InputTopoFMG(const std::string& path, const TopoContext& context);
    ~InputTopoFMG() override;

    std::vector<Flumaris::CrossSection>& sections() override { return sections_; }
    Flumaris::CrossSection* findSection(const std::string& name) override;
    // The block tree as read, and the CROSS_SECTION block of each section (same order).
    const FLUMparse::InputBlock& tree() const;
    const std::vector<const FLUMparse::InputBlock*>& sectionBlocks() const { return blocks_; }
    const std::string& path() const { return path_; }

private:
    void parse();
    void readSection(const FLUMparse::InputBlock& cs, int number);
    [[noreturn]] void fail(int line, const std::string& message) const;

    std::string path_;
    TopoContext context_;
    std::unique_ptr<FLUMparse::IRGeo1DInputRoot> root_;
    std::vector<Flumaris::CrossSection> sections_;
    std::vector<const FLUMparse::InputBlock*> blocks_;
    std::map<std::string, std::size_t> byName_;
    std::size_t firstFixpoints_ = 0;  // interpolation_fixpoints of the first section
};

}  // namespace FlumChain
