#include "plane/mesh/FPGridQualityCheck.h"

#include <algorithm>
#include <cmath>
#include <fmt/format.h>
#include <fstream>
#include <numbers>

#include "core/FlumPath.h"
#include "core/MessageService.h"
#include "plane/mesh/FPGrid.h"

namespace FlumPlane {

GridQualityCheck::GridQualityCheck(const Grid& grid, std::string errFile, GridCheckThresholds thresholds)
    : grid_(grid), errFile_(std::move(errFile)), thresholds_(thresholds)
{
}

std::string GridQualityCheck::errFileOf(const std::string& meshFile)
{
    return Flumaris::joinPath(Flumaris::directoryOf(meshFile), Flumaris::stemOf(meshFile) + "_Grid.err");
}

GridCheckResult GridQualityCheck::run()
{
    GridCheckResult result;
    checkDisjointNodes();
    checkArea(result);
    checkAspectRatio(result);
    checkConcave();
    checkAmbiguous(result);
    return result;
}

// The first failed check starts a fresh file; later ones append.
void GridQualityCheck::append(const std::string& text)
{
    std::ofstream out(errFile_, errFileStarted_ ? std::ios::app : std::ios::trunc);
    if (!out) {
        Flumaris::fatal("Cannot open the file '" + errFile_ + "' for writing the mesh check report!");
        return;
    }
    errFileStarted_ = true;
    out << text;
}

void GridQualityCheck::checkDisjointNodes()
{
    Flumaris::report(5, "Checking disjoint nodes ...");
    std::string ids;
    for (int n = 0; n < grid_.numNodes(); ++n) {
        if (grid_.elementsOfNode(n).empty()) ids += fmt::format("{}\n", grid_.nodeId_[n]);
    }
    if (ids.empty()) return;
    append("Following nodes don't belong any element!!!\n" + std::string(43, '-') + "\n" + ids + "\n");
    Flumaris::fatal("There are some nodes, which don't belong to any element!\nPlease check the mesh file!\n"
                        "See the file geofile_Grid.err for the node numbers.");
}

void GridQualityCheck::checkArea(GridCheckResult& result)
{
    Flumaris::report(5, "Checking the area of elements ...");
    const int ne = grid_.numElements();
    if (ne == 0) return;
    const double limit = thresholds_.minAreaRatio * grid_.totalArea() / ne;
    std::string ids;
    for (int e = 0; e < ne; ++e) {
        if (grid_.elemArea_[e] < limit) {
            result.smallElements.push_back(e);
            ids += fmt::format("{}\n", grid_.elemId_[e]);
        }
    }
    if (ids.empty()) return;
    append(fmt::format("Number of elements with too small area= {}\n"
                       "Following elements have an area smaller than {}% of the average area of all elements!\n",
                       result.smallElements.size(), thresholds_.minAreaRatio * 100.0) +
           ids + "\n");
    Flumaris::report(3, "Some elements in the mesh have very small area!\n"
                        "These elements may cause instabilities in the program!\n"
                        "See the file geofile_Grid.err for the element numbers.");
}

void GridQualityCheck::checkAspectRatio(GridCheckResult& result)
{
    Flumaris::report(5, "Checking the aspect ratio of elements ...");
    std::string ids;
    for (int e = 0; e < grid_.numElements(); ++e) {
        if (grid_.elemInradius_[e] / grid_.elemCircumradius_[e] < thresholds_.minAspectRatio) {
            result.thinElements.push_back(e);
            ids += fmt::format("{}\n", grid_.elemId_[e]);
        }
    }
    if (ids.empty()) return;
    append(fmt::format("Number of thin elements = {}\nFollowing elements are too thin! (Aspect ratio < {})\n",
                       result.thinElements.size(), thresholds_.minAspectRatio) +
           ids + "\n");
    Flumaris::report(3, "Some elements in the mesh are too thin!\n"
                        "These elements may cause instabilities in the program!\n"
                        "See the file geofile_Grid.err for the element numbers.");
}

bool GridQualityCheck::isConcave(const Grid& grid, int e)
{
    if (grid.elemNumNodes(e) != 4) return false;
    for (int k = 0; k < 4; ++k) {
        const int a = grid.elemNode(e, (k + 3) % 4), b = grid.elemNode(e, k), c = grid.elemNode(e, (k + 1) % 4);
        const double cross = (grid.nodeX_[b] - grid.nodeX_[a]) * (grid.nodeY_[c] - grid.nodeY_[b]) -
                             (grid.nodeY_[b] - grid.nodeY_[a]) * (grid.nodeX_[c] - grid.nodeX_[b]);
        if (!(cross > 0.0)) return true;
    }
    return false;
}

void GridQualityCheck::checkConcave()
{
    Flumaris::report(5, "Checking for concave quadrilateral elements ...");
    std::string ids;
    int count = 0;
    for (int e = 0; e < grid_.numElements(); ++e) {
        if (isConcave(grid_, e)) {
            ++count;
            ids += fmt::format("{}\n", grid_.elemId_[e]);
        }
    }
    if (count == 0) return;
    append(fmt::format("Number of concave quadrilateral elements = {}\n"
                       "Following concave quadrilateral elements have been found!\n",
                       count) +
           ids + "\n");
    Flumaris::fatal("Some concave quadrilateral elements were found !\n"
                        "These elements are not allowed within the program!\n"
                        "See the file XXX_Grid.err for the element numbers\n"
                        "where XXX is the name of the grid File.");
}

double GridQualityCheck::splitAngle(const Grid& grid, int e)
{
    auto p = [&](int k, double out[3]) {
        const int n = grid.elemNode(e, k);
        out[0] = grid.nodeX_[n];
        out[1] = grid.nodeY_[n];
        out[2] = grid.nodeZ_[n];
    };
    double p0[3], p1[3], p2[3], p3[3];
    p(0, p0);
    p(1, p1);
    p(2, p2);
    p(3, p3);
    auto normal = [](const double* a, const double* b, const double* c, double n[3]) {
        const double u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]};
        const double v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
        n[0] = u[1] * v[2] - u[2] * v[1];
        n[1] = u[2] * v[0] - u[0] * v[2];
        n[2] = u[0] * v[1] - u[1] * v[0];
    };
    double n1[3], n2[3];
    normal(p0, p1, p2, n1);
    normal(p0, p2, p3, n2);
    const double dot = n1[0] * n2[0] + n1[1] * n2[1] + n1[2] * n2[2];
    const double len = std::sqrt((n1[0] * n1[0] + n1[1] * n1[1] + n1[2] * n1[2]) *
                                 (n2[0] * n2[0] + n2[1] * n2[1] + n2[2] * n2[2]));
    const double cosine = std::clamp(dot / len, -1.0, 1.0);
    return std::acos(cosine) * 180.0 / std::numbers::pi;
}

void GridQualityCheck::checkAmbiguous(GridCheckResult& result)
{
    Flumaris::report(5, "Checking for ambiguous quadrilateral elements ...");
    std::string ids;
    for (int e = 0; e < grid_.numElements(); ++e) {
        if (grid_.elemNumNodes(e) == 4 && splitAngle(grid_, e) > thresholds_.maxAngleQuadrilateral) {
            result.ambiguousElements.push_back(e);
            ids += fmt::format("{}\n", grid_.elemId_[e]);
        }
    }
    if (ids.empty()) return;
    append(fmt::format("Number of ambiguous quadrilateral elements = {}\n"
                       "Following ambiguous quadrilateral elements have been found!\n"
                       "(The normal vectors of the two triangles,\n"
                       "which result from splitting the quadrilateral, \n"
                       "have an angle of larger than {} degrees)\n",
                       result.ambiguousElements.size(), thresholds_.maxAngleQuadrilateral) +
           ids + "\n");
    Flumaris::report(3, "Some ambiguous quadrilateral elements were found !\n"
                        "These elements may cause instabilities in the program!\n"
                        "See the file XXX_Grid.err for the element numbers\n"
                        "where XXX is the name of the grid File.");
}

}  // namespace FlumPlane
