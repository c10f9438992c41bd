#include <gtest/gtest.h>

#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPGridQualityCheck.h"
#include "unit/plane/mesh/MeshTestUtil.h"

using namespace FlumPlane;
using namespace MeshTest;

namespace {

// A unit square whose corner 4 is lifted by 5 m (a twisted quadrilateral, id 1)
// and a sliver triangle of area 0.01 glued to its right side (id 2).
Grid twistedSquareAndSliver()
{
    Grid g;
    g.addNode(1, 0.0, 0.0, 0.0);
    g.addNode(2, 1.0, 0.0, 0.0);
    g.addNode(3, 1.0, 1.0, 0.0);
    g.addNode(4, 0.0, 1.0, 5.0);
    g.addNode(5, 1.02, 0.5, 0.0);
    const int quad[] = {0, 1, 2, 3};
    const int tri[] = {1, 4, 2};
    g.addElement(1, quad, 1);
    g.addElement(2, tri, 1);
    g.buildEdges();
    return g;
}

}  // namespace

TEST(GridQuality, WarningsFlagElementsAndFillTheReport)
{
    const Grid g = twistedSquareAndSliver();
    EXPECT_NEAR(g.elemArea_[1], 0.01, 1e-15);
    const auto dir = freshDir("quality");
    GridQualityCheck check(g, GridQualityCheck::errFileOf((dir / "twist.2dm").string()));
    const GridCheckResult r = check.run();
    EXPECT_EQ(r.smallElements, std::vector<int>{1});
    EXPECT_EQ(r.thinElements, std::vector<int>{1});
    EXPECT_EQ(r.ambiguousElements, std::vector<int>{0});
    EXPECT_EQ(readFile(dir / "twist_Grid.err"),
              "Number of elements with too small area= 1\n"
              "Following elements have an area smaller than 5% of the average area of all elements!\n2\n\n"
              "Number of thin elements = 1\nFollowing elements are too thin! (Aspect ratio < 0.06)\n2\n\n"
              "Number of ambiguous quadrilateral elements = 1\n"
              "Following ambiguous quadrilateral elements have been found!\n"
              "(The normal vectors of the two triangles,\nwhich result from splitting the quadrilateral, \n"
              "have an angle of larger than 45 degrees)\n1\n\n");
}

TEST(GridQuality, ThresholdsComeFromTheCaller)
{
    const Grid g = twistedSquareAndSliver();
    const auto dir = freshDir("quality2");
    GridCheckThresholds loose;
    loose.minAreaRatio = 0.01;
    loose.minAspectRatio = 0.001;
    loose.maxAngleQuadrilateral = 85.0;
    const GridCheckResult r = GridQualityCheck(g, (dir / "x_Grid.err").string(), loose).run();
    EXPECT_TRUE(r.smallElements.empty());
    EXPECT_TRUE(r.thinElements.empty());
    EXPECT_TRUE(r.ambiguousElements.empty());
    EXPECT_FALSE(std::filesystem::exists(dir / "x_Grid.err"));
}

TEST(GridQuality, SplitAngleAndConcavity)
{
    const Grid g = twistedSquareAndSliver();
    // Normals (0,0,1) and (5,-5,1): acos(1/sqrt(51)).
    EXPECT_NEAR(GridQualityCheck::splitAngle(g, 0), 81.95053302447161, 1e-10);
    EXPECT_FALSE(GridQualityCheck::isConcave(g, 0));
    EXPECT_FALSE(GridQualityCheck::isConcave(g, 1));  // triangles never are

    Grid arrow;
    arrow.addNode(1, 0.0, 0.0, 0.0);
    arrow.addNode(2, 2.0, 0.0, 0.0);
    arrow.addNode(3, 0.5, 0.5, 0.0);
    arrow.addNode(4, 0.0, 2.0, 0.0);
    const int quad[] = {0, 1, 2, 3};
    arrow.addElement(1, quad, 1);
    EXPECT_TRUE(GridQualityCheck::isConcave(arrow, 0));
}
