#include "chain/FCInputTopoFMG.h"

#include <fmt/format.h>

#include "core/MessageService.h"
#include "input/blocks/IRGeo1DInputRoot.h"
#include "input/syntax/InputParseError.h"
#include "input/syntax/InputParser.h"

namespace FlumChain {

using Flumaris::CrossSection;
using FLUMparse::InputBlock;

namespace {

struct SliceRange {
    int first = 0;
    int last = 0;
    bool intersects(const SliceRange& o) const { return first <= o.last && o.first <= last; }
};

std::string listText(const std::vector<double>& v) {
    std::string t;
    for (double x : v) {
        if (!t.empty()) t += ' ';
        t += fmt::format("{}", x);
    }
    return t;
}

}  // namespace

InputTopoFMG::InputTopoFMG(const std::string& path, const TopoContext& context) : path_(path), context_(context) {
    parse();
    const auto list = root_->getBlocks("CROSS_SECTION");
    sections_.reserve(list.size());
    bool anyWithoutFixpoints = false;
    for (std::size_t i = 0; i < list.size(); ++i) {
        readSection(*list[i], static_cast<int>(i) + 1);
        anyWithoutFixpoints = anyWithoutFixpoints || !list[i]->isSet("interpolation_fixpoints");
    }
    if (anyWithoutFixpoints)
        Flumaris::report(5, "As no interpolation fixpoints were set, only the first and last point of the cross "
                            "section are used.");
}

InputTopoFMG::~InputTopoFMG() = default;

const InputBlock& InputTopoFMG::tree() const { return *root_; }

CrossSection* InputTopoFMG::findSection(const std::string& name) {
    const auto it = byName_.find(name);
    return it == byName_.end() ? nullptr : &sections_[it->second];
}

void InputTopoFMG::fail(int line, const std::string& message) const {
    Flumaris::fatal(fmt::format("Error in the geometry file '{}' on line {}:\n{}", path_, line, message));
}

void InputTopoFMG::parse() {
    root_ = std::make_unique<FLUMparse::IRGeo1DInputRoot>();
    try {
        FLUMparse::InputParser(true).parse(path_, *root_);
    } catch (const FLUMparse::InputParseError& e) {
        Flumaris::fatal("Error creating the topography in 1D.\nThe geometry file '" + path_ +
                        "' could not be read: " + e.what());
    }
    const FLUMparse::ValidationReport r = root_->validate();
    if (r.hasErrors()) Flumaris::fatal("Error creating the topography in 1D.\n" + r.text);
}

void InputTopoFMG::readSection(const InputBlock& cs, int number) {
    const FLUMparse::InputTag& nameTag = cs.getTag("name");
    const std::string name = nameTag.asString();
    if (byName_.count(name))
        fail(nameTag.line(), fmt::format("Cross section number {} has a name '{}' which is already used by another one",
                                         number, name));
    const FLUMparse::InputTag& distTag = cs.getTag("distance_coord");
    const double x = distTag.asDouble() * 1000.0;
    if (!sections_.empty() && x < sections_.back().lCoord())
        fail(distTag.line(), "The cross section '" + name + "' has a smaller distance coordinate than the previous");

    const FLUMparse::InputTag& nodeTag = cs.getTag("node_coords");
    const std::vector<std::vector<double>> nodes = nodeTag.asDoubleListList();
    if (nodes.size() < 2)
        fail(nodeTag.line(), fmt::format("The cross section '{}' needs at least two nodes in 'node_coords' but has {}.",
                                         name, nodes.size()));
    for (std::size_t i = 1; i < nodes.size(); ++i)
        if (nodes[i][0] < nodes[i - 1][0])
            fail(nodeTag.line(), fmt::format("Node {} has not a larger or equal section coordinate ({}) than the "
                                             "previous ({}) in cross section '{}'.",
                                             i + 1, nodes[i][0], nodes[i - 1][0], name));
    const int numNodes = static_cast<int>(nodes.size());
    const int numSlices = numNodes - 1;

    if (const FLUMparse::InputTag& fix = cs.getTag("interpolation_fixpoints"); fix.isSet() || number > 1) {
        const std::vector<int> fp = fix.isSet() ? fix.asIntList() : std::vector<int>{};
        const int line = fix.isSet() ? fix.line() : cs.line();
        if (number == 1) firstFixpoints_ = fp.size();
        if (fp.size() != firstFixpoints_)
            fail(line, fmt::format("The cross section '{}' has {} interpolation_fixpoints, while the first cross "
                                   "section has {}",
                                   name, fp.size(), firstFixpoints_));
        for (std::size_t i = 0; i < fp.size(); ++i) {
            if (fp[i] < 1 || fp[i] > numNodes)
                fail(line, fmt::format("The 'interpolation_fixpoint' nr. {} ({}) is not within the valid range [1,{}].",
                                       i + 1, fp[i], numNodes));
            if (i + 1 < fp.size() && fp[i] > fp[i + 1])
                fail(line, fmt::format("The 'interpolation_fixpoint' nr. {} ({}) is invalid as he is larger than the "
                                       "following one.",
                                       i + 1, fp[i]));
        }
    }

    const double ref = cs.getTag("reference_height").asDouble();
    double zMin = nodes[0][1] + ref, zMax = zMin;
    for (const auto& n : nodes) {
        zMin = std::min(zMin, n[1] + ref);
        zMax = std::max(zMax, n[1] + ref);
    }
    if (const FLUMparse::InputTag& t = cs.getTag("table_fixed_lower_limit"); t.isSet()) {
        const double v = t.asDouble();
        if (v > zMax)
            fail(t.line(), fmt::format("The 'table_fixed_lower_limit' ({}) is above the maximum elevation of the cross "
                                       "section ({}). This is surely wrong ...",
                                       v, zMax));
        if (v < zMin)
            fail(t.line(), fmt::format("The 'table_fixed_lower_limit' ({}) is below the minimum elevation of the cross "
                                       "section ({}). This is surely wrong ...",
                                       v, zMin));
    }
    std::vector<double> fixedPoints;
    if (const FLUMparse::InputTag& t = cs.getTag("table_fixed_points"); t.isSet()) {
        fixedPoints = t.asDoubleList();
        for (std::size_t i = 0; i < fixedPoints.size(); ++i) {
            if (fixedPoints[i] > zMax)
                fail(t.line(), fmt::format("The fixed point nr. {} ({}) is above the highest point of the cross "
                                           "section ({}).",
                                           i + 1, fixedPoints[i], zMax));
            if (fixedPoints[i] < zMin)
                fail(t.line(), fmt::format("The fixed point nr. {} ({}) is below the lowest point of the cross "
                                           "section ({}).",
                                           i + 1, fixedPoints[i], zMin));
        }
    }

    const FLUMparse::InputTag& coefTag = cs.getTag("friction_coefficients");
    const FLUMparse::InputTag& frRanges = cs.getTag("friction_ranges");
    const FLUMparse::InputTag& frSlices = cs.getTag("friction_slice_indexes");
    const FLUMparse::InputTag& frTag = frRanges.isSet() ? frRanges : frSlices;
    const std::vector<double> coefs = coefTag.isSet() ? coefTag.asDoubleList() : std::vector<double>{};
    const std::vector<std::vector<double>> frList = frTag.isSet() ? frTag.asDoubleListList() : std::vector<std::vector<double>>{};
    if (frList.size() != coefs.size())
        fail(coefTag.isSet() ? coefTag.line() : frTag.line(),
             fmt::format("There are {} friction ranges defined and {} coefficients. The number of coefficients and "
                         "ranges must match.",
                         frList.size(), coefs.size()));

    CrossSection s(name, x, ref);
    for (const auto& n : nodes) s.addNode(n[0], n[1]);
    s.formSlices();

    // A range of two node coordinates: the slices whose both ends lie inside.
    auto coordRange = [&](const std::vector<double>& v, const std::string& tag, int line) {
        if (v.size() != 2)
            fail(line, fmt::format("The range of tag '{}' should consist of two numbers, but I found {}", tag, v.size()));
        if (v[0] > v[1]) fail(line, fmt::format("The range ({}) of tag '{}' are not in ascending order", listText(v), tag));
        int left = -1, right = -1;
        for (int i = 0; i < numNodes && left < 0; ++i)
            if (nodes[static_cast<std::size_t>(i)][0] == v[0]) left = i;
        for (int i = numNodes - 1; i >= 0 && right < 0; --i)
            if (nodes[static_cast<std::size_t>(i)][0] == v[1]) right = i;
        if (left < 0)
            fail(line, fmt::format("The left boundary of the range ({}) of tag '{}' does not correspond to a node "
                                   "coordinate.",
                                   v[0], tag));
        if (right < 0)
            fail(line, fmt::format("The right boundary of the range ({}) of tag '{}' does not correspond to a node "
                                   "coordinate.",
                                   v[1], tag));
        if (left >= right)
            fail(line, fmt::format("The range ({}) of tag '{}' are not in ascending order", listText(v), tag));
        return SliceRange{left + 1, right};
    };
    auto sliceRange = [&](const std::vector<double>& v, const std::string& tag, int line) {
        if (v.size() != 2)
            fail(line, fmt::format("The range of tag '{}' should consist of two numbers, but I found {}", tag, v.size()));
        const int a = static_cast<int>(v[0]), b = static_cast<int>(v[1]);
        if (a < 1) fail(line, fmt::format("The first slice index ({}) of tag '{}' must be >= 1", a, tag));
        if (b > numSlices)
            fail(line, fmt::format("The last slice index ({}) of tag '{}' must be less or equal the number of slices "
                                   "({}) in the cross section.",
                                   b, tag, numSlices));
        if (a > b) fail(line, fmt::format("The range ({}) of tag '{}' are not in ascending order", listText(v), tag));
        return SliceRange{a, b};
    };
    auto toDoubles = [](const std::vector<int>& v) { return std::vector<double>(v.begin(), v.end()); };
    auto rangeOf = [&](const char* coordKey, const char* sliceKey, SliceRange fallback, bool* given = nullptr) {
        const FLUMparse::InputTag& c = cs.getTag(coordKey);
        const FLUMparse::InputTag& i = cs.getTag(sliceKey);
        if (given) *given = c.isSet() || i.isSet();
        if (c.isSet()) return coordRange(c.asDoubleList(), coordKey, c.line());
        if (i.isSet()) return sliceRange(toDoubles(i.asIntList()), sliceKey, i.line());
        return fallback;
    };

    const SliceRange all{1, numSlices};
    for (const char* key : {"water_flow_range", "water_flow_slice_indexes"}) {
        const FLUMparse::InputTag& t = cs.getTag(key);
        if (t.isSet() && t.asDoubleList().size() > 2 && t.asDoubleList().size() % 2 == 0)
            fail(t.line(), "Only one flow range is allowed in cross section: " + name);
    }
    const SliceRange main = rangeOf("main_channel_range", "main_channel_slice_indexes", all);
    const SliceRange flow = rangeOf("water_flow_range", "water_flow_slice_indexes", all);
    const SliceRange active = rangeOf("active_range", "active_slice_indexes", all);
    bool bottomGiven = false;
    const SliceRange bottom = rangeOf("bottom_range", "bottom_slice_indexes", main, &bottomGiven);
    auto yOf = [&](int node) { return nodes[static_cast<std::size_t>(node)][0]; };
    const int flowLine = cs.getTag("water_flow_range").isSet() ? cs.getTag("water_flow_range").line()
                                                               : cs.getTag("water_flow_slice_indexes").line();
    if (!flow.intersects(main)) fail(flowLine, "The flowing area should cover the whole main channel in cross section " + name);
    if (flow.first > main.first)
        fail(flowLine, fmt::format("The left of flowing area ({}) should be on the left of the main channel ({}) in "
                                   "cross section {}",
                                   yOf(flow.first - 1), yOf(main.first - 1), name));
    if (flow.last < main.last)
        fail(flowLine, fmt::format("The right of flowing area ({}) should be on the right of the main channel ({}) in "
                                   "cross section {}",
                                   yOf(flow.last), yOf(main.last), name));
    s.setActiveRange(active.first, active.last);
    s.setMainChannel(main.first, main.last);
    s.setFlowingRange(flow.first, flow.last);
    s.setBottomRange(bottom.first, bottom.last, bottomGiven);

    const FLUMparse::InputTag& defTag = cs.getTag("default_friction");
    s.setFriction(1, numSlices, defTag.isSet() ? defTag.asDouble() : context_.defaultFriction);
    for (std::size_t k = 0; k < frList.size(); ++k) {
        const SliceRange r = frRanges.isSet() ? coordRange(frList[k], "friction_ranges", frRanges.line())
                                              : sliceRange(frList[k], "friction_slice_indexes", frSlices.line());
        s.setFriction(r.first, r.last, coefs[k]);
    }

    std::vector<SliceRange> soils;
    const auto soilDefs = cs.getBlocks("SOIL_DEF");
    for (const InputBlock* sd : soilDefs) {
        SliceRange r = all;
        if (const FLUMparse::InputTag& t = sd->getTag("range"); t.isSet()) {
            const std::vector<double> v = t.asDoubleList();
            if (v.size() != 2) fail(t.line(), fmt::format("The tag 'range' expects exactly two values but found {}", v.size()));
            r = coordRange(v, "range", t.line());
        } else if (const FLUMparse::InputTag& u = sd->getTag("slice_indexes"); u.isSet()) {
            const std::vector<int> v = u.asIntList();
            if (v.size() != 2)
                fail(u.line(), fmt::format("The range of tag 'slice_indexes' should consist of two numbers, but I found {}",
                                           v.size()));
            if (v[0] < 1)
                fail(u.line(), fmt::format("The lower limit ({}) of 'slice_indexes' is less than 1. The slice counts "
                                           "start at 1.",
                                           v[0]));
            if (v[1] > numSlices)
                fail(u.line(), fmt::format("The upper limit ({}) of 'slice_indexes' is more than the number of slices "
                                           "({}). The slice counts start at 1.",
                                           v[1], numSlices));
            r = sliceRange(toDoubles(v), "slice_indexes", u.line());
        }
        for (std::size_t i = 0; i < soils.size(); ++i)
            if (soils[i].intersects(r))
                fail(sd->line(), fmt::format("The soil definition intersects with the soil definition nr. {}. You "
                                             "can't define the soil twice.",
                                             i + 1));
        soils.push_back(r);
        s.setSoil(r.first, r.last, sd->getTag("index").asInt());
    }

    s.setBedFormFactor(cs.getTag("bed_form_factor").asDouble());
    s.setThetaCritic(cs.getTag("theta_critic").asDouble());
    s.setCalibrationFactor(cs.getTag("friction_calibration_factor").asDouble());
    s.setFixedPoints(fixedPoints);
    if (cs.isSet("table_fixed_lower_limit")) s.setFixedLowerLimit(cs.getTag("table_fixed_lower_limit").asDouble());
    s.setComputation(context_.computation);
    s.setFrictionLaw(context_.law, context_.defaultFriction);

    byName_[name] = sections_.size();
    sections_.push_back(std::move(s));
    blocks_.push_back(&cs);
}

}  // namespace FlumChain
