#include "plane/boundary/FPBoundaryFactory.h"

#include <algorithm>
#include <set>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "input/schema/InputTagFile.h"
#include "plane/FPPlaneView.h"
#include "plane/boundary/FPBoundarySettings.h"
#include "plane/boundary/FPCouplingBnd.h"
#include "plane/boundary/FPExternalSourceHydr.h"
#include "plane/boundary/FPHQRelationBnd.h"
#include "plane/boundary/FPHydrographBnd.h"
#include "plane/boundary/FPInnerBoundary.h"
#include "plane/boundary/FPStructureBnd.h"
#include "plane/boundary/FPZHydrographBnd.h"
#include "plane/boundary/FPZeroGradientBnd.h"

namespace FlumPlane {

namespace {

using FLUMparse::InputBlock;
using BoundaryPtr = std::unique_ptr<FPBoundaryCondition>;
constexpr const char* kCoupledPrefix = "coupling_";

// ---- boundaries on one edge string ----

using BoundaryCreator = BoundaryPtr (*)(const PlaneView&, const BoundarySettings&, const EdgeString&);

template <class T>
BoundaryPtr plain(const PlaneView& p, const BoundarySettings& s, const EdgeString& e) {
    return std::make_unique<T>(p, s, e, false);
}
template <class T>
BoundaryPtr coupled(const PlaneView& p, const BoundarySettings& s, const EdgeString& e) {
    auto bc = std::make_unique<CouplingBnd<T>>(p, s, e, true);
    bc->setInterfaceName(bc->name());
    return bc;
}

struct BoundaryKind {
    const char* word;
    BoundaryCreator plain;
    BoundaryCreator coupled;  // the coupling_ form
};

const BoundaryKind kBoundaryKinds[] = {
    {"hydrograph", plain<HydrographBnd>, coupled<HydrographBnd>},
    {"zhydrograph", plain<ZHydrographBnd>, coupled<ZHydrographBnd>},
    {"hqrelation", plain<HQRelationBnd>, coupled<HQRelationBnd>},
    {"zero_gradient", plain<ZeroGradientBnd>, coupled<ZeroGradientBnd>},
    {"weir", plain<WeirBnd>, coupled<WeirBnd>},
    {"gate", plain<GateBnd>, coupled<GateBnd>},
};

BoundaryPtr createBoundary(const PlaneView& plane, const InputBlock& b) {
    const BoundarySettings s = BoundarySettings::fromBoundaryBlock(b);
    const std::string& t = s.type;
    if (t == "wall") {
        findBoundaryString(plane, s.stringName);  // the edges stay walls
        return nullptr;
    }
    if (t == "pore_pressures_coupling")
        Flumaris::fatal("Error: The boundary type 'pore_pressures_coupling' of the boundary '" + s.name +
                                "' needs a subsurface subdomain, which this version of FLUMARIS does not compute.\n"
                                "Please remove the boundary.");
    const bool isCoupled = t.starts_with(kCoupledPrefix);
    const std::string word = isCoupled ? t.substr(std::char_traits<char>::length(kCoupledPrefix)) : t;
    for (const BoundaryKind& k : kBoundaryKinds)
        if (word == k.word) return (isCoupled ? k.coupled : k.plain)(plane, s, findBoundaryString(plane, s.stringName));
    Flumaris::fatal("The boundary type '" + t + "' is unknown.\nPlease use one of: " +
                            FLUMparse::joinNames(boundaryTypeWords()) + ".");
}

// ---- structures between two edge strings ----

using InnerCreator = BoundaryPtr (*)(const PlaneView&, const BoundarySettings&);

template <class T>
BoundaryPtr inner(const PlaneView& p, const BoundarySettings& s) {
    return std::make_unique<T>(p, s);
}

const std::pair<const char*, InnerCreator> kInnerKinds[] = {
    {"weir", inner<InnerWeirBnd>},
    {"gate", inner<InnerGateBnd>},
    {"hqrelation", inner<InnerHQRelationBnd>},
    {"exact_flux", inner<InnerExactFlux>},
    {"dummy_flux", inner<InnerDummyFlux>},
};

BoundaryPtr createInnerBoundary(const PlaneView& plane, const InputBlock& b) {
    const BoundarySettings s = BoundarySettings::fromInnerBlock(b);
    for (const auto& [word, create] : kInnerKinds)
        if (s.type == word) return create(plane, s);
    Flumaris::fatal("The inner boundary type '" + s.type + "' is unknown.\nPlease use one of: " +
                            FLUMparse::joinNames(innerBoundaryTypeWords()) + ".");
}

// ---- sources on elements ----

std::vector<int> sourceElements(const PlaneView& plane, const InputBlock& b, const std::string& name) {
    const Grid& g = plane.grid();
    std::set<int> chosen;
    if (b.isSet("element_ids"))
        for (int id : b.getTag("element_ids").asIntList()) chosen.insert(g.elementIndexOfId(id));
    if (b.isSet("index")) {
        const std::vector<int> idx = b.getTag("index").asIntList();
        for (int e = 0; e < g.numElements(); ++e)
            if (std::find(idx.begin(), idx.end(), g.elemMaterial_[e]) != idx.end()) chosen.insert(e);
    }
    if (chosen.empty())
        Flumaris::fatal("Error: The EXTERNAL_SOURCE '" + name +
                                "' in HYDRAULICS acts on no element.\nPlease give 'element_ids' or the material "
                                "'index' of its elements in the command file.");
    return {chosen.begin(), chosen.end()};
}

struct SourceKind {
    const char* word;
    bool coupled;
};
const SourceKind kSourceKinds[] = {{"source_discharge", false}, {"coupling_source_discharge", true}};

BoundaryPtr createSource(const PlaneView& plane, const InputBlock& b, int number) {
    const std::string type = b.getTag("type").asString();
    const std::string name = b.isSet("name") ? b.getTag("name").asString() : "source_" + std::to_string(number);
    const std::string file = b.isSet("source_file") ? FLUMparse::resolveInputPath(b.getTag("source_file").asString()) : "";
    for (const SourceKind& k : kSourceKinds) {
        if (type != k.word) continue;
        if (!k.coupled) return std::make_unique<ExternalSourceHydr>(plane, name, sourceElements(plane, b, name), file, false);
        auto src = std::make_unique<ExternalSourceHydrCoupling>(plane, name, sourceElements(plane, b, name), file, true);
        src->setInterfaceName(src->name());
        return src;
    }
    Flumaris::fatal("The external source type '" + type + "' is unknown.\nPlease use one of: " +
                            FLUMparse::joinNames(sourceTypeWords()) + ".");
}

}  // namespace

std::vector<std::string> boundaryTypeWords() {
    std::vector<std::string> words;
    for (const BoundaryKind& k : kBoundaryKinds) words.emplace_back(k.word);
    words.emplace_back("wall");
    for (const BoundaryKind& k : kBoundaryKinds) words.push_back(std::string(kCoupledPrefix) + k.word);
    words.emplace_back("pore_pressures_coupling");
    return words;
}

std::vector<std::string> innerBoundaryTypeWords() {
    std::vector<std::string> words;
    for (const auto& k : kInnerKinds) words.emplace_back(k.first);
    return words;
}

std::vector<std::string> sourceTypeWords() {
    std::vector<std::string> words;
    for (const SourceKind& k : kSourceKinds) words.emplace_back(k.word);
    return words;
}

std::vector<BoundaryPtr> createBoundaryConditions(const PlaneView& plane, const FLUMparse::InputBlock* hydraulics) {
    std::vector<BoundaryPtr> out;
    if (!hydraulics) return out;
    for (const InputBlock* b : hydraulics->getBlocks("BOUNDARY"))
        if (BoundaryPtr bc = createBoundary(plane, *b)) out.push_back(std::move(bc));
    for (const InputBlock* b : hydraulics->getBlocks("INNER_BOUNDARY")) out.push_back(createInnerBoundary(plane, *b));
    int number = 0;
    for (const InputBlock* src : hydraulics->getBlocks("SOURCE"))
        for (const InputBlock* b : src->getBlocks("EXTERNAL_SOURCE")) out.push_back(createSource(plane, *b, ++number));
    return out;
}

}  // namespace FlumPlane
