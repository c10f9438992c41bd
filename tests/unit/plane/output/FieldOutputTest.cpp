// Node and element centred outputs of a 2-D subdomain, read back from the files.
#include <gtest/gtest.h>

#include <shapefil.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "core/MessageService.h"
#include "plane/output/FPFieldValues.h"
#include "tools/FTVtkWriter.h"
#include "unit/plane/PlaneCase.h"
#include "unit/plane/output/OutputTestSupport.h"
#include "unit/tools/PltReader.h"

using namespace flumtest;
using namespace outtest;

namespace {

MeshLayout damBreakMesh(bool triangles) {
    MeshLayout m;
    m.nx = 8;
    m.ny = 2;
    m.lx = 8;
    m.ly = 2;
    m.triangles = triangles;
    m.material = [](double x, double) { return x < 4 ? 1 : 2; };
    return m;
}

std::string prefix(PlaneCase& c) { return c.plane().outputPrefix(); }

int countStarting(const std::vector<std::string>& lines, const std::string& start) {
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) { return l.rfind(start, 0) == 0; }));
}

}  // namespace

// Node ids 1, 2 and 5: the SMS files carry five lines per time, 3 and 4 zero.
TEST(FieldOutput, SmsFillsMissingNodeIdsWithZeros) {
    Quiet q;
    const std::string mesh = "MESH2D\nE3T 1 1 2 5 1\nND 1 0 0 0\nND 2 2 0 0\nND 5 1 2 0\n";
    PlaneCase c(planeCommandFile(hydraulics(0.7, 0.7), 2.0,
                                 outputBlock({"        type = node_centered\n        format = sms\n        values = ( depth velocity )\n"
                                              "        output_time_step = 1.0\n"},
                                             "      reference_time = 1-1-2000-12-0-0\n")),
                {{"mesh.2dm", mesh}});
    c.runTo(2.0);
    c.plane().finalize(0.0);
    const auto depth = readLines(prefix(c) + "_nds_depth.sol");
    ASSERT_GE(depth.size(), 8u);
    EXPECT_EQ(depth[0], "DATASET");
    EXPECT_EQ(depth[1], "OBJTYPE \"mesh2d\"");
    EXPECT_EQ(depth[2], "RT_JULIAN 2451545.000000");
    EXPECT_EQ(depth[3], "BEGSCL");
    EXPECT_EQ(depth[4], "ND 5");
    EXPECT_EQ(depth[5], "NC 1");
    EXPECT_EQ(depth[6], "NAME \"depth\"");
    EXPECT_EQ(depth[7], "TIMEUNITS seconds");
    // Three output times (start, the step reaching 1 s, the end): a TS line and five value lines each, then ENDDS.
    ASSERT_EQ(depth.size(), 8u + 3 * 6 + 1);
    for (int k = 0; k < 3; ++k) {
        const std::size_t ts = 8 + 6 * static_cast<std::size_t>(k);
        ASSERT_EQ(depth[ts].rfind("TS 0\t", 0), 0u) << depth[ts];
        const double t = std::stod(depth[ts].substr(5));
        EXPECT_GE(t, static_cast<double>(k));
        EXPECT_LT(t, k + 0.5);
        for (int line : {1, 2, 5}) EXPECT_NEAR(std::stod(depth[ts + line]), 0.7, 1e-12) << line;
        EXPECT_EQ(depth[ts + 3], "0.000");
        EXPECT_EQ(depth[ts + 4], "0.000");
    }
    EXPECT_EQ(depth.back(), "ENDDS");
    // A node-centred depth brings the water surface along; the velocity is a vector.
    const auto wse = readLines(prefix(c) + "_nds_wse.sol");
    ASSERT_EQ(wse.size(), depth.size());
    EXPECT_NEAR(std::stod(wse[9]), 0.7, 1e-12);
    const auto vel = readLines(prefix(c) + "_nds_velocity.sol");
    EXPECT_EQ(vel[3], "BEGVEC");
    EXPECT_EQ(vel[4], "VECTYPE 0");
    EXPECT_EQ(vel[8 + 4], "0.000 \t 0.000 \t 0.000 \t");
}

// Every step written (interval 0), VTK files parsed back against the state.
TEST(FieldOutput, VtkEveryStepMatchesTheState) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 0.5,
                                 outputBlock({"        type = element_centered\n        format = vtk\n"
                                              "        values = ( depth velocity max[depth] )\n        output_time_step = 0\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(true))}});
    c.runTo(0.5);
    const int steps = c.plane().stepCount();
    ASSERT_GT(steps, 2);
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(c.dir()))
        if (entry.path().extension() == ".vtk") ++files;
    EXPECT_EQ(files, steps + 1);

    const std::string last = FLUMtools::FTVtkWriter::fileName(prefix(c), c.plane().getTime());
    const auto lines = readLines(last);
    ASSERT_FALSE(lines.empty()) << last;
    EXPECT_EQ(lines[0], "# vtk DataFile Version 2.0");
    EXPECT_EQ(lines[3], "DATASET UNSTRUCTURED_GRID");
    const auto& g = c.plane().grid();
    const auto& s = c.plane().state();
    std::size_t i = 0;
    auto find = [&](const std::string& start) {
        while (i < lines.size() && lines[i].rfind(start, 0) != 0) ++i;
        EXPECT_LT(i, lines.size()) << start;
        return i < lines.size() ? words(lines[i]) : std::vector<std::string>{};
    };
    EXPECT_EQ(std::stoi(find("POINTS")[1]), g.numNodes());
    const auto cells = find("CELLS");
    EXPECT_EQ(std::stoi(cells[1]), g.numElements());
    EXPECT_EQ(std::stoi(cells[2]), 4 * g.numElements());
    EXPECT_EQ(std::stoi(find("CELL_TYPES")[1]), g.numElements());
    for (int e = 0; e < g.numElements(); ++e) EXPECT_EQ(lines[i + 1 + static_cast<std::size_t>(e)], "5");
    EXPECT_EQ(std::stoi(find("CELL_DATA")[1]), g.numElements());
    find("SCALARS depth");
    for (int e = 0; e < g.numElements(); ++e)
        EXPECT_NEAR(std::stod(lines[i + 2 + static_cast<std::size_t>(e)]), s.h_[e], 1e-6 * (1 + s.h_[e]));
    find("VECTORS velocity");
    for (int e = 0; e < g.numElements(); ++e) {
        const auto w = words(lines[i + 1 + static_cast<std::size_t>(e)]);
        ASSERT_EQ(w.size(), 3u);
        EXPECT_NEAR(std::stod(w[0]), s.u_[e], 1e-6 * (1 + std::fabs(s.u_[e])));
        EXPECT_NEAR(std::stod(w[1]), s.v_[e], 1e-6 * (1 + std::fabs(s.v_[e])));
    }
    find("SCALARS max_depth");
    // The dam-break side never rises above its start; the dry-ish side only rises.
    for (int e = 0; e < g.numElements(); ++e) {
        const double m = std::stod(lines[i + 2 + static_cast<std::size_t>(e)]);
        EXPECT_GE(m, s.h_[e] - 1e-6);
        EXPECT_LE(m, 1.0 + 1e-6);
    }
}

// max[depth] keeps the largest depth of every step, not only of output times.
TEST(FieldOutput, MaximumTrackedOverEveryStep) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.2), 10.0,
                                 outputBlock({"        type = element_centered\n        format = ascii\n"
                                              "        values = ( depth max[depth] min[depth] integrate[depth] )\n"
                                              "        output_time_step = 1000\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(false))}});
    c.runTo(0.0);
    auto& p = c.plane();
    const auto& h = p.state().h_;
    std::vector<double> maxH = h, minH = h, integral(h.size(), 0.0);
    while (p.getTime() < 3.0) {
        const double dt = std::min(p.getTimeStep(), 3.0 - p.getTime());
        p.advance(dt);
        for (std::size_t e = 0; e < h.size(); ++e) {
            maxH[e] = std::max(maxH[e], h[e]);
            minH[e] = std::min(minH[e], h[e]);
            integral[e] += h[e] * dt;
        }
    }
    p.finalize(0.0);
    const auto plain = readLines(prefix(c) + "_els.dat");
    const auto track = readLines(prefix(c) + "_els_track.dat");
    // Written at the start and at the end.
    EXPECT_EQ(countStarting(plain, " Output at t ="), 2);
    ASSERT_EQ(countStarting(track, " Output at t ="), 2);
    const std::size_t n = h.size();
    ASSERT_GE(track.size(), n);
    bool differsFromFinal = false;
    for (std::size_t e = 0; e < n; ++e) {
        const auto w = words(track[track.size() - n + e]);
        ASSERT_EQ(w.size(), 6u);  // X Y Z max min integrate, 8 significant digits
        EXPECT_NEAR(std::stod(w[3]), maxH[e], 1e-7);
        EXPECT_NEAR(std::stod(w[4]), minH[e], 1e-7);
        EXPECT_NEAR(std::stod(w[5]), integral[e], 1e-7 * integral[e]);
        differsFromFinal = differsFromFinal || std::fabs(maxH[e] - h[e]) > 1e-3;
    }
    EXPECT_TRUE(differsFromFinal);
}

// Tecplot ASCII zones and the binary .plt read back by the strict reader.
TEST(FieldOutput, TecplotAsciiAndBinaryZones) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 1.0,
                                 outputBlock({"        type = node_centered\n        format = tecplot\n"
                                              "        values = ( depth velocity )\n        output_time_step = 0.5\n",
                                              "        type = element_centered\n        format = tecplot\n        binary = yes\n"
                                              "        values = ( depth velocity max[depth] )\n        output_time_step = 0.5\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(true))}});
    c.runTo(1.0);
    c.plane().finalize(0.0);
    const auto& g = c.plane().grid();
    const auto& s = c.plane().state();

    const auto lines = readLines(prefix(c) + "_tecplot.dat");
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[0], "TITLE = \"FLUMARIS_OUTPUT\" ");
    EXPECT_NE(lines[1].find("\"depth\""), std::string::npos);
    EXPECT_NE(lines[1].find("\"wse\""), std::string::npos);
    EXPECT_EQ(countStarting(lines, "ZONE T="), 3);
    int shared = 0;
    for (const auto& l : lines)
        if (l.rfind("ZONE T=", 0) == 0 && l.find("VARSHARELIST = ([1, 2]=1), CONNECTIVITYSHAREZONE = 1") != std::string::npos)
            ++shared;
    EXPECT_EQ(shared, 2);

    const plt::File f = plt::read(prefix(c) + "_tecplot.plt");
    EXPECT_EQ(f.title, "FLUMARIS Output");
    ASSERT_EQ(f.variables, (std::vector<std::string>{"X", "Y", "Z", "depth", "velocity_x", "velocity_y"}));
    ASSERT_EQ(f.zones.size(), 3u);
    EXPECT_DOUBLE_EQ(f.zones[2].solutionTime, 1.0);
    EXPECT_EQ(f.zones[2].numElements, g.numElements());
    const auto& depth = f.values(2, 3);
    ASSERT_EQ(depth.size(), static_cast<std::size_t>(g.numElements()));
    for (int e = 0; e < g.numElements(); ++e) EXPECT_DOUBLE_EQ(depth[static_cast<std::size_t>(e)], s.h_[e]);
    EXPECT_EQ(f.nodeMap(2).size(), 4u * static_cast<std::size_t>(g.numElements()));
    const plt::File track = plt::read(prefix(c) + "_track_tecplot.plt");
    ASSERT_EQ(track.variables.back(), "max_depth");
    for (std::size_t e = 0; e < depth.size(); ++e) EXPECT_GE(track.values(2, 3)[e], depth[e]);
}

// Shape files reopened through shapelib: one record per element, one column per value and time.
TEST(FieldOutput, ShapeFilesHoldIdsAndValues) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 1.0,
                                 outputBlock({"        type = element_centered\n        format = shape\n"
                                              "        values = ( depth )\n        output_time_step = 1.0\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(false))}});
    c.runTo(1.0);
    c.plane().finalize(0.0);
    const auto& g = c.plane().grid();
    SHPHandle shp = SHPOpen((prefix(c) + "_els.shp").c_str(), "rb");
    ASSERT_NE(shp, nullptr);
    int count = 0, type = 0;
    SHPGetInfo(shp, &count, &type, nullptr, nullptr);
    SHPClose(shp);
    EXPECT_EQ(count, g.numElements());
    EXPECT_EQ(type, SHPT_POLYGON);
    DBFHandle dbf = DBFOpen((prefix(c) + "_els.dbf").c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    ASSERT_EQ(DBFGetRecordCount(dbf), g.numElements());
    ASSERT_EQ(DBFGetFieldCount(dbf), 3);  // ext_id, depth at 0 s and at 1 s
    char name[12];
    EXPECT_EQ(DBFGetFieldInfo(dbf, 0, name, nullptr, nullptr), FTInteger);
    EXPECT_STREQ(name, "ext_id");
    for (int e = 0; e < g.numElements(); ++e) {
        EXPECT_EQ(DBFReadIntegerAttribute(dbf, e, 0), g.elemId_[e]);
        EXPECT_NEAR(DBFReadDoubleAttribute(dbf, e, 1), e % 8 < 4 ? 1.0 : 0.5, 1e-9);
        EXPECT_NEAR(DBFReadDoubleAttribute(dbf, e, 2), c.plane().state().h_[e], 1e-6);
    }
    DBFClose(dbf);
}

// ASCII files: the count line, one time line per step with interval 0, ids instead of coordinates.
TEST(FieldOutput, AsciiEveryStepWithIds) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 0.3,
                                 outputBlock({"        type = node_centered\n        format = ascii\n        ids_instead_coords = yes\n"
                                              "        values = ( z_node depth )\n        output_time_step = 0\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(false))}});
    c.runTo(0.3);
    c.plane().finalize(0.0);
    const auto lines = readLines(prefix(c) + "_nds.dat");
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], " Number of Nodes: 27");
    const auto head = words(lines[1]);
    EXPECT_EQ(head, (std::vector<std::string>{"#", "ID", "z_node", "depth", "wse"}));
    EXPECT_EQ(countStarting(lines, " Output at t ="), c.plane().stepCount() + 1);
    EXPECT_EQ(lines.size(), 2u + static_cast<std::size_t>(c.plane().stepCount() + 1) * 28);
    EXPECT_EQ(words(lines[3])[0], "1");
}

TEST(FieldOutput, UnknownAndUnavailableValuesStop) {
    Quiet q;
    const std::string mesh = rectangularMesh(damBreakMesh(false));
    auto fails = [&](const std::string& values, const std::string& message) {
        try {
            PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 1.0,
                                         outputBlock({"        type = node_centered\n        format = vtk\n        values = " + values + "\n"})),
                        {{"mesh.2dm", mesh}});
            ADD_FAILURE() << values;
        } catch (const Flumaris::FatalError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    };
    fails("( max[concentration] )", "The output value 'concentration' needs suspended load");
    fails("( grain_size )", "needs sediment transport");
    fails("( saturation )", "needs a coupled subsurface subdomain");
}

// split_file: one Tecplot file per value, each with its own variable list.
TEST(FieldOutput, SplitFilesOnePerValue) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 0.5,
                                 outputBlock({"        type = element_centered\n        format = tecplot\n        split_file = yes\n"
                                              "        values = ( depth velocity )\n        output_time_step = 0.5\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(false))}});
    c.runTo(0.5);
    c.plane().finalize(0.0);
    const auto depth = readLines(prefix(c) + "_depth_tecplot.dat");
    const auto velocity = readLines(prefix(c) + "_velocity_tecplot.dat");
    ASSERT_GE(depth.size(), 2u);
    ASSERT_GE(velocity.size(), 2u);
    EXPECT_EQ(depth[1], "VARIABLES = \"X\", \"Y\", \"Z\", \"depth\"");
    EXPECT_EQ(velocity[1], "VARIABLES = \"X\", \"Y\", \"Z\", \"velocity_x\", \"velocity_y\"");
    EXPECT_EQ(countStarting(depth, "ZONE T="), 2);
    EXPECT_EQ(countStarting(velocity, "ZONE T="), 2);
}

// Normal flow down a slope: the bed pushes with g h S, the bed friction holds
// back as much, the side walls only where an element has one, and without a
// turbulence model there is no internal friction.
TEST(FieldOutput, SourceTermsOfNormalFlowBalance) {
    Quiet q;
    MeshLayout m;
    m.nx = 10;
    m.ny = 3;
    m.lx = 10;
    m.ly = 3;
    const double S = 0.002, n = 0.03, h = 0.5, g = 9.81;
    const double u = std::pow(h, 2.0 / 3.0) * std::sqrt(S) / n;
    m.z = [&](double x, double) { return -S * x; };
    const std::string hydr = fmt::format(
        "      FRICTION {{\n        type = manning\n        default_friction = {}\n        wall_friction = yes\n      }}\n"
        "      INITIAL {{\n        type = index_table\n        index = ( 1 )\n        h = ( {} )\n        u = ( {} )\n      }}\n",
        n, h, u);
    PlaneCase c(planeCommandFile(hydr, 1.0), {{"mesh.2dm", rectangularMesh(m)}});
    c.prepare();
    const FlumPlane::FPFieldValues values(c.plane().view(), -1.0e6);
    const auto& grid = c.plane().grid();
    for (int e = 0; e < grid.numElements(); ++e) {
        double bed[2], friction[2], wall[2], internal[2];
        values.elementValue("source_bed", e, bed);
        values.elementValue("source_friction", e, friction);
        values.elementValue("source_wall_friction", e, wall);
        values.elementValue("source_internal_friction", e, internal);
        EXPECT_NEAR(bed[0], g * h * S, 1e-12);
        EXPECT_NEAR(bed[1], 0.0, 1e-12);
        EXPECT_NEAR(friction[0], -g * h * S, 1e-9);
        const bool besideWall = grid.elemCy_[e] < 1.0 || grid.elemCy_[e] > 2.0 || grid.elemCx_[e] < 1.0 || grid.elemCx_[e] > 9.0;
        if (besideWall) EXPECT_LT(wall[0], -1e-4 * g * h * S) << e;
        else EXPECT_EQ(wall[0], 0.0) << e;
        EXPECT_EQ(internal[0], 0.0);
        EXPECT_EQ(internal[1], 0.0);
    }
}

// Field outputs land on their times: the files are named as a person writes the
// time, the clock stands exactly on it, and the history's time column keeps
// its width whatever the time looks like.
TEST(FieldOutput, StepsLandOnOutputTimesAndNamesReadAsWritten) {
    Quiet q;
    PlaneCase c(planeCommandFile(hydraulics(1.0, 0.5), 1.7,
                                 outputBlock({"        type = element_centered\n        format = vtk\n"
                                              "        values = ( depth )\n        output_time_step = 0.5\n",
                                              "        type = element_history\n        element_ids = ( 1 )\n"
                                              "        element_values = ( depth )\n        output_time_step = 0.3\n"})),
                {{"mesh.2dm", rectangularMesh(damBreakMesh(false))}});
    c.runTo(1.7);
    c.plane().finalize(0.0);
    std::vector<std::string> names;
    for (const auto& f : std::filesystem::directory_iterator(c.dir()))
        if (f.path().extension() == ".vtk") names.push_back(f.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"test_vtk0.5.vtk", "test_vtk0.vtk", "test_vtk1.5.vtk", "test_vtk1.7.vtk",
                                               "test_vtk1.vtk"}));
    EXPECT_EQ(c.plane().getTime(), 1.7);
    const auto rows = readLines(prefix(c) + "_element_1_th.dat");
    ASSERT_GT(rows.size(), 3u);
    for (const std::string& r : rows) EXPECT_EQ(r.find_first_not_of(' '), 24 - words(r)[0].size()) << r;
}
