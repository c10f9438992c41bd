// Our VTK and Tecplot ASCII files read by an independent reader (Debian's
// python3-meshio), where it is installed. No Debian package reads Tecplot
// binary files; those are checked by the strict reader instead.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "ToolsTestSupport.h"
#include "tools/FTTecplotAsciiWriter.h"
#include "tools/FTVtkWriter.h"

using namespace FLUMtools;

namespace {

bool meshioAvailable() { return std::system("/usr/bin/python3 -c 'import meshio' > /dev/null 2>&1") == 0; }

const char* const checkScript = R"(
import sys, meshio
d = sys.argv[1]
def close(a, b): return all(abs(x - y) < 1e-6 for x, y in zip(a, b)) and len(a) == len(b)
m = meshio.read(d + '/n.vtk')
assert m.points.shape == (5, 3), m.points.shape
cells = {c.type: c.data.tolist() for c in m.cells}
assert cells == {'quad': [[0, 1, 2, 3]], 'triangle': [[1, 4, 2]]}, cells
assert close(m.point_data['depth'].ravel().tolist(), [0.1, 0.2, 0.3, 0.4, 0.5])
assert m.point_data['velocity'].tolist()[4] == [9.0, 10.0, 0.0]
m = meshio.read(d + '/e.vtk')
assert [a.ravel().tolist() for a in m.cell_data['tau']] == [[0.5], [1.5]]
m = meshio.read(d + '/t.dat', file_format='tecplot')
assert m.points.tolist()[4] == [2.0, 0.5, 14.0]
assert [c.data.tolist() for c in m.cells] == [[[0, 1, 2, 3], [1, 4, 2, 2]]]
assert close(m.point_data['depth'].tolist(), [0.1, 0.2, 0.3, 0.4, 0.5])
m = meshio.read(d + '/te.dat', file_format='tecplot')
assert [a.tolist() for a in m.cell_data['tau']] == [[0.5, 1.5]]
)";

}  // namespace

TEST(ExternalReader, MeshioReadsVtkAndTecplotAsciiFiles) {
    if (!meshioAvailable()) GTEST_SKIP() << "python3-meshio is not installed";
    toolstest::TempDir dir;
    const FTMesh2D mesh = toolstest::smallMesh();
    const std::vector<double> d{0.1, 0.2, 0.3, 0.4, 0.5}, v{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, t{0.5, 1.5};
    FTVtkWriter(mesh, FTLocation::Node).write(dir.file("n.vtk"), 5.0, {{"depth", 1, d, {}}, {"velocity", 2, v, {}}});
    FTVtkWriter(mesh, FTLocation::Element).write(dir.file("e.vtk"), 5.0, {{"tau", 1, t, {}}});
    {
        FTTecplotAsciiWriter n(mesh, FTLocation::Node, dir.file("t.dat"), {{"depth", 1, {}, {}}});
        n.writeZone(0.0, {{"depth", 1, d, {}}});
        FTTecplotAsciiWriter e(mesh, FTLocation::Element, dir.file("te.dat"), {{"tau", 1, {}, {}}});
        e.writeZone(0.0, {{"tau", 1, t, {}}});
    }
    std::ofstream(dir.file("check.py")) << checkScript;
    const std::string cmd = "/usr/bin/python3 " + dir.file("check.py") + " " + dir.path().string();
    EXPECT_EQ(std::system(cmd.c_str()), 0);
}
