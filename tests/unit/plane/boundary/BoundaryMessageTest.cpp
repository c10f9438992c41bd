// Bad boundary, inner-boundary and source inputs stop the run with their messages.
#include <gtest/gtest.h>

#include "core/MessageService.h"
#include "unit/plane/boundary/BoundaryTestUtil.h"

using namespace flumtest;

namespace {

struct BadInput {
    const char* what;
    std::string hydraulics;  // blocks after FRICTION
    const char* message;
};

}  // namespace

TEST(BoundaryMessages, BadInputsStopWithTheirMessage) {
    Quiet q;
    MeshLayout m;
    m.nx = 4;
    m.ny = 2;
    m.lx = 4.0;
    m.ly = 2.0;
    // strings: "in" and "out" on the mesh boundary, "mid" across the interior,
    // "short" with fewer nodes
    const std::string geo = stringDef("in", columnIds(m, 0)) + stringDef("out", columnIds(m, m.nx)) +
                            stringDef("mid", columnIds(m, 2)) + stringDef("short", {1, 2});
    const auto bnd = [](std::vector<std::string> lines) { return block("BOUNDARY", std::move(lines)); };
    const auto inner = [](std::vector<std::string> lines) { return block("INNER_BOUNDARY", std::move(lines)); };
    const auto src = [](std::vector<std::string> lines) {
        return sources(block("EXTERNAL_SOURCE", std::move(lines)));
    };
    const std::vector<BadInput> cases = {
        {"unknown string", bnd({"type = zero_gradient", "string_name = nowhere"}),
         "Error while defining the boundaries.\nThe edge string 'nowhere' could not be found.\nPlease complete the "
         "required input data and start again."},
        {"interior string", bnd({"type = zero_gradient", "string_name = mid"}),
         "The edge string 'mid' is not correct!\nEdges must be boundary edges!\nPlease correct the edge string in the "
         "command file."},
        {"hydrograph without file", bnd({"type = hydrograph", "string_name = in", "slope = 1"}),
         "No boundary_file specified for hydraulic boundary condition of type hydrograph. A hydrograph file is "
         "compulsory even if constant discharge is needed. Provide an existing name for a boundary_file."},
        {"coupled hydrograph with file", bnd({"type = coupling_hydrograph", "string_name = in", "file = s.txt"}),
         "A boundary file is specified for a coupling hydraulic boundary condition of type hydrograph. But no "
         "boundary file can be used because the input is taken from the coupled subdomain."},
        {"h-Q without slope or file", bnd({"type = hqrelation", "string_name = out"}),
         "You have to define either a slope or a hq-boundary file for the hqrelation boundary. Please complete the "
         "required input data and start again."},
        {"zhydrograph without file", bnd({"type = zhydrograph", "string_name = out"}),
         "No boundary_file specified for hydraulic boundary condition of type 'zhydrograph'. A boundary file is "
         "compulsory even if constant water level is desired. Provide an existing name for a boundary file."},
        {"coupled zhydrograph with file", bnd({"type = coupling_zhydrograph", "string_name = out", "file = s.txt"}),
         "The zhydrograph must not have an input serie.\nThe input serie is determined automatically\nfrom the "
         "downstream subdomain during coupling.\nProgram cannot continue."},
        {"gate below the bed", bnd({"type = gate", "string_name = out", "file = low.txt"}), nullptr},
        {"inner string", inner({"type = weir", "string_name1 = in", "string_name2 = nowhere", "file = s.txt"}),
         "Inner Boundary string_name 'nowhere' not found in STRINGDEF block. Make sure the Inner Boundary string_name "
         "has the same name as a defined unique string in the STRINGDEF block."},
        {"inner node count", inner({"type = gate", "string_name1 = in", "string_name2 = short", "file = s.txt"}),
         "The two cross_strings for an inner boundary of type 'gate' do not have the same number of nodes! Both "
         "STRINGDEF's need an equal number of nodes for this inner boundary condition."},
        {"inner h-Q without table", inner({"type = hqrelation", "string_name1 = in", "string_name2 = out"}),
         "no hq-relation found for InnerHQRelation. Program cannot continue."},
        {"source without file", src({"type = source_discharge", "index = ( 1 )"}),
         "No 'source_file' has been specified for EXTERNAL SOURCE in HYDRAULICS. You have to specify a source file "
         "with information about time and discharge for every external source."},
        {"coupled source with file", src({"type = coupling_source_discharge", "source_file = s.txt", "index = ( 1 )"}),
         "A 'source_file' has been specified for EXTERNAL SOURCE in HYDRAULICS. No 'source_file' is needed for "
         "coupling."},
    };
    for (const BadInput& b : cases) {
        SCOPED_TRACE(b.what);
        try {
            PlaneCase c(planeCommandFile(friction(0.03) + b.hydraulics, 1.0, "", "mesh.2dm", geo),
                        {{"mesh.2dm", rectangularMesh(m)}, {"s.txt", "0 1\n10 1\n"}, {"low.txt", "0 -1\n10 -1\n"}});
            if (b.message) {
                ADD_FAILURE() << "no error";
            } else {
                c.runTo(0.1);
                ADD_FAILURE() << "no error while running";
            }
        } catch (const Flumaris::FatalError& e) {
            EXPECT_STREQ(e.what(), b.message ? b.message : "Fatal error for inner gate: height underneath gate is negative!");
        }
    }
}

// After the start-up ramp, a hydrograph whose level stays below the beds of its elements cannot let its water in.
TEST(BoundaryMessages, HydrographThatWetsNoElementStops) {
    Quiet q;
    MeshLayout m;
    m.nx = 4;
    m.ny = 2;
    m.lx = 4.0;
    m.ly = 2.0;
    // the inflow edge lies 2 m below the first elements' centres
    m.z = [](double x, double) { return x < 0.5 ? -2.0 : 2.0; };
    PlaneCase c(planeCommandFile(friction(0.03) + block("BOUNDARY", {"type = hydrograph", "string_name = in",
                                                                      "file = s.txt", "slope = 1"}),
                                 300.0, "", "mesh.2dm", stringDef("in", columnIds(m, 0))),
                {{"mesh.2dm", rectangularMesh(m)}, {"s.txt", "0 0\n120 0\n121 0.01\n400 0.01\n"}});
    try {
        // dry through the start-up ramp, whose trickle would enter at the lowest element
        c.runTo(300.0);
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_STREQ(e.what(), "At the hydrograph boundary all edges are set inactive (not wetted), but the inflow is "
                               "bigger than 0.0. Either the cells in the boundary cross section are too big or the "
                               "inflow is too small to ensure that at least one element is wetted.");
    }
}
