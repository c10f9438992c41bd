#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>
#include <vector>

#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPInputSMS.h"
#include "plane/mesh/FPMovingBed.h"
#include "unit/plane/mesh/MeshTestUtil.h"

using namespace FlumPlane;
using namespace MeshTest;

namespace {

// Four elements: a unit square (id 1) with triangles 2 and 3 to its right and 4
// on top; node ids 10..80 with gaps. Node indices follow file order:
// 10->0 (0,0,0), 20->1 (1,0,0), 30->2 (2,0,1), 40->3 (0,1,0), 50->4 (1,1,0),
// 70->5 (2,1,1), 80->6 (1,2,2).
class HandMesh : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = freshDir("hand");
        mesh_ = (dir_ / "hand.2dm").string();
        std::filesystem::copy_file(std::string(FLUM_TEST_DATA) + "/plane/mesh_small.2dm", mesh_);
        InputSMS().read(mesh_, grid_);
    }
    // Edge joining two file node ids.
    int edge(int idA, int idB) const { return grid_.findEdge(grid_.nodeIndexOfId(idA), grid_.nodeIndexOfId(idB)); }

    std::filesystem::path dir_;
    std::string mesh_;
    Grid grid_;
};

}  // namespace

TEST_F(HandMesh, CountsIdsAndMaterials)
{
    ASSERT_EQ(grid_.numNodes(), 7);
    ASSERT_EQ(grid_.numElements(), 4);  // the E6T card is not an element
    ASSERT_EQ(grid_.numEdges(), 10);
    EXPECT_EQ(grid_.nodeIndexOfId(70), 5);
    EXPECT_EQ(grid_.nodeIndexOfId(60), Grid::kNone);
    EXPECT_EQ(grid_.elementIndexOfId(4), 3);
    EXPECT_EQ(grid_.elemMaterial_, (std::vector<int>{1, 2, 2, 3}));  // 2.7 truncates to 2
    EXPECT_EQ(grid_.elemNumNodes(0), 4);
    EXPECT_EQ(grid_.elemNode(1, 3), Grid::kNone);
    EXPECT_EQ(grid_.boundaryEdges_.size(), 7u);
    EXPECT_EQ(grid_.interiorEdges_.size(), 3u);
    EXPECT_EQ(fatalText([&] { grid_.elementIndexOfId(99); }),
              "Element 99 does not exist! Check your input file! There are currently 4 elements.");
}

TEST_F(HandMesh, ElementGeometry)
{
    EXPECT_DOUBLE_EQ(grid_.elemArea_[0], 1.0);
    for (int k = 0; k < 4; ++k) EXPECT_DOUBLE_EQ(grid_.elemPartialArea_[k], 0.25);
    EXPECT_DOUBLE_EQ(grid_.elemArea_[1], 0.5);
    EXPECT_DOUBLE_EQ(grid_.elemInvArea_[1], 2.0);
    EXPECT_DOUBLE_EQ(grid_.totalArea(), 2.5);
    EXPECT_DOUBLE_EQ(grid_.elemCx_[1], 5.0 / 3.0);
    EXPECT_DOUBLE_EQ(grid_.elemCy_[1], 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(grid_.elemZb_[1], 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(grid_.elemCx_[0], 0.5);
    // Right isosceles triangle with legs 1: r = 1/(2 + sqrt 2), R = sqrt(2)/2.
    EXPECT_NEAR(grid_.elemInradius_[1], 1.0 / (2.0 + std::sqrt(2.0)), 1e-15);
    EXPECT_NEAR(grid_.elemCircumradius_[1], std::sqrt(0.5), 1e-15);
    // Square: the quadrilateral area over the perimeter of its first three nodes.
    EXPECT_NEAR(grid_.elemInradius_[0], 2.0 / (2.0 + std::sqrt(2.0)), 1e-15);
}

TEST_F(HandMesh, EdgesLeftRightAndNormals)
{
    // Interior edge 20-50: left is the square (it runs 20 -> 50), right triangle 3.
    const int a = edge(20, 50);
    EXPECT_EQ(grid_.nodeId_[grid_.edgeNode1_[a]], 20);
    EXPECT_EQ(grid_.nodeId_[grid_.edgeNode2_[a]], 50);
    EXPECT_EQ(grid_.edgeLeft_[a], 0);
    EXPECT_EQ(grid_.edgeRight_[a], 2);
    EXPECT_DOUBLE_EQ(grid_.edgeLength_[a], 1.0);
    EXPECT_DOUBLE_EQ(grid_.edgeNx_[a], 1.0);
    EXPECT_DOUBLE_EQ(grid_.edgeNy_[a], 0.0);
    EXPECT_EQ(grid_.edgeType_[a], EdgeInterior);

    // Diagonal 20-70: triangle 2 comes first and runs it 70 -> 20.
    const int d = edge(20, 70);
    EXPECT_EQ(grid_.nodeId_[grid_.edgeNode1_[d]], 70);
    EXPECT_EQ(grid_.nodeId_[grid_.edgeNode2_[d]], 20);
    EXPECT_EQ(grid_.edgeLeft_[d], 1);
    EXPECT_EQ(grid_.edgeRight_[d], 2);
    EXPECT_DOUBLE_EQ(grid_.edgeLength_[d], std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(grid_.edgeDy_[d], -1.0);
    EXPECT_DOUBLE_EQ(grid_.edgeDx_[d], -1.0);
    EXPECT_DOUBLE_EQ(grid_.edgeNx_[d], -std::sqrt(0.5));
    EXPECT_DOUBLE_EQ(grid_.edgeNy_[d], std::sqrt(0.5));
    EXPECT_DOUBLE_EQ(grid_.edgeZmin_[d], 0.0);
    EXPECT_DOUBLE_EQ(grid_.edgeZmean_[d], 0.5);

    // Top of the square, shared with triangle 4: normal points up.
    const int t = edge(40, 50);
    EXPECT_EQ(grid_.edgeLeft_[t], 0);
    EXPECT_EQ(grid_.edgeRight_[t], 3);
    EXPECT_DOUBLE_EQ(grid_.edgeNx_[t], 0.0);
    EXPECT_DOUBLE_EQ(grid_.edgeNy_[t], 1.0);

    // Mesh boundary 50-80: only a left element, outward normal +x.
    const int b = edge(50, 80);
    EXPECT_EQ(grid_.edgeLeft_[b], 3);
    EXPECT_EQ(grid_.edgeRight_[b], Grid::kNone);
    EXPECT_EQ(grid_.edgeType_[b], EdgeWall);
    EXPECT_DOUBLE_EQ(grid_.edgeNx_[b], 1.0);
    EXPECT_DOUBLE_EQ(grid_.edgeZmin_[b], 0.0);
    EXPECT_DOUBLE_EQ(grid_.edgeZmean_[b], 1.0);

    // Every normal leaves its left element: it points from the left centre to the edge.
    for (int i = 0; i < grid_.numEdges(); ++i) {
        const int l = grid_.edgeLeft_[i];
        const double mx = 0.5 * (grid_.nodeX_[grid_.edgeNode1_[i]] + grid_.nodeX_[grid_.edgeNode2_[i]]);
        const double my = 0.5 * (grid_.nodeY_[grid_.edgeNode1_[i]] + grid_.nodeY_[grid_.edgeNode2_[i]]);
        EXPECT_GT((mx - grid_.elemCx_[l]) * grid_.edgeNx_[i] + (my - grid_.elemCy_[l]) * grid_.edgeNy_[i], 0.0);
    }
}

TEST_F(HandMesh, ElementEdgeOrderSignsAndNeighbours)
{
    // Triangle 3 (20, 70, 50): right of 20-70 and of 50-20, left of 70-50.
    const int e = 2;
    EXPECT_EQ(grid_.elemEdge(e, 0), edge(20, 70));
    EXPECT_EQ(grid_.elemEdge(e, 1), edge(70, 50));
    EXPECT_EQ(grid_.elemEdge(e, 2), edge(50, 20));
    EXPECT_EQ(grid_.elemEdgeSign_[4 * e + 0], -1.0);
    EXPECT_EQ(grid_.elemEdgeSign_[4 * e + 1], 1.0);
    EXPECT_EQ(grid_.elemEdgeSign_[4 * e + 2], -1.0);
    EXPECT_EQ(grid_.elemNeighbour(e, 0), 1);
    EXPECT_EQ(grid_.elemNeighbour(e, 1), Grid::kNone);
    EXPECT_EQ(grid_.elemNeighbour(e, 2), 0);
    // The square: 10-20 boundary, 20-50 to triangle 3, 50-40 to triangle 4, 40-10 boundary.
    EXPECT_EQ(grid_.elemNeighbour(0, 0), Grid::kNone);
    EXPECT_EQ(grid_.elemNeighbour(0, 1), 2);
    EXPECT_EQ(grid_.elemNeighbour(0, 2), 3);
    EXPECT_EQ(grid_.elemNeighbour(0, 3), Grid::kNone);
    // A closed element has no net outward normal: sum of sign * L * n is zero.
    for (int el = 0; el < grid_.numElements(); ++el) {
        double sx = 0.0, sy = 0.0;
        for (int k = 0; k < grid_.elemNumNodes(el); ++k) {
            const int i = grid_.elemEdge(el, k);
            sx += grid_.elemEdgeSign_[4 * el + k] * grid_.edgeLength_[i] * grid_.edgeNx_[i];
            sy += grid_.elemEdgeSign_[4 * el + k] * grid_.edgeLength_[i] * grid_.edgeNy_[i];
        }
        EXPECT_NEAR(sx, 0.0, 1e-14);
        EXPECT_NEAR(sy, 0.0, 1e-14);
    }
}

TEST_F(HandMesh, NodeElevationUpdateReachesEdgesAndElements)
{
    const int n = grid_.nodeIndexOfId(70);
    const std::vector<int> nodes{n};
    const std::vector<double> z{4.0};
    grid_.updateNodeElevations(nodes, z);
    EXPECT_DOUBLE_EQ(grid_.elemZb_[1], 5.0 / 3.0);  // (0 + 1 + 4) / 3
    EXPECT_DOUBLE_EQ(grid_.elemZb_[2], 4.0 / 3.0);
    EXPECT_DOUBLE_EQ(grid_.elemZb_[0], 0.0);
    EXPECT_DOUBLE_EQ(grid_.edgeZmean_[edge(30, 70)], 2.5);
    EXPECT_DOUBLE_EQ(grid_.edgeZmin_[edge(30, 70)], 1.0);
    EXPECT_DOUBLE_EQ(grid_.edgeZmean_[edge(50, 70)], 2.0);
}

TEST_F(HandMesh, EdgeFileReadBack)
{
    std::istringstream in(readFile(dir_ / "hand.edg"));
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, " Edge Computation ");
    std::getline(in, line);
    EXPECT_EQ(line, " ----------------  ");
    std::getline(in, line);
    EXPECT_EQ(line, " Total Number of Edges in Domain = 10");
    std::getline(in, line);
    std::getline(in, line);
    std::istringstream head(line);
    std::vector<std::string> words{std::istream_iterator<std::string>(head), {}};
    EXPECT_EQ(words, (std::vector<std::string>{"Edge", "Node1", "Node2", "Elem_L", "Elem_R", "Type"}));
    std::getline(in, line);
    EXPECT_EQ(line.find_first_not_of('-'), std::string::npos);
    int rows = 0, nulls = 0;
    while (std::getline(in, line)) {
        std::istringstream r(line);
        int number, n1, n2, left, type;
        std::string right;
        ASSERT_TRUE(r >> number >> n1 >> n2 >> left >> right >> type) << line;
        const int i = number - 1;
        EXPECT_EQ(n1, grid_.nodeId_[grid_.edgeNode1_[i]]);
        EXPECT_EQ(n2, grid_.nodeId_[grid_.edgeNode2_[i]]);
        EXPECT_EQ(left, grid_.elemId_[grid_.edgeLeft_[i]]);
        if (right == "NULL") {
            ++nulls;
            EXPECT_EQ(grid_.edgeRight_[i], Grid::kNone);
            EXPECT_EQ(type, EdgeWall);
        } else {
            EXPECT_EQ(std::stoi(right), grid_.elemId_[grid_.edgeRight_[i]]);
            EXPECT_EQ(type, EdgeInterior);
        }
        ++rows;
    }
    EXPECT_EQ(rows, 10);
    EXPECT_EQ(nulls, 7);
    // The first edge (10-20) is the bottom of the square.
    EXPECT_EQ(grid_.nodeId_[grid_.edgeNode1_[0]], 10);
    EXPECT_EQ(grid_.edgeRight_[0], Grid::kNone);
}

TEST_F(HandMesh, CleanMeshWritesNoReport)
{
    EXPECT_FALSE(std::filesystem::exists(dir_ / "hand_Grid.err"));
}

// ---- faults in the mesh file ----

namespace {

const char* kSquareNodes = "ND 1 0 0 0\nND 2 1 0 0\nND 3 1 1 0\nND 4 0 1 0\n";

std::string readError(const std::string& tag, const std::string& text, std::filesystem::path* dirOut = nullptr)
{
    auto dir = freshDir(tag);
    if (dirOut) *dirOut = dir;
    const std::string file = writeFile(dir / (tag + ".2dm"), text);
    Grid grid;
    return fatalText([&] { InputSMS().read(file, grid); });
}

}  // namespace

// Each kind of broken element gets its own message with the element and its nodes.
TEST(InputSMSFaults, DegenerateElements)
{
    EXPECT_EQ(readError("degtri", "ND 1 0 0 0\nND 2 1 1 0\nND 3 2 2 0\nE3T 5 1 2 3 1\n"),
              "Element #5 has zero area: its nodes 1, 2 and 3 lie on one line!\n"
              "Check the node coordinates and the element node definition sequence.");
    EXPECT_EQ(readError("degquad", std::string(kSquareNodes) + "E4Q 6 1 2 2 3 1\n"),
              "Element #6 lists node 2 more than once!\nEvery corner of an element must be a different node. "
              "Check the element node definition sequence.");
    EXPECT_EQ(readError("samepos", std::string(kSquareNodes) + "ND 5 1 1 3\nE4Q 7 1 2 5 3 1\n"),
              "Element #7 has the nodes 5 and 3 at the same position (x = 1, y = 1)!\n"
              "Every corner of an element must lie elsewhere. Check the node coordinates.");
    // A crossed ring whose centre lies on its side 1-2.
    EXPECT_EQ(readError("flatquad", "ND 1 0 0 0\nND 2 2 0 0\nND 3 1 1 0\nND 4 1 -1 0\nE4Q 8 1 2 3 4 1\n"),
              "Element #8 is degenerate: its nodes 1 and 2 lie on one line with the centre of the element!\n"
              "Check the node coordinates and the element node definition sequence.");
    const std::string unmeasurable = " cannot be measured: the coordinates of its nodes give an area or a side "
                                     "beyond the range of numbers (too large or too small)!\nCheck the node "
                                     "coordinates in the grid file.";
    EXPECT_EQ(readError("huge", "ND 1 0 0 0\nND 2 1e200 0 0\nND 3 0 1e200 0\nE3T 4 1 2 3 1\n"),
              "Element #4" + unmeasurable);
    EXPECT_EQ(readError("long", "ND 1 0 0 0\nND 2 1e300 1 0\nND 3 0 1 0\nE3T 5 1 2 3 1\n"), "Element #5" + unmeasurable);
    EXPECT_EQ(readError("tiny", "ND 1 0 0 0\nND 2 1e-160 0 0\nND 3 0 1e-160 0\nE3T 6 1 2 3 1\n"),
              "Element #6" + unmeasurable);
}

// Grids built without the reader (generators, tests) get the same protection.
TEST(InputSMSFaults, GridRejectsNodesThatAreNotFinite)
{
    Grid grid;
    grid.addNode(1, 0.0, 0.0, 0.0);
    grid.addNode(2, 1.0, 0.0, std::nan(""));
    grid.addNode(3, 0.0, 1.0, 0.0);
    const int nodes[3] = {0, 1, 2};
    EXPECT_EQ(fatalText([&] { grid.addElement(4, nodes, 1); }),
              "Element #4 uses node 2, whose coordinates are not all finite numbers (x = 1, y = 0, z = nan)!\n"
              "Check the card of node 2 in the grid file.");
}

TEST(InputSMSFaults, UnknownNodeAndBadCards)
{
    // The message with the file's path replaced by "F".
    const auto read = [](const std::string& tag, const std::string& text) {
        const std::string file = writeFile(freshDir(tag) / "x.2dm", text);
        Grid grid;
        std::string m = fatalText([&] { InputSMS().read(file, grid); });
        const std::size_t at = m.find(file);
        return at == std::string::npos ? m : m.substr(0, at) + "F" + m.substr(at + file.size());
    };
    EXPECT_EQ(read("unknown", std::string(kSquareNodes) + "E4Q 1 1 2 3 9 1\n"),
              "Error occured reading the elements from the grid file!\nIn file 'F', line 5: element #1 refers to "
              "node 9, which no ND card defines.");
    EXPECT_EQ(read("missing", std::string(kSquareNodes) + "E4Q 1 1 2 3 4 1\nE3T 2 1 2\n"),
              "Error occured reading the elements from the grid file!\nThe card 'E3T 2 1 2' in file 'F', line 6 is "
              "not of the form 'E3T id n1 n2 n3 material'.");
    EXPECT_EQ(read("material", std::string(kSquareNodes) + "E4Q 3 1 2 3 4 nan\n"),
              "Error occured reading the elements from the grid file!\nIn file 'F', line 5: element #3 has the "
              "material nan, which is no material index.");
    EXPECT_EQ(read("badnode", "ND 1 0 zero 0\nE3T 1 1 1 1 1\n"),
              "Error occured reading the nodes from the grid file!\nThe card 'ND 1 0 zero 0' in file 'F', line 1 is "
              "not of the form 'ND id x y z'.");
    EXPECT_EQ(read("twice", "MESH2D\nND 1 0 0 0\nND 1 1 0 0\nE3T 1 1 1 1 1\n"),
              "The node id 1 is used twice in the grid file!\nEvery node needs its own id. See the card 'ND 1 1 0 0' "
              "in file 'F', line 3.");
    Grid grid;
    EXPECT_EQ(fatalText([&] { InputSMS().read("/nonexistent/dir/none.2dm", grid); }),
              "Error: The grid file '/nonexistent/dir/none.2dm' could not be opened.\nPlease check the file name in "
              "the GEOMETRY block.");
}

// Numbers that are no coordinates, files that are no meshes: stopped before
// anything is built, with the file and the line.
TEST(InputSMSFaults, NonFiniteNumbersEmptyAndBinaryFiles)
{
    const std::string path = "case/mesh.2dm";
    const auto parse = [&](const std::string& text) {
        Grid grid;
        return fatalText([&] { InputSMS::parse(text, path, grid); });
    };
    const auto nonFinite = [](const std::string& values) {
        return "Error in the grid file 'case/mesh.2dm' at line 2: node 2 has a coordinate or elevation that is not "
               "a finite number (" + values + ").\nPlease correct the ND card.";
    };
    const std::string rest = "\nND 3 1 1 0\nE3T 1 1 2 3 1\n";
    EXPECT_EQ(parse("ND 1 0 0 0\nND 2 1 0 NaN" + rest), nonFinite("x = 1, y = 0, z = nan"));
    EXPECT_EQ(parse("ND 1 0 0 0\nND 2 -inf 0 0" + rest), nonFinite("x = -inf, y = 0, z = 0"));
    EXPECT_EQ(parse("ND 1 0 0 0\nND 2 1 1e999 0" + rest), nonFinite("x = 1, y = inf, z = 0"));
    const std::string empty = "Error: The grid file 'case/mesh.2dm' holds no elements (no E3T or E4Q cards; ";
    const std::string emptyTail = ").\nIt is empty or not a 2dm mesh. Please give the 2dm mesh in the GEOMETRY block.";
    EXPECT_EQ(parse(""), empty + "0 ND cards" + emptyTail);
    EXPECT_EQ(parse("MESH2D\nND 1 0 0 0\nND 2 1 0 0\n"), empty + "2 ND cards" + emptyTail);
    EXPECT_EQ(parse("// t Q\n0 10\n3600 20\n"), empty + "0 ND cards" + emptyTail);  // a series given as the mesh
    EXPECT_EQ(parse(std::string("MESH2D\nND 1 0 0 0\n\x89PNG\r\n\x1a\n\0\0", 25)),
              "Error: The grid file 'case/mesh.2dm' is not a 2dm mesh: line 4 holds binary data.\nPlease give the 2dm "
              "mesh (a text file of ND, E3T and E4Q cards) in the GEOMETRY block.");
}

TEST(InputSMSFaults, ClockwiseElementIsNamed)
{
    EXPECT_EQ(readError("cw", std::string(kSquareNodes) + "E3T 1 1 2 3 1\nE3T 7 1 4 3 1\n"),
              "Element #7 has its nodes in clockwise order!\nThe nodes of every element must be listed "
              "counter-clockwise. Check the element node definition sequence.");
    EXPECT_EQ(readError("cwq", std::string(kSquareNodes) + "E4Q 8 1 4 3 2 1\n"),
              "Element #8 has its nodes in clockwise order!\nThe nodes of every element must be listed "
              "counter-clockwise. Check the element node definition sequence.");
}

TEST(InputSMSFaults, DisjointNodeStopsAndIsReported)
{
    std::filesystem::path dir;
    EXPECT_EQ(readError("disj", std::string(kSquareNodes) + "ND 99 5 5 0\nE4Q 1 1 2 3 4 1\n", &dir),
              "There are some nodes, which don't belong to any element!\nPlease check the mesh file!\n"
              "See the file geofile_Grid.err for the node numbers.");
    EXPECT_EQ(readFile(dir / "disj_Grid.err"),
              "Following nodes don't belong any element!!!\n-------------------------------------------\n99\n\n");
}

TEST(InputSMSFaults, ConcaveQuadrilateralStopsAndIsReported)
{
    std::filesystem::path dir;
    EXPECT_EQ(readError("concave", "ND 1 0 0 0\nND 2 2 0 0\nND 3 0.5 0.5 0\nND 4 0 2 0\nE4Q 3 1 2 3 4 1\n", &dir),
              "Some concave quadrilateral elements were found !\nThese elements are not allowed within the program!\n"
              "See the file XXX_Grid.err for the element numbers\nwhere XXX is the name of the grid File.");
    const std::string report = readFile(dir / "concave_Grid.err");
    EXPECT_NE(report.find("Number of concave quadrilateral elements = 1\n"
                          "Following concave quadrilateral elements have been found!\n3\n"),
              std::string::npos)
        << report;
}

TEST(InputSMSFaults, OverlappingElementsStop)
{
    // Three elements on the side 1-3; then two running the side 2-3 the same way.
    EXPECT_EQ(readError("overlap", std::string(kSquareNodes) +
                                       "ND 5 0.2 0.8 0\nE3T 1 1 2 3 1\nE3T 2 1 3 4 1\nE3T 3 1 3 5 1\n"),
              "Fatal Error in Edge-ordering routine: No match found.\nPlease check your grid.\n"
              "If the grid seems to be valid, contact the developers");
    EXPECT_EQ(readError("same", std::string(kSquareNodes) + "E3T 1 1 2 3 1\nE3T 2 2 3 4 1\nE3T 3 1 3 4 1\n"),
              "Fatal Error in finding neighboring elements routine. \nPlease contact the developers");
}

TEST_F(HandMesh, MovingBedInterpolatesAndUpdatesTheGrid)
{
    const std::string file = writeFile(dir_ / "bed.txt", "0 70 80\n0.0 1.0 2.0\n10.0 3.0 0.0\n");
    MovingBed bed(grid_, file);
    bed.apply(grid_, 5.0);
    EXPECT_DOUBLE_EQ(grid_.nodeZ_[grid_.nodeIndexOfId(70)], 2.0);
    EXPECT_DOUBLE_EQ(grid_.nodeZ_[grid_.nodeIndexOfId(80)], 1.0);
    EXPECT_DOUBLE_EQ(grid_.elemZb_[3], 1.0 / 3.0);       // (0 + 0 + 1) / 3
    EXPECT_DOUBLE_EQ(grid_.edgeZmean_[edge(30, 70)], 1.5);
    EXPECT_EQ(bed.elevationsAt(25.0), (std::vector<double>{3.0, 0.0}));  // last row after the end
    EXPECT_EQ(fatalText([&] { bed.elevationsAt(-1.0); }),
              "x-value (usually = time) smaller than first x-value of boundary serie! (x-value: -1 first value: 0)");
    const std::string bad = writeFile(dir_ / "bad.txt", "0 70 81\n0.0 1.0 2.0\n");
    EXPECT_EQ(fatalText([&] { MovingBed(grid_, bad); }),
              "Error in the moving bed file '" + bad + "' at line 1: the node id 81 is not in the grid file.");
}
