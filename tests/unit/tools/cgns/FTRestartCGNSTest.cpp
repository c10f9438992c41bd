#include "tools/cgns/FTRestartCGNS.h"

#include <cgnslib.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <functional>
#include <random>

#include "core/MessageService.h"

namespace fs = std::filesystem;
using namespace FLUMtools;

namespace {

struct TempDir {
    fs::path path = fs::temp_directory_path() / ("flum_cgns_" + std::to_string(std::random_device{}()));
    TempDir() { fs::create_directories(path); }
    ~TempDir() { fs::remove_all(path); }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

// Quadrilateral 0-1-4-3 and triangles 1-2-5, 1-5-4; eight edges.
struct SmallMesh {
    std::vector<double> x{0.0, 1.0, 2.0, 0.0, 1.0, 2.0}, y{0.0, 0.0, 0.0, 1.0, 1.0, 1.0},
        z{10.1, 10.2, 10.3, 10.4, 10.5, 10.6};
    std::vector<int> elements{0, 1, 4, 3, 1, 2, 5, -1, 1, 5, 4, -1};
    FTRestartMesh view() const { return {x, y, z, elements, 8}; }
    FTRestartCounts counts() const { return {6, 3, 8}; }
};

// Values no short decimal reproduces, a negative zero and a subnormal: only a bitwise copy passes.
std::vector<double> awkward(std::size_t n, double seed) {
    std::vector<double> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = std::sqrt(seed + static_cast<double>(i)) / 3.0 - 0.7;
    v[1] = -0.0;
    v[2] = 4.9e-320;
    return v;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// One stored time: hydraulic, suspended-load and bed-material fields.
struct Stored {
    double time;
    std::vector<double> h, u, v, susp, bed, bedOld, beta, flux;
    Stored(double t, double s)
        : time(t), h(awkward(3, s)), u(awkward(3, s + 1)), v(awkward(3, s + 2)), susp(awkward(3, s + 3)),
          bed(awkward(6, s + 4)), bedOld(awkward(6, s + 5)), beta(awkward(6, s + 6)), flux(awkward(8, s + 7)) {}
    FTRestartState view() const {
        return {time,
                {{"Depth", h}, {"VelocityX", u}, {"VelocityY", v}, {"suspended_volume", susp}},
                {{"z_bed", bed}, {"z_bed_old", bedOld}, {"beta_layer2_grain3", beta}},
                flux};
    }
    void expectIn(const FTRestartData& d) const {
        EXPECT_EQ(d.time, time);
        EXPECT_EQ(d.elementFields.size() + d.nodeFields.size(), 7u);
        EXPECT_TRUE(sameBits(d.elementField("Depth"), h) && sameBits(d.elementField("VelocityX"), u) &&
                    sameBits(d.elementField("VelocityY"), v) && sameBits(d.elementField("suspended_volume"), susp));
        EXPECT_TRUE(sameBits(d.nodeField("z_bed"), bed) && sameBits(d.nodeField("z_bed_old"), bedOld) &&
                    sameBits(d.nodeField("beta_layer2_grain3"), beta));
        EXPECT_TRUE(sameBits(d.fluxH, flux));
    }
};

std::string fatalText(const std::function<void()>& f) {
    try {
        f();
    } catch (const Flumaris::FatalError& e) {
        return e.what();
    }
    return "<no error>";
}

// The 32-character names of a pointer array under ZoneIterativeData.
std::vector<std::string> pointerNames(int fn, int array) {
    char name[33];
    DataType_t type{};
    int rank = 0;
    cgsize_t dims[2] = {};
    cg_goto(fn, 1, "Zone_t", 1, "ZoneIterativeData_t", 1, "end");
    if (cg_array_info(array, name, &type, &rank, dims) != CG_OK || type != Character || dims[0] != 32) return {};
    std::string text(static_cast<std::size_t>(32 * dims[1]), '\0');
    cg_array_read(array, text.data());
    std::vector<std::string> names{name};
    for (std::size_t i = 0; i < text.size(); i += 32) names.push_back(text.substr(i, 32));
    return names;
}

}  // namespace

TEST(FTRestartCGNS, NamesAndTimeSelection) {
    EXPECT_EQ(FTRestartCGNS::elementSolutionName(3600.0), "FlowEle              3600.000000");
    EXPECT_EQ(FTRestartCGNS::fluxName(0.5), "FluxH                   0.500000");
    EXPECT_EQ(FTRestartCGNS::nodeSolutionName(3.2e10).size(), 32u);  // a thousand years still fits
    EXPECT_THROW(FTRestartCGNS::elementSolutionName(1e30), Flumaris::FatalError);

    const std::vector<double> times{0.0, 10.0, 20.0, 20.0009};
    const auto pick = [&](double t) { return FTRestartCGNS::selectTime(times, t); };
    EXPECT_EQ(pick(10.0009), 1u);
    EXPECT_EQ(pick(9.9991), 1u);
    EXPECT_EQ(pick(10.0011), FTRestartCGNS::npos);
    EXPECT_EQ(pick(20.0006), 3u);  // the closer of two candidates
    EXPECT_EQ(pick(20.0003), 2u);
    EXPECT_EQ(pick(-1.0), 3u);
    EXPECT_EQ(pick(-0.5), 3u);
    EXPECT_EQ(FTRestartCGNS::selectTime({}, -1.0), FTRestartCGNS::npos);
}

TEST(FTRestartCGNS, TwoTimesRoundTripBitIdentical) {
    TempDir dir;
    const SmallMesh mesh;
    const Stored first(0.5, 2.0), second(12.25, 20.0);
    const std::string path = dir.file("river_restart.cgns");
    FTRestartCGNS restart(path);
    restart.write(mesh.view(), first.view());
    restart.write(mesh.view(), second.view());
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{0.5, 12.25}));
    first.expectIn(FTRestartCGNS::read(path, 0.5, mesh.counts()));
    second.expectIn(FTRestartCGNS::read(path, 12.2495, mesh.counts()));
    second.expectIn(FTRestartCGNS::read(path, -1.0, mesh.counts()));

    // The tree, read through the library alone.
    int storage = 0, fn = -1, cellDim = 0, physDim = 0, nbndry = -1, parent = 0, steps = 0;
    ASSERT_EQ(cg_is_cgns(path.c_str(), &storage), CG_OK);
    EXPECT_EQ(storage, CG_FILE_ADF);
    ASSERT_EQ(cg_open(path.c_str(), CG_MODE_READ, &fn), CG_OK);
    char name[33];
    cg_base_read(fn, 1, name, &cellDim, &physDim);
    EXPECT_EQ(std::string(name) + std::to_string(cellDim) + std::to_string(physDim), "base23");
    cgsize_t sizes[3] = {}, start = 0, end = 0, size = 0;
    cg_zone_read(fn, 1, 1, name, sizes);
    EXPECT_EQ(std::string(name), "zone_unstructured");
    EXPECT_EQ(sizes[0] * 10 + sizes[1], 63);
    const cgsize_t one = 1, six = 6;
    for (const auto& [axis, expected] : {std::pair{"CoordinateX", &mesh.x}, {"CoordinateY", &mesh.y},
                                         {"CoordinateZ", &mesh.z}}) {
        std::vector<double> read(6);
        cg_coord_read(fn, 1, 1, axis, RealDouble, &one, &six, read.data());
        EXPECT_TRUE(sameBits(read, *expected)) << axis;
    }
    ElementType_t type{};
    ASSERT_EQ(cg_section_read(fn, 1, 1, 1, name, &type, &start, &end, &nbndry, &parent), CG_OK);
    EXPECT_EQ(std::string(name), "Elem");
    EXPECT_TRUE(type == MIXED && start == 1 && end == 3 && nbndry == 0);
    cg_ElementDataSize(fn, 1, 1, 1, &size);
    std::vector<cgsize_t> connectivity(static_cast<std::size_t>(size)), offsets(4);
    ASSERT_EQ(cg_poly_elements_read(fn, 1, 1, 1, connectivity.data(), offsets.data(), nullptr), CG_OK);
    EXPECT_EQ(connectivity, (std::vector<cgsize_t>{QUAD_4, 1, 2, 5, 4, TRI_3, 2, 3, 6, TRI_3, 2, 6, 5}));
    EXPECT_EQ(offsets, (std::vector<cgsize_t>{0, 5, 9, 13}));
    ASSERT_EQ(cg_biter_read(fn, 1, name, &steps), CG_OK);
    EXPECT_EQ(std::string(name) + std::to_string(steps), "BaseIterativeData2");
    ASSERT_EQ(cg_ziter_read(fn, 1, 1, name), CG_OK);
    EXPECT_EQ(std::string(name), "ZoneIterativeData");
    EXPECT_EQ(pointerNames(fn, 1), (std::vector<std::string>{"FlowSolutionPointers", "FlowEle                 0.500000",
                                                             "FlowEle                12.250000"}));
    EXPECT_EQ(pointerNames(fn, 2), (std::vector<std::string>{"FlowSolutionVertexPointers",
                                                             "FlowNod                 0.500000",
                                                             "FlowNod                12.250000"}));
    cg_close(fn);
}

TEST(FTRestartCGNS, RepeatedTimeAndContinuedRun) {
    TempDir dir;
    const SmallMesh mesh;
    const Stored t0(0.0, 1.0), t60(60.0, 2.0), t60again(60.0, 3.0), t120(120.0, 4.0), t90(90.0, 5.0);
    const std::string path = dir.file("a_restart.cgns");
    FTRestartCGNS run(path);
    for (const Stored* s : {&t0, &t60, &t60again, &t120}) run.write(mesh.view(), s->view());
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{0.0, 60.0, 120.0}));
    t60again.expectIn(FTRestartCGNS::read(path, 60.0, mesh.counts()));

    // Continued from 60 s: the old 120 s state goes, the new 90 s one follows 60 s.
    FTRestartCGNS continued(path, true);
    continued.write(mesh.view(), t90.view());
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{0.0, 60.0, 90.0}));
    t90.expectIn(FTRestartCGNS::read(path, -1.0, mesh.counts()));
    t0.expectIn(FTRestartCGNS::read(path, 0.0, mesh.counts()));

    FTRestartCGNS fresh(path);  // without appending the file starts afresh
    fresh.write(mesh.view(), t120.view());
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{120.0}));
}

TEST(FTRestartCGNS, ErrorsStopWithTheirMessages) {
    TempDir dir;
    const SmallMesh mesh;
    const Stored a(0.0, 1.0), b(1800.5, 2.0), c(3600.0, 3.0);
    const std::string path = dir.file("r_restart.cgns");
    FTRestartCGNS restart(path);
    for (const Stored* s : {&a, &b, &c}) restart.write(mesh.view(), s->view());

    const auto read = [&](double t, FTRestartCounts n) { return [&path, t, n] { FTRestartCGNS::read(path, t, n); }; };
    const std::string head = "Parse error when trying to read the CGNS restart file:\n"
                             "no flow solution could be found in restart-file for time: ";
    EXPECT_EQ(fatalText(read(1800.0, mesh.counts())), head + "1800. Valid times are:\n0\n1800.5\n3600\n");
    EXPECT_EQ(fatalText(read(3600.0011, mesh.counts())), head + "3600.0011. Valid times are:\n0\n1800.5\n3600\n");
    EXPECT_EQ(fatalText(read(-1.0, {6, 4, 8})), "Error: the restart file '" + path +
                                                    "' holds a mesh of 6 nodes and 3 elements,\n"
                                                    "but the mesh of this run has 6 nodes and 4 elements.\n"
                                                    "Please give the restart file of this mesh.");
    EXPECT_EQ(fatalText(read(-1.0, {6, 3, 9})), "Error: the restart file '" + path +
                                                    "' holds 8 edge fluxes,\nbut the mesh of this run has 9 edges.\n"
                                                    "Please give the restart file of this mesh.");
    const FTRestartData data = FTRestartCGNS::read(path, 0.0, mesh.counts());
    EXPECT_EQ(fatalText([&] { data.nodeField("zfix"); }), "Not all needed data could be found in restart file.");

    // A missing file stops with the library's own explanation.
    const std::string missing = dir.file("missing_restart.cgns");
    const std::string text = fatalText([&] { FTRestartCGNS::read(missing, -1.0, mesh.counts()); });
    int fn = -1;
    ASSERT_NE(cg_open(missing.c_str(), CG_MODE_READ, &fn), CG_OK);
    EXPECT_EQ(text, std::string("failed to open file error: ") + cg_get_error());

    const std::string nowhere = dir.file("no/such/folder/x_restart.cgns");
    FTRestartCGNS writer(nowhere);
    EXPECT_EQ(fatalText([&] { writer.write(mesh.view(), a.view()); })
                  .rfind("Error: the restart file '" + nowhere + "' could not be opened for writing. error: ", 0),
              0u);
}

// Debian's checker must accept the file; only its absence skips the test.
TEST(FTRestartCGNS, AcceptedByCgnscheck) {
    const char* checker = "/usr/bin/cgnscheck";
    if (!fs::exists(checker)) GTEST_SKIP() << "cgnscheck is not installed (package cgns-convert)";
    TempDir dir;
    const SmallMesh mesh;
    const std::string path = dir.file("check_restart.cgns");
    FTRestartCGNS restart(path);
    for (const Stored& s : {Stored(0.5, 2.0), Stored(12.25, 20.0)}) restart.write(mesh.view(), s.view());
    FTRestartCGNS continued(path, true);  // removes the 12.25 s state again
    continued.write(mesh.view(), Stored(6.0, 3.0).view());

    FILE* pipe = popen((std::string(checker) + " -v '" + path + "' 2>&1").c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    EXPECT_EQ(pclose(pipe), 0) << output;
    // The checker's exit code stays 0 on findings; its report says "ERROR:" and "n errors".
    EXPECT_EQ(output.find("ERROR"), std::string::npos) << output;
    EXPECT_EQ(output.find(" errors"), std::string::npos) << output;
    EXPECT_NE(output.find("checking complete"), std::string::npos) << output;
}
