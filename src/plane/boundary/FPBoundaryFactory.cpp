#include "plane/boundary/FPBoundaryFactory.h"

#include <algorithm>
#include <set>

#include "core/MessageService.h"
#include "input/schema/InputBlock.h"
#include "plane/FLUMplane_2d.h"
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

std::string fileOf(const InputBlock& b, const char* key) {
    if (!b.isSet(key)) return {};
    return FLUMparse::resolveInputPath(b.getTag(key).asString());
}

BoundarySettings readSettings(const InputBlock& b, bool inner) {
    BoundarySettings s;
    s.type = b.getTag("type").asString();
    s.stringName = b.getTag(inner ? "string_name1" : "string_name").asString();
    if (inner) s.stringName2 = b.getTag("string_name2").asString();
    s.name = b.isSet("name") ? b.getTag("name").asString() : s.stringName;
    s.file = fileOf(b, "file");
    s.my = b.getTag("my").asDouble();
    if (inner) {
        s.momentumFactor = b.getTag("momentum_factor").asDouble();
        return s;
    }
    if (b.isSet("slope")) s.slope = b.getTag("slope").asDouble();
    s.maxInterval = b.getTag("max_interval").asDouble();
    s.iterations = b.getTag("number_of_iterations").asInt();
    s.areaWeighting = b.getTag("weighting_type").asString() == "area";
    s.wallFlux = b.getTag("wall_flux").asBool();
    s.inflowPossible = b.getTag("inflow_possible").asBool();
    s.zeroVelocity = b.getTag("zero_velocity").asBool();
    s.precision = b.getTag("precision").asDouble();
    return s;
}

// Checks that only an h-Q boundary reads: the words of wse_calc_method and conveyance_type.
void readHQWords(const InputBlock& b, BoundarySettings& s) {
    const std::string wse = b.getTag("wse_calc_method").asString();
    if (wse == "local")
        s.localWse = true;
    else if (wse != "average")
        Flumaris::report(1, "wse_calc_method for hq-relation boundary has unknown string: " + wse);
    const std::string conv = b.getTag("conveyance_type").asString();
    if (conv == "edge")
        s.edgeConveyance = true;
    else if (conv != "tables")
        Flumaris::report(1, "unknown option in conveyance type for hq relation boundary.");
}

template <class T>
void addCoupled(FLUMplane_2d& plane, std::unique_ptr<T> bc) {
    bc->setInterfaceName(bc->name());
    plane.addCouplingInterface(bc.get());
    plane.addBoundaryCondition(std::move(bc));
}

void createBoundary(FLUMplane_2d& plane, const InputBlock& b) {
    BoundarySettings s = readSettings(b, false);
    const std::string& t = s.type;
    if (t == "wall") {
        findBoundaryString(plane, s.stringName);  // the edges stay walls
        return;
    }
    if (t == "pore_pressures_coupling")
        Flumaris::report(1, "Error: The boundary type 'pore_pressures_coupling' of the boundary '" + s.name +
                                "' needs a subsurface subdomain, which this version of FLUMARIS does not compute.\n"
                                "Please remove the boundary.");
    const bool coupled = t.rfind("coupling_", 0) == 0;
    const std::string kind = coupled ? t.substr(9) : t;
    if (kind == "hydrograph") s.localWse = b.getTag("wse_calc_method").asString() == "local";
    const EdgeString* string = nullptr;
    auto str = [&]() -> const EdgeString& {
        if (!string) string = &findBoundaryString(plane, s.stringName);
        return *string;
    };
    if (kind == "hydrograph") {
        if (coupled)
            addCoupled(plane, std::make_unique<HydrographBndCoupling>(plane, s, str(), true));
        else
            plane.addBoundaryCondition(std::make_unique<HydrographBnd>(plane, s, str(), false));
    } else if (kind == "hqrelation") {
        readHQWords(b, s);
        if (coupled)
            addCoupled(plane, std::make_unique<HQRelationBndCoupling>(plane, s, str()));
        else
            plane.addBoundaryCondition(std::make_unique<HQRelationBnd>(plane, s, str()));
    } else if (kind == "zero_gradient") {
        if (coupled)
            addCoupled(plane, std::make_unique<ZeroGradientBndCoupling>(plane, s.name, str()));
        else
            plane.addBoundaryCondition(std::make_unique<ZeroGradientBnd>(plane, s.name, str()));
    } else if (kind == "zhydrograph") {
        if (coupled)
            addCoupled(plane, std::make_unique<ZHydrographBndCoupling>(plane, s, str(), true));
        else
            plane.addBoundaryCondition(std::make_unique<ZHydrographBnd>(plane, s, str(), false));
    } else if (kind == "weir" || kind == "gate") {
        const auto k = kind == "weir" ? StructureBnd::Kind::Weir : StructureBnd::Kind::Gate;
        if (coupled)
            addCoupled(plane, std::make_unique<CouplingBnd<StructureBnd>>(plane, s, str(), k, true));
        else if (k == StructureBnd::Kind::Weir)
            plane.addBoundaryCondition(std::make_unique<WeirBnd>(plane, s, str()));
        else
            plane.addBoundaryCondition(std::make_unique<GateBnd>(plane, s, str()));
    } else {
        Flumaris::report(1, "The boundary type '" + t + "' is unknown.");
    }
}

void createInnerBoundary(FLUMplane_2d& plane, const InputBlock& b) {
    const BoundarySettings s = readSettings(b, true);
    const std::string& t = s.type;
    if (t == "weir")
        plane.addBoundaryCondition(std::make_unique<InnerWeirBnd>(plane, s));
    else if (t == "gate")
        plane.addBoundaryCondition(std::make_unique<InnerGateBnd>(plane, s));
    else if (t == "hqrelation")
        plane.addBoundaryCondition(std::make_unique<InnerHQRelationBnd>(plane, s));
    else if (t == "exact_flux")
        plane.addBoundaryCondition(std::make_unique<InnerExactFlux>(plane, s));
    else if (t == "dummy_flux")
        plane.addBoundaryCondition(std::make_unique<InnerDummyFlux>(plane, s));
    else
        Flumaris::report(1, "The inner boundary type '" + t + "' is unknown.");
}

std::vector<int> sourceElements(const FLUMplane_2d& plane, const InputBlock& b, const std::string& name) {
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
        Flumaris::report(1, "Error: The EXTERNAL_SOURCE '" + name +
                                "' in HYDRAULICS acts on no element.\nPlease give 'element_ids' or the material "
                                "'index' of its elements in the command file.");
    return {chosen.begin(), chosen.end()};
}

void createSource(FLUMplane_2d& plane, const InputBlock& b, int number) {
    const std::string type = b.getTag("type").asString();
    const std::string name = b.isSet("name") ? b.getTag("name").asString() : "source_" + std::to_string(number);
    const std::string file = fileOf(b, "source_file");
    if (type == "source_discharge") {
        plane.addBoundaryCondition(
            std::make_unique<ExternalSourceHydr>(plane, name, sourceElements(plane, b, name), file, false));
    } else if (type == "coupling_source_discharge") {
        addCoupled(plane, std::make_unique<ExternalSourceHydrCoupling>(plane, name, sourceElements(plane, b, name),
                                                                        file, true));
    } else {
        Flumaris::report(1, "Unknown external source type.\nThis should not happen. Please contact the developers.");
    }
}

}  // namespace

void createBoundaryConditions(FLUMplane_2d& plane, const FLUMparse::InputBlock* hydraulics) {
    if (!hydraulics) return;
    for (const InputBlock* b : hydraulics->getBlocks("BOUNDARY")) createBoundary(plane, *b);
    for (const InputBlock* b : hydraulics->getBlocks("INNER_BOUNDARY")) createInnerBoundary(plane, *b);
    int number = 0;
    for (const InputBlock* src : hydraulics->getBlocks("SOURCE"))
        for (const InputBlock* b : src->getBlocks("EXTERNAL_SOURCE")) createSource(plane, *b, ++number);
}

}  // namespace FlumPlane
