#include "chain/boundary/FCBoundaryFactory.h"

#include <fmt/format.h>
#include <memory>
#include <set>

#include "chain/FCGrid.h"
#include "chain/boundary/FCBoundarySettings.h"
#include "chain/boundary/FCCoupledBoundary.h"
#include "chain/boundary/FCGate.h"
#include "chain/boundary/FCHQRelation.h"
#include "chain/boundary/FCHydrograph.h"
#include "chain/boundary/FCMultiBoundary.h"
#include "chain/boundary/FCWall.h"
#include "chain/boundary/FCWeir.h"
#include "chain/boundary/FCZHydrograph.h"
#include "chain/boundary/FCZeroGradient.h"
#include "chain/step/FCHydraulics.h"
#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "input/schema/InputTagFile.h"
#include "physics/series/BoundarySerie.h"
#include "section/CrossSection.h"

namespace FlumChain {

using Flumaris::fatal;
using FLUMparse::InputBlock;

namespace {

using BoundaryPtr = std::unique_ptr<Boundary>;
using BoundaryCreator = BoundaryPtr (*)(const ChainView&, const BoundarySettings&);

template <class T>
BoundaryPtr make(const ChainView& v, const BoundarySettings& s) {
    return std::make_unique<T>(v, s);
}
BoundaryPtr makeWall(const ChainView& v, const BoundarySettings& s) { return std::make_unique<Wall>(v, s.name, s.end); }

struct BoundaryKind {
    const char* word;
    BoundaryCreator create;
    bool couplingForm;  // the coupling_ word is a schema word
};

const BoundaryKind kBoundaryKinds[] = {
    {"hydrograph", make<Hydrograph>, true},    {"zero_gradient", make<ZeroGradient>, true},
    {"hqrelation", make<HQRelation>, true},    {"wall", makeWall, false},
    {"weir", make<Weir>, true},                {"gate", make<Gate>, true},
    {"zhydrograph", make<ZHydrograph>, true},
};

const char* const kInnerKinds[] = {"weir", "gate"};
const char* const kSourceKinds[] = {"qlateral", "off_channel"};

[[noreturn]] void couplingMissing(const std::string& what, const std::string& name) {
    fatal("Error: The " + what + " '" + name +
          "' takes its values from a coupling, but this version of FLUMARIS computes no couplings.\nPlease use the "
          "form without 'coupling_' and restart the program.");
}

BoundaryPtr createBoundary(const ChainView& v, const BoundarySettings& s, const InterfaceSink& sink) {
    for (const BoundaryKind& k : kBoundaryKinds)
        if (s.type == k.word) {
            if (!s.coupled) return k.create(v, s);
            auto coupled = std::make_unique<CoupledBoundary>(v, s, k.create(v, s));
            sink(coupled.get());
            return coupled;
        }
    if (s.type == "connection") couplingMissing("boundary", s.name);
    fatal("Unknown type of hydraulic boundary condition.\nProgram cannot continue!");
}

int elementOf(const Grid& grid, const std::string& name) {
    for (std::size_t i = 0; i < grid.numElements(); ++i)
        if (grid.elements()[i].section->name() == name) return static_cast<int>(i);
    grid.section(name);  // the internal error for a name outside the chain
    return -1;
}

void createBoundaries(const InputBlock& hydraulics, Hydraulics& h, const InterfaceSink& sink) {
    std::vector<BoundaryPtr> ends[2];
    std::set<std::string> names;
    for (const InputBlock* b : hydraulics.getBlocks("BOUNDARY")) {
        const BoundarySettings s = BoundarySettings::fromBoundaryBlock(*b);
        if (!names.insert(s.name).second) fatal("The boundary named " + s.name + " is not unique!");
        ends[s.end == End::Upstream ? 0 : 1].push_back(createBoundary(h.view(), s, sink));
    }
    if (ends[0].empty()) fatal("The 'upstream' boundary condition is missing");
    if (ends[1].empty()) fatal("The 'downstream' boundary condition is missing");
    for (int side = 0; side < 2; ++side) {
        if (ends[side].size() == 1) {
            h.setBoundary(std::move(ends[side].front()));
            continue;
        }
        auto multi = std::make_unique<MultiBoundary>(h.view(), side == 0 ? End::Upstream : End::Downstream);
        for (auto& b : ends[side]) multi->add(std::move(b));
        h.setBoundary(std::move(multi));
    }
}

void createStructures(const InputBlock& hydraulics, Hydraulics& h) {
    for (const InputBlock* b : hydraulics.getBlocks("INNER_BOUNDARY")) {
        const InnerSettings s = InnerSettings::fromBlock(*b);
        if (s.coupled) couplingMissing("inner boundary", s.name.empty() ? s.section1 : s.name);
        const int i1 = elementOf(h.grid(), s.section1), i2 = elementOf(h.grid(), s.section2);
        if (std::abs(i1 - i2) != 1)
            fatal("The two cross sections for an inner boundary of type '" + b->getTag("type").asString() +
                  "' have to adjacent and are not!");
        h.addStructure(std::make_unique<InnerStructure>(s, std::max(i1, i2), h.settings().hmin));
    }
}

void createSources(const InputBlock& hydraulics, Hydraulics& h) {
    std::set<std::string> names;
    for (const InputBlock* src : hydraulics.getBlocks("SOURCE"))
        for (const InputBlock* b : src->getBlocks("EXTERNAL_SOURCE")) {
            const std::string name = b->getTag("name").asString();
            if (!names.insert(name).second) fatal("The source named " + name + " is not unique!");
            const std::string type = b->getTag("type").asString();
            if (type.starts_with("coupling_")) couplingMissing("source", name);
            if (type == "off_channel") {
                const std::vector<std::string> cs = b->getTag("cross_sections").asStringList();
                if (cs.size() < 2)
                    fatal(fmt::format("For off-channel source, 2 cross sections must be specified, but only {} is "
                                      "given!",
                                      cs.size()));
                if (cs[0] == cs[1])
                    fatal("Both cross sections for offchannel EXTERNAL SOURCE are identical. You have to provide two "
                          "different cross_sections as defined in GEOMETRY. The offchannel will act between these "
                          "two cross sections.");
                if (elementOf(h.grid(), cs[0]) >= elementOf(h.grid(), cs[1]))
                    fatal("The cross sections '" + cs[0] + "' and '" + cs[1] +
                          "' for offchannel EXTERNAL SOURCE are not in successive order. Both cross sections need "
                          "to be in order from up- to downstream according to the definitions in GEOMOETRY block.");
                fatal("Error: The off_channel source '" + name +
                      "' is not available in this version of FLUMARIS.\nPlease model the inflow with a qlateral "
                      "source.");
            }
            if (!b->isSet("file"))
                fatal("For the qlateral source, you have either to define the qseries via a series file or have a "
                      "controller defining the inflow.");
            const int element = elementOf(h.grid(), b->getTag("cross_section").asString());
            auto serie = std::make_shared<const Flumaris::BoundarySerie>(
                FLUMparse::resolveInputPath(b->getTag("file").asString()));
            h.addSource(std::make_unique<LateralSource>(name, element, std::move(serie)));
        }
}

}  // namespace

void createFluxObjects(const InputBlock& hydraulics, Hydraulics& h, const InterfaceSink& sink) {
    createBoundaries(hydraulics, h, sink);
    createStructures(hydraulics, h);
    createSources(hydraulics, h);
}

std::vector<std::string> boundaryTypeWords() {
    std::vector<std::string> w;
    for (const BoundaryKind& k : kBoundaryKinds) w.emplace_back(k.word);
    for (const BoundaryKind& k : kBoundaryKinds)
        if (k.couplingForm) w.push_back(std::string("coupling_") + k.word);
    w.emplace_back("coupling_connection");
    return w;
}

std::vector<std::string> innerTypeWords() {
    std::vector<std::string> w;
    for (const char* k : kInnerKinds) w.emplace_back(k);
    for (const char* k : kInnerKinds) w.push_back(std::string("coupling_") + k);
    return w;
}

std::vector<std::string> sourceTypeWords() {
    std::vector<std::string> w;
    for (const char* k : kSourceKinds) w.emplace_back(k);
    for (const char* k : kSourceKinds) w.push_back(std::string("coupling_") + k);
    return w;
}

}  // namespace FlumChain
