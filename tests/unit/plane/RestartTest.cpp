// Continuing a run from its restart file gives the run that never stopped.
#include <fmt/format.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/MessageService.h"
#include "unit/plane/PlaneCase.h"

using namespace flumtest;

namespace {

std::string mesh() {
    MeshLayout m;
    m.nx = 40;
    m.ny = 3;
    m.lx = 40.0;
    m.ly = 3.0;
    m.z = [](double x, double y) { return 0.01 * x + 0.02 * y; };
    m.material = [](double x, double) { return x < 15.0 ? 1 : 2; };
    return rectangularMesh(m);
}

const char* kFriction = "      FRICTION {\n        type = manning\n        default_friction = 0.03\n      }\n";

// A step of 1/16 s below the stable one: every run steps on the same binary-exact times.
std::string commandFile(const std::string& initial, double total) {
    const std::string hyd = std::string(kFriction) + initial;
    std::string fmc = planeCommandFile(hyd, total, "    OUTPUT {\n      restart_time_step = 2.0\n    }\n");
    const std::string ts = "      CFL = 0.9\n";
    fmc.replace(fmc.find(ts), ts.size(), ts + "      maximum_time_step = 0.0625\n      initial_time_step = 0.0625\n");
    return fmc;
}

const char* kDamBreak = "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        h = ( 1.0 0.2 )\n      }\n";

}  // namespace

TEST(Restart, ContinuedRunEqualsTheUninterruptedOne) {
    Quiet q;
    PlaneCase full(commandFile(kDamBreak, 4.0), {{"mesh.2dm", mesh()}});
    full.runTo(4.0);
    full.plane().finalize(0.0);
    const std::filesystem::path file = full.plane().restartFile();
    ASSERT_TRUE(std::filesystem::exists(file));

    const std::string cont = "      INITIAL {\n        type = continue\n        file = full_restart.cgns\n"
                             "        restart_solution_time = 2.0005\n      }\n";
    std::ifstream in(file, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    PlaneCase resumed(commandFile(cont, 4.0), {{"mesh.2dm", mesh()}, {"full_restart.cgns", bytes}});
    EXPECT_DOUBLE_EQ(resumed.plane().getStartTime(), 2.0);  // start_time taken from the file
    resumed.runTo(4.0);
    const auto& a = full.plane().state();
    const auto& b = resumed.plane().state();
    EXPECT_TRUE(a.h_ == b.h_);
    EXPECT_TRUE(a.u_ == b.u_);
    EXPECT_TRUE(a.v_ == b.v_);
    EXPECT_GT(resumed.plane().stepCount(), 30);
}

// With the time step left to the CFL condition, a run stopped at a stored time
// and continued gives the bits of the run that never stopped: a dam break
// wetting a dry sloping bed, and a hydrograph stored in the middle of its
// start-up ramp.
TEST(Restart, ContinuationMatchesTheUninterruptedRunBitForBit) {
    Quiet q;
    const std::string wetDry =
        "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        h = ( 1.0 0.0 )\n      }\n";
    const std::string inflow = "      INITIAL {\n        type = index_table\n        index = ( 1 2 )\n        h = ( 0.3 0.0 )\n"
                               "      }\n      BOUNDARY {\n        type = hydrograph\n        string_name = in\n"
                               "        file = q.txt\n        slope = 1\n      }\n";
    const std::string strings = "      STRINGDEF {\n        name = in\n        node_ids = ( 1 42 83 124 )\n      }\n";
    const struct {
        const char* what;
        std::string initial;
        double stop, end;
    } cases[] = {{"dam break onto a dry bed", wetDry, 1.0, 2.0}, {"hydrograph in its start-up ramp", inflow, 20.0, 40.0}};
    for (const auto& k : cases) {
        SCOPED_TRACE(k.what);
        // A small first step: the continued run must not take it again.
        auto fmc = [&](const std::string& initial, double total) {
            std::string text = planeCommandFile(std::string(kFriction) + initial, total,
                                                fmt::format("    OUTPUT {{\n      restart_time_step = {}\n    }}\n", k.stop),
                                                "mesh.2dm", strings);
            const std::string cfl = "      CFL = 0.9\n";
            return text.replace(text.find(cfl), cfl.size(), cfl + "      initial_time_step = 0.01\n");
        };
        const std::vector<std::pair<std::string, std::string>> files = {{"mesh.2dm", mesh()},
                                                                        {"q.txt", "0 2\n1000 2\n"}};
        PlaneCase full(fmc(k.initial, k.end), files);
        full.runTo(k.end);
        PlaneCase part(fmc(k.initial, k.stop), files);
        part.runTo(k.stop);
        part.plane().finalize(0.0);
        std::ifstream in(part.plane().restartFile(), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::string cont = fmt::format("      INITIAL {{\n        type = continue\n        file = r.cgns\n"
                                             "        restart_solution_time = {}\n      }}\n",
                                             k.stop);
        std::string resumedText = fmc(cont, k.end);
        if (k.initial == inflow) resumedText = fmc(cont + inflow.substr(inflow.find("      BOUNDARY")), k.end);
        auto resumedFiles = files;
        resumedFiles.emplace_back("r.cgns", bytes);
        PlaneCase resumed(resumedText, resumedFiles);
        EXPECT_EQ(resumed.plane().getTime(), k.stop);
        resumed.runTo(k.end);
        const auto& a = full.plane().state();
        const auto& b = resumed.plane().state();
        EXPECT_EQ(full.plane().getTime(), resumed.plane().getTime());
        EXPECT_EQ(full.plane().stepCount(), part.plane().stepCount() + resumed.plane().stepCount());
        EXPECT_TRUE(a.h_ == b.h_);
        EXPECT_TRUE(a.u_ == b.u_);
        EXPECT_TRUE(a.v_ == b.v_);
    }
}

TEST(Restart, DefaultIntervalStoresOnlyTheLastStateAndMissesListValidTimes) {
    Quiet q;
    std::string fmc = commandFile(kDamBreak, 1.0);
    fmc.replace(fmc.find("restart_time_step = 2.0"), 23, "console_time_step = 1.0");
    PlaneCase run(fmc, {{"mesh.2dm", mesh()}});
    run.runTo(1.0);
    run.plane().finalize(0.0);
    std::ifstream in(run.plane().restartFile(), std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    const std::string miss = "      INITIAL {\n        type = continue\n        file = r.cgns\n"
                             "        restart_solution_time = 0.5\n      }\n";
    try {
        PlaneCase c(commandFile(miss, 2.0), {{"mesh.2dm", mesh()}, {"r.cgns", bytes}});
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        const std::string t = e.what();
        EXPECT_NE(t.find("no flow solution could be found in restart-file for time: 0.5"), std::string::npos) << t;
        EXPECT_NE(t.find("Valid times are:\n"), std::string::npos) << t;
        EXPECT_NE(t.find("\n1"), std::string::npos) << t;  // the one stored time, the end of the run
    }
    // A missing file is caught by the command-file check, one that is no CGNS file by the library.
    const std::string missing = "      INITIAL {\n        type = continue\n        file = nowhere.cgns\n      }\n";
    try {
        PlaneCase c(commandFile(missing, 2.0), {{"mesh.2dm", mesh()}});
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_NE(std::string(e.what()).find("Can not open file 'nowhere.cgns'"), std::string::npos) << e.what();
    }
    const std::string broken = "      INITIAL {\n        type = continue\n        file = text.cgns\n      }\n";
    try {
        PlaneCase c(commandFile(broken, 2.0), {{"mesh.2dm", mesh()}, {"text.cgns", "not a restart file\n"}});
        FAIL();
    } catch (const Flumaris::FatalError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("failed to open file error: ", 0), 0u) << e.what();
    }
}
