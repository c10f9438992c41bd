#include "tools/cgns/FTRestartCGNS.h"

#include <cgnslib.h>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "core/MessageService.h"

namespace fs = std::filesystem;
using FLUMtools::FTRestartCGNS;
using FLUMtools::FTRestartCounts;
using FLUMtools::FTRestartData;
using FLUMtools::FTRestartMesh;
using FLUMtools::FTRestartState;

namespace {

// A fresh directory per test, removed afterwards.
struct TempDir {
    fs::path path;
    TempDir() {
        std::random_device rd;
        path = fs::temp_directory_path() / ("flum_cgns_" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(path);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
    std::string file(const std::string& name) const { return (path / name).string(); }
};

// Quadrilateral 0-1-4-3 and triangles 1-2-5, 1-5-4; eight edges.
struct SmallMesh {
    std::vector<double> x{0.0, 1.0, 2.0, 0.0, 1.0, 2.0};
    std::vector<double> y{0.0, 0.0, 0.0, 1.0, 1.0, 1.0};
    std::vector<double> z{10.1, 10.2, 10.3, 10.4, 10.5, 10.6};
    std::vector<int> elements{0, 1, 4, 3, /**/ 1, 2, 5, -1, /**/ 1, 5, 4, -1};
    static constexpr std::size_t kEdges = 8;

    FTRestartMesh view() const { return {x, y, z, elements, kEdges}; }
    FTRestartCounts counts() const { return {x.size(), elements.size() / 4, kEdges}; }
};

// Values that no short decimal would reproduce, including a negative zero
// and a subnormal, so that only a bitwise copy passes.
std::vector<double> awkward(std::size_t n, double seed) {
    std::vector<double> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = std::sqrt(seed + static_cast<double>(i)) / 3.0 - 0.7;
    if (n > 1) v[1] = -0.0;
    if (n > 2) v[2] = 4.9e-320;
    return v;
}

bool sameBits(const std::vector<double>& a, const std::vector<double>& b) {
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(double)) == 0;
}

// The arrays of one stored time, kept alive while written.
struct StoredState {
    std::vector<double> depth, u, v, suspended, bed, bedOld, beta, flux;
    double time;
    StoredState(double t, double seed)
        : depth(awkward(3, seed)), u(awkward(3, seed + 1)), v(awkward(3, seed + 2)),
          suspended(awkward(3, seed + 3)), bed(awkward(6, seed + 4)), bedOld(awkward(6, seed + 5)),
          beta(awkward(6, seed + 6)), flux(awkward(SmallMesh::kEdges, seed + 7)), time(t) {}
    FTRestartState view() const {
        return {time,
                {{"Depth", depth}, {"VelocityX", u}, {"VelocityY", v}, {"suspended_volume", suspended}},
                {{"z_bed", bed}, {"z_bed_old", bedOld}, {"beta_layer2_grain3", beta}},
                flux};
    }
};

void expectMatches(const FTRestartData& data, const StoredState& s) {
    EXPECT_EQ(data.time, s.time);
    EXPECT_EQ(data.elementFields.size(), 4u);
    EXPECT_EQ(data.nodeFields.size(), 3u);
    EXPECT_TRUE(sameBits(data.elementField("Depth"), s.depth));
    EXPECT_TRUE(sameBits(data.elementField("VelocityX"), s.u));
    EXPECT_TRUE(sameBits(data.elementField("VelocityY"), s.v));
    EXPECT_TRUE(sameBits(data.elementField("suspended_volume"), s.suspended));
    EXPECT_TRUE(sameBits(data.nodeField("z_bed"), s.bed));
    EXPECT_TRUE(sameBits(data.nodeField("z_bed_old"), s.bedOld));
    EXPECT_TRUE(sameBits(data.nodeField("beta_layer2_grain3"), s.beta));
    EXPECT_TRUE(sameBits(data.fluxH, s.flux));
}

std::string fatalText(const std::function<void()>& f) {
    try {
        f();
    } catch (const Flumaris::FatalError& e) {
        return e.what();
    }
    return "<no error>";
}

std::vector<std::string> pointerNames(int fn, const char* array) {
    EXPECT_EQ(cg_goto(fn, 1, "Zone_t", 1, "ZoneIterativeData_t", 1, "end"), CG_OK);
    int count = 0;
    cg_narrays(&count);
    for (int a = 1; a <= count; ++a) {
        char name[33] = {};
        DataType_t type{};
        int rank = 0;
        cgsize_t dims[2] = {};
        cg_array_info(a, name, &type, &rank, dims);
        if (std::string(name) != array) continue;
        EXPECT_EQ(type, Character);
        EXPECT_EQ(rank, 2);
        EXPECT_EQ(dims[0], 32);
        std::string text(static_cast<std::size_t>(dims[0] * dims[1]), '\0');
        cg_array_read(a, text.data());
        std::vector<std::string> names;
        for (cgsize_t i = 0; i < dims[1]; ++i) names.push_back(text.substr(static_cast<std::size_t>(i) * 32, 32));
        return names;
    }
    ADD_FAILURE() << "no array " << array;
    return {};
}

}  // namespace

TEST(FTRestartCGNS, NamesFitTheLibraryLimit) {
    EXPECT_EQ(FTRestartCGNS::elementSolutionName(3600.0), "FlowEle              3600.000000");
    EXPECT_EQ(FTRestartCGNS::nodeSolutionName(0.5), "FlowNod                 0.500000");
    EXPECT_EQ(FTRestartCGNS::fluxName(0.5), "FluxH                   0.500000");
    // A run time of a thousand years still fits in 32 characters.
    EXPECT_EQ(FTRestartCGNS::fluxName(3.2e10).size(), 32u);
    EXPECT_THROW(FTRestartCGNS::elementSolutionName(1e30), Flumaris::FatalError);
    EXPECT_EQ(FTRestartCGNS::fileNameForPrefix("out/river"), "out/river_restart.cgns");
}

TEST(FTRestartCGNS, SelectTimeWithinOneMillisecond) {
    const std::vector<double> times{0.0, 10.0, 20.0, 20.0009};
    EXPECT_EQ(FTRestartCGNS::selectTime(times, 10.0), 1u);
    EXPECT_EQ(FTRestartCGNS::selectTime(times, 10.0009), 1u);
    EXPECT_EQ(FTRestartCGNS::selectTime(times, 9.9991), 1u);
    EXPECT_EQ(FTRestartCGNS::selectTime(times, 10.0011), FTRestartCGNS::npos);
    // Two candidates: the closer one wins.
    EXPECT_EQ(FTRestartCGNS::selectTime(times, 20.0006), 3u);
    EXPECT_EQ(FTRestartCGNS::selectTime(times, 20.0003), 2u);
    // Any negative request takes the last time.
    EXPECT_EQ(FTRestartCGNS::selectTime(times, -1.0), 3u);
    EXPECT_EQ(FTRestartCGNS::selectTime(times, -0.5), 3u);
    EXPECT_EQ(FTRestartCGNS::selectTime({}, -1.0), FTRestartCGNS::npos);
}

TEST(FTRestartCGNS, TwoTimesRoundTripBitIdentical) {
    TempDir dir;
    const SmallMesh mesh;
    const StoredState first(0.5, 2.0), second(12.25, 20.0);
    const std::string path = dir.file("river_restart.cgns");
    FTRestartCGNS restart(path);
    restart.write(mesh.view(), first.view());
    restart.write(mesh.view(), second.view());
    EXPECT_EQ(restart.writtenTimes(), (std::vector<double>{0.5, 12.25}));
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{0.5, 12.25}));

    expectMatches(FTRestartCGNS::read(path, 0.5, mesh.counts()), first);
    expectMatches(FTRestartCGNS::read(path, 12.2495, mesh.counts()), second);
    expectMatches(FTRestartCGNS::read(path, -1.0, mesh.counts()), second);

    // The tree itself, read through the library without the class.
    int storage = CG_FILE_NONE;
    ASSERT_EQ(cg_is_cgns(path.c_str(), &storage), CG_OK);
    EXPECT_EQ(storage, CG_FILE_ADF);
    int fn = -1;
    ASSERT_EQ(cg_open(path.c_str(), CG_MODE_READ, &fn), CG_OK) << cg_get_error();
    char name[33] = {};
    int cellDim = 0, physDim = 0;
    ASSERT_EQ(cg_base_read(fn, 1, name, &cellDim, &physDim), CG_OK);
    EXPECT_STREQ(name, "base");
    EXPECT_EQ(cellDim, 2);
    EXPECT_EQ(physDim, 3);
    SimulationType_t simulation{};
    ASSERT_EQ(cg_simulation_type_read(fn, 1, &simulation), CG_OK);
    EXPECT_EQ(simulation, TimeAccurate);

    cgsize_t sizes[3] = {};
    ASSERT_EQ(cg_zone_read(fn, 1, 1, name, sizes), CG_OK);
    EXPECT_STREQ(name, "zone_unstructured");
    EXPECT_EQ(sizes[0], 6);
    EXPECT_EQ(sizes[1], 3);
    ZoneType_t zoneType{};
    cg_zone_type(fn, 1, 1, &zoneType);
    EXPECT_EQ(zoneType, Unstructured);

    const cgsize_t one = 1, six = 6;
    for (const auto& [coordName, expected] :
         {std::pair{"CoordinateX", &mesh.x}, std::pair{"CoordinateY", &mesh.y}, std::pair{"CoordinateZ", &mesh.z}}) {
        std::vector<double> read(6);
        ASSERT_EQ(cg_coord_read(fn, 1, 1, coordName, RealDouble, &one, &six, read.data()), CG_OK) << coordName;
        EXPECT_TRUE(sameBits(read, *expected)) << coordName;
    }

    int nsections = 0;
    cg_nsections(fn, 1, 1, &nsections);
    ASSERT_EQ(nsections, 1);
    ElementType_t type{};
    cgsize_t start = 0, end = 0;
    int nbndry = -1, parentFlag = 0;
    ASSERT_EQ(cg_section_read(fn, 1, 1, 1, name, &type, &start, &end, &nbndry, &parentFlag), CG_OK);
    EXPECT_STREQ(name, "Elem");
    EXPECT_EQ(type, MIXED);
    EXPECT_EQ(start, 1);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(nbndry, 0);
    cgsize_t dataSize = 0;
    ASSERT_EQ(cg_ElementDataSize(fn, 1, 1, 1, &dataSize), CG_OK);
    std::vector<cgsize_t> connectivity(static_cast<std::size_t>(dataSize)), offsets(4);
    ASSERT_EQ(cg_poly_elements_read(fn, 1, 1, 1, connectivity.data(), offsets.data(), nullptr), CG_OK)
        << cg_get_error();
    EXPECT_EQ(connectivity, (std::vector<cgsize_t>{QUAD_4, 1, 2, 5, 4, TRI_3, 2, 3, 6, TRI_3, 2, 6, 5}));
    EXPECT_EQ(offsets, (std::vector<cgsize_t>{0, 5, 9, 13}));

    char iterName[33] = {};
    int steps = 0;
    ASSERT_EQ(cg_biter_read(fn, 1, iterName, &steps), CG_OK);
    EXPECT_STREQ(iterName, "BaseIterativeData");
    EXPECT_EQ(steps, 2);
    ASSERT_EQ(cg_ziter_read(fn, 1, 1, iterName), CG_OK);
    EXPECT_STREQ(iterName, "ZoneIterativeData");
    EXPECT_EQ(pointerNames(fn, "FlowSolutionPointers"),
              (std::vector<std::string>{FTRestartCGNS::elementSolutionName(0.5),
                                        FTRestartCGNS::elementSolutionName(12.25)}));
    EXPECT_EQ(pointerNames(fn, "FlowSolutionVertexPointers"),
              (std::vector<std::string>{FTRestartCGNS::nodeSolutionName(0.5),
                                        FTRestartCGNS::nodeSolutionName(12.25)}));
    cg_close(fn);
}

TEST(FTRestartCGNS, SameTimeWrittenTwiceIsStoredOnce) {
    TempDir dir;
    const SmallMesh mesh;
    const StoredState early(5.0, 1.0), late(60.0, 2.0), lateAgain(60.0, 3.0);
    const std::string path = dir.file("a_restart.cgns");
    FTRestartCGNS restart(path);
    restart.write(mesh.view(), early.view());
    restart.write(mesh.view(), late.view());
    restart.write(mesh.view(), lateAgain.view());
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{5.0, 60.0}));
    expectMatches(FTRestartCGNS::read(path, -1.0, mesh.counts()), lateAgain);
    expectMatches(FTRestartCGNS::read(path, 5.0, mesh.counts()), early);

    int fn = -1, nsols = 0;
    ASSERT_EQ(cg_open(path.c_str(), CG_MODE_READ, &fn), CG_OK);
    cg_nsols(fn, 1, 1, &nsols);
    EXPECT_EQ(nsols, 4);
    cg_close(fn);

    // A new writer for the same file starts it afresh.
    FTRestartCGNS fresh(path);
    fresh.write(mesh.view(), early.view());
    EXPECT_EQ(FTRestartCGNS::storedTimes(path), (std::vector<double>{5.0}));
}

TEST(FTRestartCGNS, ReadErrorsStopWithTheirMessages) {
    TempDir dir;
    const SmallMesh mesh;
    const StoredState a(0.0, 1.0), b(1800.5, 2.0), c(3600.0, 3.0);
    const std::string path = dir.file("r_restart.cgns");
    FTRestartCGNS restart(path);
    for (const StoredState* s : {&a, &b, &c}) restart.write(mesh.view(), s->view());

    EXPECT_EQ(fatalText([&] { FTRestartCGNS::read(path, 1800.0, mesh.counts()); }),
              "Parse error when trying to read the CGNS restart file:\n"
              "no flow solution could be found in restart-file for time: 1800. Valid times are:\n"
              "0\n1800.5\n3600\n");
    EXPECT_EQ(fatalText([&] { FTRestartCGNS::read(path, 3600.0011, mesh.counts()); }),
              "Parse error when trying to read the CGNS restart file:\n"
              "no flow solution could be found in restart-file for time: 3600.0011. Valid times are:\n"
              "0\n1800.5\n3600\n");

    // A file of another mesh.
    FTRestartCounts other = mesh.counts();
    other.elements = 4;
    EXPECT_EQ(fatalText([&] { FTRestartCGNS::read(path, -1.0, other); }),
              "Error: the restart file '" + path +
                  "' holds a mesh of 6 nodes and 3 elements,\n"
                  "but the mesh of this run has 6 nodes and 4 elements.\n"
                  "Please give the restart file of this mesh.");
    other = mesh.counts();
    other.edges = 9;
    EXPECT_EQ(fatalText([&] { FTRestartCGNS::read(path, -1.0, other); }),
              "Error: the restart file '" + path +
                  "' holds 8 edge fluxes,\n"
                  "but the mesh of this run has 9 edges.\n"
                  "Please give the restart file of this mesh.");

    // A field the file does not hold (e.g. morphology state for a pure hydraulic restart).
    const FTRestartData data = FTRestartCGNS::read(path, 0.0, mesh.counts());
    EXPECT_FALSE(data.hasNodeField("zfix"));
    EXPECT_EQ(fatalText([&] { data.nodeField("zfix"); }), "Not all needed data could be found in restart file.");
    EXPECT_EQ(fatalText([&] { data.elementField("WSE"); }), "Not all needed data could be found in restart file.");
}

TEST(FTRestartCGNS, UnreadableFileStopsWithTheLibraryText) {
    TempDir dir;
    const SmallMesh mesh;
    const std::string missing = dir.file("missing_restart.cgns");
    const std::string text = fatalText([&] { FTRestartCGNS::read(missing, -1.0, mesh.counts()); });
    // The library's own text, as it gives it for the same file.
    int fn = -1;
    ASSERT_NE(cg_open(missing.c_str(), CG_MODE_READ, &fn), CG_OK);
    const std::string libraryText = cg_get_error();
    EXPECT_FALSE(libraryText.empty());
    EXPECT_EQ(text, "failed to open file error: " + libraryText);

    const std::string garbage = dir.file("garbage_restart.cgns");
    std::ofstream(garbage) << "this is not a CGNS file\n";
    const std::string text2 = fatalText([&] { FTRestartCGNS::read(garbage, -1.0, mesh.counts()); });
    EXPECT_EQ(text2.rfind("failed to open file error: ", 0), 0u) << text2;
}

TEST(FTRestartCGNS, UncreatableFileStopsWithItsName) {
    TempDir dir;
    const SmallMesh mesh;
    const StoredState state(1.0, 1.0);
    const std::string path = dir.file("no/such/folder/x_restart.cgns");
    FTRestartCGNS restart(path);
    const std::string text = fatalText([&] { restart.write(mesh.view(), state.view()); });
    EXPECT_EQ(text.rfind("Error: the restart file '" + path + "' could not be opened for writing. error: ", 0), 0u)
        << text;
}

// Debian's checker must accept the file; without the tools the test is skipped.
TEST(FTRestartCGNS, AcceptedByCgnscheck) {
    const char* checker = "/usr/bin/cgnscheck";
    if (!fs::exists(checker)) GTEST_SKIP() << "cgnscheck is not installed (package cgns-convert)";
    TempDir dir;
    const SmallMesh mesh;
    const StoredState first(0.5, 2.0), second(12.25, 20.0);
    const std::string path = dir.file("check_restart.cgns");
    FTRestartCGNS restart(path);
    restart.write(mesh.view(), first.view());
    restart.write(mesh.view(), second.view());

    const std::string command = std::string(checker) + " -v '" + path + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::string output;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << output;
    EXPECT_EQ(output.find("ERROR"), std::string::npos) << output;
    EXPECT_EQ(output.find(" errors"), std::string::npos) << output;
    EXPECT_NE(output.find("checking complete"), std::string::npos) << output;
}
