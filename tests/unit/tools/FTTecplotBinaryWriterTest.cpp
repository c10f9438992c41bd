#include <gtest/gtest.h>

#include <filesystem>

#include "PltReader.h"
#include "ToolsTestSupport.h"
#include "tools/FTTecplotBinaryWriter.h"

using namespace FLUMtools;

namespace {

// Two output times of node values: the second zone reuses X, Y and the node map of the first.
void writeTwoTimes(FTTecplotBinaryWriter& w, const std::string& file, bool isDouble) {
    const FTMesh2D mesh = toolstest::smallMesh();
    ASSERT_EQ(w.init("FLUMARIS Output", "X Y Z depth ", file, FTTecplotFileType::Full, isDouble), 0);
    const std::vector<double> depth1{0.1, 0.2, 0.3, 0.4, 0.5}, depth2{1.5, 0.0, -0.25, 2.0, 1.0 / 3.0};
    FTTecplotZone z;
    z.title = "t = 0";
    z.numNodes = 5;
    z.numElements = 2;
    z.solutionTime = 0.0;
    z.strandId = 1;
    ASSERT_EQ(w.zone(z), 0);
    for (const auto* v : {&mesh.x(), &mesh.y(), &mesh.z(), &depth1}) ASSERT_EQ(w.data(*v), 0);
    const auto map = mesh.quadNodeMap(true);
    ASSERT_EQ(w.nodeMap(map), 0);
    z.title = "t = 60";
    z.solutionTime = 60.0;
    z.shareVarFromZone = {1, 1, 0, 0};
    z.shareConnectivityFromZone = 1;
    ASSERT_EQ(w.zone(z), 0);
    ASSERT_EQ(w.data(mesh.z()), 0);
    // Values may arrive in pieces.
    ASSERT_EQ(w.data(std::span<const double>(depth2).first(2)), 0);
    ASSERT_EQ(w.data(std::span<const double>(depth2).subspan(2)), 0);
    ASSERT_EQ(w.end(), 0) << w.lastError();
}

}  // namespace

TEST(TecplotBinaryWriter, TimeZonesShareCoordinatesAndConnectivity) {
    toolstest::TempDir dir;
    const std::string file = dir.file("run_tecplot.plt");
    FTTecplotBinaryWriter w;
    writeTwoTimes(w, file, true);
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));

    const plt::File f = plt::read(file);
    EXPECT_TRUE(f.auxiliary.empty());  // no filler left at the end
    EXPECT_EQ(f.title, "FLUMARIS Output");
    EXPECT_EQ(f.fileType, 0);
    EXPECT_EQ(f.variables, (std::vector<std::string>{"X", "Y", "Z", "depth"}));
    ASSERT_EQ(f.zones.size(), 2u);
    const plt::Zone& z0 = f.zones[0];
    const plt::Zone& z1 = f.zones[1];
    EXPECT_EQ(z0.title, "t = 0");
    EXPECT_EQ(z1.title, "t = 60");
    EXPECT_EQ(z0.zoneType, 3);
    EXPECT_EQ(z0.parentZone, -1);
    EXPECT_EQ(z0.strandId, 0);  // strand 1 is stored zero-based
    EXPECT_EQ(z1.solutionTime, 60.0);
    EXPECT_EQ(z0.numNodes, 5);
    EXPECT_EQ(z0.numElements, 2);
    EXPECT_EQ(z0.formats, (std::vector<std::int32_t>{2, 2, 2, 2}));
    EXPECT_EQ(z1.shareVar, (std::vector<std::int32_t>{0, 0, -1, -1}));
    EXPECT_EQ(z1.shareConnectivity, 0);
    EXPECT_TRUE(z1.values[0].empty());
    EXPECT_EQ(f.values(1, 0), (std::vector<double>{0.0, 1.0, 1.0, 0.0, 2.0}));
    EXPECT_EQ(f.values(1, 2), (std::vector<double>{10, 11, 12, 13, 14}));
    EXPECT_EQ(f.values(1, 3), (std::vector<double>{1.5, 0.0, -0.25, 2.0, 1.0 / 3.0}));
    EXPECT_EQ(z1.minValue[3], -0.25);
    EXPECT_EQ(z1.maxValue[3], 2.0);
    // Zero-based in the file; the triangle repeats its last node.
    EXPECT_EQ(f.nodeMap(1), (std::vector<std::int32_t>{0, 1, 2, 3, 1, 4, 2, 2}));
}

TEST(TecplotBinaryWriter, CellCentredValuesAndSinglePrecision) {
    toolstest::TempDir dir;
    const std::string file = dir.file("els.plt");
    FTTecplotBinaryWriter w;
    ASSERT_EQ(w.init("T", "X,Y,Z,tau", file, FTTecplotFileType::Full, false), 0);
    FTTecplotZone z;
    z.title = "12.5";
    z.numNodes = 5;
    z.numElements = 2;
    z.solutionTime = 12.5;
    z.locations = {FTLocation::Node, FTLocation::Node, FTLocation::Node, FTLocation::Element};
    ASSERT_EQ(w.zone(z), 0);
    const std::vector<double> nodes{0, 1, 2, 3, 4}, tau{0.1, 7.25};
    for (int k = 0; k < 3; ++k) ASSERT_EQ(w.data(nodes), 0);
    ASSERT_EQ(w.data(tau), 0);
    const std::vector<std::int32_t> map{1, 2, 3, 4, 2, 5, 3, 3};
    ASSERT_EQ(w.nodeMap(map), 0);
    ASSERT_EQ(w.end(), 0);

    const plt::File f = plt::read(file);
    ASSERT_EQ(f.zones.size(), 1u);
    EXPECT_EQ(f.zones[0].strandId, -1);  // static zone
    EXPECT_EQ(f.zones[0].locations, (std::vector<std::int32_t>{0, 0, 0, 1}));
    EXPECT_EQ(f.zones[0].formats, (std::vector<std::int32_t>{1, 1, 1, 1}));
    ASSERT_EQ(f.zones[0].values[3].size(), 2u);
    EXPECT_EQ(f.zones[0].values[3][0], static_cast<double>(0.1f));
    EXPECT_EQ(f.zones[0].maxValue[3], 7.25);
}

TEST(TecplotBinaryWriter, WrongCallSequencesFailWithoutWritingGarbage) {
    toolstest::TempDir dir;
    FTTecplotBinaryWriter w;
    const std::vector<double> five(5, 1.0);
    EXPECT_EQ(w.data(five), -1);
    EXPECT_EQ(w.init("T", "X Y", dir.file("no/such/dir/a.plt")), -1);
    EXPECT_NE(w.lastError().find("a.plt"), std::string::npos);

    ASSERT_EQ(w.init("T", "X Y", dir.file("a.plt")), 0);
    FTTecplotZone z;
    z.title = "z";
    z.numNodes = 5;
    z.numElements = 2;
    z.shareVarFromZone = {1, 0};
    EXPECT_EQ(w.zone(z), -1);  // no zone 1 yet
    z.shareVarFromZone.clear();
    ASSERT_EQ(w.zone(z), 0);
    EXPECT_EQ(w.zone(z), -1);  // previous zone still waits for its values
    ASSERT_EQ(w.data(five), 0);
    const std::vector<std::int32_t> early{1, 2, 3, 4};
    EXPECT_EQ(w.nodeMap(early), -1);  // Y is still missing
    ASSERT_EQ(w.data(five), 0);
    EXPECT_EQ(w.data(five), -1);  // more values than the zone holds
    const std::vector<std::int32_t> bad{1, 2, 3, 6};
    EXPECT_EQ(w.nodeMap(bad), -1);
    EXPECT_NE(w.lastError().find("6"), std::string::npos);
    EXPECT_EQ(w.end(), -1);  // node map incomplete
    EXPECT_NE(w.lastError().find("'z' is incomplete"), std::string::npos);
    EXPECT_FALSE(w.isOpen());

    // A zone of another size cannot reuse the node map of zone 1.
    ASSERT_EQ(w.init("T", "X", dir.file("b.plt")), 0);
    z.shareVarFromZone.clear();
    ASSERT_EQ(w.zone(z), 0);
    ASSERT_EQ(w.data(five), 0);
    const std::vector<std::int32_t> map{1, 2, 3, 4, 2, 5, 3, 3};
    ASSERT_EQ(w.nodeMap(map), 0);
    z.numNodes = 6;
    z.shareConnectivityFromZone = 1;
    EXPECT_EQ(w.zone(z), -1);
    EXPECT_EQ(w.end(), 0);
    EXPECT_EQ(plt::read(dir.file("b.plt")).zones.size(), 1u);
}

TEST(TecplotBinaryWriter, FileIsReadableAfterEveryCompletedZone) {
    toolstest::TempDir dir;
    const std::string file = dir.file("long.plt");
    const std::vector<double> values{1, 2, 3, 4, 5};
    const std::vector<std::int32_t> map{1, 2, 3, 4, 2, 5, 3, 3};
    FTTecplotBinaryWriter w;
    ASSERT_EQ(w.init("T", "X Y Z h", file), 0);
    // Long zone titles use up the reserved header room several times over.
    for (int k = 0; k < 60; ++k) {
        FTTecplotZone z;
        z.title = "output at t = " + std::to_string(k) + std::string(40, '.');
        z.numNodes = 5;
        z.numElements = 2;
        z.solutionTime = k;
        z.strandId = 1;
        if (k > 0) {
            z.shareVarFromZone = {1, 1, 1, 0};
            z.shareConnectivityFromZone = 1;
        }
        ASSERT_EQ(w.zone(z), 0);
        const std::vector<double> h(5, 0.5 * k);
        if (k == 0) {
            for (int v = 0; v < 3; ++v) ASSERT_EQ(w.data(values), 0);
        }
        ASSERT_EQ(w.data(h), 0);
        if (k == 0) {
            ASSERT_EQ(w.nodeMap(map), 0);
        }
        // What a run stopped here would leave behind.
        const plt::File f = plt::read(file);
        ASSERT_EQ(f.zones.size(), static_cast<std::size_t>(k + 1));
        EXPECT_EQ(f.values(static_cast<std::size_t>(k), 3), h);
        EXPECT_EQ(f.zones.back().solutionTime, k);
        ASSERT_EQ(f.auxiliary.size(), 1u);
        EXPECT_EQ(f.auxiliary[0].first, "Reserved");
    }
    // A zone that never got its values is left out at the end.
    FTTecplotZone last;
    last.title = "cut short";
    last.numNodes = 5;
    last.numElements = 2;
    last.shareConnectivityFromZone = 1;
    ASSERT_EQ(w.zone(last), 0);
    EXPECT_EQ(w.end(), -1);
    const plt::File f = plt::read(file);
    EXPECT_EQ(f.zones.size(), 60u);
    EXPECT_TRUE(f.auxiliary.empty());
    EXPECT_EQ(f.values(59, 3), std::vector<double>(5, 29.5));
    EXPECT_EQ(f.nodeMap(59), (std::vector<std::int32_t>{0, 1, 2, 3, 1, 4, 2, 2}));
}

TEST(TecplotBinaryWriter, MatchesGoldenFileByteForByte) {
    toolstest::TempDir dir;
    const std::string file = dir.file("tools_small.plt");
    FTTecplotBinaryWriter w;
    writeTwoTimes(w, file, true);
    const std::string golden = std::string(FLUM_GOLDEN_DIR) + "/tools_small.plt";
    if (std::getenv("FLUM_UPDATE_GOLDEN")) std::filesystem::copy_file(file, golden, std::filesystem::copy_options::overwrite_existing);
    const std::string expected = toolstest::readText(golden);
    const std::string actual = toolstest::readText(file);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) ASSERT_EQ(actual[i], expected[i]) << "first difference at byte " << i;
}
