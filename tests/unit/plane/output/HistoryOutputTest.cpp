// History, balance, AVS and console outputs of a 2-D subdomain.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "core/MessageService.h"
#include "plane/output/FPConsoleOutput.h"
#include "plane/output/FPOutputFactory.h"
#include "unit/plane/PlaneCase.h"
#include "unit/plane/output/OutputTestSupport.h"

using namespace flumtest;
using namespace outtest;

namespace {

// A closed channel 10 m x 1 m, deeper on the left (x < 5) than on the right.
MeshLayout channel() {
    MeshLayout m;
    m.nx = 10;
    m.ny = 1;
    m.material = [](double x, double) { return x < 5 ? 1 : 2; };
    return m;
}

// The string across the channel at x = 5, from (5,0) to (5,1); its left is the deep side.
const char* kDamLine = "      STRINGDEF {\n        name = dam\n        node_ids = ( 6 17 )\n        upstream_direction = left\n      }\n"
                       "      STRINGDEF {\n        name = noside\n        node_ids = ( 3 14 )\n      }\n";

std::string command(const std::vector<std::string>& specials, double total = 2.0, const std::string& keys = "") {
    return planeCommandFile(hydraulics(1.0, 0.5), total, outputBlock(specials, keys), "mesh.2dm", kDamLine);
}

double leftVolume(PlaneCase& c) {
    const auto& g = c.plane().grid();
    double v = 0.0;
    for (int e = 0; e < g.numElements(); ++e)
        if (g.elemCx_[e] < 5.0) v += c.plane().state().h_[e] * g.elemArea_[e];
    return v;
}

}  // namespace

// The stringdef discharge is the flux that empties the deep side: dV/dt = -Q each step.
TEST(HistoryOutput, StringdefDischargeBalancesTheVolumeChange) {
    Quiet q;
    PlaneCase c(command({"        type = stringdef_history\n        stringdefs = ( dam )\n"
                         "        stringdef_values = ( Q wse zbed max[Q] )\n        output_time_step = 0\n"}),
                {{"mesh.2dm", rectangularMesh(channel())}});
    c.runTo(0.0);
    auto& p = c.plane();
    std::vector<double> times{p.getTime()}, volumes{leftVolume(c)};
    for (int k = 0; k < 20; ++k) {
        p.advance(p.getTimeStep());
        times.push_back(p.getTime());
        volumes.push_back(leftVolume(c));
    }
    const auto lines = readLines(p.outputPrefix() + "_stringdef_dam_th.dat");
    ASSERT_EQ(lines.size(), 1u + times.size());
    EXPECT_EQ(words(lines[0]), (std::vector<std::string>{"Time[s]", "Q[m3/s]", "wse[m_asl]", "zbed[m_asl]"}));
    double maxQ = 0.0;
    for (std::size_t k = 1; k < times.size(); ++k) {
        const auto w = words(lines[k + 1]);
        ASSERT_EQ(w.size(), 4u);
        EXPECT_DOUBLE_EQ(std::stod(w[0]), times[k]);
        const double qk = std::stod(w[1]);
        if (k <= 5) {
            EXPECT_GT(qk, 0.0);  // before the wave comes back from the far wall
        }
        const double dVdt = (volumes[k] - volumes[k - 1]) / (times[k] - times[k - 1]);
        EXPECT_NEAR(dVdt, -qk, 1e-12 * volumes[0] / (times[k] - times[k - 1])) << k;
        EXPECT_DOUBLE_EQ(std::stod(w[3]), 0.0);
        EXPECT_GT(std::stod(w[2]), 0.5);
        EXPECT_LT(std::stod(w[2]), 1.0);
        maxQ = std::max(maxQ, qk);
    }
    const auto track = readLines(p.outputPrefix() + "_stringdef_dam_track.dat");
    ASSERT_EQ(track.size(), lines.size());
    EXPECT_EQ(words(track[0])[1], "max_Q[m3/s]");
    EXPECT_NEAR(std::stod(words(track.back())[1]), maxQ, 1e-12 * maxQ);
}

// Element, node and edge histories in one file; every output time flushed.
TEST(HistoryOutput, CombinedFileOfElementsNodesAndEdges) {
    Quiet q;
    PlaneCase c(command({"        type = element_history\n        element_ids = ( 1 10 )\n        element_values = ( depth velocity )\n"
                         "        history_one_file = yes\n        output_time_step = 0.5\n",
                         "        type = edge_history\n        edge_ids = ( 6:17 )\n        edge_values = ( depth u_norm gh2 )\n"
                         "        output_time_step = 0.5\n",
                         "        type = node_history\n        node_ids = ( 1 )\n        node_values = ( depth z_node )\n"}),
                {{"mesh.2dm", rectangularMesh(channel())}});
    c.runTo(1.0);
    const std::string pre = c.plane().outputPrefix();
    // Before finalize: the rows of t = 0, 0.5 and 1 are on disk.
    const auto combined = readLines(pre + "_combined_th.dat");
    ASSERT_EQ(combined.size(), 4u);
    EXPECT_EQ(words(combined[0]), (std::vector<std::string>{"Time[s]", "element_1:depth", "element_1:velocity_x",
                                                           "element_1:velocity_y", "element_10:depth",
                                                           "element_10:velocity_x", "element_10:velocity_y"}));
    const auto last = words(combined[3]);
    EXPECT_DOUBLE_EQ(std::stod(last[0]), 1.0);
    EXPECT_DOUBLE_EQ(std::stod(last[1]), c.plane().state().h_[0]);
    EXPECT_DOUBLE_EQ(std::stod(last[4]), c.plane().state().h_[9]);
    EXPECT_DOUBLE_EQ(std::stod(words(combined[1])[4]), 0.5);

    const auto edge = readLines(pre + "_edge_6-17_th.dat");
    ASSERT_EQ(edge.size(), 4u);
    const auto& s = c.plane().state();
    const double h = 0.5 * (s.h_[4] + s.h_[5]);
    const auto ew = words(edge[3]);
    EXPECT_NEAR(std::stod(ew[1]), h, 1e-13);
    EXPECT_GT(std::stod(ew[2]), 0.0);  // flow towards the shallow side, the +x normal of edge (5,0)-(5,1)
    EXPECT_NEAR(std::stod(ew[3]), 0.5 * 9.81 * h * h, 1e-3);
    // The node history keeps its default interval of 100 s: the start only until finalize.
    EXPECT_EQ(readLines(pre + "_node_1_th.dat").size(), 2u);
    c.plane().finalize(0.0);
    const auto node = readLines(pre + "_node_1_th.dat");
    ASSERT_EQ(node.size(), 3u);
    EXPECT_DOUBLE_EQ(std::stod(words(node[2])[1]), s.h_[0]);
}

TEST(HistoryOutput, InvalidDefinitionsStopWithTheirMessages) {
    Quiet q;
    auto fails = [](const std::string& special, const std::string& message) {
        try {
            PlaneCase c(command({special}), {{"mesh.2dm", rectangularMesh(channel())}});
            ADD_FAILURE() << special;
        } catch (const Flumaris::FatalError& e) {
            EXPECT_EQ(std::string(e.what()).substr(0, message.size()), message);
        }
    };
    fails("        type = edge_history\n        edge_ids = ( 6:6 )\n",
          "Edge definition '6:6' is invalid as a point connected to itself is not an edge");
    fails("        type = edge_history\n        edge_ids = ( 6-17 )\n", "Edge definition '6-17' is not a double-point separated node number");
    fails("        type = edge_history\n        edge_ids = ( 6:99 )\n", "Edge definition '6:99' is not a valid node number");
    fails("        type = edge_history\n        edge_ids = ( 1:13 )\n",
          "Could not find edge '1:13' which means that these points are not connected");
    fails("        type = stringdef_history\n        stringdefs = ( noside )\n",
          "EdgeString noside has no upstream direction defined.");
    fails("        type = stringdef_history\n        stringdefs = ( dam )\n        stringdef_values = ( conc )\n",
          "You asked for 'conc' output (concentration) which is only available if you include suspension load into your model.");
    fails("        type = boundary_history\n        stringdefs = ( nowhere )\n",
          "Stringdef 'nowhere' you are trying to use within the boundary_history output does not exist within grid.");
    fails("        type = sediment_grid\n", "Error: The sediment_grid output of the subdomain 'test' needs sediment transport");
    fails("        type = element_history\n        element_ids = ( 1 )\n        element_values = ( bedload_vec )\n",
          "Error: The output value 'bedload_vec' needs sediment transport");
}

// Balance volumes, the AVS step count and the console line.
TEST(HistoryOutput, BalanceAvsAndConsole) {
    Quiet q;
    PlaneCase c(command({"        type = balance\n        balance_values = ( timestep water_volume )\n        output_time_step = 0.5\n",
                         "        type = avs_ucd\n        output_time_step = 0.5\n",
                         "        type = FLUMviz\n"},
                        1.0, "      console_time_step = 0.25\n      restart_time_step = 10\n"),
                {{"mesh.2dm", rectangularMesh(channel())}});
    c.runTo(1.0);
    c.plane().finalize(0.0);
    const std::string pre = c.plane().outputPrefix();
    const auto balance = readLines(pre + "_balance.dat");
    ASSERT_EQ(balance.size(), 5u);
    EXPECT_EQ(words(balance[0]), (std::vector<std::string>{"time[s]", "hydraulic_timestep[s]", "Element", "Edge", "water_vol[m3]"}));
    for (int k = 1; k <= 3; ++k) {
        const auto w = words(balance[static_cast<std::size_t>(k)]);
        ASSERT_EQ(w.size(), 5u);
        EXPECT_NEAR(std::stod(w[0]), 0.5 * (k - 1), 0.1);
        EXPECT_NEAR(std::stod(w[4]), 7.5, 1e-12);
        EXPECT_GE(std::stoi(w[2]), 1);
    }
    EXPECT_EQ(balance[4].rfind("Run Time of the simulation=", 0), 0u);

    const auto avs = readLines(pre + "_Movie_AVS.inp");
    ASSERT_GE(avs.size(), 2u);
    EXPECT_EQ(std::stoi(avs[1]), 3);
    int steps = 0;
    for (const auto& l : avs) steps += l.rfind("step", 0) == 0;
    EXPECT_EQ(steps, 3);
    EXPECT_EQ(FlumPlane::FPConsoleOutput::line(12.5, 0.0123456789, "river"),
              "TIME = 12.5   hyd. Time Step = 0.0123457   (SD: river)");
    // Lines at the steps reaching 0.25, 0.5, 0.75 and 1 s.
    const std::string console = q.sink.str();
    int lines = 0;
    for (std::size_t at = console.find("TIME = "); at != std::string::npos; at = console.find("TIME = ", at + 1)) ++lines;
    EXPECT_EQ(lines, 4);
    EXPECT_NE(console.find("(SD: test)"), std::string::npos);
}

TEST(HistoryOutput, ReferenceTimeIsReadAsJulianDate) {
    Quiet q;
    EXPECT_DOUBLE_EQ(FlumPlane::julianReferenceTime("1-1-2000-12-0-0"), 2451545.0);
    EXPECT_DOUBLE_EQ(FlumPlane::julianReferenceTime("2-1-2000-18-0-0"), 2451546.25);
    EXPECT_THROW(FlumPlane::julianReferenceTime("1-1-2000 12:00"), Flumaris::FatalError);
}

TEST(HistoryOutput, UnwritableFileStops) {
    Quiet q;
    PlaneCase c(command({"        type = element_history\n        element_ids = ( 1 )\n"}), {{"mesh.2dm", rectangularMesh(channel())}});
    const std::string blocked = c.plane().outputPrefix() + "_element_1_th.dat";
    std::filesystem::create_directory(blocked);
    try {
        c.runTo(0.0);
        ADD_FAILURE();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_EQ(std::string(e.what()), "could not open file '" + blocked + "' for time history output");
    }
}
