#include <gtest/gtest.h>

#include <shapefil.h>

#include <cmath>
#include <filesystem>
#include <limits>
#include <set>

#include "ToolsTestSupport.h"
#include "tools/FTShapeWriter.h"

using namespace FLUMtools;

namespace {

struct DbfField {
    std::string name;
    DBFFieldType type;
    int width, decimals;
};

std::vector<DbfField> fieldsOf(DBFHandle dbf) {
    std::vector<DbfField> f;
    for (int i = 0; i < DBFGetFieldCount(dbf); ++i) {
        char name[12] = {};
        int w = 0, d = 0;
        const DBFFieldType t = DBFGetFieldInfo(dbf, i, name, &w, &d);
        f.push_back({name, t, w, d});
    }
    return f;
}

}  // namespace

TEST(ShapeWriter, NodePointsWithIdsAndOneColumnPerValueAndTime) {
    toolstest::TempDir dir;
    FTMesh2D mesh = toolstest::smallMesh();
    mesh.setNodeIds({1, 2, 3, 10, 12345});
    const std::vector<double> d1{0.1, 0.2, 0.3, 0.4, 0.5}, d2{-1.5, 2.25, 1e-9, 0.0, 99999.125};
    const std::vector<double> vel{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const std::string stem = dir.file("r_nds");
    {
        FTShapeWriter w(mesh, FTLocation::Node, stem);
        w.writeTime(0.0, {{"depth", 1, d1, {}}, {"velocity", 2, vel, {}}});
        w.writeTime(60.0, {{"depth", 1, d2, {}}, {"velocity", 2, vel, {}}});
    }
    SHPHandle shp = SHPOpen((stem + ".shp").c_str(), "rb");
    ASSERT_NE(shp, nullptr);
    int count = 0, type = 0;
    SHPGetInfo(shp, &count, &type, nullptr, nullptr);
    EXPECT_EQ(count, 5);
    EXPECT_EQ(type, SHPT_POINT);
    SHPObject* p = SHPReadObject(shp, 4);
    EXPECT_EQ(p->padfX[0], 2.0);
    EXPECT_EQ(p->padfY[0], 0.5);
    SHPDestroyObject(p);
    SHPClose(shp);

    DBFHandle dbf = DBFOpen((stem + ".dbf").c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_EQ(DBFGetRecordCount(dbf), 5);
    const auto f = fieldsOf(dbf);
    ASSERT_EQ(f.size(), 7u);
    EXPECT_EQ(f[0].name, "ext_id");
    EXPECT_EQ(f[0].type, FTInteger);
    const std::vector<std::string> names{"depth_1", "veloci_x_1", "veloci_y_1", "depth_2", "veloci_x_2", "veloci_y_2"};
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(f[i + 1].name, names[i]);
        EXPECT_EQ(f[i + 1].type, FTDouble);
    }
    EXPECT_EQ(DBFReadIntegerAttribute(dbf, 4, 0), 12345);
    EXPECT_EQ(DBFReadIntegerAttribute(dbf, 3, 0), 10);
    for (int i = 0; i < 5; ++i) {
        EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, i, 1), d1[static_cast<std::size_t>(i)]);
        EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, i, 4), d2[static_cast<std::size_t>(i)]);
        EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, i, 6), vel[2 * static_cast<std::size_t>(i) + 1]);
    }
    DBFClose(dbf);
    EXPECT_FALSE(std::filesystem::exists(stem + "_tmp.dbf"));
}

TEST(ShapeWriter, ElementPolygonsAreClosedClockwiseRings) {
    toolstest::TempDir dir;
    const FTMesh2D mesh = toolstest::smallMesh();
    const std::vector<double> tau{0.5, 1.5};
    FTShapeWriter w(mesh, FTLocation::Element, dir.file("r_els"));
    w.writeTime(1.0, {{"tau", 1, tau, {}}});
    SHPHandle shp = SHPOpen(dir.file("r_els.shp").c_str(), "rb");
    ASSERT_NE(shp, nullptr);
    int count = 0, type = 0;
    SHPGetInfo(shp, &count, &type, nullptr, nullptr);
    EXPECT_EQ(count, 2);
    EXPECT_EQ(type, SHPT_POLYGON);
    for (int e = 0; e < 2; ++e) {
        SHPObject* o = SHPReadObject(shp, e);
        const int n = o->nVertices;
        EXPECT_EQ(n, e == 0 ? 5 : 4);
        EXPECT_EQ(o->nParts, 1);
        EXPECT_EQ(o->padfX[0], o->padfX[n - 1]);
        EXPECT_EQ(o->padfY[0], o->padfY[n - 1]);
        double a = 0.0;
        for (int k = 0; k + 1 < n; ++k) a += o->padfX[k] * o->padfY[k + 1] - o->padfX[k + 1] * o->padfY[k];
        EXPECT_LT(a, 0.0) << "element " << e << " is not clockwise";
        EXPECT_DOUBLE_EQ(std::abs(a) / 2, e == 0 ? 1.0 : 0.5);
        SHPDestroyObject(o);
    }
    SHPClose(shp);
    DBFHandle dbf = DBFOpen(dir.file("r_els.dbf").c_str(), "rb");
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, 1, 1), 1.5);
    DBFClose(dbf);
}

TEST(ShapeWriter, NamesStayUniqueAndShortAndManyColumnsSplitIntoParts) {
    toolstest::TempDir dir;
    const FTMesh2D mesh = toolstest::smallMesh();
    const std::vector<double> a{1, 2}, b{3, 4};
    FTShapeWriter w(mesh, FTLocation::Element, dir.file("s_els"));
    // 130 outputs of two values whose names agree in their first characters: 260 columns.
    for (int t = 0; t < 130; ++t) w.writeTime(t, {{"susp_grain_pickup", 1, a, {}}, {"susp_grain_deposition", 1, b, {}}});
    ASSERT_EQ(w.partStems().size(), 2u);
    EXPECT_EQ(w.partStems()[1], dir.file("s_els_part2"));
    std::set<std::string> seen;
    int columns = 0;
    for (const std::string& stem : w.partStems()) {
        DBFHandle dbf = DBFOpen((stem + ".dbf").c_str(), "rb");
        ASSERT_NE(dbf, nullptr) << stem;
        const auto f = fieldsOf(dbf);
        EXPECT_LE(f.size(), 255u);
        EXPECT_EQ(f[0].name, "ext_id");
        for (std::size_t i = 1; i < f.size(); ++i) {
            EXPECT_LE(f[i].name.size(), 10u);
            EXPECT_TRUE(seen.insert(f[i].name).second) << "duplicate " << f[i].name;
            const double expected = (columns % 2 == 0) ? 2.0 : 4.0;
            EXPECT_EQ(DBFReadDoubleAttribute(dbf, 1, static_cast<int>(i)), expected) << f[i].name;
            ++columns;
        }
        DBFClose(dbf);
        EXPECT_TRUE(std::filesystem::exists(stem + ".shp"));
    }
    EXPECT_EQ(columns, 260);
    EXPECT_TRUE(seen.count("susp_gra_1"));
    EXPECT_TRUE(seen.count("v2_1"));
}

TEST(ShapeWriter, LargeAndNonFiniteValuesFitTheFieldOrStayEmpty) {
    EXPECT_EQ(FTShapeWriter::decimalsFor({0.5, -0.25}), 15);
    EXPECT_EQ(FTShapeWriter::decimalsFor({-12345678.9}), 13);  // sign, 8 digits, point, one spare digit
    EXPECT_EQ(FTShapeWriter::decimalsFor({1e21}), -1);

    toolstest::TempDir dir;
    const FTMesh2D mesh = toolstest::smallMesh();
    const std::vector<double> big{-98765432.123456789, 5.0}, huge{1.0e20, 1e22};
    const std::vector<double> bad{std::numeric_limits<double>::quiet_NaN(), 2.0};
    FTShapeWriter w(mesh, FTLocation::Element, dir.file("b_els"));
    w.writeTime(0.0, {{"integral", 1, big, {}}, {"huge", 1, huge, {}}, {"bad", 1, bad, {}}});
    DBFHandle dbf = DBFOpen(dir.file("b_els.dbf").c_str(), "rb");
    ASSERT_NE(dbf, nullptr);
    EXPECT_NEAR(DBFReadDoubleAttribute(dbf, 0, 1), -98765432.123456789, 1e-6);
    EXPECT_EQ(DBFReadDoubleAttribute(dbf, 1, 1), 5.0);
    EXPECT_DOUBLE_EQ(DBFReadDoubleAttribute(dbf, 0, 2), 1.0e20);
    EXPECT_TRUE(DBFIsAttributeNULL(dbf, 1, 2));  // no room for 22 digits
    EXPECT_TRUE(DBFIsAttributeNULL(dbf, 0, 3));
    EXPECT_EQ(DBFReadDoubleAttribute(dbf, 1, 3), 2.0);
    DBFClose(dbf);
}
