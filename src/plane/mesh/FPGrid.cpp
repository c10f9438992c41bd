#include "plane/mesh/FPGrid.h"
#include "plane/mesh/FPPlaneGradient.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fmt/format.h>
#include <sstream>

#include "core/MessageService.h"

namespace FlumPlane {

namespace {

// Twice the signed area of (1, 2, 3); positive when counter-clockwise.
inline double twiceSignedArea(double x1, double y1, double x2, double y2, double x3, double y3)
{
    return (x2 - x1) * (y3 - y1) + (x3 - x1) * (y1 - y2);
}

inline double distance(double x1, double y1, double x2, double y2)
{
    return std::sqrt((y2 - y1) * (y2 - y1) + (x2 - x1) * (x2 - x1));
}

}  // namespace

void Grid::reserve(std::size_t nodes, std::size_t elements, std::size_t edges)
{
    for (auto* v : {&nodeX_, &nodeY_, &nodeZ_}) v->reserve(nodes);
    nodeId_.reserve(nodes);
    nodeIndex_.reserve(nodes);
    for (auto* v : {&elemId_, &elemMaterial_, &elemNumNodes_}) v->reserve(elements);
    for (auto* v : {&elemArea_, &elemInvArea_, &elemCx_, &elemCy_, &elemZb_, &elemInradius_, &elemCircumradius_,
                    &elemRelief_, &elemSlopeGx_, &elemSlopeGy_, &elemSlopeHx_, &elemSlopeHy_})
        v->reserve(elements);
    elemNodes_.reserve(kMaxNodes * elements);
    elemPartialArea_.reserve(kMaxNodes * elements);
    elemBedGradX_.reserve(kMaxNodes * elements);
    elemBedGradY_.reserve(kMaxNodes * elements);
    elemIndex_.reserve(elements);
    for (auto* v : {&edgeNode1_, &edgeNode2_, &edgeLeft_, &edgeRight_, &edgeType_}) v->reserve(edges);
    for (auto* v : {&edgeLength_, &edgeDy_, &edgeDx_, &edgeNx_, &edgeNy_, &edgeZmin_, &edgeZmean_})
        v->reserve(edges);
}

int Grid::addNode(int fileId, double x, double y, double z)
{
    const int n = numNodes();
    if (!nodeIndex_.emplace(fileId, n).second) {
        std::ostringstream s;
        s << "The node id " << fileId << " is used twice in the grid file!\nEvery node needs its own id.";
        Flumaris::fatal(s.str());
    }
    nodeX_.push_back(x);
    nodeY_.push_back(y);
    nodeZ_.push_back(z);
    nodeId_.push_back(fileId);
    return n;
}

int Grid::addElement(int fileId, std::span<const int> nodes, int material)
{
    const int nn = static_cast<int>(nodes.size());
    if (nn != 3 && nn != 4) {
        std::ostringstream s;
        s << "Element #" << fileId << " has " << nn << " nodes; only triangles and quadrilaterals are supported.";
        Flumaris::fatal(s.str());
    }
    const int e = numElements();
    if (!elemIndex_.emplace(fileId, e).second) {
        std::ostringstream s;
        s << "The element id " << fileId << " is used twice in the grid file!\nEvery element needs its own id.";
        Flumaris::fatal(s.str());
    }
    elemId_.push_back(fileId);
    elemMaterial_.push_back(material);
    elemNumNodes_.push_back(nn);
    for (int k = 0; k < kMaxNodes; ++k) elemNodes_.push_back(k < nn ? nodes[k] : kNone);
    for (int k = 0; k < kMaxNodes; ++k) {
        elemPartialArea_.push_back(0.0);
        elemBedGradX_.push_back(0.0);
        elemBedGradY_.push_back(0.0);
    }
    for (auto* v : {&elemArea_, &elemInvArea_, &elemCx_, &elemCy_, &elemZb_, &elemInradius_, &elemCircumradius_,
                    &elemRelief_, &elemSlopeGx_, &elemSlopeGy_, &elemSlopeHx_, &elemSlopeHy_})
        v->push_back(0.0);
    computeElementGeometry(e);
    return e;
}

void Grid::checkElementNodes(int e) const
{
    const int nn = elemNumNodes_[e];
    const int* nd = &elemNodes_[kMaxNodes * e];
    for (int k = 0; k < nn; ++k) {
        const int n = nd[k];
        if (!(std::isfinite(nodeX_[n]) && std::isfinite(nodeY_[n]) && std::isfinite(nodeZ_[n]))) {
            std::ostringstream s;
            s << "Element #" << elemId_[e] << " uses node " << nodeId_[n]
              << ", whose coordinates are not all finite numbers (x = " << nodeX_[n] << ", y = " << nodeY_[n]
              << ", z = " << nodeZ_[n] << ")!\nCheck the card of node " << nodeId_[n] << " in the grid file.";
            Flumaris::fatal(s.str());
        }
    }
    for (int k = 0; k < nn; ++k)
        for (int j = k + 1; j < nn; ++j) {
            const int a = nd[k], b = nd[j];
            if (a == b) {
                std::ostringstream s;
                s << "Element #" << elemId_[e] << " lists node " << nodeId_[a]
                  << " more than once!\nEvery corner of an element must be a different node. "
                     "Check the element node definition sequence.";
                Flumaris::fatal(s.str());
            }
            if (nodeX_[a] == nodeX_[b] && nodeY_[a] == nodeY_[b]) {
                std::ostringstream s;
                s << "Element #" << elemId_[e] << " has the nodes " << nodeId_[a] << " and " << nodeId_[b]
                  << " at the same position (x = " << nodeX_[a] << ", y = " << nodeY_[a]
                  << ")!\nEvery corner of an element must lie elsewhere. Check the node coordinates.";
                Flumaris::fatal(s.str());
            }
        }
}

void Grid::computeElementGeometry(int e)
{
    const int nn = elemNumNodes_[e];
    const int* nd = &elemNodes_[kMaxNodes * e];
    checkElementNodes(e);
    double cx = 0.0, cy = 0.0, cz = 0.0;
    for (int k = 0; k < nn; ++k) {
        cx += nodeX_[nd[k]];
        cy += nodeY_[nd[k]];
        cz += nodeZ_[nd[k]];
    }
    cx /= nn;
    cy /= nn;
    cz /= nn;

    double area = 0.0;
    double signedTwice = 0.0;
    int flatSide = -1;  // a triangle (node k, node k+1, centre) of a quadrilateral without area
    if (nn == 3) {
        signedTwice = twiceSignedArea(nodeX_[nd[0]], nodeY_[nd[0]], nodeX_[nd[1]], nodeY_[nd[1]],
                                      nodeX_[nd[2]], nodeY_[nd[2]]);
        area = std::fabs(signedTwice) / 2.0;
    } else {
        for (int k = 0; k < 4; ++k) {
            const int a = nd[k], b = nd[(k + 1) % 4];
            const double t = twiceSignedArea(nodeX_[a], nodeY_[a], nodeX_[b], nodeY_[b], cx, cy);
            const double part = std::fabs(t) / 2.0;
            elemPartialArea_[kMaxNodes * e + k] = part;
            if (!(part > 0.0) && flatSide < 0) flatSide = k;
            area += part;
            signedTwice += nodeX_[a] * nodeY_[b] - nodeX_[b] * nodeY_[a];
        }
    }
    double longest = 0.0;
    for (int k = 0; k < nn; ++k) {
        const int a = nd[k], b = nd[(k + 1) % nn];
        longest = std::max(longest, distance(nodeX_[a], nodeY_[a], nodeX_[b], nodeY_[b]));
    }
    const auto unmeasurable = [&] {
        std::ostringstream s;
        s << "Element #" << elemId_[e] << " cannot be measured: the coordinates of its nodes give an area or a "
          << "side beyond the range of numbers (too large or too small)!\nCheck the node coordinates in the grid "
          << "file.";
        Flumaris::fatal(s.str());
    };
    if (!(std::isfinite(area) && std::isfinite(signedTwice) && std::isfinite(longest))) unmeasurable();
    if (nn == 3 && !(area > 0.0)) {
        std::ostringstream s;
        s << "Element #" << elemId_[e] << " has zero area: its nodes " << nodeId_[nd[0]] << ", " << nodeId_[nd[1]]
          << " and " << nodeId_[nd[2]] << " lie on one line!\n"
          << "Check the node coordinates and the element node definition sequence.";
        Flumaris::fatal(s.str());
    }
    if (flatSide >= 0) {
        std::ostringstream s;
        s << "Element #" << elemId_[e] << " is degenerate: its nodes " << nodeId_[nd[flatSide]] << " and "
          << nodeId_[nd[(flatSide + 1) % 4]] << " lie on one line with the centre of the element!\n"
          << "Check the node coordinates and the element node definition sequence.";
        Flumaris::fatal(s.str());
    }
    if (!std::isfinite(1.0 / area)) unmeasurable();
    // The edge normals and the left/right rule rely on counter-clockwise rings.
    if (signedTwice < 0.0) {
        std::ostringstream s;
        s << "Element #" << elemId_[e] << " has its nodes in clockwise order!\n"
          << "The nodes of every element must be listed counter-clockwise. "
             "Check the element node definition sequence.";
        Flumaris::fatal(s.str());
    }

    elemArea_[e] = area;
    elemInvArea_[e] = 1.0 / area;
    elemCx_[e] = cx;
    elemCy_[e] = cy;
    elemZb_[e] = cz;
    updateBedGradients(e);

    const double a = distance(nodeX_[nd[0]], nodeY_[nd[0]], nodeX_[nd[1]], nodeY_[nd[1]]);
    const double b = distance(nodeX_[nd[1]], nodeY_[nd[1]], nodeX_[nd[2]], nodeY_[nd[2]]);
    const double c = distance(nodeX_[nd[2]], nodeY_[nd[2]], nodeX_[nd[0]], nodeY_[nd[0]]);
    elemInradius_[e] = 2.0 * area / (a + b + c);
    const double q = (a + b + c) * (b + c - a) * (c + a - b) * (a + b - c);
    elemCircumradius_[e] = q > 0.0 ? a * b * c / std::sqrt(q) : HUGE_VAL;
}

void Grid::buildEdges()
{
    const int ne = numElements();
    const int nn = numNodes();

    // Sides bucketed by their lower node (counting sort keeps element order),
    // then by the upper node inside each bucket: the order of the sorted pairs
    // in linear time, with ties in element order.
    struct Side {
        int lo, hi, elem, k;
    };
    std::vector<int> start(nn + 1, 0);
    for (int e = 0; e < ne; ++e) {
        const int m = elemNumNodes_[e];
        for (int k = 0; k < m; ++k)
            ++start[std::min(elemNode(e, k), elemNode(e, (k + 1) % m)) + 1];
    }
    for (int n = 0; n < nn; ++n) start[n + 1] += start[n];
    std::vector<Side> sides(start[nn]);
    {
        std::vector<int> fill(start.begin(), start.end() - 1);
        for (int e = 0; e < ne; ++e) {
            const int m = elemNumNodes_[e];
            for (int k = 0; k < m; ++k) {
                const int a = elemNode(e, k), b = elemNode(e, (k + 1) % m);
                sides[fill[std::min(a, b)]++] = Side{std::min(a, b), std::max(a, b), e, k};
            }
        }
    }
    for (int n = 0; n < nn; ++n) {
        // Buckets hold a handful of sides: insertion sort, stable.
        for (int j = start[n] + 1; j < start[n + 1]; ++j) {
            const Side s = sides[j];
            int i = j;
            while (i > start[n] && sides[i - 1].hi > s.hi) {
                sides[i] = sides[i - 1];
                --i;
            }
            sides[i] = s;
        }
    }

    elemEdges_.assign(kMaxNodes * static_cast<std::size_t>(ne), kNone);
    elemNeighbours_.assign(kMaxNodes * static_cast<std::size_t>(ne), kNone);
    elemEdgeSign_.assign(kMaxNodes * static_cast<std::size_t>(ne), 0.0);
    const std::size_t expected = sides.size() / 2 + 1;
    for (auto* v : {&edgeNode1_, &edgeNode2_, &edgeLeft_, &edgeRight_, &edgeType_}) {
        v->clear();
        v->reserve(expected);
    }

    for (std::size_t j = 0; j < sides.size();) {
        const Side& first = sides[j];
        const int e0 = first.elem, m0 = elemNumNodes_[e0];
        const int n1 = elemNode(e0, first.k), n2 = elemNode(e0, (first.k + 1) % m0);
        const int i = static_cast<int>(edgeNode1_.size());
        edgeNode1_.push_back(n1);
        edgeNode2_.push_back(n2);
        edgeLeft_.push_back(e0);
        edgeRight_.push_back(kNone);
        elemEdges_[kMaxNodes * e0 + first.k] = i;
        elemEdgeSign_[kMaxNodes * e0 + first.k] = 1.0;
        std::size_t g = j + 1;
        for (; g < sides.size() && sides[g].hi == first.hi && sides[g].lo == first.lo; ++g) {
            const Side& other = sides[g];
            const int e1 = other.elem;
            if (g > j + 1) {
                std::ostringstream s;
                s << "The edge between the nodes " << nodeId_[n1] << " and " << nodeId_[n2]
                  << " belongs to more than two elements (" << elemId_[e0] << ", " << elemId_[edgeRight_[i]] << ", "
                  << elemId_[e1] << ").";
                Flumaris::report(5, s.str());
                Flumaris::fatal("Fatal Error in Edge-ordering routine: No match found.\nPlease check your grid.\n"
                                    "If the grid seems to be valid, contact the developers");
            }
            // The right element must run the edge the other way round; otherwise
            // both lie on the same side (overlapping elements).
            if (e1 == e0 || elemNode(e1, other.k) != n2) {
                std::ostringstream s;
                s << "The elements " << elemId_[e0] << " and " << elemId_[e1] << " lie on the same side of the edge "
                  << "between the nodes " << nodeId_[n1] << " and " << nodeId_[n2] << " (overlapping elements).";
                Flumaris::report(5, s.str());
                Flumaris::fatal("Fatal Error in finding neighboring elements routine. \nPlease contact the developers");
            }
            edgeRight_[i] = e1;
            elemEdges_[kMaxNodes * e1 + other.k] = i;
            elemEdgeSign_[kMaxNodes * e1 + other.k] = -1.0;
            elemNeighbours_[kMaxNodes * e0 + first.k] = e1;
            elemNeighbours_[kMaxNodes * e1 + other.k] = e0;
        }
        j = g;
    }

    for (int e = 0; e < ne; ++e) {
        for (int k = 0; k < elemNumNodes_[e]; ++k) {
            if (elemEdges_[kMaxNodes * e + k] == kNone)
                Flumaris::fatal("Fatal Error in Edge-ordering routine: Not enough matches found.\n"
                                    "There is probably a problem with your grid.\n"
                                    "If the grid seems to be valid, contact the developers");
        }
    }

    const int nEdges = static_cast<int>(edgeNode1_.size());
    edgeLength_.assign(nEdges, 0.0);
    edgeDy_.assign(nEdges, 0.0);
    edgeDx_.assign(nEdges, 0.0);
    edgeNx_.assign(nEdges, 0.0);
    edgeNy_.assign(nEdges, 0.0);
    edgeZmin_.assign(nEdges, kUnsetElevation);
    edgeZmean_.assign(nEdges, kUnsetElevation);
    edgeType_.assign(nEdges, EdgeInterior);
    edgeLink_.assign(nEdges, kNone);
    interiorEdges_.clear();
    boundaryEdges_.clear();
    for (int i = 0; i < nEdges; ++i) {
        const int a = edgeNode1_[i], b = edgeNode2_[i];
        const double dx = nodeX_[b] - nodeX_[a];
        const double dy = nodeY_[b] - nodeY_[a];
        const double len = std::sqrt(dy * dy + dx * dx);
        edgeLength_[i] = len;
        edgeDy_[i] = dy;
        edgeDx_[i] = dx;
        edgeNx_[i] = dy / len;
        edgeNy_[i] = -dx / len;
        updateEdgeElevation(i);
        if (edgeRight_[i] == kNone) {
            edgeType_[i] = EdgeWall;
            boundaryEdges_.push_back(i);
        } else {
            interiorEdges_.push_back(i);
        }
    }
    buildNodeAdjacency();
}

void Grid::buildNodeAdjacency()
{
    const int nn = numNodes();
    nodeElemStart_.assign(nn + 1, 0);
    for (int e = 0; e < numElements(); ++e)
        for (int k = 0; k < elemNumNodes_[e]; ++k) ++nodeElemStart_[elemNode(e, k) + 1];
    for (int n = 0; n < nn; ++n) nodeElemStart_[n + 1] += nodeElemStart_[n];
    nodeElems_.resize(nodeElemStart_[nn]);
    std::vector<int> fill(nodeElemStart_.begin(), nodeElemStart_.end() - 1);
    for (int e = 0; e < numElements(); ++e)
        for (int k = 0; k < elemNumNodes_[e]; ++k) nodeElems_[fill[elemNode(e, k)]++] = e;

    nodeEdgeStart_.assign(nn + 1, 0);
    for (int i = 0; i < numEdges(); ++i) {
        ++nodeEdgeStart_[edgeNode1_[i] + 1];
        ++nodeEdgeStart_[edgeNode2_[i] + 1];
    }
    for (int n = 0; n < nn; ++n) nodeEdgeStart_[n + 1] += nodeEdgeStart_[n];
    nodeEdges_.resize(nodeEdgeStart_[nn]);
    fill.assign(nodeEdgeStart_.begin(), nodeEdgeStart_.end() - 1);
    for (int i = 0; i < numEdges(); ++i) {
        nodeEdges_[fill[edgeNode1_[i]]++] = i;
        nodeEdges_[fill[edgeNode2_[i]]++] = i;
    }
}

void Grid::updateEdgeElevation(int i)
{
    const double z1 = nodeZ_[edgeNode1_[i]], z2 = nodeZ_[edgeNode2_[i]];
    edgeZmin_[i] = std::min(z1, z2);
    edgeZmean_[i] = (z1 + z2) / 2.0;
}

void Grid::updateElementElevation(int e)
{
    double z = 0.0;
    for (int k = 0; k < elemNumNodes_[e]; ++k) z += nodeZ_[elemNode(e, k)];
    elemZb_[e] = z / elemNumNodes_[e];
    updateBedGradients(e);
}

// The bed-slope source needs these every step; they change only with the bed.
void Grid::updateBedGradients(int e)
{
    const int* nd = &elemNodes_[kMaxNodes * e];
    double* gx = &elemBedGradX_[kMaxNodes * e];
    double* gy = &elemBedGradY_[kMaxNodes * e];
    const double zb = elemZb_[e];
    double zmax = nodeZ_[nd[0]];
    for (int k = 1; k < elemNumNodes_[e]; ++k) zmax = std::max(zmax, nodeZ_[nd[k]]);
    elemRelief_[e] = zmax - zb;
    if (elemNumNodes_[e] == 3) {
        planeGradient(nodeX_[nd[0]], nodeY_[nd[0]], nodeZ_[nd[0]], nodeX_[nd[1]], nodeY_[nd[1]], nodeZ_[nd[1]],
                      nodeX_[nd[2]], nodeY_[nd[2]], nodeZ_[nd[2]], gx[0], gy[0]);
        elemSlopeGx_[e] = elemArea_[e] * gx[0];
        elemSlopeGy_[e] = elemArea_[e] * gy[0];
        elemSlopeHx_[e] = elemSlopeHy_[e] = 0.0;
        return;
    }
    double Gx = 0.0, Gy = 0.0, Hx = 0.0, Hy = 0.0;
    for (int k = 0; k < 4; ++k) {
        const int a = nd[k], b = nd[(k + 1) % 4];
        planeGradient(nodeX_[a], nodeY_[a], nodeZ_[a], nodeX_[b], nodeY_[b], nodeZ_[b], elemCx_[e], elemCy_[e], zb,
                      gx[k], gy[k]);
        const double Ak = elemPartialArea_[kMaxNodes * e + k];
        // zbar_k - zb from differences, so that absolute elevations cost no digits
        const double dz = ((nodeZ_[a] - zb) + (nodeZ_[b] - zb)) / 3.0;
        Gx += Ak * gx[k];
        Gy += Ak * gy[k];
        Hx += Ak * dz * gx[k];
        Hy += Ak * dz * gy[k];
    }
    elemSlopeGx_[e] = Gx;
    elemSlopeGy_[e] = Gy;
    elemSlopeHx_[e] = Hx;
    elemSlopeHy_[e] = Hy;
}

void Grid::updateNodeElevations(std::span<const int> nodes, std::span<const double> z)
{
    for (std::size_t j = 0; j < nodes.size(); ++j) nodeZ_[nodes[j]] = z[j];
    for (int n : nodes) {
        for (int e : elementsOfNode(n)) updateElementElevation(e);
        for (int i : edgesOfNode(n)) updateEdgeElevation(i);
    }
}

int Grid::nodeIndexOfId(int fileId) const
{
    auto it = nodeIndex_.find(fileId);
    return it == nodeIndex_.end() ? kNone : it->second;
}

int Grid::elementIndexOfId(int fileId) const
{
    auto it = elemIndex_.find(fileId);
    if (it == elemIndex_.end()) {
        std::ostringstream s;
        s << "Element " << fileId << " does not exist! Check your input file! There are currently "
          << numElements() << " elements.";
        Flumaris::fatal(s.str());
    }
    return it->second;
}

int Grid::findEdge(int nodeA, int nodeB) const
{
    for (int i : edgesOfNode(nodeA)) {
        if ((edgeNode1_[i] == nodeA && edgeNode2_[i] == nodeB) || (edgeNode1_[i] == nodeB && edgeNode2_[i] == nodeA))
            return i;
    }
    return kNone;
}

std::span<const int> Grid::elementsOfNode(int n) const
{
    return {nodeElems_.data() + nodeElemStart_[n], nodeElems_.data() + nodeElemStart_[n + 1]};
}

std::span<const int> Grid::edgesOfNode(int n) const
{
    return {nodeEdges_.data() + nodeEdgeStart_[n], nodeEdges_.data() + nodeEdgeStart_[n + 1]};
}

double Grid::totalArea() const
{
    double sum = 0.0;
    for (double a : elemArea_) sum += a;
    return sum;
}

void Grid::writeEdgeFile(const std::string& path) const
{
    std::FILE* f = std::fopen(path.c_str(), "w");
    if (!f) {
        Flumaris::fatal("Cannot open the file '" + path + "' for writing geometry information!");
        return;
    }
    fmt::memory_buffer out;
    fmt::format_to(std::back_inserter(out), " Edge Computation \n ----------------  \n");
    fmt::format_to(std::back_inserter(out), " Total Number of Edges in Domain = {}\n\n", numEdges());
    fmt::format_to(std::back_inserter(out), "{:>10}{:>10}{:>10}{:>10}{:>10}{:>6}\n", "Edge", "Node1", "Node2",
                   "Elem_L", "Elem_R", " Type");
    fmt::format_to(std::back_inserter(out), "{}\n", std::string(56, '-'));
    for (int i = 0; i < numEdges(); ++i) {
        if (edgeRight_[i] == kNone)
            fmt::format_to(std::back_inserter(out), "{:>10}{:>10}{:>10}{:>10}      NULL{:>6}\n", i + 1,
                           nodeId_[edgeNode1_[i]], nodeId_[edgeNode2_[i]], elemId_[edgeLeft_[i]], edgeType_[i]);
        else
            fmt::format_to(std::back_inserter(out), "{:>10}{:>10}{:>10}{:>10}{:>10}{:>6}\n", i + 1,
                           nodeId_[edgeNode1_[i]], nodeId_[edgeNode2_[i]], elemId_[edgeLeft_[i]],
                           elemId_[edgeRight_[i]], edgeType_[i]);
        if (out.size() > (1 << 20)) {
            std::fwrite(out.data(), 1, out.size(), f);
            out.clear();
        }
    }
    std::fwrite(out.data(), 1, out.size(), f);
    std::fclose(f);
}

}  // namespace FlumPlane
